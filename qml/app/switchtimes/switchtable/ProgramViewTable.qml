import QtQuick
import QtQuick.Controls
import Tarvino

// The switch times of the selected program as an editable table: a row per switch time, the
// header with the select-all box, and the footer that adds rows. Its list model is the undo
// model of the Bearbeiten menu; the context menu serves that menu too.
Item {
    id: root

    required property var stViewController
    property bool astroMode: false
    property bool lightMode: false
    property bool hasImpuls: false
    property bool hasZyclus: false
    readonly property var undoModel: stViewController ? stViewController.switches : null
    readonly property alias localContextMenu: contextMenu
    readonly property int switchCount: stViewController ? stViewController.switchCount : 0
    // "Start" and "Ende" with wider columns.
    readonly property bool fixedLayout: astroMode || (lightMode && !hasImpuls && !hasZyclus)
    readonly property var columns: ({
        number: SwitchTableMetrics.numberWidth + Metrics.margin,
        type: 3 * SwitchTableMetrics.typeWidth,
        state: 2 * SwitchTableMetrics.stateWidth,
        time: 2 * SwitchTableMetrics.timeWidth + (fixedLayout ? Metrics.largeMargin : 0),
        weekday: 7 * SwitchTableMetrics.weekdayButtonWidth + 2 * Metrics.margin,
        pulse: 2 * SwitchTableMetrics.pulseWidth,
        cycle: 1.5 * SwitchTableMetrics.cycleWidth,
        error: 2 * SwitchTableMetrics.errorWidth
    })
    // The row a Shift-click extends from.
    property int lastClicked: -1
    property bool canPaste: false

    function updateCanPaste() {
        canPaste = stViewController ? stViewController.canPaste(astroMode || lightMode ? 3 : 0) : false
    }
    function write(row, role, value) {
        undoModel.setData(undoModel.index(row, 0), value, role)
    }
    function selectRow(row, mouse) {
        const switches = stViewController.switches
        if (mouse.button === Qt.RightButton) {
            if (switches.selectionCount < 2)
                switches.selectIndices([row])
            openContextMenu()
            return
        }
        if ((mouse.modifiers & Qt.ShiftModifier) && lastClicked >= 0) {
            switches.selectRange(lastClicked, row)
        } else if (mouse.modifiers & Qt.ControlModifier) {
            write(row, SwitchTimeListModel.SelectedRole, !isSelected(row))
        } else {
            const several = switches.selectionCount > 1
            const wasSelected = isSelected(row)
            switches.clearSelection()
            if (several || !wasSelected)
                switches.selectIndices([row])
        }
        lastClicked = row
    }
    function isSelected(row) {
        return undoModel.data(undoModel.index(row, 0), SwitchTimeListModel.SelectedRole)
    }
    function openContextMenu() {
        updateCanPaste()
        contextMenu.popup()
    }

    Component.onCompleted: updateCanPaste()
    onStViewControllerChanged: updateCanPaste()
    Connections {
        target: root.stViewController
        function onHasCopyChanged() { root.updateCanPaste() }
        function onHasClipboardDataChanged() { root.updateCanPaste() }
    }
    Connections {
        target: root.undoModel
        function onSelectionChanged() {
            if (root.undoModel.selectionCount === 0)
                root.lastClicked = -1
        }
    }

    // A click beside the rows clears the selection.
    MouseArea {
        anchors.fill: parent
        enabled: root.undoModel ? root.undoModel.selectionCount > 0 : false
        onClicked: root.undoModel.clearSelection()
    }

    ListView {
        id: list
        objectName: "switchTable"
        anchors.fill: parent
        clip: true
        model: root.undoModel
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}
        header: SwitchTableHeader {
            table: root
            width: list.width
            onRightClicked: root.openContextMenu()
        }
        delegate: SwitchTableDelegate {
            table: root
            objectName: "switchRow_" + index
            onTypeChanged: value => root.write(index, SwitchTimeListModel.TypeRole, value)
            onSwitchStateChanged: value => root.write(index, SwitchTimeListModel.StateRole, value)
            onStartDaysChanged: value => root.write(index, SwitchTimeListModel.StartDaysRole, value)
            onStartTimeChanged: value => root.write(index, SwitchTimeListModel.StartTimeRole, value)
            onEndDayChanged: value => root.write(index, SwitchTimeListModel.EndDayRole, value)
            onEndTimeChanged: value => root.write(index, SwitchTimeListModel.EndTimeRole, value)
            onPulseTimeChanged: value => root.write(index, SwitchTimeListModel.PulsTimeRole, value)
            onPauseTimeChanged: value => root.write(index, SwitchTimeListModel.PauseTimeRole, value)
            onSelect: mouse => root.selectRow(index, mouse)
        }
        footer: SwitchTableFooter {
            width: list.width
            stViewController: root.stViewController
            astroMode: root.astroMode
            lightMode: root.lightMode
            hasImpuls: root.hasImpuls
            hasZyclus: root.hasZyclus
            onCreated: list.positionViewAtEnd()
            onRightClicked: root.openContextMenu()
        }
    }

    TableContextMenu {
        id: contextMenu
        objectName: "tableContextMenu"
        canCopy: root.undoModel ? root.undoModel.selectionCount > 0 : false
        canPaste: root.canPaste
        canSelectAll: root.stViewController ? root.stViewController.totalSwitchCount > 0 : false
        onAboutToShow: root.updateCanPaste()
        onCopy: root.undoModel.copySelected()
        onCut: {
            root.undoModel.copySelected()
            root.undoModel.removeSelected()
        }
        onPaste: if (root.visible) root.stViewController.paste()
        onDel: root.undoModel.removeSelected()
        onSelectAll: root.undoModel.isAllSelected = true
    }
}
