import QtQuick
import QtQuick.Controls
import Tarvino

// The open project: its name and device in the title, its pages below.
AppView {
    id: view

    // The open project's content controller.
    required property var viewController
    readonly property var project: viewController ? viewController.project : null

    viewKind: View.ProjectContentView

    ToolBarFunctions {
        id: actions
    }
    title: project ? project.name : ""
    titleItem: ProjectTitle {
        projectName: view.project ? view.project.name : ""
        deviceOt2: view.project ? view.project.deviceOt2 : 0
    }

    // The desktop's buttons: the touch layouts give their narrow bar to the title.
    toolbarLeftButtons: [
        DesktopToolBarButton {
            objectName: "newProjectButton"
            visible: ZorvikUtils.isDesktop
            source: Icons.plus
            text: bindTr("Edit project", "Neues Projekt")
            onClicked: actions.newProject()
        },
        DesktopToolBarButton {
            objectName: "openFileButton"
            visible: ZorvikUtils.isDesktop
            source: Icons.folder
            text: bindTr("Edit project", "Öffnen")
            onClicked: actions.openProjectFile()
        },
        DesktopToolBarButton {
            objectName: "saveProjectButton"
            visible: ZorvikUtils.isDesktop
            source: Icons.save
            text: bindTr("Edit project", "Speichern")
            enabled: mainController.ready
            onClicked: actions.saveProject(false)
        },
        DesktopToolBarButton {
            objectName: "readDeviceButton"
            visible: ZorvikUtils.isDesktop
            source: ClientConfig.icons.importFile
            text: bindTr("Edit project", "TARVINO rix2/rix3 lesen")
            enabled: mainController.ready
            onClicked: actions.readFromDevice()
        },
        DesktopToolBarButton {
            objectName: "writeDeviceButton"
            visible: ZorvikUtils.isDesktop
            source: ClientConfig.icons.upload
            text: bindTr("Edit project", "Programm TARVINO rix2/rix3")
            enabled: mainController.ready
            onClicked: ZorvikUtils.writeProject()
        },
        DesktopToolBarButton {
            objectName: "directCommandsButton"
            visible: ZorvikUtils.isDesktop
            source: Icons.power
            text: bindTr("Edit project", "Direkte Befehle")
            enabled: mainController.ready
            onClicked: actions.openDirectCommands()
        },
        DesktopToolBarButton {
            objectName: "mailProjectButton"
            visible: ZorvikUtils.isDesktop
            source: Icons.mail
            text: bindTr("Edit project", "E-Mail")
            enabled: mainController.ready
            onClicked: mainController.sendViaEmail()
        },
        DesktopToolBarButton {
            objectName: "printProjectButton"
            visible: ZorvikUtils.isDesktop
            source: Icons.print
            text: bindTr("Edit project", "Drucken")
            enabled: mainController.ready
            onClicked: mainController.printDocument(false)
        },
        DesktopToolBarButton {
            objectName: "printPreviewButton"
            visible: ZorvikUtils.isDesktop
            source: Icons.search
            text: bindTr("Edit project", "Druckvorschau")
            enabled: mainController.ready
            onClicked: mainController.printDocument(true)
        }
    ]

    // What the Bearbeiten menu works on: the current page's.
    readonly property var undoModel: tabs.currentPage ? tabs.currentPage.undoModel : null
    readonly property var localContextMenu: tabs.currentPage ? tabs.currentPage.localContextMenu : null
    // Whether the current page shows the week grid (the Projekt menu sorts then).
    readonly property bool gridShown: tabs.currentPage ? tabs.currentPage.gridShown === true : false

    ProjectContentTabView {
        id: tabs
        anchors.fill: parent
        viewController: view.viewController
    }

    StackView.onRemoved: if (!ZorvikUtils.isDesktop) mainController.closeProject()
}
