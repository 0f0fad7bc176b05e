import QtQuick
import QtQuick.Layouts
import Tarvino

// One stored project in the home list: the device's picture, the project's name and the
// device model. What a press does follows the list's selection mode; in Delete mode the row
// shows whether it is selected. A project of a cloud device has an upload button.
Rectangle {
    id: item

    // The row of the project list: name, device, id and selected.
    required property var model
    readonly property string name: model.name
    readonly property int device: model.device
    readonly property bool selected: model.selected
    property int selectionMode: MainController.Normal

    signal clicked
    signal deleteClicked
    signal copyClicked
    signal editClicked
    signal exportClicked
    signal uploadClicked

    readonly property url modeIcon: {
        switch (selectionMode) {
        case MainController.Copy: return ClientConfig.icons.duplicate
        case MainController.Edit: return ClientConfig.icons.edit
        case MainController.Export: return ClientConfig.icons.upload
        default: return ""
        }
    }

    objectName: "project_" + name
    implicitHeight: 72
    color: area.pressed || (selectionMode === MainController.Delete && selected) ? Colors.delightBlue : Colors.white

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: Metrics.middleMargin
        anchors.rightMargin: Metrics.middleMargin
        spacing: Metrics.middleMargin
        DefaultCheckBox {
            objectName: "projectSelection"
            visible: item.selectionMode === MainController.Delete
            checked: item.selected
            onClicked: item.deleteClicked()
        }
        SvgIcon {
            Layout.preferredWidth: 48
            Layout.preferredHeight: 48
            source: deviceService.deviceImageFromOt2(item.device)
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 0
            DesignText {
                Layout.fillWidth: true
                text: item.name
                wrapMode: Text.NoWrap
            }
            DefaultText {
                Layout.fillWidth: true
                text: deviceService.deviceNameFromOt2(item.device)
                color: Colors.secondaryColor
            }
        }
        ClickableIcon {
            objectName: "uploadButton"
            source: ClientConfig.icons.upload
            iconColor: Colors.orangeUploadButton ? Colors.orange : Colors.primaryColor
            visible: item.selectionMode === MainController.Normal && deviceService.cloudDevice(item.device)
            onClicked: item.uploadClicked()
        }
        ColoredIcon {
            source: item.modeIcon
            iconColor: Colors.primaryColor
            visible: String(item.modeIcon) !== ""
        }
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Colors.delightGrey
    }
    MouseArea {
        id: area
        anchors.fill: parent
        z: -1
        cursorShape: Qt.PointingHandCursor
        onClicked: {
            switch (item.selectionMode) {
            case MainController.Delete: item.deleteClicked(); break
            case MainController.Copy: item.copyClicked(); break
            case MainController.Edit: item.editClicked(); break
            case MainController.Export: item.exportClicked(); break
            default: item.clicked()
            }
        }
    }
}
