import QtQuick
import QtQuick.Layouts
import Tarvino

// A question with up to three answers: accept, reject and cancel, each of which can be
// hidden. `result` is the answer, "accepted", "rejected" or "canceled"; closing by Escape or
// a press outside cancels.
DefaultPopUp {
    id: popup

    property string contentText
    property string acceptText: bindTr("Generic", "Ja")
    property string rejectText: bindTr("Generic", "Nein")
    property string cancelText: bindTr("Generic", "Abbruch")
    property bool showAccept: true
    property bool showReject: true
    property bool showCancel: true

    signal accepted
    signal rejected
    signal canceled

    function answer(choice) {
        result = choice
        close()
    }

    title: bindTr("Generic", "Bestätigung")
    result: "canceled"
    onClosed: {
        if (result === "accepted")
            accepted()
        else if (result === "rejected")
            rejected()
        else
            canceled()
    }

    DefaultText {
        objectName: "popupText"
        Layout.fillWidth: true
        text: popup.contentText
        wrapMode: Text.WordWrap
        elide: Text.ElideNone
    }

    buttons: [
        DefaultButton {
            objectName: "cancelButton"
            text: popup.cancelText
            color: Colors.white
            visible: popup.showCancel
            onClicked: popup.answer("canceled")
        },
        DefaultButton {
            objectName: "rejectButton"
            text: popup.rejectText
            color: Colors.white
            visible: popup.showReject
            onClicked: popup.answer("rejected")
        },
        DefaultButton {
            objectName: "acceptButton"
            text: popup.acceptText
            visible: popup.showAccept
            onClicked: popup.answer("accepted")
        }
    ]
}
