import QtQuick
import QtQuick.Controls
import Tarvino

// The date ranges of an extra program as an editable table: a row per range in list order, the
// header with the select-all box and the footer that adds ranges. Its list model is the undo
// model of the Bearbeiten menu; the context menu serves that menu too.
Item {
    id: root

    required property var epViewController
    readonly property var undoModel: epViewController ? epViewController.dateRanges : null
    readonly property alias localContextMenu: contextMenu
    readonly property int dateRangeCount: epViewController ? epViewController.dateRangeCount : 0
    readonly property bool hasExtendedDateRanges: epViewController ? epViewController.hasExtendedDateRanges : false
    readonly property var columns: ({
        number: DateTableMetrics.numberWidth,
        type: DateTableMetrics.typeWidth,
        start: DateTableMetrics.dateWidth + DateTableMetrics.timeWidth + 3 * Metrics.halfMargin,
        end: DateTableMetrics.dateWidth + DateTableMetrics.timeWidth + 3 * Metrics.halfMargin,
        duration: DateTableMetrics.durationWidth,
        repeat: DateTableMetrics.repeatWidth,
        error: DateTableMetrics.errorWidth
    })
    // The row a Shift-click extends from.
    property int lastClicked: -1
    property bool canPaste: false

    function updateCanPaste() {
        canPaste = epViewController ? epViewController.canPaste() : false
    }
    function write(row, role, value) {
        undoModel.setData(undoModel.index(row, 0), value, role)
    }
    function isSelected(row) {
        return undoModel.data(undoModel.index(row, 0), DateRangeListModel.SelectedRole)
    }
    function selectOnly(row) {
        undoModel.clearSelection()
        write(row, DateRangeListModel.SelectedRole, true)
    }
    function selectRow(row, mouse) {
        if (mouse.button === Qt.RightButton) {
            if (undoModel.selectionCount < 2)
                selectOnly(row)
            openContextMenu()
        } else if ((mouse.modifiers & Qt.ShiftModifier) && lastClicked >= 0) {
            undoModel.selectRange(lastClicked, row)
        } else if (mouse.modifiers & Qt.ControlModifier) {
            write(row, DateRangeListModel.SelectedRole, !isSelected(row))
        } else {
            const several = undoModel.selectionCount > 1
            const wasSelected = isSelected(row)
            undoModel.clearSelection()
            if (several || !wasSelected)
                write(row, DateRangeListModel.SelectedRole, true)
        }
        if (undoModel.selectionCount > 0)
            lastClicked = row
    }
    function openContextMenu() {
        updateCanPaste()
        contextMenu.popup()
    }

    Component.onCompleted: updateCanPaste()
    onEpViewControllerChanged: updateCanPaste()
    Connections {
        target: root.epViewController
        function onHasCopyChanged() { root.updateCanPaste() }
        function onHasClipboardDataChanged() { root.updateCanPaste() }
        function onUnsupportedDateRanges() { unsupportedPopup.open() }
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

    // The header stands above the list, so that it stays in view however far the rows scroll.
    DateTableHeader {
        id: header
        objectName: "dateTableHeader"
        width: parent.width
        table: root
        onRightClicked: root.openContextMenu()
    }
    ListView {
        id: list
        objectName: "dateTable"
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        clip: true
        model: root.undoModel
        // No current row: the list would scroll to follow it.
        currentIndex: -1
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}
        delegate: DateTableDelegate {
            table: root
            objectName: "dateRow_" + index
            onWrite: (role, value) => root.write(index, role, value)
            onSelect: mouse => root.selectRow(index, mouse)
        }
        footer: DateTableFooter {
            objectName: "dateTableFooter"
            width: list.width
            epViewController: root.epViewController
            onCreated: list.positionViewAtEnd()
            onRightClicked: root.openContextMenu()
        }
    }

    TableContextMenu {
        id: contextMenu
        objectName: "dateContextMenu"
        canCopy: root.undoModel ? root.undoModel.selectionCount > 0 : false
        canPaste: root.canPaste
        canSelectAll: root.dateRangeCount > 0
        onAboutToShow: root.updateCanPaste()
        onCopy: root.undoModel.copySelected()
        onCut: {
            root.undoModel.copySelected()
            root.undoModel.removeSelected()
        }
        onPaste: if (root.visible) root.epViewController.paste()
        onDel: root.undoModel.removeSelected()
        onSelectAll: root.undoModel.isAllSelected = true
    }

    ErrorPopUp {
        id: unsupportedPopup
        objectName: "unsupportedDatesPopup"
        contentText: bindTr("DateRangeTable", "Dieses Gerät unterstützt nicht alle Daten.\nEinige Daten wurden nicht übertragen.")
    }
}
