import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The devices a scan finds, for the user to pick one and connect it. "Verbinden" waits until
// the device is ready or the connection has failed.
AppView {
    id: view

    // The main window's DeviceScan.
    required property var scan
    readonly property var controller: scan.controller
    readonly property bool scanning: controller !== null && controller.isScanning
    readonly property int selectedIndex: controller !== null ? controller.selectedDeviceIndex : -1
    readonly property int deviceCount: controller !== null ? controller.deviceContainer.length : 0
    property bool awaitingConnection: false
    // The window lost the focus since the view was built.
    property bool leftWindow: false
    property int waveFrame: 0

    function connectSelected() {
        const device = controller.deviceByIndex(selectedIndex)
        if (!device)
            return
        if (device.name === "Unknown device") {
            scan.showMessage(bindTr("Scan", "Dieses Gerät wird nicht unterstützt!"))
            return
        }
        const project = mainController.currentProject
        if (scan.scanKind === ScanOption.ProjectExport && project !== null && device.ot2Number !== project.deviceOt2) {
            scan.showMessage(bindTr("Scan", "Dieses Gerät ist nicht kompatibel mit dem Projekt, das Sie exportieren möchten!"))
            return
        }
        awaitingConnection = true
        scan.deviceName = device.name
        scan.serialNumber = device.serialNumber
        controller.connectBLEDevice()
    }

    // The serial number with its last four characters in bold.
    function serialText(serial) {
        const escaped = text => text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;")
        const split = Math.max(0, serial.length - 4)
        return bindTr("Scan", "SN: %1").arg(escaped(serial.substring(0, split)) + "<b>" + escaped(serial.substring(split)) + "</b>")
    }

    objectName: "deviceScanView"
    viewKind: View.DeviceScanView
    title: {
        if (scanning)
            return bindTr("Scan", "Suche nach Geräten ...")
        return deviceCount > 0 ? bindTr("Scan", "Gerät gefunden") : bindTr("Scan", "Kein Bluetooth-Gerät gefunden")
    }

    readonly property bool windowActive: Window.active
    onWindowActiveChanged: {
        if (!windowActive) {
            leftWindow = true
        } else if (leftWindow && controller !== null && !scanning && !awaitingConnection) {
            console.log(">> restart scan")
            controller.startScan()
        }
    }

    Component.onCompleted: if (controller !== null) controller.onViewCompleted()
    Component.onDestruction: bleService.stopScan()

    Timer {
        interval: 217
        repeat: true
        running: view.scanning
        onTriggered: view.waveFrame = (view.waveFrame + 1) % Images.searchWaves.length
    }

    Connections {
        target: view.controller
        function onDeviceReady() { view.awaitingConnection = false }
    }
    Connections {
        target: bleService
        function onBluetoothError() { view.awaitingConnection = false }
        function onDeviceDisconnected() { view.awaitingConnection = false }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        spacing: Metrics.margin

        SvgIcon {
            objectName: "searchWave"
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredHeight: 80
            Layout.preferredWidth: implicitHeight > 0 ? implicitWidth * 80 / implicitHeight : 80
            source: Images.searchWaves[view.waveFrame]
            visible: view.scanning
        }

        ListView {
            id: list
            objectName: "deviceList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: Metrics.spacing
            model: view.controller !== null ? view.controller.deviceContainer : null
            delegate: DeviceScanListItem {
                width: list.width
                serialText: view.serialText(serialNumber)
                selected: index === view.selectedIndex
                enabled: !view.awaitingConnection
                onChosen: view.controller.selectedDeviceIndex = index
            }
            ScrollIndicator.vertical: DefaultScrollIndicator {}
        }
        DefaultBusyIndicator {
            objectName: "connectingIndicator"
            Layout.alignment: Qt.AlignHCenter
            busy: view.awaitingConnection
            visible: busy
        }
    }

    bottomItems: [
        DefaultButton {
            objectName: "scanCancelButton"
            text: bindTr("Scan", "Abbruch")
            color: Colors.white
            onClicked: {
                if (view.controller !== null)
                    view.controller.abortScan()
                bleService.disconnectFromDevice()
                view.scan.close()
            }
        },
        Item {
            Layout.fillWidth: true
        },
        DefaultButton {
            objectName: "scanConnectButton"
            text: view.scanning || view.selectedIndex >= 0 ? bindTr("Scan", "Verbinden") : bindTr("Scan", "Suche")
            enabled: view.controller !== null && !view.awaitingConnection && (!view.scanning || view.selectedIndex >= 0)
            onClicked: {
                if (view.selectedIndex >= 0)
                    view.connectSelected()
                else
                    view.controller.startScan()
            }
        }
    ]
}
