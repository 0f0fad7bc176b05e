import QtQuick
import Tarvino

// The main window's device scan, shared by every view: a scan for a purpose (ScanOption)
// shows the devices found in DeviceScanView, connects the chosen one and hands it to the data
// exchange or the direct commands. It holds the controller of the running scan, and it keeps
// the pop-ups of the connection (authentication, PIN, messages) over the scan's window while
// that is open.
Item {
    id: scan

    // Takes the devices connected for reading or writing a project (DataExchangePopUp).
    required property var dataExchange
    property var controller: null
    property int scanKind: ScanOption.GetData
    // After the hand-over the controller is the data exchange's.
    property bool handedOver: false
    // The device being connected, for the texts of its authentication.
    property string deviceName
    property string serialNumber
    property var dialog: null
    property var pushedView: null
    property bool viewShown: false
    property var connectionPopUp: null
    property var pinCodePopUp: null
    property var inactivityPopUp: null

    readonly property int viewWidth: 850
    readonly property int viewHeight: 550
    readonly property int directCommandsWidth: 768
    readonly property int directCommandsHeight: 550

    function readProject() {
        open(ScanOption.GetData)
    }

    function exportProject() {
        open(ScanOption.ProjectExport)
    }

    function open(kind) {
        closeView()
        dropController()
        scanKind = kind
        controller = mainController.scanForDevices()
        if (settingsService.debugMode) {
            showView()
            controller.discoverDummyDevices()
        }
        controller.startScan()
    }

    function close() {
        closeView()
        dropController()
    }

    function dropController() {
        const old = controller
        controller = null
        if (old && !handedOver)
            old.destroy()
        handedOver = false
    }

    function showView() {
        if (viewShown)
            return
        viewShown = true
        const url = ViewLoader.viewUrl(View.DeviceScanView)
        if (!ZorvikUtils.isDesktop) {
            pushedView = ZorvikUtils.window.pushView(url, { scan: scan })
            return
        }
        const window = ZorvikUtils.window.openWindowDialog(url, { scan: scan }, viewWidth)
        window.title = bindTr("Scan", "Geräte suchen")
        window.minimumHeight = viewHeight
        window.maximumWidth = viewWidth
        window.maximumHeight = viewHeight
        window.width = viewWidth
        window.height = viewHeight
        window.closing.connect(() => scan.onDialogClosing(window))
        dialog = window
    }

    function closeView() {
        viewShown = false
        if (dialog) {
            closeLinkPopUps()
            dialog.close()
        } else if (pushedView && ViewLoader.stack.currentItem === pushedView) {
            ViewLoader.popView()
        }
        pushedView = null
    }

    // The user closed the scan's window: a connection not handed over ends with it.
    function onDialogClosing(window) {
        if (dialog !== window)
            return
        dialog = null
        viewShown = false
        if (!handedOver)
            bleService.disconnectFromDevice()
        dropController()
    }

    // Pop-ups of the scan and the connection lie over the scan's window while it is open.
    function openPopup(name, properties, callback) {
        return PopUpManager.openPopup(name, properties, callback, dialog ? dialog.contentItem : null)
    }

    function showMessage(text, title, isError) {
        return openPopup("BluetoothInfoPopUp", {
            title: title || ClientConfig.details.displayedName,
            contentText: text,
            isError: isError === true
        })
    }

    function isOpen(popup) {
        return popup !== null && popup.opened === true
    }

    function askAuthentication(serial) {
        if (isOpen(connectionPopUp))
            return connectionPopUp
        connectionPopUp = openPopup("ConnectionPopUp", {
            serialNumber: serial,
            deviceName: deviceName,
            scanController: controller
        })
        return connectionPopUp
    }

    function askPinCode() {
        if (isOpen(connectionPopUp))
            connectionPopUp.close()
        if (!isOpen(pinCodePopUp))
            pinCodePopUp = openPopup("PinCodePopUp", { scanController: controller, dataExchange: dataExchange })
        return pinCodePopUp
    }

    // Status 2 locks the PIN; any other status the authentication.
    function showLock(status, unlockTime) {
        const popup = status === 2 ? askPinCode() : askAuthentication(serialNumber)
        popup.showLock(status, unlockTime)
    }

    function closeLinkPopUps() {
        for (const popup of [connectionPopUp, pinCodePopUp]) {
            if (isOpen(popup))
                popup.close()
        }
    }

    // With `reconnect` the user may connect again for direct commands.
    function showInactivity(reconnect) {
        if (!isOpen(inactivityPopUp))
            inactivityPopUp = openPopup("InactivityPopUp")
        if (reconnect === true)
            inactivityPopUp.offerReconnection = true
    }

    // The connected device goes to the direct commands, in a window of their own on the desktop.
    function openDirectCommands(device) {
        closeLinkPopUps()
        // The connection stays when the scan's window closes; the scan's controller goes.
        const scanController = controller
        handedOver = true
        close()
        scanController.destroy()
        const commands = mainController.openDirectCommands(device)
        const url = ViewLoader.viewUrl(View.DirectCommandsView)
        if (!ZorvikUtils.isDesktop) {
            ViewLoader.openView(View.DirectCommandsView, { controller: commands })
            return
        }
        const window = ZorvikUtils.window.openWindowDialog(url, { controller: commands }, directCommandsWidth,
                                                           { modality: Qt.WindowModal })
        window.title = device.name
        window.minimumHeight = directCommandsHeight
        window.height = Math.max(directCommandsHeight, ZorvikUtils.window.height * 0.8)
    }

    // The connected device goes to the data exchange; the scan's window closes on the desktop.
    function handOver(device) {
        closeLinkPopUps()
        dataExchange.showExchangePopUp(controller, scanKind, device.ot2Number)
        handedOver = true
        if (ZorvikUtils.isDesktop)
            close()
    }

    Component.onCompleted: ZorvikUtils.deviceScan = scan

    Connections {
        target: scan.controller
        function onScanSucceeded(success) {
            if (success)
                scan.showView()
            else
                scan.close()
        }
        function onAskForBluetoothPermission() {
            scan.openPopup("ConfirmPopup", {
                objectName: "bluetoothActivationPopup",
                contentText: bindTr("Scan", "Der Bluetooth-Adapter ist deaktiviert, möchten Sie ihn aktivieren?")
            }, accepted => {
                if (!scan.controller)
                    return
                scan.controller.onBluetoothActivationResponse(accepted === true)
                if (accepted !== true)
                    scan.close()
            })
        }
        function onLowEnergyNotSupported() {
            scan.showMessage(bindTr("Scan", "Ihr Gerät verfügt nicht über einen Bluetooth-Adapter oder unterstützt Bluetooth Low Energy nicht."),
                             bindTr("Scan", "Bluetooth nicht verfügbar"), true)
        }
        function onShowSyncPopup() {
            scan.openPopup("SyncClockPopup", { scanController: scan.controller })
        }
        function onCloseScan() {
            ZorvikUtils.window.delayOperation(() => scan.close(), 500)
        }
        function onDeviceReady(device) {
            if (scan.scanKind === ScanOption.DirectCommand)
                scan.openDirectCommands(device)
            else
                scan.handOver(device)
        }
    }

    Connections {
        target: bleService
        function onDeviceDisconnected() { scan.closeLinkPopUps() }
        function onBluetoothError() { scan.closeLinkPopUps() }
    }
}
