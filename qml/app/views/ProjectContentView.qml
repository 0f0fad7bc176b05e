import QtQuick
import QtQuick.Controls
import Tarvino

// The open project: its name and device in the title, its pages below.
AppView {
    id: view

    required property var viewController

    viewKind: View.ProjectContentView

    ToolBarFunctions {
        id: actions
    }
    title: viewController ? viewController.name : ""
    titleItem: ProjectTitle {
        projectName: view.viewController ? view.viewController.name : ""
        deviceOt2: view.viewController ? view.viewController.deviceOt2 : 0
    }

    toolbarLeftButtons: [
        DesktopToolBarButton {
            objectName: "newProjectButton"
            source: Icons.plus
            text: bindTr("Edit project", "Neues Projekt")
            onClicked: actions.newProject()
        },
        DesktopToolBarButton {
            objectName: "openFileButton"
            source: Icons.folder
            text: bindTr("Edit project", "Öffnen")
            onClicked: actions.openProjectFile()
        },
        DesktopToolBarButton {
            objectName: "saveProjectButton"
            source: Icons.save
            text: bindTr("Edit project", "Speichern")
            enabled: mainController.ready
            onClicked: actions.saveProject(false)
        },
        DesktopToolBarButton {
            objectName: "readDeviceButton"
            source: ClientConfig.icons.importFile
            text: bindTr("Edit project", "TARVINO rix2/rix3 lesen")
            enabled: mainController.ready
            onClicked: actions.readFromDevice()
        },
        DesktopToolBarButton {
            objectName: "writeDeviceButton"
            source: ClientConfig.icons.upload
            text: bindTr("Edit project", "Programm TARVINO rix2/rix3")
            enabled: mainController.ready
            onClicked: ZorvikUtils.writeProject()
        },
        DesktopToolBarButton {
            objectName: "mailProjectButton"
            source: Icons.mail
            text: bindTr("Edit project", "E-Mail")
            enabled: mainController.ready
            onClicked: mainController.sendViaEmail()
        },
        DesktopToolBarButton {
            objectName: "printProjectButton"
            source: Icons.print
            text: bindTr("Edit project", "Drucken")
            enabled: mainController.ready
            onClicked: mainController.printDocument(false)
        },
        DesktopToolBarButton {
            objectName: "printPreviewButton"
            source: Icons.search
            text: bindTr("Edit project", "Druckvorschau")
            enabled: mainController.ready
            onClicked: mainController.printDocument(true)
        }
    ]

    ProjectContentTabView {
        anchors.fill: parent
    }

    StackView.onRemoved: if (!ZorvikUtils.isDesktop) mainController.closeProject()
}
