import QtQuick
import QtQuick.Layouts
import Tarvino

// One on or off instant of the plain editor: its box and its time. The row keeps what the user
// chose until the editor takes it; `time` is a wall-clock time.
RowLayout {
    id: row

    property string title
    property string name
    property bool active: false
    property date time: new Date(Date.UTC(2000, 0, 1))

    spacing: Metrics.margin

    DefaultCheckBox {
        objectName: row.name + "Active"
        Layout.fillWidth: true
        text: row.title + bindTr("Extra program", " (hh:mm)")
        checked: row.active
        onToggled: row.active = checked
    }
    TableTimePicker {
        objectName: row.name + "Time"
        Layout.preferredWidth: 80
        Layout.preferredHeight: 40
        enabled: row.active
        time: row.time
        onTimeHasChanged: value => row.time = Models.wallTimeOf(value)
    }
}
