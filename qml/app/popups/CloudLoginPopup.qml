import QtQuick
import QtQuick.Layouts
import Tarvino

// The login to the cloud account before the open project goes to a cloud device. One gateway
// leads straight to its login, several to the choice of a device.
DefaultPopUp {
    id: popup

    readonly property var cloud: mainController.cloud
    property string message

    function login() {
        message = ""
        cloud.login(userField.text, passwordField.text, rememberBox.checked)
    }

    function openGatewayLogin() {
        // The callback runs after this pop-up is gone.
        const account = cloud
        close()
        PopUpManager.openPopup("GatewayLoginPopup", {
            gatewayIndex: 0,
            serial: account.gateways.firstGatewaySerial()
        }, () => account.logout())
    }

    function openDevices() {
        const dialog = ZorvikUtils.window.openWindowDialog(ViewLoader.viewUrl(View.CloudDevicesView), {}, 768)
        dialog.minimumHeight = 550
        dialog.width = 768
        dialog.height = 550
        dialog.maximumWidth = 768
        dialog.maximumHeight = 550
        close()
    }

    objectName: "cloudLoginPopup"
    title: ""
    hasInput: true
    onOpened: (userField.text === "" ? userField : passwordField).forceActiveFocus()

    SvgIcon {
        Layout.alignment: Qt.AlignHCenter
        height: 48
        width: implicitHeight > 0 ? implicitWidth * height / implicitHeight : 0
        source: ClientConfig.images.logo
    }
    DesignText {
        Layout.fillWidth: true
        horizontalAlignment: Text.AlignHCenter
        text: bindTr("Cloud", "Über die Zorvik Cloud anmelden")
    }
    LabelButton {
        objectName: "registerButton"
        Layout.alignment: Qt.AlignHCenter
        text: bindTr("Cloud", "Registrieren")
        onClicked: popup.cloud.openRegistrationPage()
    }
    DefaultText {
        text: bindTr("Cloud", "E-Mail")
    }
    DefaultTextField {
        id: userField
        objectName: "cloudUserField"
        Layout.fillWidth: true
        text: popup.cloud.cloudUsername
        inputMethodHints: Qt.ImhEmailCharactersOnly | Qt.ImhNoAutoUppercase
    }
    DefaultText {
        text: bindTr("Cloud", "Passwort")
    }
    DefaultTextField {
        id: passwordField
        objectName: "cloudPasswordField"
        Layout.fillWidth: true
        text: popup.cloud.cloudPassword
        echoMode: TextInput.Password
        onAccepted: if (loginButton.enabled) popup.login()
    }
    DefaultCheckBox {
        id: rememberBox
        objectName: "cloudRememberBox"
        text: bindTr("Cloud", "Anmeldedaten merken?")
        checked: popup.cloud.cloudUsername !== ""
    }
    DefaultText {
        objectName: "cloudLoginMessage"
        Layout.fillWidth: true
        visible: text !== ""
        text: popup.message
        color: Colors.red
    }
    DefaultBusyIndicator {
        Layout.alignment: Qt.AlignHCenter
        busy: popup.cloud.busy
    }

    buttons: [
        DefaultButton {
            id: loginButton
            objectName: "cloudLoginButton"
            text: bindTr("Cloud", "Anmelden")
            enabled: userField.text !== "" && passwordField.text !== "" && !popup.cloud.busy
            onClicked: popup.login()
        }
    ]

    Connections {
        target: popup.cloud
        function onLoginResult(result) {
            switch (result) {
            case CloudController.AuthenticationFailed:
                popup.message = bindTr("Cloud", "Ungültige Anmeldeinformationen.")
                passwordField.clear()
                break
            case CloudController.SuccessSingleGateway:
                popup.openGatewayLogin()
                break
            case CloudController.SuccessMultipleGateways:
                popup.openDevices()
                break
            case CloudController.SuccessNoGateways:
                popup.message = bindTr("Cloud", "Dieses Konto hat keine Geräte, um eine Verbindung herzustellen.")
                break
            case CloudController.UnknownError:
            case CloudController.NotReachable:
                popup.message = bindTr("Cloud", "Während der Verbindung ist ein Fehler aufgetreten.")
            }
        }
        function onFailToRetrieveGateways() {
            popup.message = bindTr("Cloud", "Während der Verbindung ist ein Fehler aufgetreten.")
        }
    }
}
