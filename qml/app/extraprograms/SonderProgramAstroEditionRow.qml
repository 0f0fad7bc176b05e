import QtQuick
import QtQuick.Layouts
import Tarvino

// One program of the astronomic editor: whether it is used, its start and its end. The row keeps
// what the user chose until the editor takes it; the times are wall-clock times.
ColumnLayout {
    id: row

    property string title
    property string name
    property bool active: false
    property date startTime: new Date(Date.UTC(2000, 0, 1))
    property date endTime: new Date(Date.UTC(2000, 0, 1))

    spacing: Metrics.spacing

    component TimeRow: RowLayout {
        id: timeRow
        property bool active: false
        property alias text: label.text
        property alias pickerName: picker.objectName
        property alias time: picker.time
        signal picked(date time)
        Layout.fillWidth: true
        Layout.leftMargin: Metrics.largeMargin
        spacing: Metrics.margin
        DefaultText {
            id: label
            Layout.fillWidth: true
            color: timeRow.active ? Colors.textColor : Colors.middleGrey
        }
        TableTimePicker {
            id: picker
            Layout.preferredWidth: 80
            Layout.preferredHeight: 40
            enabled: timeRow.active
            onTimeHasChanged: value => timeRow.picked(Models.wallTimeOf(value))
        }
    }

    DefaultCheckBox {
        objectName: row.name + "Active"
        text: row.title
        checked: row.active
        onToggled: row.active = checked
    }
    TimeRow {
        active: row.active
        text: bindTr("Extra program", "Startzeit") + bindTr("Extra program", " (hh:mm)")
        pickerName: row.name + "Start"
        time: row.startTime
        onPicked: time => row.startTime = time
    }
    TimeRow {
        active: row.active
        text: bindTr("Extra program", "Dauer bis") + bindTr("Extra program", " (hh:mm)")
        pickerName: row.name + "End"
        time: row.endTime
        onPicked: time => row.endTime = time
    }
}
