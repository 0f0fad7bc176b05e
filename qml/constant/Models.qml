pragma Singleton
import QtQuick

// Value lists that several pickers share.
QtObject {
    readonly property var hours: seq(0, 23)
    readonly property var minutes: seq(0, 59)
    readonly property var seconds: seq(0, 59)
    // The light thresholds the devices offer.
    readonly property var luxValues: [2, 3, 5, 7, 10, 15, 20, 30, 40, 50, 75, 100, 150, 200, 300, 500, 750, 1000, 1500, 2000]

    // The numbers from..to, both included.
    function seq(from, to) {
        const values = []
        for (let value = from; value <= to; ++value)
            values.push(value)
        return values
    }

    // A number with at least two digits, as times show it.
    function twoDigits(value) {
        return value < 10 && value >= 0 ? "0" + value : String(value)
    }

    // "hh:mm" of a wall-clock time (the models carry them in UTC).
    function wallTimeText(time) {
        return twoDigits(time.getUTCHours()) + ":" + twoDigits(time.getUTCMinutes())
    }

    // The time pickers report local times of day; the models carry wall-clock times in UTC.
    function wallTimeOf(localTime) {
        return new Date(Date.UTC(2000, 0, 1, localTime.getHours(), localTime.getMinutes(), localTime.getSeconds()))
    }
    function localTimeOf(wallTime) {
        return new Date(2000, 0, 1, wallTime.getUTCHours(), wallTime.getUTCMinutes(), wallTime.getUTCSeconds())
    }

    // Dates in the user's format (1 "31.12.00", 2 "12/31/00", 3 "00-12-31"); without the
    // year for dates that recur every year.
    readonly property int dateFormat: calendarSettings.dateFormat.value

    function dateSeparator() {
        return dateFormat === 2 ? "/" : dateFormat === 3 ? "-" : "."
    }
    function datePattern(hideYear) {
        const separator = dateSeparator()
        const dayMonth = dateFormat === 1 ? ["dd", "MM"] : ["MM", "dd"]
        if (hideYear)
            return dayMonth.join(separator)
        return (dateFormat === 3 ? ["yy"].concat(dayMonth) : dayMonth.concat(["yy"])).join(separator)
    }
    function formatDate(date, hideYear) {
        return Qt.formatDate(date, datePattern(hideYear))
    }
    function dateInputMask(hideYear) {
        return datePattern(hideYear).replace(/[dMy]/g, "0") + ";_"
    }
    // The date a text in the user's format names (years 2000..2099; 2008, a leap year, when
    // the year is hidden), or null when the text names no date.
    function parseDate(text, hideYear) {
        const parts = text.split(dateSeparator()).map(part => parseInt(part, 10))
        const fields = datePattern(hideYear).split(dateSeparator())
        if (parts.length !== fields.length || parts.some(isNaN))
            return null
        const value = field => parts[fields.indexOf(field)]
        const year = hideYear ? 2008 : 2000 + value("yy")
        const date = new Date(year, value("MM") - 1, value("dd"))
        if (date.getMonth() !== value("MM") - 1 || date.getDate() !== value("dd"))
            return null
        return date
    }
}
