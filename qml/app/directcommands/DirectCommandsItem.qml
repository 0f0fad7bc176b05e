import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The sections of the direct commands, first to last: the device's channels, its clock, the
// channel the commands address, the manual commands, the holiday programme, the options and
// the firmware version. The controller's warnings show as pop-ups over this item's window.
Item {
    id: item

    required property var controller
    readonly property var device: controller ? controller.device : null
    readonly property int ot2: device ? device.ot2Number : 0
    // The channel lines as the controller last told them.
    property var info: []

    // The holding view is to close.
    signal closeRequested

    function openPopup(name, properties, callback) {
        return PopUpManager.openPopup(name, properties, callback, item)
    }

    Connections {
        target: item.controller
        function onInfoChanged(info) { item.info = info }
        function onInactiveForTooLong() {
            item.closeRequested()
            ZorvikUtils.deviceScan.showInactivity(true)
        }
        function onTooManySensors() {
            item.openPopup("InfoPopup", {
                objectName: "tooManySensorsPopup",
                title: bindTr("Direct commands", "Sensorzuordnung"),
                titleColor: Colors.red,
                contentText: bindTr("Direct commands", "Maximale Anzahl der anschließbaren Lichtsensoren (4) überschritten")
            })
        }
        function onSensorError() {
            item.openPopup("ConfirmPopup", {
                objectName: "sensorErrorPopup",
                title: bindTr("Direct commands", "Sensorzuordnung"),
                contentText: bindTr("Direct commands", "Sensorfehler"),
                warning: true,
                canCancel: false
            }, accepted => {
                if (accepted === true && item.controller)
                    item.controller.acceptSensorError()
            })
        }
    }

    Flickable {
        id: flickable
        anchors.fill: parent
        contentWidth: width
        contentHeight: sections.implicitHeight + 2 * Metrics.middleMargin
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollIndicator.vertical: DefaultScrollIndicator {}

        ColumnLayout {
            id: sections
            x: Metrics.middleMargin
            y: Metrics.middleMargin
            width: flickable.width - 2 * Metrics.middleMargin
            spacing: Metrics.margin

            DesignText {
                objectName: "directCommandsHeader"
                Layout.fillWidth: true
                visible: ZorvikUtils.isDesktop && item.device !== null
                text: item.device ? bindTr("Direct commands", "%1 SN: %2").arg(item.device.name).arg(item.device.serialNumber) : ""
                size: Metrics.fontSize.big
                elide: Text.ElideRight
            }

            DeviceInfo {
                Layout.fillWidth: true
                controller: item.controller
                showLux: deviceService.isNocta(item.ot2)
            }

            DateTimeSection {
                Layout.fillWidth: true
                controller: item.controller
                visible: item.controller.canSetManualDateTime
                         && (item.controller.timeIsSettable || item.controller.timezoneIsSettable)
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: Metrics.margin
                DesignText {
                    text: bindTr("Direct commands", "Kanal")
                }
                DefaultCombobox {
                    objectName: "channelChoice"
                    model: {
                        const names = []
                        for (let channel = 1; channel <= item.controller.infoContainer.length; ++channel)
                            names.push(bindTr("Direct commands", "Kanal") + " " + channel)
                        return names
                    }
                    currentIndex: item.controller.selectedChannel
                    onActivated: index => item.controller.selectedChannel = index
                }
                Item { Layout.fillWidth: true }
            }

            ManuelSection {
                Layout.fillWidth: true
                controller: item.controller
                info: item.info
            }

            HolidaySection {
                Layout.fillWidth: true
                controller: item.controller
                visible: item.controller.canSetManualHolidays
            }

            OptionSection {
                Layout.fillWidth: true
                controller: item.controller
            }

            ColumnLayout {
                Layout.fillWidth: true
                spacing: Metrics.spacing
                DefaultText {
                    text: bindTr("Direct commands", "Firmware-Version:")
                    font.styleName: Fonts.bold
                }
                DefaultText {
                    objectName: "deviceSoftwareVersion"
                    visible: item.controller.deviceSoftwareVersion > 0
                    text: bindTr("Direct commands", "Software Version Gerät") + ": "
                          + item.controller.deviceSoftwareVersion.toFixed(2)
                }
            }
        }
    }
}
