import QtQuick
import QtQuick.Layouts
import Tarvino

// A question with an accept and a reject button. `accept` and `cancel` tell the answer;
// `warning` marks a destructive question in red.
DefaultPopUp {
    id: popup

    property string contentText
    property bool warning: false
    property bool canCancel: true
    property bool canReject: true
    property bool showAccept: true
    property bool closeOnAccept: true
    property bool canAccept: true
    property string acceptLabel: bindTr("Generic", "OK")
    property string rejectLabel: bindTr("Generic", "Abbruch")
    property url picture

    signal accept
    signal cancel

    titleColor: warning ? Colors.red : Colors.primaryColor

    SvgIcon {
        Layout.alignment: Qt.AlignHCenter
        Layout.preferredWidth: Math.min(implicitWidth, popup.availableWidth)
        Layout.preferredHeight: Layout.preferredWidth * (implicitHeight / Math.max(1, implicitWidth))
        source: popup.picture
        visible: String(popup.picture) !== ""
    }
    DefaultText {
        objectName: "popupText"
        Layout.fillWidth: true
        visible: text !== ""
        text: popup.contentText
        wrapMode: Text.WordWrap
        elide: Text.ElideNone
    }

    buttons: [
        DefaultButton {
            objectName: "rejectButton"
            text: popup.rejectLabel
            color: Colors.white
            textColor: Colors.cancelColor
            visible: popup.canCancel
            enabled: popup.canReject
            onClicked: {
                popup.result = false
                popup.cancel()
                popup.close()
            }
        },
        DefaultButton {
            objectName: "acceptButton"
            text: popup.acceptLabel
            color: popup.warning ? Colors.red : Colors.primaryColor
            visible: popup.showAccept
            enabled: popup.canAccept
            onClicked: {
                popup.result = true
                popup.accept()
                if (popup.closeOnAccept)
                    popup.close()
            }
        }
    ]
}
