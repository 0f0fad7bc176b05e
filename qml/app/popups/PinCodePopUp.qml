import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The PIN of a device that has one, asked after its authentication. Wrong PINs and the lock
// they bring are told here.
DefaultPopUp {
    id: popup

    // The scan whose device is being connected; it writes the lock text.
    property var scanController: null
    property var dataExchange: null
    property string errorText
    property bool waiting: false

    function showLock(status, unlockTime) {
        waiting = false
        errorText = bindTr("Scan", "Sie müssen warten, das Gerät ist aufgrund mehrerer fehlgeschlagener Versuche verriegelt")
        lockText.show(unlockTime)
    }

    function send() {
        errorText = ""
        waiting = true
        bleService.unlockWithPinCode(parseInt(pinField.text, 10))
    }

    objectName: "pinCodePopup"
    title: bindTr("Scan", "PIN-Code")
    closePolicy: Popup.NoAutoClose
    hasInput: true

    DefaultText {
        Layout.fillWidth: true
        text: bindTr("Scan", "Das Gerät ist PIN-geschützt, bitte geben Sie den PIN-Code ein")
        wrapMode: Text.WordWrap
        elide: Text.ElideNone
    }
    DefaultTextField {
        id: pinField
        objectName: "pinField"
        Layout.fillWidth: true
        maximumLength: 4
        inputMethodHints: Qt.ImhDigitsOnly
        validator: RegularExpressionValidator { regularExpression: /[0-9]{4}/ }
        onAccepted: if (acceptButton.enabled) popup.send()
    }
    DefaultText {
        objectName: "pinError"
        Layout.fillWidth: true
        visible: text !== ""
        text: popup.errorText
        color: Colors.red
        wrapMode: Text.WordWrap
    }
    LockWaitText {
        id: lockText
        objectName: "pinLockText"
        Layout.fillWidth: true
        textOf: time => popup.scanController ? popup.scanController.pinLockText(time) : ""
    }
    DefaultBusyIndicator {
        Layout.alignment: Qt.AlignHCenter
        busy: popup.waiting
        visible: busy
    }

    buttons: [
        DefaultButton {
            objectName: "pinCancelButton"
            text: bindTr("Scan", "Abbruch")
            color: Colors.white
            onClicked: {
                popup.close()
                if (popup.dataExchange && popup.dataExchange.opened)
                    popup.dataExchange.close()
                bleService.disconnectFromDevice()
            }
        },
        DefaultButton {
            id: acceptButton
            objectName: "pinAcceptButton"
            text: bindTr("Generic", "OK")
            enabled: !popup.waiting && !lockText.locked && pinField.acceptableInput
            onClicked: popup.send()
        }
    ]

    Connections {
        target: bleService
        function onWrongPinCode() {
            popup.waiting = false
            popup.errorText = bindTr("Scan", "Falscher PIN-Code!")
        }
    }
}
