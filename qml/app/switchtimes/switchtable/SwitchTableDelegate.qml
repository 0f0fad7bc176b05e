import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// One row of the switch table. Edits are reported; the table writes them to the model.
Item {
    id: row

    required property var table
    required property int index
    // The row's roles; the change signals below carry the user's edits.
    required property var model
    readonly property int rowType: model.type
    readonly property int rowState: model.state
    readonly property int dayMask: model.startDays
    readonly property int endDayIndex: model.endDay
    readonly property bool endless: model.endless
    readonly property bool selected: model.selected

    readonly property bool isFixed: rowType === 3
    readonly property bool isCycle: rowType === 2
    readonly property bool isOn: rowState === 1 || rowState === 3
    // The start days as seven booleans, Monday first: button i is bit 7 - i.
    readonly property var startDayList: {
        const days = []
        for (let day = 0; day < 7; ++day)
            days.push(dayMask > 0 && (dayMask & (1 << (7 - day))) !== 0)
        return days
    }
    readonly property var endDayList: {
        const days = []
        for (let day = 0; day < 7; ++day)
            days.push(day === endDayIndex)
        return days
    }
    readonly property var typeEntries: {
        if (isFixed)
            return [{text: isOn ? bindTr("Generic", "Fix Ein") : bindTr("Generic", "Fix Aus"), type: 3}]
        const list = [{text: bindTr("SwitchTimeTable", "Schaltzeit"), type: 0}]
        if (table.hasImpuls)
            list.push({text: bindTr("SwitchTimeTable", "Impuls"), type: 1})
        if (table.hasZyclus)
            list.push({text: bindTr("SwitchTimeTable", "Zyklus"), type: 2})
        return list
    }

    signal typeChanged(int value)
    // Item has a stateChanged of its own.
    signal switchStateChanged(int value)
    signal startDaysChanged(int value)
    signal startTimeChanged(date value)
    signal endDayChanged(int value)
    signal endTimeChanged(date value)
    signal pulseTimeChanged(date value)
    signal pauseTimeChanged(date value)
    signal select(var mouse)

    width: ListView.view ? ListView.view.width : implicitWidth
    // Cycle and fixed rows stack their start and end times.
    height: isCycle || isFixed ? SwitchTableMetrics.rowHeight * 1.6 : SwitchTableMetrics.rowHeight

    // The mask of seven booleans; no day is 0, never -1.
    function maskOf(days) {
        let mask = 0
        for (let day = 0; day < 7; ++day) {
            if (days[day])
                mask |= 1 << (7 - day)
        }
        return mask
    }
    function firstStartDay() {
        return startDayList.indexOf(true)
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onClicked: mouse => row.select(mouse)
    }
    Rectangle {
        anchors.fill: parent
        color: Colors.primaryColor
        opacity: row.selected ? 0.1 : 0
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            Layout.preferredWidth: row.table.columns.number
            Layout.fillHeight: true
            color: Colors.backgroudColorBySwitchTimeState(row.rowType, row.rowState)
            TableCenteredText {
                anchors.fill: parent
                text: row.index + 1
                color: Colors.isDarkColor(parent.color) ? Colors.white : Colors.primaryColor
            }
        }
        Item {
            Layout.preferredWidth: row.table.columns.type
            Layout.fillHeight: true
            TableCellBorder {}
            DefaultCombobox {
                objectName: "typeBox_" + row.index
                anchors.centerIn: parent
                width: parent.width - 2 * Metrics.halfMargin
                model: row.typeEntries.map(entry => entry.text)
                currentIndex: row.typeEntries.findIndex(entry => entry.type === row.rowType)
                onActivated: index => {
                    if (row.typeEntries[index].type !== row.rowType)
                        row.typeChanged(row.typeEntries[index].type)
                }
            }
        }
        Item {
            Layout.preferredWidth: row.table.columns.state
            Layout.fillHeight: true
            TableCellBorder {}
            TableSwitchControl {
                objectName: "stateSwitch_" + row.index
                anchors.centerIn: parent
                visible: !row.isCycle
                checked: row.isOn
                onToggled: on => row.switchStateChanged(row.isFixed ? (on ? 3 : 2) : (on ? 1 : 0))
            }
            Column {
                anchors.centerIn: parent
                visible: row.isCycle
                spacing: 2
                TableCenteredText {
                    width: parent.width
                    text: bindTr("SwitchTimeTable", "Start")
                }
                DefaultCombobox {
                    objectName: "endlessBox_" + row.index
                    width: row.table.columns.state - 2 * Metrics.halfMargin
                    model: [bindTr("SwitchTimeTable", "Ende"), bindTr("SwitchTimeTable", "Endlos")]
                    currentIndex: row.endless ? 1 : 0
                    // A cycle that ends ends on the day after it starts.
                    onActivated: index => row.endDayChanged(index === 1 ? 7 : (Math.max(0, row.firstStartDay()) + 1) % 7)
                }
            }
        }
        Item {
            Layout.preferredWidth: row.table.columns.time
            Layout.fillHeight: true
            TableCellBorder {}
            Column {
                anchors.centerIn: parent
                spacing: 2
                TableTimePicker {
                    objectName: "startTime_" + row.index
                    width: row.table.columns.time - 2 * Metrics.halfMargin
                    height: row.isCycle || row.isFixed ? 30 : 40
                    showSeconds: row.rowType === 1
                    time: row.model.startTime
                    onTimeHasChanged: value => row.startTimeChanged(value)
                }
                TableTimePicker {
                    objectName: "endTime_" + row.index
                    visible: row.isCycle || row.isFixed
                    enabled: !row.endless
                    width: row.table.columns.time - 2 * Metrics.halfMargin
                    height: 30
                    time: row.model.endTime
                    onTimeHasChanged: value => row.endTimeChanged(value)
                }
            }
        }
        Item {
            Layout.preferredWidth: row.table.columns.weekday
            Layout.fillHeight: true
            TableCellBorder {}
            TableWeeksPicker {
                objectName: "weekdays_" + row.index
                anchors.centerIn: parent
                startDays: row.startDayList
                endDays: row.endDayList
                showEnd: row.isFixed || (row.isCycle && !row.endless)
                exclusiveSelection: row.isCycle
                selectEnd: true
                startDayOffset: Math.max(0, calendarSettings.firstDayOfTheWeek.value - 1)
                onNotifyStartChanged: days => row.startDaysChanged(row.maskOf(days))
                onNotifyEndChanged: days => row.endDayChanged(days.indexOf(true))
            }
        }
        Item {
            visible: row.table.hasImpuls
            Layout.preferredWidth: row.table.columns.pulse
            Layout.fillHeight: true
            TableCellBorder { cellEnabled: row.rowType === 1 }
            TableTimePicker {
                objectName: "impulse_" + row.index
                anchors.centerIn: parent
                width: parent.width - 2 * Metrics.halfMargin
                enabled: row.rowType === 1
                showHours: false
                time: row.model.pulsTime
                onTimeHasChanged: value => row.pulseTimeChanged(value)
            }
        }
        Item {
            visible: row.table.hasZyclus
            Layout.preferredWidth: row.table.columns.cycle
            Layout.fillHeight: true
            TableCellBorder { cellEnabled: row.isCycle }
            Row {
                anchors.centerIn: parent
                spacing: Metrics.halfMargin
                TableTimePicker {
                    objectName: "cyclePulse_" + row.index
                    width: row.table.columns.cycle / 2 - Metrics.halfMargin
                    enabled: row.isCycle
                    showSeconds: true
                    hourMaxValue: 17
                    time: row.model.pulsTime
                    onTimeHasChanged: value => row.pulseTimeChanged(value)
                }
                TableTimePicker {
                    objectName: "cyclePause_" + row.index
                    width: row.table.columns.cycle / 2 - Metrics.halfMargin
                    enabled: row.isCycle
                    showSeconds: true
                    hourMaxValue: 17
                    time: row.model.pauseTime
                    onTimeHasChanged: value => row.pauseTimeChanged(value)
                }
            }
        }
        Item {
            Layout.fillWidth: true
            Layout.minimumWidth: row.table.columns.error
            Layout.fillHeight: true
            TableCellBorder {}
            TableCenteredText {
                objectName: "error_" + row.index
                anchors.fill: parent
                anchors.margins: Metrics.halfMargin
                wrapMode: Text.WordWrap
                color: Colors.red
                font.pixelSize: Metrics.fontSize.small
                text: row.model.error !== 0 ? row.table.stViewController.switches.switchErrorsController.errorToString(row.model.error) : ""
            }
        }
    }
}
