import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The stored projects. The mode buttons switch what a press on a project does: open it,
// copy, rename, select for deletion or export it.
AppView {
    id: view

    property var viewController: mainController
    readonly property var projects: viewController.projects
    readonly property int mode: viewController.selectionMode
    readonly property bool hasProjects: viewController.nbProjects > 0

    function toggleMode(next) {
        viewController.selectionMode = mode === next ? MainController.Normal : next
    }

    function openProject(id) {
        ZorvikUtils.checkForUnsavedModifications(() => {
            viewController.selectedProjectId = id
            ViewLoader.openView(View.ProjectContentView, {}, true)
        })
    }

    function copyProject(id, name) {
        viewController.selectedProjectId = id
        PopUpManager.openPopup("DuplicateProjectPopUp", { projectName: name + "_Copy" }, newName => {
            if (newName !== undefined)
                view.viewController.duplicate(newName)
        })
    }

    function renameProject(id, name) {
        viewController.selectedProjectId = id
        PopUpManager.openPopup("EditProjectPopUp", { projectName: name }, newName => {
            if (newName !== undefined)
                view.viewController.edit(newName)
        })
    }

    function exportProject(id, item) {
        if (deviceService.cloudDevice(item.device)) {
            uploadProject(id)
            return
        }
        viewController.selectedProjectId = id
        viewController.exportOt2(item.mapToItem(null, 0, 0, item.width, item.height))
    }

    // A cloud device takes its project through the cloud, which uploads the open project.
    function uploadProject(id) {
        viewController.selectionMode = MainController.Normal
        const upload = () => {
            viewController.selectedProjectId = id
            if (ViewLoader.openProjectController())
                PopUpManager.openPopup("CloudLoginPopup")
        }
        const current = viewController.currentProject
        if (current && current.id === id)
            upload()
        else
            ZorvikUtils.checkForUnsavedModifications(upload)
    }

    readonly property int selectionCount: projects.selectionCount
    readonly property bool allSelected: selectionCount === viewController.nbProjects

    function deleteText() {
        if (allSelected && selectionCount > 1)
            return bindTr("Project", "Alle Projekte löschen")
        if (selectionCount > 1)
            return bindTr("Project", "%1 Projekte löschen", "", selectionCount).arg(selectionCount)
        return bindTr("Project", "Projekt löschen")
    }

    function confirmDelete() {
        let question = bindTr("Project", "Sind Sie sicher, dass Sie das Projekt dauerhaft löschen möchten?")
        if (allSelected && selectionCount > 1)
            question = bindTr("Project", "Sind Sie sicher, dass Sie alle Projekte dauerhaft löschen möchten?")
        else if (selectionCount > 1)
            question = bindTr("Project", "Sind Sie sicher, dass Sie %1 Projekte dauerhaft löschen möchten?", "", selectionCount)
                       .arg(selectionCount)
        PopUpManager.openPopup("ConfirmPopup", {
            title: deleteText(),
            contentText: question,
            warning: true,
            acceptLabel: bindTr("Generic", "Löschen")
        }, accepted => {
            if (accepted === true)
                view.viewController.remove()
        })
    }

    function selectAll(select) {
        if (select)
            projects.selectAll()
        else
            projects.clearSelection()
    }

    viewKind: View.HomeScreenView

    ToolBarFunctions {
        id: actions
    }
    title: bindTr("Home", "Home")
    titleItem: ClientConfig.behavior.showLogoOnHomeView ? logo : null

    SvgIcon {
        id: logo
        objectName: "homeLogo"
        height: 32
        width: implicitHeight > 0 ? implicitWidth * height / implicitHeight : 0
        source: ClientConfig.images.logo
        visible: ClientConfig.behavior.showLogoOnHomeView
    }

    toolbarLeftButtons: [
        ToolBarButton {
            objectName: "newProjectButton"
            source: ClientConfig.icons.plus
            text: bindTr("Home", "Neues Projekt")
            onClicked: {
                view.viewController.selectionMode = MainController.Normal
                PopUpManager.openPopup("ProjectCreationPopUp")
            }
        },
        ToolBarButton {
            objectName: "readDeviceButton"
            source: ClientConfig.icons.importFile
            text: bindTr("Home", "TARVINO rix2/rix3 lesen")
            onClicked: {
                view.viewController.selectionMode = MainController.Normal
                actions.readFromDevice()
            }
        },
        ToolBarButton {
            objectName: "copyModeButton"
            source: ClientConfig.icons.duplicate
            text: bindTr("Home", "Projekt duplizieren")
            enabled: view.hasProjects
            checked: view.mode === MainController.Copy
            onClicked: view.toggleMode(MainController.Copy)
        },
        ToolBarButton {
            objectName: "editModeButton"
            source: ClientConfig.icons.edit
            text: bindTr("Home", "Projekt umbenennen")
            enabled: view.hasProjects
            checked: view.mode === MainController.Edit
            onClicked: view.toggleMode(MainController.Edit)
        },
        ToolBarButton {
            objectName: "deleteModeButton"
            source: ClientConfig.icons.trash
            text: bindTr("Home", "Projekte löschen")
            enabled: view.hasProjects
            checked: view.mode === MainController.Delete
            onClicked: {
                view.projects.clearSelection()
                view.toggleMode(MainController.Delete)
            }
        },
        ToolBarButton {
            objectName: "exportModeButton"
            source: ClientConfig.icons.upload
            text: bindTr("Home", "Projekt exportieren")
            visible: ClientConfig.behavior.hasExport
            enabled: view.hasProjects
            checked: view.mode === MainController.Export
            onClicked: view.toggleMode(MainController.Export)
        }
    ]

    function openDirectCommands() {
        viewController.selectionMode = MainController.Normal
        actions.openDirectCommands()
    }

    // The phone's bar has no room for these three: they go behind the menu button there.
    toolbarRightButtons: [
        ToolBarButton {
            objectName: "directCommandsButton"
            visible: ZorvikUtils.tabletLayout
            source: Icons.power
            text: bindTr("Home", "Direkte Befehle")
            onClicked: view.openDirectCommands()
        },
        ToolBarButton {
            objectName: "settingsButton"
            visible: ZorvikUtils.tabletLayout
            source: ClientConfig.icons.settings
            text: bindTr("Home", "Einstellungen")
            onClicked: actions.openGlobalSettings()
        },
        ToolBarButton {
            objectName: "softwareInfoButton"
            visible: ZorvikUtils.tabletLayout
            source: ClientConfig.icons.info
            text: bindTr("Home", "Software-Info")
            onClicked: actions.openSoftwareInfo()
        },
        ToolBarButton {
            id: menuButton
            objectName: "toolBarMenuButton"
            visible: !ZorvikUtils.tabletLayout
            source: Icons.menu
            onClicked: toolBarMenu.popup(menuButton, 0, menuButton.height)
            ToolBarMenu {
                id: toolBarMenu
                onDirectCommandsChosen: view.openDirectCommands()
                onSettingsChosen: actions.openGlobalSettings()
                onSoftwareInfoChosen: actions.openSoftwareInfo()
            }
        },
        ToolBarButton {
            objectName: "faqButton"
            source: ClientConfig.icons.faq
            text: bindTr("Home", "FAQ")
            visible: ClientConfig.behavior.hasFAQ
            onClicked: actions.openHelp()
        }
    ]

    bottomItems: [
        DefaultButton {
            objectName: "selectAllButton"
            visible: view.mode === MainController.Delete
            color: Colors.white
            text: view.allSelected ? bindTr("Generic", "Jede Auswahl aufheben") : bindTr("Generic", "Alle auswählen")
            onClicked: view.selectAll(!view.allSelected)
        },
        Item {
            Layout.fillWidth: true
            visible: view.mode === MainController.Delete
        },
        DefaultButton {
            objectName: "deleteProjectsButton"
            visible: view.mode === MainController.Delete
            enabled: view.selectionCount > 0
            color: Colors.red
            text: view.deleteText()
            onClicked: view.confirmDelete()
        }
    ]

    ListView {
        id: list
        objectName: "projectList"
        anchors.fill: parent
        clip: true
        model: view.projects
        delegate: ProjectItem {
            id: entry
            width: list.width
            selectionMode: view.mode
            onClicked: view.openProject(model.id)
            onDeleteClicked: view.projects.setSelected(model.id, !selected)
            onCopyClicked: view.copyProject(model.id, name)
            onEditClicked: view.renameProject(model.id, name)
            onExportClicked: view.exportProject(model.id, entry)
            onUploadClicked: view.uploadProject(model.id)
        }
        ScrollIndicator.vertical: DefaultScrollIndicator {}
    }

    DefaultText {
        objectName: "noProjectsText"
        anchors.centerIn: parent
        visible: !view.hasProjects
        text: bindTr("Home", "Noch keine Projekte. Legen Sie mit + ein neues Projekt an.")
        color: Colors.secondaryColor
    }

    Connections {
        target: view.viewController
        function onOt2Received(name) {
            PopUpManager.openPopup("ConfirmPopup", {
                contentText: bindTr("Project", "Möchten Sie das Projekt \"%1\" importieren?").arg(name)
            }, accepted => {
                if (accepted === true)
                    view.viewController.importOt2File(name)
            })
        }
    }
}
