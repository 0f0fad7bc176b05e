import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// Asks for the basic settings of a device that connected in reset mode, over the whole focused
// window. Made once with the main window. Closing it without sending disconnects the device; the
// device counts as ready once it has taken the settings.
ConfirmPopUp {
    id: popup

    readonly property var controller: resetSettings.controller
    readonly property bool working: controller === null || controller.isBusy || controller.isSending
    // Closing disconnects the device until the settings have gone out.
    property bool disconnectOnClose: false

    objectName: "resetSettingsPopup"
    title: bindTr("Settings", "Reset-Einstellungen")
    closeOnAccept: false
    canAccept: controller !== null && controller.canSend
    canReject: !working
    closePolicy: Popup.NoAutoClose
    width: parent ? parent.width : implicitWidth
    height: parent ? parent.height : implicitHeight
    x: 0
    y: 0

    // The window the user works in: the active dialog of the program; else the scan's window while
    // it is open, as the connection came from there (without a window manager no window counts as
    // active); else the main window where the pop-up lies. Only a move to a dialog re-parents it,
    // which puts it over what is open there.
    function moveToFocusedWindow() {
        const dialogs = ZorvikUtils.window ? ZorvikUtils.window.windowDialogs || [] : []
        const target = dialogs.find(dialog => dialog.active) || scanWindow
        parent = target ? target.contentItem : mainParent
    }
    // The device scan's window while it is open.
    property var scanWindow: null
    // Where the pop-up was made: the main window's overlay.
    property Item mainParent: null

    Component.onCompleted: mainParent = parent

    onAboutToShow: {
        moveToFocusedWindow()
        disconnectOnClose = true
        flickable.contentY = 0
        controller.init()
    }
    onAccept: {
        disconnectOnClose = false
        controller.sendTelegrams()
    }
    onCancel: disconnectOnClose = true
    onClosed: {
        if (disconnectOnClose)
            bleService.disconnectFromDevice()
        disconnectOnClose = false
    }

    Flickable {
        id: flickable
        objectName: "resetSettingsFlickable"
        Layout.fillWidth: true
        Layout.fillHeight: true
        enabled: !popup.working
        clip: true
        contentWidth: width
        contentHeight: resetSettings.implicitHeight
        boundsBehavior: Flickable.StopAtBounds
        ScrollIndicator.vertical: DefaultScrollIndicator {}

        // Readable lines however wide the window.
        ResetSettings {
            id: resetSettings
            width: Math.min(flickable.width, Metrics.popups.maxContentWidth)
            x: (flickable.width - width) / 2
        }
    }
    DefaultBusyIndicator {
        objectName: "resetSettingsBusy"
        Layout.alignment: Qt.AlignHCenter
        busy: popup.working
        visible: busy
    }
    DefaultText {
        objectName: "resetSettingsError"
        Layout.fillWidth: true
        text: popup.controller !== null ? popup.controller.errorMessage : ""
        color: Colors.errorColor
        wrapMode: Text.WordWrap
        visible: text !== ""
    }

    Connections {
        target: bleService
        function onDeviceReady() {
            popup.disconnectOnClose = false
            popup.close()
        }
        function onDeviceDisconnected() {
            popup.disconnectOnClose = false
            popup.close()
        }
    }
}
