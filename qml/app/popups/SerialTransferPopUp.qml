import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// A program transfer over the serial link, started as the pop-up opens: a read of the
// device's program (which then opens as a new project) or a write of `bytes`. It stays open
// until the user closes it after the end or an error.
DefaultPopUp {
    id: popup

    property bool reading: true
    // The device memory image to write; empty when the memory service refused the project.
    property var bytes
    property bool finished: false
    property bool failed: false
    property bool progressShown: false
    property string statusText: bindTr("SerialCommunication", "Übertragung läuft...")

    function errorText(error) {
        switch (error) {
        case SerialProtocol.ReadErrorEmpty: return bindTr("SerialCommunication", "Programm kann nicht gelesen werden. Leerer Flash.")
        case SerialProtocol.ReadErrorLanguage: return bindTr("SerialCommunication", "Programm kann nicht gelesen werden. Sprachdatei im Flash.")
        case SerialProtocol.ReadError: return bindTr("SerialCommunication", "Programm kann nicht gelesen werden.")
        case SerialProtocol.InvalidDataError: return bindTr("SerialCommunication", "Programm kann nicht gelesen werden. Ungültige Daten im Flash.")
        case SerialProtocol.WriteError: return bindTr("SerialCommunication", "Fehler beim Programmschreiben. Zugriff auf Flash nicht möglich.")
        case SerialProtocol.BadBehaviorError: return bindTr("SerialCommunication", "Tarvino rix2/3 scheint im Fehlerzustand zu sein.")
        case SerialProtocol.LedOffError: return bindTr("SerialCommunication", "Led konnte nicht ausgeschaltet werden.")
        case SerialProtocol.LedOnError: return bindTr("SerialCommunication", "Led konnte nicht eingeschaltet werden.")
        case SerialProtocol.PortClosingError: return bindTr("SerialCommunication", "Der Port konnte nicht geschlossen werden.")
        case SerialProtocol.PortOpeningError: return bindTr("SerialCommunication", "Der Port konnte nicht geöffnet werden, überprüfen Sie die Verbindung.")
        case SerialProtocol.PortFindingError: return bindTr("SerialCommunication", "Der Port wurde nicht gefunden, überprüfen Sie die Verbindung.")
        case SerialProtocol.OperationAborted: return bindTr("SerialCommunication", "Operation abgebrochen.")
        // Nothing was sent: the memory service says why the project has no image.
        case SerialProtocol.EmptyDataError: return eepromService.errorString()
        default: return bindTr("SerialCommunication", "Fehler")
        }
    }

    function start() {
        if (reading)
            serialProtocol.readProgramAsync()
        else
            serialProtocol.writeProgramAsync(bytes)
    }

    title: bindTr("SerialCommunication", "Serielle Übertragung")
    closePolicy: Popup.NoAutoClose
    onOpened: start()

    Connections {
        target: serialProtocol
        enabled: !popup.finished && !popup.failed
        function onStartProgress() {
            popup.progressShown = true
        }
        function onOperationFinished() {
            popup.finished = true
            popup.statusText = bindTr("SerialCommunication", "Übertragung abgeschlossen")
        }
        function onOperationError(err) {
            popup.failed = true
            popup.statusText = popup.errorText(err)
            if (serialProtocol.programLost)
                popup.statusText += "\n" + bindTr("Data exchange", "Das Gerät enthält jetzt kein gültiges Programm. Übertragen Sie das Projekt erneut.")
        }
    }
    // The project read is stored before the transfer counts as finished; a refused store ends it.
    Connections {
        target: mainController
        enabled: popup.reading && !popup.finished && !popup.failed
        function onReadProjectNotStored() {
            popup.failed = true
            popup.statusText = bindTr("Data exchange", "Das gelesene Projekt konnte nicht gespeichert werden.")
        }
    }

    DefaultText {
        objectName: "serialStatusText"
        Layout.fillWidth: true
        text: popup.statusText
        color: popup.failed ? Colors.red : Colors.primaryColor
        wrapMode: Text.WordWrap
        elide: Text.ElideNone
    }
    DefaultProgressBar {
        objectName: "serialProgressBar"
        Layout.fillWidth: true
        visible: popup.progressShown
        from: 0
        to: 100
        value: serialProtocol.progress
        finished: popup.finished
        errorsOccured: popup.failed
    }

    buttons: [
        DefaultButton {
            objectName: "serialAbortButton"
            text: bindTr("Generic", "Abbruch")
            color: Colors.white
            visible: !popup.finished && !popup.failed
            onClicked: serialProtocol.abortOperation()
        },
        DefaultButton {
            objectName: "serialOkButton"
            text: bindTr("Generic", "OK")
            visible: popup.finished || popup.failed
            onClicked: popup.close()
        }
    ]
}
