import QtQuick
import Tarvino

// The fill of the summer/winter table as a page of the stack (a window on the desktop); OK and
// "Abbruch" return to the table.
AppView {
    id: view

    required property var projectController
    required property SommerWinterTableModel table

    viewKind: View.SoWiAutomaticFillView
    title: content.title

    SoWiAutomaticFill {
        id: content
        anchors.fill: parent
        projectController: view.projectController
        table: view.table
        onCloseDialog: ViewLoader.popView()
    }
}
