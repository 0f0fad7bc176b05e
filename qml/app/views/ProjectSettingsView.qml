import QtQuick
import QtQuick.Layouts
import Tarvino

// The project's descriptive data in four tabs; "OK" keeps every tab's entries, "Abbruch"
// drops them.
AppView {
    id: view

    required property var projectController
    readonly property var metadataController: projectController.metadataController

    title: bindTr("Generic", "Projekt-Einstellungen")

    function save() {
        for (let index = 0; index < tabs.pages.length; ++index)
            tabs.pages[index].saveData()
        closeDialog()
    }

    DefaultTabView {
        id: tabs
        objectName: "projectSettingsTabs"
        anchors.fill: parent

        ProjectMetadataSubTab { metadataController: view.metadataController }
        ClientSubTab { metadataController: view.metadataController }
        AuthorSubTab { metadataController: view.metadataController }
        ChannelsSubTab { metadataController: view.metadataController }
    }

    bottomItems: [
        Item { Layout.fillWidth: true },
        DefaultButton {
            objectName: "cancelButton"
            text: bindTr("Generic", "Abbruch")
            color: Colors.white
            textColor: Colors.cancelColor
            onClicked: view.closeDialog()
        },
        DefaultButton {
            objectName: "okButton"
            text: bindTr("Generic", "OK")
            onClicked: view.save()
        }
    ]
}
