import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// A description of each channel and, when the device shows one, the channel's name on the
// device: letters, digits, "-" and "/", in upper case.
TabSubView {
    id: tab

    required property var metadataController
    property bool showDeviceChansColumn: true

    title: bindTr("Project Settings", "Kanal")

    // Both lists are indexed by channel; channels without a row get empty texts.
    function saveData() {
        const indexes = metadataController.channelIndexes
        const size = indexes.length > 0 ? Math.max(...indexes) + 1 : 0
        const descriptions = new Array(size).fill("")
        const deviceNames = new Array(size).fill("")
        for (let row = 0; row < rows.count; ++row) {
            const entry = rows.itemAt(row)
            descriptions[entry.channelIndex] = entry.description
            deviceNames[entry.channelIndex] = entry.deviceName.toUpperCase()
        }
        metadataController.channelsDescription = descriptions
        metadataController.deviceChans = deviceNames
    }

    Flickable {
        id: page
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        contentHeight: grid.implicitHeight
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollIndicator.vertical: DefaultScrollIndicator {}

        GridLayout {
            id: grid
            width: page.width
            columns: 1
            rowSpacing: Metrics.margin

            RowLayout {
                Layout.fillWidth: true
                spacing: Metrics.margin
                Item { Layout.preferredWidth: 80 }
                DefaultText {
                    Layout.fillWidth: true
                    Layout.preferredWidth: 2
                    text: bindTr("Project Metadata", "Beschreibung der Kanäle")
                    color: Colors.secondaryColor
                }
                DefaultText {
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    visible: tab.showDeviceChansColumn
                    text: bindTr("Project Metadata", "Wird auf dem Gerät angezeigt")
                    color: Colors.secondaryColor
                }
            }

            Repeater {
                id: rows
                model: tab.metadataController.channelIndexes

                RowLayout {
                    id: row
                    required property int modelData
                    readonly property int channelIndex: modelData
                    readonly property alias description: descriptionField.text
                    readonly property alias deviceName: deviceNameField.text

                    Layout.fillWidth: true
                    spacing: Metrics.margin

                    DefaultText {
                        Layout.preferredWidth: 80
                        text: bindTr("Direct commands", "Kanal") + " " + (row.channelIndex + 1)
                    }
                    DefaultTextField {
                        id: descriptionField
                        objectName: "channelDescription_" + row.channelIndex
                        Layout.fillWidth: true
                        Layout.preferredWidth: 2
                        text: tab.metadataController.channelsDescription[row.channelIndex] || ""
                    }
                    DefaultTextField {
                        id: deviceNameField
                        objectName: "deviceChannelName_" + row.channelIndex
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1
                        visible: tab.showDeviceChansColumn
                        validator: RegularExpressionValidator { regularExpression: /[A-Za-z0-9\/-]*/ }
                        text: tab.metadataController.deviceChans[row.channelIndex] || ""
                        onTextEdited: {
                            const position = cursorPosition
                            text = text.toUpperCase()
                            cursorPosition = position
                        }
                    }
                }
            }
        }
    }
}
