import QtQuick
import Tarvino

// A message in the older pop-up frame, closed with its button.
PopUp {
    id: messagePopUp

    property string message

    DefaultText {
        objectName: "popupText"
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        anchors.bottomMargin: okButton.height + 2 * Metrics.middleMargin
        text: messagePopUp.message
        wrapMode: Text.WordWrap
        elide: Text.ElideNone
        horizontalAlignment: Text.AlignHCenter
    }
    DefaultButton {
        id: okButton
        objectName: "okButton"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Metrics.middleMargin
        text: bindTr("Generic", "OK")
        onClicked: messagePopUp.close()
    }
}
