import QtQuick
import QtQuick.Layouts
import Tarvino

// A time of day entered either way: typed, or on the wheels below the field.
ColumnLayout {
    id: picker

    property int time: 0
    property bool showSeconds: false
    property int maxHour: 23

    signal timeHasChanged(int time)

    spacing: Metrics.margin

    function take(value) {
        if (value === time)
            return
        time = value
        timeHasChanged(value)
    }

    EditableTimePicker {
        Layout.alignment: Qt.AlignHCenter
        time: picker.time
        showSeconds: picker.showSeconds
        maxHour: picker.maxHour
        onTimeHasChanged: value => picker.take(value)
    }
    TumblerTimePicker {
        Layout.alignment: Qt.AlignHCenter
        time: picker.time
        showSeconds: picker.showSeconds
        maxHour: picker.maxHour
        onTimeHasChanged: value => picker.take(value)
    }
}
