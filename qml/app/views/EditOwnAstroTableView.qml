import QtQuick
import Tarvino

// The own astro table's editor as a page of the stack (a window on the desktop). Leaving the
// page, by OK or by the back button, hands the rows to the astro engine, as the window does.
AppView {
    id: view

    // The project content controller.
    required property var viewController

    function viewLeaved() {
        content.viewLeaved()
    }

    viewKind: View.EditOwnAstroTableView
    title: content.title

    EditOwnAstroTable {
        id: content
        anchors.fill: parent
        viewController: view.viewController
        onCloseDialog: ViewLoader.popView()
    }
}
