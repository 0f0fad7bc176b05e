import QtQuick
import QtQuick.Layouts
import Tarvino

// A file name field with a browse button that opens a FileBrowser in a pop-up; a chosen file
// fills the field and emits `fileChosen`.
Item {
    id: picker

    property url file
    property alias folder: browser.folder
    property alias nameFilters: browser.nameFilters
    property string placeholderText

    signal fileChosen(url file)

    implicitWidth: 360
    implicitHeight: row.implicitHeight

    function choose(chosen) {
        file = chosen
        popup.close()
        fileChosen(chosen)
    }

    RowLayout {
        id: row
        anchors.fill: parent
        DefaultTextField {
            objectName: "fileField"
            Layout.fillWidth: true
            Layout.minimumWidth: 120
            readOnly: true
            placeholderText: picker.placeholderText
            text: decodeURIComponent(String(picker.file).replace(/^file:\/\//, ""))
        }
        DefaultButton {
            objectName: "browseButton"
            text: bindTr("Generic", "Durchsuchen")
            onClicked: popup.open()
        }
    }

    DefaultPopUp {
        id: popup
        title: bindTr("Generic", "Datei auswählen")
        FileBrowser {
            id: browser
            Layout.fillWidth: true
            Layout.preferredHeight: 320
            onOpenFile: chosen => picker.choose(chosen)
        }
        buttons: [
            DefaultButton {
                objectName: "cancelBrowseButton"
                text: bindTr("Generic", "Abbruch")
                color: Colors.white
                onClicked: popup.close()
            },
            DefaultButton {
                objectName: "chooseFileButton"
                text: bindTr("Generic", "Öffnen")
                enabled: String(browser.selectedFile) !== ""
                onClicked: picker.choose(browser.selectedFile)
            }
        ]
    }
}
