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
}
