import QtQuick
import QtQuick.Layouts
import Tarvino

// A message with one button that closes it.
DefaultPopUp {
    id: popup

    property string contentText

    DefaultText {
        objectName: "popupText"
        Layout.fillWidth: true
        text: popup.contentText
        wrapMode: Text.WordWrap
        elide: Text.ElideNone
    }

    buttons: DefaultButton {
        objectName: "okButton"
        text: bindTr("Generic", "OK")
        onClicked: popup.close()
    }
}
