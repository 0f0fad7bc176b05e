import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// Asked once before the first device that takes the PC's clock and language: what it gets
// on every connection. Accepting connects the device.
DefaultPopUp {
    id: popup

    // The scan whose device waits for the answer.
    required property var scanController

    objectName: "syncClockPopup"
    title: bindTr("Scan", "Daten-Synchronisation")
    closePolicy: Popup.NoAutoClose

    DefaultText {
        Layout.fillWidth: true
        text: bindTr("Scan", "Bitte wählen Sie aus, welche Daten beim Verbinden mit Uhren synchronisiert werden sollen")
        wrapMode: Text.WordWrap
        elide: Text.ElideNone
    }
    DefaultSwitch {
        id: dateTime
        objectName: "syncPopupDateTimeSwitch"
        text: bindTr("Scan", "Datum/Uhrzeit-Synchronisation")
        checked: bleService.syncDateTime
    }
    DefaultSwitch {
        id: language
        objectName: "syncPopupLanguageSwitch"
        text: bindTr("Scan", "Sprach-Synchronisation")
        checked: bleService.syncLanguage
    }

    buttons: DefaultButton {
        objectName: "syncAcceptButton"
        text: bindTr("Generic", "OK")
        onClicked: {
            bleService.syncDateTime = dateTime.checked
            bleService.syncLanguage = language.checked
            bleService.showSyncPopup = false
            popup.close()
            if (popup.scanController)
                popup.scanController.connectBLEDevice()
        }
    }
}
