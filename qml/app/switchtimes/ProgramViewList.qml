import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The switch times of the selected program as a sorted list (the narrow layout), with the
// buttons to add, to copy, to paste and to delete. A tap opens the editor; in the copy mode it
// chooses what leaving the mode copies, in the delete mode it removes the switch time.
Item {
    id: listView

    required property var viewController
    // An astro or twilight channel: fixed switch times only.
    property bool astroMode: false
    readonly property var sortedSwitches: viewController ? viewController.sortedSwitches : null
    readonly property int selectionMode: viewController ? viewController.selectionMode : 0
    readonly property bool hasSwitches: viewController ? viewController.switchCount > 0 : false
    property bool canPaste: false

    // The row of the list model (-1 for a new one) and whether it is a row of the sorted list.
    signal editRequested(int index, bool isSortedIndex)

    function updateCanPaste() {
        canPaste = viewController ? viewController.canPaste(astroMode ? 3 : 0) : false
    }
    // The sorted list shows other rows than the list model: removing and choosing go by the
    // list model's row of the tapped switch time.
    function listRow(sortedRow) {
        return sortedSwitches.mapToSource(sortedSwitches.index(sortedRow, 0)).row
    }
    function toggleMode(mode) {
        const switches = viewController.switches
        if (selectionMode === SwitchTimesViewController.Copy && switches.selectionCount > 0)
            switches.copySelected()
        switches.clearSelection()
        viewController.selectionMode = selectionMode === mode ? SwitchTimesViewController.Normal : mode
    }
    function tapped(sortedRow) {
        const row = listRow(sortedRow)
        switch (selectionMode) {
        case SwitchTimesViewController.Delete:
            viewController.remove(row)
            break
        case SwitchTimesViewController.Copy: {
            const switches = viewController.switches
            const index = switches.index(row, 0)
            switches.setData(index, !switches.data(index, SwitchTimeListModel.SelectedRole), SwitchTimeListModel.SelectedRole)
            break
        }
        default:
            editRequested(sortedRow, true)
        }
    }

    Component.onCompleted: updateCanPaste()
    onViewControllerChanged: updateCanPaste()
    onAstroModeChanged: updateCanPaste()
    Connections {
        target: listView.viewController
        function onHasCopyChanged() { listView.updateCanPaste() }
        function onHasClipboardDataChanged() { listView.updateCanPaste() }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: Metrics.spacing

        RowLayout {
            objectName: "listButtons"
            Layout.fillWidth: true
            spacing: Metrics.spacing
            CheckableButton {
                objectName: "listAddButton"
                checkable: false
                iconSource: Icons.plus
                onClicked: listView.editRequested(-1, false)
            }
            CheckableButton {
                objectName: "listCopyButton"
                checkable: false
                checked: listView.selectionMode === SwitchTimesViewController.Copy
                enabled: listView.hasSwitches
                iconSource: Icons.copy
                text: bindTr("Generic", "Kopieren")
                onClicked: listView.toggleMode(SwitchTimesViewController.Copy)
            }
            CheckableButton {
                objectName: "listPasteButton"
                checkable: false
                enabled: listView.canPaste
                text: bindTr("Generic", "Einfügen")
                onClicked: {
                    listView.viewController.selectionMode = SwitchTimesViewController.Normal
                    listView.viewController.paste()
                }
            }
            CheckableButton {
                objectName: "listDeleteButton"
                checkable: false
                checked: listView.selectionMode === SwitchTimesViewController.Delete
                enabled: listView.hasSwitches
                toggledColor: Colors.red
                iconSource: Icons.close
                text: bindTr("Generic", "Löschen")
                onClicked: listView.toggleMode(SwitchTimesViewController.Delete)
            }
            Item { Layout.fillWidth: true }
        }

        ListView {
            id: list
            objectName: "switchList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: listView.sortedSwitches
            boundsBehavior: Flickable.StopAtBounds
            ScrollIndicator.vertical: DefaultScrollIndicator {}
            delegate: SwitchTimeItem {
                objectName: "switchItem_" + index
                selectionMode: listView.selectionMode
                onClicked: listView.tapped(index)
            }
        }
    }
}
