import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// A connected device driven without a project: its clock, its channels and the commands for
// them. The view owns the controller: leaving it lets the device go and ends the controller.
AppView {
    id: view

    // From MainController.openDirectCommands.
    required property var controller
    readonly property var device: controller ? controller.device : null

    function close() {
        if (insideDialog)
            closeDialog()
        else if (StackView.view && StackView.view.currentItem === view)
            StackView.view.pop()
    }

    objectName: "directCommandsView"
    viewKind: View.DirectCommandsView
    closeDialogOnConnectionLost: true
    // In its own window the item shows the device in its header.
    title: device && !insideDialog ? device.name : ""
    titleItem: insideDialog ? null : twoLineTitle

    ColumnLayout {
        id: twoLineTitle
        visible: !view.insideDialog
        spacing: 0
        DesignText {
            objectName: "directCommandsTitleName"
            Layout.fillWidth: true
            text: view.device ? view.device.name : ""
            size: Metrics.fontSize.normal
            elide: Text.ElideRight
        }
        DefaultText {
            objectName: "directCommandsTitleSerial"
            Layout.fillWidth: true
            text: view.device ? bindTr("Direct commands", "SN: ") + view.device.serialNumber : ""
            color: Colors.secondaryColor
            font.pixelSize: Metrics.fontSize.small
        }
    }

    DirectCommandsItem {
        anchors.fill: parent
        controller: view.controller
        onCloseRequested: view.close()
    }

    Connections {
        target: bleService
        function onDeviceDisconnected() { view.close() }
    }

    Component.onDestruction: {
        bleService.disconnectFromDevice()
        if (controller)
            controller.destroy()
    }
}
