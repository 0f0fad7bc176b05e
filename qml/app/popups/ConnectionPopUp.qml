import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The authentication of a device that asks for it: the push button on the device, or the
// code given when it was paired. A code the push button brings is shown once, to be kept;
// closing it lets the connection go on. Wrong codes and locks are told here.
DefaultPopUp {
    id: popup

    required property string serialNumber
    property string deviceName
    // The scan whose device is being connected; it writes the lock texts.
    property var scanController: null
    property string generatedCode
    property string errorText
    property bool waiting: false
    readonly property bool withCode: codeChoice.checked

    function showLock(status, unlockTime) {
        waiting = false
        errorText = ""
        lockText.status = status
        lockText.show(unlockTime)
    }

    function send() {
        errorText = ""
        waiting = true
        if (withCode)
            bleService.authenticateWithCode(parseInt(codeField.text, 10))
        else
            bleService.authenticateWithPushButton()
    }

    function saveCode() {
        const heading = ClientConfig.details.codeExportText
        const lines = bindTr("Scan", "%1\nSN: %2\nAnschlusscode: %3").arg(deviceName).arg(serialNumber).arg(generatedCode)
        mainController.exportText(bindTr("Scan", "Code für %1").arg(serialNumber), heading !== "" ? heading + "\n\n" + lines : lines)
    }

    function cancel() {
        close()
        ZorvikUtils.deviceScan.close()
        bleService.disconnectFromDevice()
    }

    objectName: "connectionPopup"
    title: bindTr("Scan", "Authentifizierung für %1").arg(serialNumber.slice(-4))
    closePolicy: Popup.NoAutoClose
    hasInput: true

    ColumnLayout {
        Layout.fillWidth: true
        spacing: Metrics.margin
        visible: popup.generatedCode === ""

        DefaultRadioButton {
            objectName: "pushButtonChoice"
            Layout.fillWidth: true
            text: bindTr("Scan", "OK-Aktivierung am Gerät")
            checked: true
        }
        DefaultRadioButton {
            id: codeChoice
            objectName: "codeChoice"
            Layout.fillWidth: true
            text: bindTr("Scan", "Eingabe Authentifizierungscode")
        }
        DefaultTextField {
            id: codeField
            objectName: "codeField"
            Layout.fillWidth: true
            enabled: popup.withCode
            maximumLength: 6
            inputMethodHints: Qt.ImhDigitsOnly
            validator: RegularExpressionValidator { regularExpression: /[0-9]{1,6}/ }
            onAccepted: if (acceptableInput && !popup.waiting) popup.send()
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: Metrics.margin
        visible: popup.generatedCode !== ""

        DefaultText {
            Layout.fillWidth: true
            text: bindTr("Scan", "Dies ist Ihr Authentifizierungscode, verwahren Sie ihn sicher!")
            wrapMode: Text.WordWrap
            elide: Text.ElideNone
        }
        DesignText {
            objectName: "generatedCode"
            Layout.alignment: Qt.AlignHCenter
            text: popup.generatedCode
            size: Metrics.fontSize.bigSubtitle
        }
    }

    LockWaitText {
        id: lockText
        objectName: "lockText"
        property int status: 1
        Layout.fillWidth: true
        textOf: time => popup.scanController ? popup.scanController.lockText(lockText.status, time) : ""
    }
    DefaultText {
        objectName: "connectionError"
        Layout.fillWidth: true
        visible: text !== ""
        text: popup.errorText
        color: Colors.red
        wrapMode: Text.WordWrap
    }
    DefaultBusyIndicator {
        Layout.alignment: Qt.AlignHCenter
        busy: popup.waiting
        visible: busy
    }

    buttons: [
        DefaultButton {
            objectName: "saveCodeButton"
            text: bindTr("Scan", "Speichern")
            color: Colors.white
            visible: popup.generatedCode !== ""
            onClicked: popup.saveCode()
        },
        DefaultButton {
            objectName: "connectionCancelButton"
            text: bindTr("Scan", "Abbruch")
            color: Colors.white
            visible: popup.generatedCode === ""
            onClicked: popup.cancel()
        },
        DefaultButton {
            objectName: "connectionAcceptButton"
            text: bindTr("Generic", "OK")
            enabled: popup.generatedCode !== ""
                     || (!popup.waiting && !lockText.locked && (!popup.withCode || codeField.acceptableInput))
            onClicked: {
                if (popup.generatedCode === "") {
                    popup.send()
                    return
                }
                popup.close()
                bleService.generatedCodeRead()
            }
        }
    ]

    Connections {
        target: bleService
        function onWrongCode() {
            popup.waiting = false
            popup.errorText = bindTr("Scan", "Falsches Passwort!")
        }
        function onButtonNotPressed() {
            popup.waiting = false
            popup.errorText = bindTr("Scan", "Die Schaltfläche wurde nicht aktiviert!")
        }
        function onGeneratedCodeReceived(code) {
            popup.waiting = false
            popup.generatedCode = code
        }
    }
}
