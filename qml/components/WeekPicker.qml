import QtQuick
import QtQuick.Layouts
import Tarvino

// The choice of weekdays as a bit set (Monday 128 .. Sunday 2, bit 1 << (7 - day)), shown
// from the weekday `startDayOffset` (0 Monday .. 6 Sunday) on; `exclusive` allows one day only.
// Every change of `selectedDays` emits `selectedDaysChanged`.
RowLayout {
    id: picker

    property int selectedDays: 0
    property int startDayOffset: calendarSettings.firstDayOfTheWeek.value - 1
    property var shortWeekDays: calendarSettings.shortWeekDaysUnordered
    property bool exclusive: false
    // Two pickers on one page tell their buttons apart by it.
    property string buttonName: "weekday_"

    spacing: Metrics.spacing

    function bit(day) {
        return 1 << (7 - day)
    }
    function toggle(day) {
        if (exclusive)
            selectedDays = bit(day)
        else
            selectedDays ^= bit(day)
    }

    Repeater {
        model: 7
        WeekPickerButton {
            required property int index
            readonly property int day: (picker.startDayOffset + index) % 7
            objectName: picker.buttonName + day
            text: picker.shortWeekDays[day] || ""
            checked: (picker.selectedDays & picker.bit(day)) !== 0
            onClicked: picker.toggle(day)
        }
    }
}
