import QtQuick
import Tarvino

// The actions that the tool-bar buttons and the desktop menu share; each user holds one.
QtObject {
    function newProject() {
        ZorvikUtils.checkForUnsavedModifications(() => {
            mainController.closeProject()
            ViewLoader.openView(View.ProjectCreationView, {}, true)
        })
    }

    function openProjectFile() {
        ZorvikUtils.checkForUnsavedModifications(() => mainController.browseOt2())
    }

    // Reads a device's project, once unsaved changes are settled.
    function saveProject(selectLocation) {
        ZorvikUtils.saveProject(selectLocation)
    }

    function readFromDevice() {
        ZorvikUtils.checkForUnsavedModifications(() => ZorvikUtils.readProgramFromDevice())
    }

    // Scans for a device to drive by direct commands.
    function openDirectCommands() {
        ZorvikUtils.deviceScan.open(ScanOption.DirectCommand)
    }

    function openDeviceLanguages() {
        PopUpManager.openPopup("DeviceLanguagePopUp", { objectName: "deviceLanguagePopup" })
    }

    function openHelp() {
        Qt.openUrlExternally(ClientConfig.details.faqLink)
    }

    function openGlobalSettings() {
        ZorvikUtils.window.openWindowDialog(ViewLoader.viewUrl(View.GlobalSettingsView), {})
    }

    function openHolidays() {
        const dialog = ZorvikUtils.window.openWindowDialog("qrc:/orvindal/Tarvino/app/holidays/HolidaySetEdition.qml", {}, 768)
        dialog.width = 768
        dialog.height = 700
    }

    function openSoftwareInfo() {
        ZorvikUtils.window.openWindowDialog(ViewLoader.viewUrl(View.SoftwareInfoView), {}, 500)
    }

    function openLicenses() {
        ZorvikUtils.window.openWindowDialog(ViewLoader.viewUrl(View.LicenseView), {}, 500)
    }

    // Sorts the open project's switch times, in a window of its own.
    function openSortView() {
        ZorvikUtils.window.openWindowDialog("qrc:/orvindal/Tarvino/app/settings/SortSwitchTimeView.qml",
                                            { viewController: mainController.projectContent }, 600,
                                            { width: 600, height: 500, minimumHeight: 500 })
    }

    function optimizeProject() {
        PopUpManager.openPopup("ConfirmPopup", {
            contentText: bindTr("Edit project", "Wollen Sie das Schaltprogramm wirklich optimieren?")
        }, accepted => {
            if (accepted === true)
                mainController.projectContent.optimizeProject()
        })
    }

    // The open project's descriptive data, in a window of its own.
    function openProjectSettings() {
        const window = ZorvikUtils.window
        window.openWindowDialog("qrc:/orvindal/Tarvino/app/views/ProjectSettingsView.qml",
                                { projectController: mainController.currentProject }, 500, {
                                    width: Math.max(500, window.width * 0.8),
                                    height: window.height * 0.8,
                                    minimumHeight: Math.min(window.height * 0.8, 600)
                                })
    }
}
