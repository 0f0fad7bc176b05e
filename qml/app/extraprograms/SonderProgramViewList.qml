import QtQuick
import QtQuick.Controls
import Tarvino

// The date ranges of an extra program as a sorted list (the narrow layout). A tap opens the range
// editor; in the copy mode it chooses what leaving the mode copies, in the delete mode it
// removes the range.
Item {
    id: listView

    required property var epViewController
    readonly property var sortedDateRanges: epViewController ? epViewController.sortedDateRanges : null
    readonly property int selectionMode: epViewController ? epViewController.selectionMode : 0
    readonly property int dateRangeCount: epViewController ? epViewController.dateRangeCount : 0
    // Only a standard extra program has switch times of its own.
    readonly property var switchTimes: epViewController && epViewController.extraType === ExtraProgramViewController.Standard
                                       ? epViewController.switchTimes : null

    // The sorted row of a range to edit.
    signal editRequested(int sortedRow)

    // The sorted list shows other rows than the list model.
    function listRow(sortedRow) {
        return sortedDateRanges.mapToSource(sortedDateRanges.index(sortedRow, 0)).row
    }
    function tapped(sortedRow) {
        const row = listRow(sortedRow)
        switch (selectionMode) {
        case ExtraProgramViewController.Delete:
            epViewController.remove(row)
            break
        case ExtraProgramViewController.Copy: {
            const ranges = epViewController.dateRanges
            const index = ranges.index(row, 0)
            ranges.setData(index, !ranges.data(index, DateRangeListModel.SelectedRole), DateRangeListModel.SelectedRole)
            break
        }
        default:
            editRequested(sortedRow)
        }
    }

    Connections {
        target: listView.epViewController
        function onUnsupportedDateRanges() { unsupportedPopup.open() }
    }

    ListView {
        id: list
        objectName: "dateRangeList"
        anchors.fill: parent
        clip: true
        model: listView.sortedDateRanges
        boundsBehavior: Flickable.StopAtBounds
        ScrollIndicator.vertical: DefaultScrollIndicator {}
        delegate: SonderProgramItem {
            objectName: "rangeItem_" + index
            selectionMode: listView.selectionMode
            switchTimes: listView.switchTimes
            onClicked: listView.tapped(index)
        }
    }
    ErrorPopUp {
        id: unsupportedPopup
        objectName: "unsupportedDatesPopup"
        contentText: bindTr("DateRangeTable", "Dieses Gerät unterstützt nicht alle Daten.\nEinige Daten wurden nicht übertragen.")
    }
}
