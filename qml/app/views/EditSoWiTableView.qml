import QtQuick
import Tarvino

// The project's own summer/winter table as a page of the stack (a window on the desktop). OK
// keeps the table; the back button leaves it as it was stored.
AppView {
    id: view

    required property var projectController

    viewKind: View.EditSoWiTableView
    title: content.title

    EditSoWiTable {
        id: content
        anchors.fill: parent
        projectController: view.projectController
        onCloseDialog: ViewLoader.popView()
    }
}
