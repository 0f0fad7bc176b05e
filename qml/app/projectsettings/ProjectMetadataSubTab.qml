import QtQuick
import QtQuick.Layouts
import Tarvino

// The project's name and description, and where and when it was last saved.
TabSubView {
    id: tab

    required property var metadataController

    title: bindTr("Project Metadata", "Projekt", "Tab title")

    function saveData() {
        metadataController.projectTitle = titleField.text
        metadataController.projectDescription = descriptionField.text
    }

    GridLayout {
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        columns: 2
        columnSpacing: Metrics.largeMargin
        rowSpacing: Metrics.margin

        DefaultText { text: bindTr("Project Metadata", "Bezeichnung") }
        DefaultTextField {
            id: titleField
            objectName: "projectTitleField"
            Layout.fillWidth: true
            text: tab.metadataController.projectTitle
        }

        DefaultText {
            Layout.alignment: Qt.AlignTop
            text: bindTr("Project Metadata", "Beschreibung")
        }
        DefaultTextArea {
            id: descriptionField
            objectName: "projectDescriptionField"
            Layout.fillWidth: true
            Layout.preferredHeight: 120
            text: tab.metadataController.projectDescription
        }

        DefaultText { text: bindTr("Project Metadata", "Dateiname") }
        DefaultText {
            objectName: "projectFilename"
            Layout.fillWidth: true
            text: tab.metadataController.filename
            color: Colors.secondaryColor
        }

        DefaultText { text: bindTr("Project Metadata", "Letzte Änderung") }
        DefaultText {
            objectName: "projectLastChange"
            Layout.fillWidth: true
            readonly property date lastChange: tab.metadataController.lastChange
            text: isNaN(lastChange.getTime()) ? "" : lastChange.toLocaleString(Qt.locale(), Locale.ShortFormat)
            color: Colors.secondaryColor
        }

        Item { Layout.fillHeight: true }
    }
}
