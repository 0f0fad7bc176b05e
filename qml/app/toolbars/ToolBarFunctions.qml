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

    function openSoftwareInfo() {
        ZorvikUtils.window.openWindowDialog(ViewLoader.viewUrl(View.SoftwareInfoView), {}, 500)
    }

    function openLicenses() {
        ZorvikUtils.window.openWindowDialog(ViewLoader.viewUrl(View.LicenseView), {}, 500)
    }
}
