import QtQuick
import QtQuick.Layouts
import Tarvino

// The new-project form over the current view.
DefaultPopUp {
    id: popup

    objectName: "projectCreationPopup"
    title: bindTr("New project", "Neues Projekt")
    hasInput: true

    ProjectCreation {
        Layout.fillWidth: true
        Layout.preferredHeight: popup.parent ? popup.parent.height * 0.7 : implicitHeight
        onDone: popup.close()
    }
}
