import QtQuick
import Tarvino

// The start weekdays and, with `showEnd`, the end weekday of a row: seven buttons each, the
// first one the week's first day. Clicks only report the new choice; the shown one follows
// `startDays` and `endDays` (seven booleans, Monday first).
Column {
    id: picker

    property var startDays: [false, false, false, false, false, false, false]
    property var endDays: [false, false, false, false, false, false, false]
    property bool showEnd: false
    property bool showStart: true
    // Only one start day (cycles).
    property bool exclusiveSelection: false
    // The end row mirrors the start row and is disabled unless exactly one start day is chosen.
    property bool selectEnd: false
    property int startDayOffset: 0

    readonly property int buttonHeight: showStart && showEnd ? 22 : 30
    readonly property int startCount: startDays.filter(day => day).length
    readonly property bool endFollowsStart: selectEnd && startCount !== 1

    signal notifyStartChanged(var days)
    signal notifyEndChanged(var days)

    spacing: 2

    function dayAt(button) {
        return (button + startDayOffset) % 7
    }

    Row {
        visible: picker.showStart
        spacing: 2
        Repeater {
            model: 7
            WeekPickerButton {
                required property int index
                readonly property int day: picker.dayAt(index)
                objectName: "startDay_" + day
                width: SwitchTableMetrics.weekdayButtonWidth
                height: picker.buttonHeight
                checkable: false
                text: calendarSettings.shortWeekDaysUnordered[day] || ""
                checked: picker.startDays[day]
                onClicked: {
                    const days = picker.exclusiveSelection ? [false, false, false, false, false, false, false]
                                                           : picker.startDays.slice()
                    days[day] = picker.exclusiveSelection ? true : !picker.startDays[day]
                    picker.notifyStartChanged(days)
                }
            }
        }
    }
    Row {
        visible: picker.showEnd
        spacing: 2
        enabled: !picker.endFollowsStart
        Repeater {
            model: 7
            WeekPickerButton {
                required property int index
                readonly property int day: picker.dayAt(index)
                objectName: "endDay_" + day
                width: SwitchTableMetrics.weekdayButtonWidth
                height: picker.buttonHeight
                checkable: false
                text: calendarSettings.shortWeekDaysUnordered[day] || ""
                checked: picker.endFollowsStart ? picker.startDays[day] : picker.endDays[day]
                onClicked: {
                    if (picker.endDays[day])
                        return
                    const days = [false, false, false, false, false, false, false]
                    days[day] = true
                    picker.notifyEndChanged(days)
                }
            }
        }
    }
}
