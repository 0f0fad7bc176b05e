pragma Singleton
import QtQuick
import Tarvino

// The label lists of the date-range views. Texts are formed through bindTr, so every list is
// formed again when the interface language changes.
QtObject {
    readonly property int easterFirst: -81
    readonly property int easterLast: 174
    readonly property int cnyFirst: -20
    readonly property int cnyLast: 20

    // Index offset + 81.
    readonly property var easterOffsets: {
        const named = {
            "-2": bindTr("Easter rules", "Karfreitag"),
            "-1": bindTr("Easter rules", "1 Tag vor Ostersonntag"),
            "0": bindTr("Easter rules", "Ostersonntag"),
            "1": bindTr("Easter rules", "Ostermontag"),
            "39": bindTr("Easter rules", "Christi Himmelfahrt"),
            "49": bindTr("Easter rules", "Pfingstsonntag"),
            "50": bindTr("Easter rules", "Pfingstmontag"),
            "60": bindTr("Easter rules", "Fronleichnam")
        }
        const list = []
        for (let offset = easterFirst; offset <= easterLast; ++offset) {
            const name = named[String(offset)]
            if (name !== undefined)
                list.push(name)
            else if (offset < 0)
                list.push(bindTr("Easter rules", "%1 Tag(e) vor Ostersonntag", "", -offset).arg(-offset))
            else
                list.push(bindTr("Easter rules", "%1 Tag(e) nach Ostersonntag", "", offset).arg(offset))
        }
        return list
    }
    // Index offset + 20.
    readonly property var cnyOffsets: {
        const list = []
        for (let offset = cnyFirst; offset <= cnyLast; ++offset) {
            if (offset < 0)
                list.push(bindTr("Cny rules", "%1 Tag(e) vor Chinese NY", "", -offset).arg(-offset))
            else if (offset > 0)
                list.push(bindTr("Cny rules", "%1 Tag(e) nach Chinese NY", "", offset).arg(offset))
            else
                list.push(bindTr("Cny rules", "Chinesisches Neujahr"))
        }
        return list
    }
    readonly property var weekNumbers: [bindTr("DateRangeTable", "Erster"), bindTr("DateRangeTable", "Zweiter"),
                                        bindTr("DateRangeTable", "Dritter"), bindTr("DateRangeTable", "Vierter"),
                                        bindTr("DateRangeTable", "Letzter")]
    readonly property var weekDays: [bindTr("Days", "Montag"), bindTr("Days", "Dienstag"), bindTr("Days", "Mittwoch"),
                                     bindTr("Days", "Donnerstag"), bindTr("Days", "Freitag"), bindTr("Days", "Samstag"),
                                     bindTr("Days", "Sonntag")]
    readonly property var frequencies: [bindTr("DateRangeTable", "jeden Monat"), bindTr("DateRangeTable", "im Januar"),
                                        bindTr("DateRangeTable", "im Februar"), bindTr("DateRangeTable", "im März"),
                                        bindTr("DateRangeTable", "im April"), bindTr("DateRangeTable", "im Mai"),
                                        bindTr("DateRangeTable", "im Juni"), bindTr("DateRangeTable", "im Juli"),
                                        bindTr("DateRangeTable", "im August"), bindTr("DateRangeTable", "im September"),
                                        bindTr("DateRangeTable", "im Oktober"), bindTr("DateRangeTable", "im November"),
                                        bindTr("DateRangeTable", "im Dezember")]

    // The names of the lists and editors of the narrow layout, by type (0 .. 5, 6 holidays).
    readonly property var rangeTypeNames: [bindTr("Extra program", "Fixes Datum"), bindTr("Extra program", "Fixes Datum jedes Jahr"),
                                           bindTr("Extra program", "Osterregel"), bindTr("Extra program", "Reihe von Tagen"),
                                           bindTr("Extra program", "Regel für Wochentage"),
                                           bindTr("Extra program", "Chinesisches Neujahr"), bindTr("Extra program", "Feiertage")]

    // The date-range types by number (0 .. 5); the extended ones only where the device has them.
    function dateRangeTypes(extended) {
        const list = [{text: bindTr("DateRangeTable", "Festes Datum"), type: 0},
                      {text: bindTr("DateRangeTable", "Festes Datum jedes Jahr"), type: 1},
                      {text: bindTr("DateRangeTable", "Osterregel"), type: 2}]
        if (extended)
            list.push({text: bindTr("DateRangeTable", "Reihe von Tagen"), type: 3},
                      {text: bindTr("DateRangeTable", "Regel für Wochentage"), type: 4},
                      {text: bindTr("DateRangeTable", "Chinesisches Neujahr"), type: 5})
        return list
    }

    // The programs of an astronomic extra program: the first switches off and the second on,
    // the first in the time the channel is on (the night when it switches on at sunset).
    function astroProgramTitle(second, onSunset) {
        const night = bindTr("Extra program", "Nacht")
        const day = bindTr("Extra program", "Tag")
        return second ? bindTr("Extra program", "%1 Einschalten").arg(onSunset ? day : night)
                      : bindTr("Extra program", "%1 Ausschalten").arg(onSunset ? night : day)
    }

    // An extra program's switch time of day, or "--:--" while it is not used.
    function switchTimeText(active, time) {
        return active && time ? Models.wallTimeText(time) : "--:--"
    }

    // The duration of a week-rule range given in hours: "5d 03h", "< 0", or "> 1 Jahr" above 366 days.
    function weekRuleDurationText(hours) {
        if (hours < 0)
            return "< 0"
        if (hours > 366 * 24)
            return "> 1 " + bindTr("Calendar", "Jahr")
        return "%1d %2h".arg(Math.floor(hours / 24)).arg(String(hours % 24).padStart(2, "0"))
    }
}
