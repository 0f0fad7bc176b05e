import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// Shown at the first start: the program is used only once the terms are accepted, so the
// pop-up closes by its button alone. `result` is true when accepted.
DefaultPopUp {
    id: popup

    objectName: "termsPopup"
    title: ClientConfig.details.displayedName
    closePolicy: Popup.NoAutoClose
    result: false

    DefaultText {
        Layout.fillWidth: true
        text: bindTr("Legal", "Bitte lesen und akzeptieren Sie die Allgemeinen Geschäftsbedingungen sowie die Datenschutzrichtlinien, bevor Sie die Anwendung nutzen.")
        wrapMode: Text.WordWrap
        elide: Text.ElideNone
    }
    RowLayout {
        spacing: Metrics.margin
        LabelButton {
            objectName: "termsLink"
            text: bindTr("Legal", "Geschäftsbedingungen")
            onClicked: Qt.openUrlExternally(ClientConfig.details.termsLink)
        }
        LabelButton {
            objectName: "privacyLink"
            text: bindTr("Legal", "Datenschutzrichtlinien")
            onClicked: Qt.openUrlExternally(ClientConfig.details.privacyLink)
        }
    }
    DefaultCheckBox {
        id: acceptance
        objectName: "acceptTermsBox"
        Layout.fillWidth: true
        text: bindTr("Legal", "Ich akzeptiere die Allgemeinen Geschäftsbedingungen und bin über die Datenschutzbestimmungen informiert.")
    }

    buttons: DefaultButton {
        objectName: "acceptTermsButton"
        text: bindTr("Generic", "OK")
        enabled: acceptance.checked
        onClicked: {
            popup.result = true
            popup.close()
        }
    }
}
