import QtQuick
import Tarvino

// The fill of the own astro table as a page of the stack (a window on the desktop); OK and
// "Abbruch" return to the table.
AppView {
    id: view

    required property var table
    // The project content controller.
    required property var viewController

    viewKind: View.AutomaticFillView
    title: content.title

    AutomaticFill {
        id: content
        anchors.fill: parent
        table: view.table
        viewController: view.viewController
        onCloseDialog: ViewLoader.popView()
    }
}
