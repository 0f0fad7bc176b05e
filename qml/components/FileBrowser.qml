import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Qt.labs.folderlistmodel
import Tarvino

// A folder with its sub-folders and the files that match `nameFilters`; a folder opens on a
// click, a file becomes `selectedFile`, and a double click (or Return) emits `openFile`.
Item {
    id: browser

    property alias folder: folderModel.folder
    property alias nameFilters: folderModel.nameFilters
    property url selectedFile

    signal openFile(url file)

    implicitWidth: 400
    implicitHeight: 300

    FolderListModel {
        id: folderModel
        showDirsFirst: true
        showDotAndDotDot: false
        sortCaseSensitive: false
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: Metrics.spacing
        RowLayout {
            Layout.fillWidth: true
            ClickableIcon {
                objectName: "parentFolder"
                source: Icons.chevronUp
                iconColor: Colors.primaryColor
                enabled: String(folderModel.parentFolder) !== ""
                onClicked: folderModel.folder = folderModel.parentFolder
            }
            DefaultText {
                objectName: "folderPath"
                Layout.fillWidth: true
                text: decodeURIComponent(String(folderModel.folder).replace(/^file:\/\//, ""))
                elide: Text.ElideMiddle
                color: Colors.secondaryColor
            }
        }
        ListView {
            id: list
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: folderModel
            ScrollIndicator.vertical: DefaultScrollIndicator {}
            delegate: ItemDelegate {
                id: entry
                required property string fileName
                required property url fileUrl
                required property bool fileIsDir
                objectName: "file_" + fileName
                width: list.width
                highlighted: entry.fileUrl === browser.selectedFile
                contentItem: RowLayout {
                    ColoredIcon {
                        source: entry.fileIsDir ? Icons.folder : Icons.file
                        iconColor: Colors.primaryColor
                    }
                    DefaultText {
                        Layout.fillWidth: true
                        text: entry.fileName
                    }
                }
                background: Rectangle { color: entry.highlighted ? Colors.delightBlue : "transparent" }
                onClicked: {
                    if (entry.fileIsDir)
                        folderModel.folder = entry.fileUrl
                    else
                        browser.selectedFile = entry.fileUrl
                }
                onDoubleClicked: if (!entry.fileIsDir) browser.openFile(entry.fileUrl)
                Keys.onReturnPressed: if (!entry.fileIsDir) browser.openFile(entry.fileUrl)
            }
        }
    }
}
