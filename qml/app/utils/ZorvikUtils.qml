pragma Singleton
import QtQuick

// What every view asks about the platform and the open project, and the questions the shell
// asks before it throws work away. The shell's singletons do not import the module "Tarvino"
// (each would then depend on every other): the main window registers what they use.
QtObject {
    id: utils

    // The main window, PopUpManager and the main window's device scan (DeviceScan).
    property var window: null
    property QtObject popUps: null
    property QtObject deviceScan: null
    // PlatformService.DP_Desktop, DP_Phone and SO_None.
    readonly property int desktopDisplay: 0
    readonly property int phoneDisplay: 1
    readonly property int noOrientation: -1
    // Linux counts as a desktop too: it would otherwise lay itself out as a phone. The display
    // override previews the phone and tablet layouts.
    readonly property bool isDesktop: platformService.overwriteDisplay === desktopDisplay
                                      && ["windows", "osx", "linux"].indexOf(Qt.platform.os) >= 0
    readonly property int screenOrientation: {
        if (isDesktop)
            return 1
        if (platformService.overwriteOrientation !== noOrientation)
            return platformService.overwriteOrientation
        return mainController.screenWatcher.screenOrientation
    }
    readonly property bool tabletLayout: {
        if (isDesktop)
            return true
        if (platformService.overwriteDisplay === phoneDisplay)
            return false
        return window !== null && window.width >= 768
    }
    readonly property int screenWidth: mainController.screenWatcher.width
    readonly property int screenHeight: mainController.screenWatcher.height
    // The astro and light modes of the current project's model, whichever way it was opened:
    // { project, astroMode, lightMode }. One object, so that no view ever sees the modes of one
    // project beside another project.
    readonly property var modes: {
        const project = mainController.currentProject || null
        return {
            project: project,
            astroMode: project !== null && deviceService.hasAstro(project.deviceOt2),
            lightMode: project !== null && deviceService.deviceType(project.deviceOt2) === 2
        }
    }

    // Runs `callback` once the user has decided about unsaved changes: saving runs it only
    // when the save succeeded, ignoring runs it at once, cancelling runs nothing. Without
    // unsaved changes it runs at once. Returns whether it asked.
    function checkForUnsavedModifications(callback) {
        if (!mainController.dirty()) {
            callback()
            return false
        }
        popUps.openPopup("TripleChoicePopup", {
            objectName: "unsavedChangesPopup",
            title: bindTr("Generic", "Warnung"),
            contentText: bindTr("Generic", "Ihr Projekt enthält ungespeicherte Änderungen."),
            acceptText: bindTr("Generic", "Änderungen speichern"),
            rejectText: bindTr("Generic", "Änderungen ignorieren"),
            cancelText: bindTr("Generic", "Abbruch")
        }, choice => {
            if (choice === "accepted") {
                if (utils.saveProject(false))
                    callback()
            } else if (choice === "rejected") {
                callback()
            }
        })
        return true
    }

    function saveProject(selectLocation) {
        return mainController.currentProject !== null && mainController.saveCurrentProject(selectLocation)
    }

    // Runs a transfer over the medium there is: `funcBle` over Bluetooth (null where there is
    // no Bluetooth route), `funcSerial` over the serial adapter. With both the user chooses;
    // with neither the user is told. Nothing starts while the serial link is busy.
    function bleOrSerial(serial, funcBle, funcSerial) {
        if (serial.busy) {
            console.warn(">> Serial protocol is busy, discarding function call...")
            return
        }
        const bluetooth = typeof funcBle === "function"
        if (bluetooth && serial.adapterPresent) {
            popUps.openPopup("TripleChoicePopup", {
                objectName: "transferMediumPopup",
                contentText: bindTr("Communication", "Welches Übertragungsmedium möchten Sie verwenden?"),
                acceptText: bindTr("Communication", "Bluetooth"),
                rejectText: bindTr("Communication", "PC-Set Tarvino")
            }, choice => {
                if (choice === "accepted")
                    funcBle()
                else if (choice === "rejected")
                    funcSerial()
            })
        } else if (bluetooth) {
            funcBle()
        } else if (serial.adapterPresent) {
            funcSerial()
        } else {
            popUps.openPopup("ErrorPopUp", {
                objectName: "noTransferMediumPopup",
                contentText: bindTr("Communication", "Keine serielle oder Bluetooth-Verbindung erkannt.")
            })
        }
    }

    function openSerialTransfer(properties) {
        properties.objectName = "serialTransferPopup"
        popUps.openPopup("SerialTransferPopUp", properties)
    }

    // Reads the device's program; it opens as a new project.
    function readProgramFromDevice() {
        bleOrSerial(serialProtocol, () => deviceScan.readProject(), () => openSerialTransfer({
            reading: true,
            title: bindTr("SerialCommunication", "Programm von serieller Schnittstelle lesen")
        }))
    }

    // Writes the open project into a device, over Bluetooth LE or the serial adapter; refused
    // while the project has errors, and when it needs more memory entries than its model holds
    // (the project then tells the Bluetooth LE service, whose error the main window shows).
    function writeProject() {
        const project = mainController.currentProject
        if (project === null)
            return
        const content = mainController.projectContent
        if (content !== null && content.hasSwitchOrDateError()) {
            popUps.openPopup("ErrorPopUp", {
                objectName: "projectErrorsPopup",
                contentText: bindTr("SerialCommunication", "Projekt kann nicht exportiert werden mit Fehler")
            })
            return
        }
        const write = () => bleOrSerial(serialProtocol, () => {
            if (project.isExportable())
                deviceScan.exportProject()
        }, () => openSerialTransfer({
            reading: false,
            bytes: eepromService.projectToBytes(project.toOt2(true)),
            title: bindTr("SerialCommunication", "Programm seriell schreiben")
        }))
        // Switch times of extra programs without dates never run: the user is asked first.
        const withoutDates = project.extraProgramsWithSwitchimesNoDates()
        if (Object.keys(withoutDates).length === 0) {
            write()
            return
        }
        popUps.openPopup("ExtraProgramWarningPopup", {channels: withoutDates}, goOn => {
            if (goOn)
                write()
        })
    }

    // A duration in seconds as "1d 2h 3m", leaving out the leading zero units.
    function getDurationText(seconds) {
        const days = Math.floor(seconds / 86400)
        const hours = Math.floor(seconds % 86400 / 3600)
        const minutes = Math.floor(seconds % 3600 / 60)
        const parts = []
        if (days > 0)
            parts.push(days + bindTr("Calendar", "d"))
        if (days > 0 || hours > 0)
            parts.push(hours + bindTr("Calendar", "h"))
        parts.push(minutes + bindTr("Calendar", "m"))
        return parts.join(" ")
    }
}
