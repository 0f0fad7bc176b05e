import QtQuick
import QtQuick.Layouts
import Tarvino

// The month calendar of a table date picker. Where years may be chosen, "Jahr auswählen" turns
// it into a grid of the years between the bounds; a year picked there shows its month again.
// Holidays of the current set are marked, and the chosen day's holiday is named.
ColumnLayout {
    id: list

    property date currentDate: new Date()
    property date minDate: new Date(2000, 0, 1)
    property date maxDate: SettingsProvider.soWiSpecifics.lastDate
    property bool selectYear: true
    property bool choosingYear: false

    signal clicked(date date)

    spacing: Metrics.spacing

    function show(date) {
        choosingYear = false
        calendar.visibleMonth = date.getMonth()
        calendar.visibleYear = date.getFullYear()
    }

    DefaultButton {
        objectName: "chooseYear"
        Layout.alignment: Qt.AlignHCenter
        visible: list.selectYear && !list.choosingYear
        text: bindTr("DateRangeTable", "Jahr auswählen")
        onClicked: list.choosingYear = true
    }
    Calendar {
        id: calendar
        visible: !list.choosingYear
        hideYear: !list.selectYear
        minimumDate: list.minDate
        maximumDate: list.maxDate
        selectedDate: list.currentDate
        markedDay: date => HolidayMap.isHoliday(date)
        marksRevision: HolidayMap.updateHolidays
        onClicked: date => list.clicked(date)
    }
    DefaultText {
        objectName: "dayHolidayName"
        Layout.alignment: Qt.AlignHCenter
        visible: !list.choosingYear && text !== ""
        font.pixelSize: Metrics.fontSize.small
        color: Colors.red
        text: (HolidayMap.updateHolidays, HolidayMap.getName(list.currentDate))
    }
    GridView {
        id: years
        objectName: "yearGrid"
        visible: list.choosingYear
        Layout.preferredWidth: 4 * cellWidth
        Layout.preferredHeight: 6 * cellHeight
        clip: true
        cellWidth: 70
        cellHeight: 40
        model: list.maxDate.getFullYear() - list.minDate.getFullYear() + 1
        // The shown year's line comes third from the top.
        onVisibleChanged: {
            if (visible) {
                const line = Math.floor((calendar.visibleYear - list.minDate.getFullYear()) / 4)
                contentY = Math.max(0, Math.min((line - 2) * cellHeight, contentHeight - height))
            }
        }
        delegate: ToggleButton {
            required property int index
            readonly property int year: list.minDate.getFullYear() + index
            objectName: "year_" + year
            width: years.cellWidth - Metrics.spacing
            text: year
            selected: year === calendar.visibleYear
            onClicked: {
                calendar.visibleYear = year
                list.choosingYear = false
            }
        }
    }
}
