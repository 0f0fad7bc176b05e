import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The login to one gateway of the cloud account and the upload of the open project through
// it. Remembered credentials start the login at once. It stays open until the user closes it.
DefaultPopUp {
    id: popup

    required property int gatewayIndex
    required property string serial
    readonly property var cloud: mainController.cloud
    readonly property var remembered: cloud.gateways.gatewayCredentials(serial)
    // "login", "connecting", "sending" or "done".
    property string phase: "login"
    property string message

    function login() {
        message = ""
        phase = "connecting"
        cloud.connectWith(gatewayIndex, userField.text, passwordField.text, rememberBox.checked)
    }

    function sendResultText(result) {
        switch (result) {
        case CloudController.SendSuccessfully:
            return bindTr("Cloud", "Die Schaltzeiten wurden korrekt im Gerät gespeichert.")
        case CloudController.TooManyWhitespaces:
            return bindTr("Cloud", "Der Dateiname enthält zu viele Leerzeichen.")
        case CloudController.WrongParameters:
            return bindTr("Cloud", "Parameter sind nicht korrekt eingestellt.")
        default:
            return bindTr("Cloud", "Beim Senden der ot2-Datei ist ein Fehler aufgetreten.")
        }
    }

    objectName: "gatewayLoginPopup"
    title: bindTr("Cloud", "Upload OT2")
    hasInput: true
    closePolicy: Popup.NoAutoClose
    onOpened: {
        if (cloud.gateways.hasGatewayCredentials(serial))
            login()
        else
            userField.forceActiveFocus()
    }

    DefaultText {
        objectName: "gatewayLoginText"
        Layout.fillWidth: true
        text: popup.phase === "connecting" ? bindTr("Cloud", "Verbindung zum Gerät %1").arg(popup.serial)
            : popup.phase === "sending" ? bindTr("Cloud", "ot2-Datei senden...")
            : bindTr("Cloud", "Anmelden am Gerät %1").arg(popup.serial)
        visible: popup.phase !== "done"
    }
    ColumnLayout {
        Layout.fillWidth: true
        spacing: Metrics.spacing
        visible: popup.phase === "login"
        DefaultText {
            text: bindTr("Cloud", "Benutzername")
        }
        DefaultTextField {
            id: userField
            objectName: "gatewayUserField"
            Layout.fillWidth: true
            text: popup.remembered.username || ""
        }
        DefaultText {
            text: bindTr("Cloud", "Passwort")
        }
        DefaultTextField {
            id: passwordField
            objectName: "gatewayPasswordField"
            Layout.fillWidth: true
            text: popup.remembered.password || ""
            echoMode: TextInput.Password
            onAccepted: if (loginButton.enabled) popup.login()
        }
        DefaultCheckBox {
            id: rememberBox
            objectName: "gatewayRememberBox"
            text: bindTr("Cloud", "Anmeldedaten merken?")
            checked: popup.cloud.gateways.hasGatewayCredentials(popup.serial)
        }
    }
    DefaultBusyIndicator {
        Layout.alignment: Qt.AlignHCenter
        busy: popup.cloud.busy
    }
    DefaultText {
        objectName: "gatewayLoginMessage"
        Layout.fillWidth: true
        visible: text !== ""
        text: popup.message
        color: popup.phase === "done" ? Colors.primaryColor : Colors.red
    }

    buttons: [
        DefaultButton {
            objectName: "cancelButton"
            text: bindTr("Generic", "Abbruch")
            color: Colors.white
            visible: popup.phase !== "done"
            onClicked: {
                popup.cloud.abortSendOperation()
                popup.close()
            }
        },
        DefaultButton {
            id: loginButton
            objectName: "gatewayLoginButton"
            text: bindTr("Cloud", "Anmelden")
            visible: popup.phase === "login"
            enabled: userField.text !== "" && passwordField.text !== "" && !popup.cloud.busy
            onClicked: popup.login()
        },
        DefaultButton {
            objectName: "okButton"
            text: bindTr("Generic", "OK")
            visible: popup.phase === "done"
            onClicked: popup.close()
        }
    ]

    Connections {
        target: popup.cloud
        function onGatewayLoginResult(result) {
            switch (result) {
            case CloudController.Success:
                popup.phase = "sending"
                popup.cloud.sendOt2File()
                return
            case CloudController.AuthenticationFailed:
                popup.message = bindTr("Cloud", "Ungültige Anmeldeinformationen.")
                passwordField.clear()
                break
            case CloudController.NotReachable:
                popup.message = bindTr("Cloud", "Die Verbindung zum Gerät konnte nicht hergestellt werden.")
                break
            default:
                popup.message = bindTr("Cloud", "Während der Verbindung ist ein Fehler aufgetreten.")
            }
            popup.phase = "login"
        }
        function onOt2SendResult(result) {
            popup.message = popup.sendResultText(result)
            popup.phase = "done"
        }
    }
}
