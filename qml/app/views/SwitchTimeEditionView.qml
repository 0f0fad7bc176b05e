import QtQuick
import QtQuick.Controls
import Tarvino

// The page that edits one switch time: a new one when no row is given, else the row of the
// list (or, with `isSortedIndex`, of the sorted list).
AppView {
    id: view

    // The SwitchTimesViewController of the program.
    required property var viewController
    property int index: -1
    property bool isSortedIndex: false
    property bool astroMode: false
    property bool hasImpuls: false
    property bool hasZyclus: false
    // The editing buffer; the page keeps it alive.
    property var controller: null

    function leaveView() {
        if (insideDialog)
            closeDialog()
        else
            ViewLoader.popView()
    }

    viewKind: View.SwitchTimeEditionView
    title: index < 0 ? bindTr("SwitchTimeTable", "Neu") : bindTr("Generic", "Bearbeiten")

    Component.onCompleted: {
        if (index < 0)
            controller = astroMode ? viewController.createSwitchTime(3, 2) : viewController.createSwitchTime(0, 0)
        else
            controller = viewController.openSwitchTime(index, isSortedIndex)
    }

    SwitchTimeEdition {
        objectName: "switchTimeEdition"
        anchors.fill: parent
        visible: view.controller !== null
        controller: view.controller
        isNew: view.index < 0
        astroMode: view.astroMode
        hasImpuls: view.hasImpuls
        hasZyclus: view.hasZyclus
        onFinished: view.leaveView()
    }
}
