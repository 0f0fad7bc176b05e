import QtQuick
import QtQuick.Layouts
import Tarvino

// One delay of the channel in minutes and seconds; each edit writes it.
RowLayout {
    id: row

    property string label
    property date time
    signal timeEdited(date time)

    spacing: Metrics.margin

    DefaultText {
        Layout.preferredWidth: 200
        text: row.label
    }
    TableTimePicker {
        objectName: row.objectName + "Picker"
        showHours: false
        time: row.time
        onTimeHasChanged: time => row.timeEdited(time)
    }
    DefaultText {
        text: bindTr("Light settings", "mm:ss", "light setting delay format")
        color: Colors.secondaryColor
    }
}
