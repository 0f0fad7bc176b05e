import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The transfer between the program and a connected device: writes the open project into it
// (export) or reads its project (import), with progress, errors and, after an import, the
// name of the new project. One for the main window; it stays until the user closes it.
DefaultPopUp {
    id: popup

    // The scan that connected the device; its controller starts the transfers.
    property var scanController: null
    property var controller: null
    property int scanKind: ScanOption.GetData
    property int deviceOt2: 0
    readonly property bool exporting: scanKind === ScanOption.ProjectExport
    // "choice" (full or switch times only), "transfer", "done".
    property string phase: "transfer"
    property bool succeeded: false
    property bool userAbort: false
    property string errorText
    property string proposedName
    readonly property string projectName: mainController.currentProject !== null ? mainController.currentProject.name : ""

    function showExchangePopUp(scan, kind, ot2) {
        scanController = scan
        scanKind = kind
        deviceOt2 = ot2
        errorText = ""
        const yearly = mainController.currentProject !== null && mainController.currentProject.yearlyProgram
        if (exporting && !yearly) {
            phase = "choice"
            fullChoice.checked = true
        } else {
            start(true)
        }
        open()
    }

    function start(fullExport) {
        const old = controller
        controller = null
        if (old)
            old.destroy()
        phase = "transfer"
        succeeded = false
        userAbort = false
        errorText = ""
        if (exporting) {
            controller = scanController.openExchangeView(mainController.currentProject, deviceOt2, fullExport)
        } else {
            proposedName = "Import_" + Qt.formatDateTime(new Date(), "dd-MM-yyyy_hh.mm.ss")
            controller = scanController.openExchangeView(deviceOt2)
        }
        // A transfer refused at once has ended before this pop-up listens.
        if (controller.errorString !== "")
            finish(false, controller.errorString)
    }

    function finish(success, error) {
        if (phase === "done")
            return
        phase = "done"
        succeeded = success
        errorText = success ? "" : error
        platformService.vibrateAndNotify()
    }

    function abortTransfer() {
        userAbort = true
        bleService.abortTransfer()
        ZorvikUtils.window.delayOperation(() => popup.finish(false, bindTr("Data exchange", "Übertragung durch Benutzer abgebrochen")), 300)
    }

    function leave() {
        bleService.disconnectFromDevice()
        close()
    }

    // The pop-up closes once the project is stored; a refused store is shown here.
    function openImported() {
        if (!controller.openReadProject(nameField.text)) {
            succeeded = false
            errorText = controller.errorString
            return
        }
        bleService.disconnectFromDevice()
        ZorvikUtils.deviceScan.close()
        close()
    }

    // A lost connection ends a transfer that has not finished.
    function onLinkLost() {
        if (!opened || phase === "done")
            return
        finish(false, phase === "choice" ? bindTr("Data exchange", "Verbindung mit dem Gerät verloren")
                                         : bindTr("Data exchange", "Übertragung abgebrochen, zu viele Fehler"))
    }

    objectName: "dataExchangePopup"
    title: exporting ? bindTr("Data exchange", "Projekt exportieren") + " \"" + projectName + "\"" : bindTr("Data exchange", "Projekt importieren")
    closePolicy: Popup.NoAutoClose
    hasInput: phase === "done" && succeeded && !exporting
    onClosed: {
        // The scan ended with the hand-over; its controller is no longer needed.
        if (scanController && ZorvikUtils.deviceScan.controller !== scanController)
            scanController.destroy()
        scanController = null
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: Metrics.margin
        visible: popup.phase === "choice"
        DefaultRadioButton {
            id: fullChoice
            objectName: "fullExportChoice"
            Layout.fillWidth: true
            text: bindTr("Data exchange", "Projekt kopieren APP → Uhr")
            checked: true
        }
        DefaultRadioButton {
            objectName: "switchTimesExportChoice"
            Layout.fillWidth: true
            text: bindTr("Data exchange", "Schaltzeiten kopieren APP → Uhr")
        }
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: Metrics.margin
        visible: popup.phase !== "choice"
        DefaultProgressBar {
            objectName: "exchangeProgress"
            Layout.fillWidth: true
            from: 0
            to: 100
            value: popup.controller !== null ? Math.min(100, popup.controller.progression) : 0
            finished: popup.phase === "done" && popup.succeeded
            errorsOccured: popup.phase === "done" && !popup.succeeded
        }
        DefaultText {
            objectName: "exchangePercent"
            text: Math.min(100, Math.round(popup.controller !== null ? popup.controller.progression : 0)) + " %"
        }
    }

    DefaultText {
        objectName: "exchangeError"
        Layout.fillWidth: true
        visible: text !== ""
        text: popup.errorText
        color: Colors.red
        wrapMode: Text.WordWrap
        elide: Text.ElideNone
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: Metrics.spacing
        visible: popup.phase === "done" && popup.succeeded && !popup.exporting
        DefaultText {
            Layout.fillWidth: true
            text: bindTr("Data exchange", "Importiertes Projekt benennen:")
        }
        DefaultTextField {
            id: nameField
            objectName: "importNameField"
            Layout.fillWidth: true
            text: popup.proposedName
        }
    }

    buttons: [
        DefaultButton {
            objectName: "exchangeCancelButton"
            text: bindTr("Data exchange", "Abbruch")
            color: Colors.white
            visible: popup.phase !== "done"
            onClicked: {
                if (popup.phase === "choice")
                    popup.leave()
                else
                    popup.abortTransfer()
            }
        },
        DefaultButton {
            objectName: "exchangeAcceptButton"
            text: popup.phase === "done" && popup.exporting ? bindTr("Data exchange", "Schließen") : bindTr("Generic", "OK")
            visible: popup.phase !== "transfer"
            enabled: popup.phase !== "done" || !popup.succeeded || popup.exporting || nameField.text !== ""
            onClicked: {
                if (popup.phase === "choice")
                    popup.start(fullChoice.checked)
                else if (popup.succeeded && !popup.exporting)
                    popup.openImported()
                else
                    popup.leave()
            }
        }
    ]

    Connections {
        target: popup.controller
        function onWriteFinished(success) {
            popup.finish(success, popup.controller.errorString)
        }
        function onImportFinished(success) {
            if (popup.controller.projectName !== "")
                popup.proposedName = popup.controller.projectName
            popup.finish(success, popup.controller.errorString)
            if (!ZorvikUtils.isDesktop)
                ZorvikUtils.deviceScan.close()
        }
        function onProjectNameChanged(name) {
            popup.proposedName = name
        }
        function onRequestAborted() {
            popup.finish(false, popup.userAbort ? bindTr("Data exchange", "Übertragung durch Benutzer abgebrochen")
                                                : bindTr("Data exchange", "Übertragung abgebrochen, zu viele Fehler"))
        }
    }

    Connections {
        target: bleService
        function onDeviceDisconnected() { popup.onLinkLost() }
        function onInactiveForTooLong() { popup.onLinkLost() }
        function onTransferAborted() {
            if (popup.phase === "transfer")
                popup.errorText = bindTr("Data exchange", "Übertragung durch Benutzer abgebrochen")
        }
    }
}
