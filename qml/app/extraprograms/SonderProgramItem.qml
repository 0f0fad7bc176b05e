import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// One date range of the sorted list: its type, start and end, and what its type adds (the
// length of a week rule, the interval of a series), with its fault. In the copy mode it shows
// whether it is chosen, in the delete mode that a tap removes it.
ItemDelegate {
    id: item

    required property int index
    required property var model
    // ExtraProgramViewController.SelectionMode.
    property int selectionMode: 0
    readonly property int rangeType: model.type
    readonly property bool hasOffsets: rangeType === 2 || rangeType === 5
    readonly property bool isWeekRule: rangeType === 4

    width: ListView.view ? ListView.view.width : implicitWidth
    padding: 0
    background: Rectangle {
        color: item.down ? Colors.delightBlue : item.model.selected ? Colors.lightGrey : Colors.white
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Colors.delightGrey
        }
    }

    // The model carries wall-clock readings in UTC.
    function dateText(value) {
        return Models.formatDate(new Date(value.getUTCFullYear(), value.getUTCMonth(), value.getUTCDate()), rangeType === 1)
    }
    function timeText(value) {
        return [value.getUTCHours(), value.getUTCMinutes()].map(Models.twoDigits).join(":")
    }
    function dayText(dateValue, offset) {
        if (hasOffsets) {
            const labels = rangeType === 5 ? DateRangeProvider.cnyOffsets : DateRangeProvider.easterOffsets
            return labels[offset - (rangeType === 5 ? DateRangeProvider.cnyFirst : DateRangeProvider.easterFirst)] || ""
        }
        return dateText(dateValue)
    }
    function weekRuleText() {
        return [DateRangeProvider.weekNumbers[model.weekRuleDay - 1], DateRangeProvider.weekDays[model.weekRuleWeekDay - 1],
                DateRangeProvider.frequencies[model.weekRuleMonth]].join(" ")
    }

    contentItem: RowLayout {
        spacing: Metrics.margin

        Rectangle {
            Layout.preferredWidth: 6
            Layout.fillHeight: true
            color: item.model.error !== "" ? Colors.red : Colors.primaryColor
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.topMargin: Metrics.halfMargin
            Layout.bottomMargin: Metrics.halfMargin
            spacing: 2

            SonderProgramItemRow {
                Layout.fillWidth: true
                caption: bindTr("Extra program", "Typ")
                value: DateRangeProvider.rangeTypeNames[item.rangeType] || DateRangeProvider.rangeTypeNames[6]
                valueName: "rangeTypeName_" + item.index
            }
            SonderProgramItemRow {
                Layout.fillWidth: true
                caption: bindTr("Extra program", "Start")
                value: item.isWeekRule ? item.weekRuleText() : item.dayText(item.model.startDate, item.model.startDay)
                timeValue: item.timeText(item.model.startTime)
                valueName: "rangeStart_" + item.index
                timeName: "rangeStartTime_" + item.index
            }
            SonderProgramItemRow {
                Layout.fillWidth: true
                visible: !item.isWeekRule
                caption: bindTr("Extra program", "Ende")
                value: item.dayText(item.model.endDate, item.model.endDay)
                timeValue: item.timeText(item.model.endTime)
                valueName: "rangeEnd_" + item.index
                timeName: "rangeEndTime_" + item.index
            }
            SonderProgramItemRow {
                Layout.fillWidth: true
                visible: item.isWeekRule
                caption: bindTr("Extra program", "Dauer")
                value: bindTr("Extra program", "%1%2").arg(item.model.duration).arg(bindTr("Calendar", "h"))
                valueName: "rangeDuration_" + item.index
            }
            SonderProgramItemRow {
                Layout.fillWidth: true
                visible: item.rangeType === 3
                caption: bindTr("Extra program", "Wiederholen nach...")
                value: bindTr("Extra program", "%1 Tag(e)").arg(item.model.repeat)
                valueName: "rangeRepeat_" + item.index
            }
            DefaultText {
                objectName: "rangeItemError_" + item.index
                Layout.fillWidth: true
                visible: text !== ""
                wrapMode: Text.WordWrap
                color: Colors.red
                font.pixelSize: Metrics.fontSize.small
                text: item.model.error
            }
        }

        DefaultCheckBox {
            objectName: "rangeCopyCheck_" + item.index
            visible: item.selectionMode === 2
            checkable: false
            checked: item.model.selected
            onClicked: item.clicked()
        }
        ColoredIcon {
            objectName: "rangeDeleteMark_" + item.index
            Layout.rightMargin: Metrics.margin
            visible: item.selectionMode === 1
            source: Icons.close
            iconColor: Colors.red
        }
    }
}
