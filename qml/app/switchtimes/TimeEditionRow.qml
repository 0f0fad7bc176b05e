import QtQuick
import QtQuick.Layouts
import Tarvino

// A titled time of the edit form: "hh:mm", "hh:mm:ss" or, without hours, "mm:ss". Edits are
// reported as local times of day; the shown time follows `time`.
RowLayout {
    id: row

    property string title
    property date time: new Date(Date.UTC(2000, 0, 1))
    property bool showHours: true
    property bool showSeconds: false
    property int hourMaxValue: 23
    property alias pickerName: picker.objectName

    signal timeHasChanged(date time)

    spacing: Metrics.margin

    DefaultText {
        Layout.fillWidth: true
        text: row.title
    }
    TableTimePicker {
        id: picker
        Layout.preferredWidth: row.showHours && row.showSeconds ? 110 : 80
        Layout.preferredHeight: 40
        time: row.time
        showHours: row.showHours
        showSeconds: row.showSeconds
        hourMaxValue: row.hourMaxValue
        onTimeHasChanged: value => row.timeHasChanged(value)
    }
}
