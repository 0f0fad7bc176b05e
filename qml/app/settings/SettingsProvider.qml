pragma Singleton
import QtQuick

// The choice lists of the settings pages. Texts are formed through bindTr, so every list is
// formed again when the interface language changes. Like the shell's other singletons it does
// not import the module "Tarvino".
QtObject {
    id: provider

    readonly property var timeFormat: [bindTr("Generic", "24 h", "Time format 12h or 24h"),
                                       bindTr("Generic", "12 h", "Time format 12h or 24h")]
    readonly property var dateFormat: calendarSettings.dateFormat
    readonly property var weekDays: calendarSettings.firstDayOfTheWeek
    readonly property var lcdState: [bindTr("Program settings", "Nach 1 Minute aus", "LCD state"),
                                     bindTr("Program settings", "Immer Ein", "LCD state")]
    readonly property var easterRule: [bindTr("Program settings", "Standard", "Easter rule"),
                                       bindTr("Program settings", "Orthodoxe Kirche", "Easter rule")]
    readonly property var channelCombination: [
        bindTr("Program settings", "Inaktiv", "Channel combination"),
        bindTr("Program settings", "Kanalverriegelung", "Channel combination"),
        bindTr("Program settings", "Programmumschaltung", "Channel combination")]
    readonly property var channelCombinationChangeover: [
        bindTr("Generic", "Montag"), bindTr("Generic", "Dienstag"), bindTr("Generic", "Mittwoch"),
        bindTr("Generic", "Donnerstag"), bindTr("Generic", "Freitag"), bindTr("Generic", "Samstag"),
        bindTr("Generic", "Sonntag"), bindTr("Generic", "Jeden Tag")]
    readonly property var channelFunctions: [bindTr("New project", "Zeitschaltprogramm"),
                                             bindTr("New project", "Astroprogramm")]
    readonly property var externalInputWithoutSwitch: [
        bindTr("Program settings", "Inaktiv", "External input"),
        bindTr("Program settings", "Taster", "External input")]
    readonly property var externalInput: externalInputWithoutSwitch.concat(
        [bindTr("Program settings", "Schalter", "External input")])
    // What a push button on the external input does (externalTasterFunction): 1 is the timer,
    // 2 the staircase light; twilight models have more.
    readonly property var pushButtonInput: [
        bindTr("Program settings", "Handschaltung", "Push button"),
        bindTr("Program settings", "Timer", "Push button"),
        bindTr("Program settings", "Treppenlicht", "Push button")]
    readonly property var pushButtonInputAstro: [
        bindTr("Program settings", "Handschaltung bis Sonnenereignis", "Push button"),
        pushButtonInput[1], pushButtonInput[2]]
    readonly property var pushButtonInputNocta: pushButtonInput.concat(
        [bindTr("Program settings", "Luxwert übernehmen", "Push button")])
    readonly property var pushButtonInputNoctaWithToggle: pushButtonInputNocta.concat(
        [bindTr("Program settings", "Umschalten", "Push button")])
    // The state the timer holds (externalStatus) and whether a press restarts the staircase
    // light (externalResettable).
    readonly property var pushButtonInputTimerRule: [bindTr("Generic", "Aus"), bindTr("Generic", "Ein")]
    readonly property var pushButtonInputStaircaseRule: [
        bindTr("Program settings", "Nicht nachschaltbar", "Staircase light"),
        bindTr("Program settings", "Nachschaltbar", "Staircase light")]
    // The years a yearly program can start in.
    readonly property var years: {
        const list = []
        for (let year = 2023; year <= soWiSpecifics.lastYear; ++year)
            list.push(String(year))
        return list
    }

    // The date pattern of the calendar's date format (1, 2 or 3), with or without years.
    function currentDateFormat(hideYears) {
        const withYears = ["dd.MM.yy", "MM/dd/yy", "yy-MM-dd"]
        const withoutYears = ["dd.MM", "MM/dd", "MM-dd"]
        const format = calendarSettings.dateFormat.value
        const index = format >= 1 && format <= 3 ? format - 1 : 0
        return hideYears ? withoutYears[index] : withYears[index]
    }

    readonly property QtObject soWiSpecifics: QtObject {
        // The "Inaktiv" entry of holidayState().
        readonly property int inactiveHolidayIndex: 0
        // The years of the summer/winter table. The last is that of every date picker too: the
        // last year that project files and device images hold.
        readonly property int firstYear: 2008
        readonly property int lastYear: 2099
        readonly property date lastDate: new Date(lastYear, 11, 31)
        // The own rule chooses per direction between a weekday rule and a fixed date.
        readonly property int weekdayRule: 0
        readonly property int fixedDate: 1
        // Where the models without rules of their own keep the free rule.
        readonly property int freeRule: 7
    }

    // The weeks of a month a rule names: index 4 is the last week.
    readonly property var weekRule: [bindTr("Program settings", "1.", "Week rule"),
                                     bindTr("Program settings", "2.", "Week rule"),
                                     bindTr("Program settings", "3.", "Week rule"),
                                     bindTr("Program settings", "4.", "Week rule"),
                                     bindTr("Program settings", "Letzte", "Week rule")]
    readonly property var months: {
        const locale = Qt.locale(localeService.localeCode)
        const list = []
        for (let month = 0; month < 12; ++month)
            list.push(locale.standaloneMonthName(month, Locale.LongFormat))
        return list
    }
    readonly property var hours: {
        const list = []
        for (let hour = 0; hour < 24; ++hour)
            list.push((hour < 10 ? "0" : "") + hour + ":00")
        return list
    }

    // The presets of the rules that fix their switch days, by name: week (4 the last), month
    // (0 January), hour and weekday (0 Monday) of the switch into summer time (wiSo) and back
    // (soWi). The own rule starts as the European one.
    readonly property var soWiRuleData: ({
        europe: { wiSoWeek: 4, wiSoMonth: 2, wiSoHour: 2, wiSoWeekDay: 6, soWiWeek: 4, soWiMonth: 9, soWiHour: 3, soWiWeekDay: 6 },
        westEurope: { wiSoWeek: 4, wiSoMonth: 2, wiSoHour: 1, wiSoWeekDay: 6, soWiWeek: 4, soWiMonth: 9, soWiHour: 2, soWiWeekDay: 6 },
        eastEurope: { wiSoWeek: 4, wiSoMonth: 2, wiSoHour: 3, wiSoWeekDay: 6, soWiWeek: 4, soWiMonth: 9, soWiHour: 4, soWiWeekDay: 6 },
        canada: { wiSoWeek: 1, wiSoMonth: 2, wiSoHour: 2, wiSoWeekDay: 6, soWiWeek: 0, soWiMonth: 10, soWiHour: 2, soWiWeekDay: 6 },
        usa: { wiSoWeek: 1, wiSoMonth: 2, wiSoHour: 2, wiSoWeekDay: 6, soWiWeek: 0, soWiMonth: 10, soWiHour: 2, soWiWeekDay: 6 },
        newZealand: { wiSoWeek: 4, wiSoMonth: 8, wiSoHour: 2, wiSoWeekDay: 6, soWiWeek: 0, soWiMonth: 3, soWiHour: 3, soWiWeekDay: 6 },
        australia: { wiSoWeek: 0, wiSoMonth: 9, wiSoHour: 2, wiSoWeekDay: 6, soWiWeek: 0, soWiMonth: 3, soWiHour: 3, soWiWeekDay: 6 },
        ownRule: { wiSoWeek: 4, wiSoMonth: 2, wiSoHour: 2, wiSoWeekDay: 6, soWiWeek: 4, soWiMonth: 9, soWiHour: 3, soWiWeekDay: 6 }
    })
    // The standard rules 1 .. 5 by their number.
    readonly property var standardSoWiRules: [null, "europe", "westEurope", "eastEurope", "canada", "usa"]

    // The rule list of a model; the position of an entry is the rule number that is stored. The
    // own table is edited on the desktop only (`onDesktop`), and never for a device being reset.
    function soWiRules(deviceOt2, resetUseCase, onDesktop) {
        const known = deviceService.exists(deviceOt2)
        const list = [bindTr("Program settings", "Kein So/Wi"), bindTr("Program settings", "Europa"),
                      bindTr("Program settings", "GB/IRL/P"), bindTr("Program settings", "FIN/GR/TR"),
                      bindTr("Program settings", "Kanada"), bindTr("Program settings", "USA")]
        if (!known || deviceService.hasIranDaylightSavingsRules(deviceOt2))
            list.push(bindTr("Program settings", "IRAN"))
        if (known && !deviceService.hasCustomDaylightSavingsRules(deviceOt2)) {
            list.push(bindTr("Program settings", "Freie Regel"), bindTr("Program settings", "Fixes Datum"),
                      bindTr("Program settings", "Australien"))
            return list
        }
        list.push(bindTr("Program settings", "Neuseeland"))
        if (deviceService.hasInternalBleModule(deviceOt2))
            list.push(bindTr("Program settings", "Australien"))
        list.push(bindTr("Program settings", "Eigene Regel"))
        if (onDesktop && !resetUseCase)
            list.push(bindTr("Program settings", "Eigene Tabelle"))
        return list
    }

    function holidayState(hasRandomHolidaysStatus, isNocta) {
        const list = [bindTr("Program settings", "Inaktiv", "Holiday state"), bindTr("Generic", "Aus"),
                      bindTr("Generic", "Ein")]
        if (isNocta)
            list.push(bindTr("Program settings", "Nur Lux"))
        if (hasRandomHolidaysStatus)
            list.push(bindTr("Generic", "Zufall 1"), bindTr("Generic", "Zufall 2"))
        return list
    }

    function timerState() {
        return [bindTr("Generic", "Aus"), bindTr("Generic", "Ein"), bindTr("Generic", "Beenden Timer")]
    }

    function accidentState() {
        return [bindTr("Generic", "Aus"), bindTr("Generic", "Zufall 1"), bindTr("Generic", "Zufall 2")]
    }

    // What a closed switch on the external input does (externalSwitchFunction).
    function switchButtonModel(deviceOt2) {
        const list = [bindTr("Direct commands", "Dauer Ein", "Channel mode"),
                      bindTr("Direct commands", "Dauer Aus", "Channel mode")]
        if (deviceService.hasVaccancy(deviceOt2))
            list.push(bindTr("Program settings", "Ferien", "External input"))
        return list
    }

    function switchButtonAstroModel(deviceOt2) {
        return switchButtonModel(deviceOt2).concat([bindTr("Astro settings", "Astro inaktiv")])
    }

    function switchButtonNocta(hasLuxOnly, hasExtraProgram) {
        const list = [bindTr("Direct commands", "Dauer Ein", "Channel mode"),
                      bindTr("Direct commands", "Dauer Aus", "Channel mode")]
        if (hasLuxOnly)
            list.push(bindTr("Program settings", "Nur Lux"))
        if (hasExtraProgram)
            list.push(bindTr("Program settings", "Sonderprogramm", "External input"))
        return list
    }

    // The standard program and the extra programs 1 .. programs - 3.
    function switchingProgramModel(programs) {
        const list = [bindTr("ProgramView", "Standardprogramm")]
        for (let program = 1; program <= programs - 3; ++program)
            list.push(bindTr("ProgramView", "Sonderprogramm %1").arg(program))
        return list
    }

    // The entries of the channel lists: the channels 0 .. channelNumber - 1 and, with the
    // extension module, 4 .. 7; only those of `channelType` when it is given; highlighted unless
    // listed in `emptyChannels`.
    function channelEntries(project, channelType, emptyChannels) {
        if (!project)
            return []
        const channels = []
        for (let index = 0; index < project.channelNumber; ++index)
            channels.push(index)
        if (project.extensionModule) {
            for (let index = 4; index <= 7; ++index)
                channels.push(index)
        }
        const typed = channelType !== undefined && channelType !== null
        return channels.filter(index => !typed || project.channel(index).channelType === channelType).map(index => ({
            name: bindTr("Direct commands", "Kanal") + " " + (index + 1),
            channelIndex: index,
            extension: index >= 4,
            highlighted: !emptyChannels || emptyChannels.indexOf(index) < 0
        }))
    }

    // A list model of entries (roles "name", "channelIndex", "extension", "highlighted").
    function listModel(parent, entries) {
        const model = channelListModel.createObject(parent)
        for (const entry of entries)
            model.append(entry)
        return model
    }

    function channelModel(parent, project, channelType, emptyChannels) {
        return listModel(parent, channelEntries(project, channelType, emptyChannels))
    }

    // The channel list cut to the entries first .. last.
    function partialChannelModel(parent, project, first, last) {
        return listModel(parent, channelEntries(project).slice(first, last + 1))
    }

    // "Inaktiv" with value 0, then every channel but `channel`, valued by its number from 1.
    function signalingChannelModel(parent, project, channel) {
        const others = channelEntries(project).filter(entry => entry.channelIndex !== channel)
                                              .map(entry => Object.assign(entry, {channelIndex: entry.channelIndex + 1}))
        const inactive = {name: bindTr("Program settings", "Inaktiv"), channelIndex: 0, extension: false,
                          highlighted: true}
        return listModel(parent, [inactive].concat(others))
    }

    property Component channelListModel: Component {
        ListModel {
            // The row whose `role` holds `value`, -1 when none does.
            function indexByValue(role, value) {
                for (let row = 0; row < count; ++row) {
                    if (get(row)[role] === value)
                        return row
                }
                return -1
            }
        }
    }
}
