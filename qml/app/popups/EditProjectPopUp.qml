import QtQuick
import QtQuick.Layouts
import Tarvino

// Asks for a project's name; `result` is the trimmed name when accepted, else undefined.
ConfirmPopUp {
    id: popup

    property string projectName
    property string label: bindTr("Project", "Projekt umbenennen:")

    objectName: "projectNamePopup"
    title: bindTr("Project", "Bearbeiten")
    hasInput: true
    contentText: label
    canAccept: nameField.text.trim() !== ""
    onAccept: result = nameField.text.trim()
    onCancel: result = undefined
    onOpened: {
        nameField.forceActiveFocus()
        nameField.selectAll()
    }

    DefaultTextField {
        id: nameField
        objectName: "projectNameField"
        Layout.fillWidth: true
        text: popup.projectName
        onAccepted: if (popup.canAccept) popup.acceptName()
    }

    function acceptName() {
        accept()
        close()
    }
}
