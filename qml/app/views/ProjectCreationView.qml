import QtQuick
import Tarvino

// The first view on the desktop: a new project, or one opened from a file or the stored list.
AppView {
    id: view

    viewKind: View.ProjectCreationView

    ToolBarFunctions {
        id: actions
    }
    title: bindTr("New project", "Neues Projekt")

    toolbarLeftButtons: [
        DesktopToolBarButton {
            objectName: "openFileButton"
            source: Icons.folder
            text: bindTr("New project", "Öffnen")
            onClicked: actions.openProjectFile()
        },
        DesktopToolBarButton {
            objectName: "readDeviceButton"
            source: ClientConfig.icons.importFile
            text: bindTr("New project", "TARVINO rix2/rix3 lesen")
            onClicked: actions.readFromDevice()
        },
        DesktopToolBarButton {
            objectName: "directCommandsButton"
            source: Icons.power
            text: bindTr("New project", "Direkte Befehle")
            onClicked: actions.openDirectCommands()
        },
        DesktopToolBarButton {
            objectName: "storedProjectsButton"
            source: Icons.home
            text: bindTr("New project", "Gespeicherte Projekte")
            enabled: mainController.nbProjects > 0
            onClicked: ViewLoader.openView(View.HomeScreenView)
        }
    ]

    ProjectCreation {
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
    }
}
