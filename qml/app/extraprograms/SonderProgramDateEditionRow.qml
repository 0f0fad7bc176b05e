import QtQuick
import QtQuick.Layouts
import Tarvino

// The start or the end of a range in its editor: the day (a date, or a day counted from Easter
// or the Chinese New Year) and the time of day. Choices are only reported; the shown values
// follow the properties.
ColumnLayout {
    id: row

    property string title
    // "start" or "end": the names of the fields.
    property string fieldName
    property bool showDay: true
    property bool selectYear: true
    // Labels of the day counts, empty for a date; the first label is the count `offsetFirst`.
    property var offsetLabels: []
    property int offsetFirst: 0
    property int offset: 0
    property date day: new Date()
    property date time: new Date(0)
    readonly property bool hasOffsets: offsetLabels.length > 0

    signal dateChosen(date date)
    signal offsetChosen(int offset)
    signal timeChosen(date time)

    spacing: Metrics.spacing

    DesignText {
        visible: row.title !== ""
        text: row.title
        size: Metrics.fontSize.normal
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: Metrics.margin
        ColumnLayout {
            Layout.fillWidth: true
            visible: row.showDay
            spacing: 2
            DefaultText {
                text: bindTr("Extra program", "Datum")
                color: Colors.secondaryColor
                font.pixelSize: Metrics.fontSize.small
            }
            TableDatePicker {
                objectName: row.fieldName + "DatePicker"
                visible: !row.hasOffsets
                selectYear: row.selectYear
                currentDate: row.day
                onDateHasChanged: date => row.dateChosen(date)
            }
            DefaultCombobox {
                objectName: row.fieldName + "OffsetChooser"
                Layout.fillWidth: true
                visible: row.hasOffsets
                model: row.offsetLabels
                currentIndex: row.offset - row.offsetFirst
                onActivated: index => row.offsetChosen(index + row.offsetFirst)
            }
        }
        ColumnLayout {
            Layout.alignment: Qt.AlignBottom
            spacing: 2
            DefaultText {
                text: bindTr("Extra program", "Uhrzeit") + bindTr("Extra program", " (hh:mm)")
                color: Colors.secondaryColor
                font.pixelSize: Metrics.fontSize.small
            }
            TableTimePicker {
                objectName: row.fieldName + "TimePicker"
                time: row.time
                onTimeHasChanged: time => row.timeChosen(time)
            }
        }
        Item {
            Layout.fillWidth: !row.showDay
        }
    }
}
