import QtQuick
import QtQuick.Controls
import Tarvino

// The edit menu of a table: copy, cut, paste, select all and delete.
Menu {
    id: menu

    property bool canCopy: false
    property bool canDelete: canCopy
    property bool canPaste: false
    property bool canSelectAll: false

    signal copy
    signal cut
    signal paste
    signal del
    signal selectAll

    MenuItem {
        objectName: "tableCopy"
        text: bindTr("Generic", "Kopieren")
        enabled: menu.canCopy
        onTriggered: menu.copy()
    }
    MenuItem {
        objectName: "tableCut"
        text: bindTr("Generic", "Ausschneiden")
        enabled: menu.canCopy && menu.canDelete
        onTriggered: menu.cut()
    }
    MenuItem {
        objectName: "tablePaste"
        text: bindTr("Generic", "Einfügen")
        enabled: menu.canPaste
        onTriggered: menu.paste()
    }
    MenuItem {
        objectName: "tableSelectAll"
        text: bindTr("Generic", "Alle auswählen")
        enabled: menu.canSelectAll
        onTriggered: menu.selectAll()
    }
    MenuItem {
        objectName: "tableDelete"
        text: bindTr("Generic", "Löschen")
        enabled: menu.canCopy
        onTriggered: menu.del()
    }
}
