import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// One date range of the sorted list: its type, start and end, and what its type adds (the
// length of a week rule, the interval of a series), the program's own switch times that apply
// on its days, and its fault. In the copy mode it shows whether it is chosen, in the delete
// mode that a tap removes it.
ItemDelegate {
    id: item

    required property int index
    required property var model
    // ExtraProgramViewController.SelectionMode.
    property int selectionMode: 0
    // The ExtraProgramSwitchTimeController of a standard extra program; null for the others.
    property var switchTimes: null
    readonly property int rangeType: model.type
    readonly property bool hasOffsets: rangeType === 2 || rangeType === 5
    readonly property bool isWeekRule: rangeType === 4
    // Astronomic channels and twilight devices switch each program from a start to an end.
    readonly property bool switchesFromTo: switchTimes !== null && (switchTimes.isAstro || switchTimes.isNocta)
    readonly property bool usesProgram1: switchTimes !== null && (switchTimes.isActiveOnProg1 || (!switchesFromTo && switchTimes.isActiveOffProg1))
    readonly property bool usesProgram2: switchTimes !== null && (switchTimes.isActiveOnProg2 || (!switchesFromTo && switchTimes.isActiveOffProg2))

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
        return Models.wallTimeText(value)
    }
    function switchText(active, time) {
        return DateRangeProvider.switchTimeText(active, time)
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
                value: bindTr("Calendar", "%1 Tag(e)", "", item.model.repeat).arg(item.model.repeat)
                valueName: "rangeRepeat_" + item.index
            }
            SonderProgramItemRow {
                Layout.fillWidth: true
                visible: item.usesProgram1 && !item.switchesFromTo
                caption: bindTr("Extra program", "Ein")
                value: visible ? item.switchText(item.switchTimes.isActiveOnProg1, item.switchTimes.onTimeProg1) : ""
                timeCaption: bindTr("Extra program", "Aus")
                timeValue: visible ? item.switchText(item.switchTimes.isActiveOffProg1, item.switchTimes.offTimeProg1) : ""
                valueName: "rangeOn1_" + item.index
                timeName: "rangeOff1_" + item.index
            }
            SonderProgramItemRow {
                Layout.fillWidth: true
                visible: item.usesProgram2 && !item.switchesFromTo
                caption: bindTr("Extra program", "Ein")
                value: visible ? item.switchText(item.switchTimes.isActiveOnProg2, item.switchTimes.onTimeProg2) : ""
                timeCaption: bindTr("Extra program", "Aus")
                timeValue: visible ? item.switchText(item.switchTimes.isActiveOffProg2, item.switchTimes.offTimeProg2) : ""
                valueName: "rangeOn2_" + item.index
                timeName: "rangeOff2_" + item.index
            }
            // The first program switches off from its start to its end, the second on.
            SonderProgramItemRow {
                Layout.fillWidth: true
                visible: item.usesProgram1 && item.switchesFromTo
                caption: bindTr("Extra program", "Aus")
                value: visible ? item.timeText(item.switchTimes.onTimeProg1) : ""
                timeCaption: bindTr("Extra program", "Dauer bis")
                timeValue: visible ? item.timeText(item.switchTimes.offTimeProg1) : ""
                valueName: "rangeFirstStart_" + item.index
                timeName: "rangeFirstEnd_" + item.index
            }
            SonderProgramItemRow {
                Layout.fillWidth: true
                visible: item.usesProgram2 && item.switchesFromTo
                caption: bindTr("Extra program", "Ein")
                value: visible ? item.timeText(item.switchTimes.onTimeProg2) : ""
                timeCaption: bindTr("Extra program", "Dauer bis")
                timeValue: visible ? item.timeText(item.switchTimes.offTimeProg2) : ""
                valueName: "rangeSecondStart_" + item.index
                timeName: "rangeSecondEnd_" + item.index
            }
            SonderProgramItemRow {
                Layout.fillWidth: true
                visible: item.switchTimes !== null && item.switchTimes.isNocta && (item.usesProgram1 || item.usesProgram2)
                caption: bindTr("Generic", "Lux")
                value: visible ? bindTr("Extra program", "Ein") + " " + item.switchTimes.luxValueOn + " lx" : ""
                timeCaption: bindTr("Extra program", "Aus")
                timeValue: visible ? item.switchTimes.luxValueOff + " lx" : ""
                valueName: "rangeLuxOn_" + item.index
                timeName: "rangeLuxOff_" + item.index
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
