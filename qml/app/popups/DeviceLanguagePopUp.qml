import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import quopral
import Tarvino

// Writes a device language, chosen by device model and language, into a time switch over the
// serial link. Any error ends the choice; only cancelling and the final "OK" close it.
DefaultPopUp {
    id: languagePopUp

    property QtObject quopral: quopralService
    property QtObject serial: serialProtocol
    property bool transferring: false
    property bool finished: false
    property bool failed: false
    property bool progressShown: false
    property string statusText
    readonly property bool canCancel: !finished && !transferring
    readonly property bool languageChosen: languageChoice.currentIndex >= 0

    function txsErrorText(error) {
        switch (error) {
        case QuopralService.BytesTranslationError: return bindTr("SerialCommunication", "Unbekannter Fehler wurde während der Übersetzung in Bytes gemeldet.")
        case QuopralService.WriteFileError: return bindTr("SerialCommunication", "File couldn't be written.")
        case QuopralService.ExistFileError: return bindTr("SerialCommunication", "File doesn't exist.")
        case QuopralService.InvalidFileError: return bindTr("SerialCommunication", "Die Sprachdatei ist beschädigt oder passt nicht in den Speicher des Geräts.")
        default: return bindTr("SerialCommunication", "Fehler")
        }
    }

    function serialErrorText(error) {
        switch (error) {
        case SerialProtocol.WriteError: return bindTr("SerialCommunication", "Fehler beim Schreiben der Sprache. Zugriff auf Flash nicht möglich.")
        case SerialProtocol.BadBehaviorError: return bindTr("SerialCommunication", "Tarvino rix2/3 scheint im Fehlerzustand zu sein.")
        case SerialProtocol.LedOffError: return bindTr("SerialCommunication", "Led konnte nicht ausgeschaltet werden.")
        case SerialProtocol.LedOnError: return bindTr("SerialCommunication", "Led konnte nicht eingeschaltet werden.")
        case SerialProtocol.PortClosingError: return bindTr("SerialCommunication", "Der Port konnte nicht geschlossen werden.")
        case SerialProtocol.PortOpeningError: return bindTr("SerialCommunication", "Der Port konnte nicht geöffnet werden, überprüfen Sie die Verbindung.")
        case SerialProtocol.PortFindingError: return bindTr("SerialCommunication", "Der Port wurde nicht gefunden, überprüfen Sie die Verbindung.")
        default: return bindTr("SerialCommunication", "Fehler")
        }
    }

    // The first error tells what went wrong; a file that cannot be read is reported again
    // as a failed translation.
    function fail(text) {
        if (failed)
            return
        failed = true
        transferring = false
        statusText = text
    }

    function write() {
        transferring = true
        statusText = bindTr("SerialCommunication", "Übertragung läuft...")
        quopral.writeTxsOnSerial(languageChoice.currentValue)
    }

    // At most six rows of a list show at once.
    function limitRows(combo) {
        const list = combo.popup.contentItem
        // The list's estimate once it has rows, the box's own height before.
        const rowHeight = combo.count > 0 && list.contentHeight > 0 ? list.contentHeight / combo.count : combo.height
        return Math.min(combo.count, 6) * rowHeight + combo.popup.topPadding + combo.popup.bottomPadding
    }

    width: 500
    title: bindTr("SerialCommunication", "Auswahl der Gerätesprache")
    closePolicy: canCancel ? Popup.CloseOnEscape : Popup.NoAutoClose

    Connections {
        target: languagePopUp.quopral
        enabled: languagePopUp.transferring
        function onTxsError(error) {
            languagePopUp.fail(languagePopUp.txsErrorText(error))
        }
    }
    Connections {
        target: languagePopUp.serial
        enabled: languagePopUp.transferring
        function onStartProgress() {
            languagePopUp.progressShown = true
        }
        function onOperationFinished() {
            languagePopUp.transferring = false
            languagePopUp.finished = true
            languagePopUp.statusText = bindTr("SerialCommunication", "Übertragung abgeschlossen")
        }
        function onOperationError(err) {
            // A refused image was never sent: the language service has said why.
            if (err !== SerialProtocol.EmptyDataError)
                languagePopUp.fail(languagePopUp.serialErrorText(err))
        }
        // Another transfer holds the link: its end is not this write's.
        function onOperationRefused() {
            languagePopUp.fail(bindTr("SerialCommunication", "Eine andere Übertragung läuft. Warten Sie, bis sie beendet ist."))
        }
    }

    GridLayout {
        Layout.fillWidth: true
        columns: 2
        columnSpacing: Metrics.margin
        rowSpacing: Metrics.margin
        enabled: !languagePopUp.failed && !languagePopUp.transferring && !languagePopUp.finished

        DefaultText {
            text: bindTr("New project", "Gerätetyp")
        }
        DefaultCombobox {
            id: deviceChoice
            objectName: "deviceTypeChoice"
            Layout.fillWidth: true
            model: languagePopUp.quopral.deviceLanguageList.availableDeviceNames
            currentIndex: -1
            popup.height: languagePopUp.limitRows(deviceChoice)
            onActivated: index => languagePopUp.quopral.languagePerDevice.selectedDeviceName = textAt(index)
        }

        DefaultText {
            text: bindTr("GlobalSettings", "Sprache")
        }
        DefaultCombobox {
            id: languageChoice
            objectName: "deviceLanguageChoice"
            Layout.fillWidth: true
            model: languagePopUp.quopral.languagePerDevice
            textRole: "deviceLanguage"
            valueRole: "deviceLanguageStruct"
            popup.height: languagePopUp.limitRows(languageChoice)
        }
    }

    DefaultText {
        objectName: "languageStatusText"
        Layout.fillWidth: true
        visible: text !== ""
        text: languagePopUp.statusText
        color: languagePopUp.failed ? Colors.red : Colors.primaryColor
        wrapMode: Text.WordWrap
        elide: Text.ElideNone
    }
    DefaultProgressBar {
        objectName: "languageProgressBar"
        Layout.fillWidth: true
        visible: languagePopUp.progressShown
        from: 0
        to: 100
        value: languagePopUp.serial.progress
        finished: languagePopUp.finished
        errorsOccured: languagePopUp.failed
    }

    buttons: [
        DefaultButton {
            objectName: "languageCancelButton"
            text: bindTr("Generic", "Abbruch")
            color: Colors.white
            visible: languagePopUp.canCancel
            onClicked: languagePopUp.close()
        },
        DefaultButton {
            objectName: "languageWriteButton"
            text: languagePopUp.finished ? bindTr("Generic", "OK") : bindTr("Generic", "Schreiben")
            visible: !languagePopUp.failed && (languagePopUp.languageChosen || languagePopUp.finished)
            enabled: !languagePopUp.transferring && (languagePopUp.finished || !languagePopUp.serial.busy)
            onClicked: languagePopUp.finished ? languagePopUp.close() : languagePopUp.write()
        }
    ]
}
