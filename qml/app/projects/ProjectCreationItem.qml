import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The new-project form: the kind of device, its number of channels, the model among those
// that fit, and the project's name. `create` asks for the project.
Item {
    id: form

    required property ProjectCreationViewController controller
    // Every model of the catalogue, read once.
    readonly property var devices: {
        const model = deviceService.deviceModel
        const list = []
        for (let row = 0; row < model.rowCount(); ++row) {
            const index = model.index(row, 0)
            list.push({
                name: model.data(index, Qt.UserRole + 1),
                image: model.data(index, Qt.UserRole + 2),
                type: model.data(index, Qt.UserRole + 3),
                channels: model.data(index, Qt.UserRole + 4),
                ot2: model.data(index, Qt.UserRole + 5)
            })
        }
        return list
    }
    readonly property var families: [
        { type: 0, name: ClientConfig.details.hebdoFamilyName },
        { type: 1, name: ClientConfig.details.astroFamilyName },
        { type: 2, name: ClientConfig.details.noctaFamilyName },
        { type: 3, name: ClientConfig.details.controlsFamilyName }
    ].filter(family => family.name !== "" && devices.some(device => device.type === family.type))
    property int deviceType: families.length > 0 ? families[0].type : 0
    readonly property var channelCounts: devices.filter(device => device.type === deviceType)
                                                .map(device => device.channels)
                                                .filter((count, at, all) => all.indexOf(count) === at)
                                                .sort((a, b) => a - b)
    readonly property var models: devices.filter(device => device.type === deviceType
                                                        && device.channels === controller.channelNumber)
    readonly property bool canCreate: models.some(device => device.ot2 === controller.deviceOt2Number)
                                      && controller.projectName.trim() !== ""

    signal create

    function chooseType(type) {
        deviceType = type
        chooseChannels(channelCounts.length > 0 ? channelCounts[0] : 1)
    }

    function chooseChannels(count) {
        controller.channelNumber = count
        controller.deviceOt2Number = models.length > 0 ? models[0].ot2 : 0
    }

    implicitWidth: 600
    implicitHeight: column.implicitHeight
    Component.onCompleted: chooseType(deviceType)

    ClickOutsideLoseFocus {}

    ColumnLayout {
        id: column
        anchors.fill: parent
        spacing: Metrics.middleMargin

        DesignText {
            text: bindTr("New project", "Gerätetyp")
        }
        Flow {
            Layout.fillWidth: true
            spacing: Metrics.spacing
            Repeater {
                model: form.families
                ToggleButton {
                    required property var modelData
                    objectName: "deviceType_" + modelData.type
                    text: modelData.name
                    selected: form.deviceType === modelData.type
                    onClicked: form.chooseType(modelData.type)
                }
            }
        }

        DesignText {
            text: bindTr("New project", "Anzahl Kanäle")
        }
        Flow {
            Layout.fillWidth: true
            spacing: Metrics.spacing
            Repeater {
                model: form.channelCounts
                ToggleButton {
                    required property int modelData
                    objectName: "channels_" + modelData
                    text: modelData
                    selected: form.controller.channelNumber === modelData
                    onClicked: form.chooseChannels(modelData)
                }
            }
        }

        DesignText {
            text: bindTr("New project", "Modell")
        }
        GridView {
            id: modelGrid
            objectName: "deviceModels"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: cellHeight
            clip: true
            cellWidth: Metrics.tiles.preferredWidth + Metrics.margin
            cellHeight: Metrics.tiles.preferredWidth + Metrics.margin
            model: form.models
            delegate: DeviceItem {
                required property var modelData
                name: modelData.name
                image: modelData.image
                ot2: modelData.ot2
                selected: form.controller.deviceOt2Number === modelData.ot2
                onClicked: form.controller.deviceOt2Number = modelData.ot2
            }
        }

        DesignText {
            text: bindTr("New project", "Projektname")
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: Metrics.margin
            DefaultTextField {
                objectName: "projectNameField"
                Layout.fillWidth: true
                text: form.controller.projectName
                onTextEdited: form.controller.projectName = text
                onAccepted: if (form.canCreate) form.create()
            }
            DefaultButton {
                objectName: "createProjectButton"
                text: bindTr("New project", "Projekt erstellen")
                enabled: form.canCreate
                onClicked: form.create()
            }
        }
    }
}
