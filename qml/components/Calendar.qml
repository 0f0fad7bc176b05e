import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// A month grid starting at the user's first day of the week. Days outside minimumDate ..
// maximumDate cannot be chosen (unless `isAlwaysSelectable`), and the months cannot be turned
// past the bounds. With `hideYear` the grid stands for a recurring yearly date: the year is
// not shown and turning the month wraps around the year.
ColumnLayout {
    id: calendar

    property date minimumDate: new Date(2000, 0, 1)
    property date maximumDate: SettingsProvider.soWiSpecifics.lastDate
    property date selectedDate: new Date()
    property int visibleMonth: selectedDate.getMonth()
    property int visibleYear: selectedDate.getFullYear()
    property bool hideYear: false
    property bool isAlwaysSelectable: false
    // Tells the days to mark (holidays), or null; a change of `marksRevision` reads them again.
    property var markedDay: null
    property int marksRevision: 0

    signal clicked(date date)

    spacing: Metrics.spacing

    function dayNumber(date) {
        return date.getFullYear() * 10000 + date.getMonth() * 100 + date.getDate()
    }
    function isSelectable(date) {
        if (isAlwaysSelectable || hideYear)
            return true
        const day = dayNumber(date)
        return day >= dayNumber(minimumDate) && day <= dayNumber(maximumDate)
    }
    function monthNumber(year, month) {
        return year * 12 + month
    }
    readonly property bool canGoBack: hideYear
        || monthNumber(visibleYear, visibleMonth) > monthNumber(minimumDate.getFullYear(), minimumDate.getMonth())
    readonly property bool canGoForward: hideYear
        || monthNumber(visibleYear, visibleMonth) < monthNumber(maximumDate.getFullYear(), maximumDate.getMonth())

    function turnMonth(step) {
        if (step < 0 ? !canGoBack : !canGoForward)
            return
        const month = visibleMonth + step
        visibleMonth = (month + 12) % 12
        if (!hideYear)
            visibleYear += Math.floor(month / 12)
    }
    function select(date) {
        if (!isSelectable(date))
            return
        selectedDate = date
        clicked(date)
    }

    RowLayout {
        Layout.fillWidth: true
        ClickableIcon {
            objectName: "previousMonth"
            source: Icons.chevronLeft
            iconColor: Colors.primaryColor
            mirrorInRightToLeft: true
            enabled: calendar.canGoBack
            onClicked: calendar.turnMonth(-1)
        }
        DesignText {
            objectName: "monthTitle"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            size: Metrics.fontSize.normal
            text: {
                const locale = Qt.locale(localeService.localeCode)
                const month = locale.standaloneMonthName(calendar.visibleMonth, Locale.LongFormat)
                return calendar.hideYear ? month : month + " " + calendar.visibleYear
            }
        }
        ClickableIcon {
            objectName: "nextMonth"
            source: Icons.chevronRight
            iconColor: Colors.primaryColor
            mirrorInRightToLeft: true
            enabled: calendar.canGoForward
            onClicked: calendar.turnMonth(1)
        }
    }

    Grid {
        id: grid
        Layout.alignment: Qt.AlignHCenter
        columns: 7
        spacing: 2
        // The first day of the week: 1 Monday .. 7 Sunday; JavaScript counts Sunday as 0.
        readonly property int firstDay: calendarSettings.firstDayOfTheWeek.value % 7
        // The shown year: with hideYear a leap year, so that 29 February exists.
        readonly property int year: calendar.hideYear ? 2008 : calendar.visibleYear
        readonly property date start: {
            const first = new Date(year, calendar.visibleMonth, 1)
            return new Date(year, calendar.visibleMonth, 1 - (first.getDay() - firstDay + 7) % 7)
        }

        Repeater {
            model: calendarSettings.shortWeekDays
            DefaultText {
                required property string modelData
                width: 40
                height: 28
                text: modelData
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: Metrics.fontSize.small
                color: Colors.secondaryColor
            }
        }
        Repeater {
            model: 42
            Rectangle {
                id: cell
                required property int index
                readonly property date day: new Date(grid.start.getFullYear(), grid.start.getMonth(),
                                                     grid.start.getDate() + index)
                readonly property bool inMonth: day.getMonth() === calendar.visibleMonth
                readonly property bool selectable: inMonth && calendar.isSelectable(day)
                readonly property bool selected: inMonth && day.getMonth() === calendar.selectedDate.getMonth()
                                                 && day.getDate() === calendar.selectedDate.getDate()
                                                 && (calendar.hideYear || day.getFullYear() === calendar.selectedDate.getFullYear())
                readonly property bool marked: inMonth && calendar.markedDay !== null
                                               && (calendar.marksRevision, calendar.markedDay(day))
                objectName: inMonth ? "day_" + day.getDate() : ""
                width: 40
                height: 36
                radius: Metrics.radius
                color: selected ? Colors.primaryColor : "transparent"
                visible: inMonth
                DefaultText {
                    anchors.centerIn: parent
                    text: cell.day.getDate()
                    color: cell.selected ? Colors.white : cell.selectable ? Colors.textColor : Colors.middleGrey
                }
                Rectangle {
                    objectName: cell.marked ? "mark_" + cell.day.getDate() : ""
                    visible: cell.marked
                    anchors.horizontalCenter: parent.horizontalCenter
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: 3
                    width: 5
                    height: 5
                    radius: 2.5
                    color: cell.selected ? Colors.white : Colors.red
                }
                MouseArea {
                    anchors.fill: parent
                    enabled: cell.selectable
                    onClicked: calendar.select(cell.day)
                }
            }
        }
    }
}
