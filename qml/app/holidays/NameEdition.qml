import QtQuick
import QtQuick.Layouts
import Tarvino

// Asks for a name; "OK" needs one.
DefaultPopUp {
    id: popup

    property string name

    signal acceptedWithName(string name)

    objectName: "nameEdition"
    title: bindTr("Holidays", "Name")

    DefaultTextField {
        id: field
        objectName: "nameField"
        Layout.fillWidth: true
        text: popup.name
        onTextEdited: popup.name = text
    }

    buttons: [
        DefaultButton {
            objectName: "nameCancel"
            text: bindTr("Generic", "Abbruch")
            color: Colors.white
            textColor: Colors.cancelColor
            onClicked: popup.close()
        },
        DefaultButton {
            objectName: "nameOk"
            text: bindTr("Generic", "OK")
            enabled: popup.name.trim() !== ""
            onClicked: {
                popup.acceptedWithName(popup.name.trim())
                popup.close()
            }
        }
    ]
    onOpened: field.forceActiveFocus()
}
