import QtQuick
import QtQuick.Layouts
import Tarvino

// A titled time with its weekdays (a bit set, Monday 128 .. Sunday 2). Clicks on the days only
// report the new choice; the shown days follow `selectedDays`.
ColumnLayout {
    id: row

    property alias title: timeRow.title
    property alias time: timeRow.time
    property alias showSeconds: timeRow.showSeconds
    property alias pickerName: timeRow.pickerName
    property int selectedDays: 0
    property bool exclusive: false
    property bool daysEnabled: true
    property alias dayButtonName: days.buttonName

    signal timeHasChanged(date time)
    signal daysChosen(int days)

    spacing: Metrics.spacing

    TimeEditionRow {
        id: timeRow
        Layout.fillWidth: true
        onTimeHasChanged: value => row.timeHasChanged(value)
    }
    WeekPicker {
        id: days
        Layout.alignment: Qt.AlignHCenter
        enabled: row.daysEnabled
        exclusive: row.exclusive
        selectedDays: row.selectedDays
        onSelectedDaysChanged: {
            if (selectedDays === row.selectedDays)
                return
            const chosen = selectedDays
            selectedDays = Qt.binding(() => row.selectedDays)
            row.daysChosen(chosen)
        }
    }
}
