import QtQuick
import QtQuick.Layouts
import Tarvino

// The form of one holiday rule. `initHoliday` comes shortly after opening so that the caller can
// fill the form (fill() takes a rule's view object); "OK" sends a plain copy of the form.
DefaultPopUp {
    id: popup

    readonly property var typeLabels: [bindTr("Holidays", "Jährlich fest"), bindTr("Holidays", "Freie Regel"),
                                       bindTr("Holidays", "Relativ zum Osten"), bindTr("Holidays", "Relativ zu CNY"),
                                       bindTr("Holidays", "Einmal fest")]
    readonly property var hours: {
        const list = []
        for (let hour = 0; hour < 24; ++hour)
            list.push(Models.twoDigits(hour) + ":00")
        return list
    }
    readonly property bool isEaster: form.type === 2
    readonly property var offsetLabels: isEaster ? DateRangeProvider.easterOffsets : DateRangeProvider.cnyOffsets
    readonly property int offsetBase: isEaster ? -DateRangeProvider.easterFirst : -DateRangeProvider.cnyFirst
    readonly property string error: checkError()
    // The fields' name for the form: inside a combo box "popup" names its list.
    readonly property var edition: popup

    signal initHoliday(var holiday)
    signal acceptedWithHoliday(var holiday)

    objectName: "holidayEdition"
    title: bindTr("Holidays", "Feiertag")

    QtObject {
        id: form
        property string name
        property int type: 0
        property int startDay: 0
        property int endDay: 1
        property int weekday: -7
        property int duration: 1
        property date startTime: new Date(2000, 0, 1)
        property date endTime: new Date(2000, 0, 1)
        property date startDate: popup.today(0)
        property date endDate: popup.today(1)
    }
    readonly property alias form: form

    function today(days) {
        const now = new Date()
        return new Date(now.getFullYear(), now.getMonth(), now.getDate() + days)
    }
    function atHour(hour) {
        return new Date(2000, 0, 1, hour)
    }
    // "yyyy-MM-dd..." read as a local date; the hour of a local ISO date-time.
    function dateOf(text) {
        const parts = text.substring(0, 10).split("-").map(Number)
        return new Date(parts[0], parts[1] - 1, parts[2])
    }
    function hourOf(text) {
        return Number(text.substring(11, 13))
    }
    // A new rule's defaults.
    function reset() {
        form.name = ""
        form.type = 0
        form.startDay = 0
        form.endDay = 1
        form.weekday = -7
        form.duration = 1
        form.startTime = atHour(0)
        form.endTime = atHour(0)
        form.startDate = today(0)
        form.endDate = today(1)
    }
    function fill(rule) {
        form.name = rule.name
        form.type = rule.type
        if (rule.startDate !== undefined)
            form.startDate = dateOf(rule.startDate)
        if (rule.endDate !== undefined)
            form.endDate = dateOf(rule.endDate)
        form.startTime = atHour(hourOf(rule.startTime))
        form.endTime = atHour(hourOf(rule.endTime))
        if (rule.startDay !== undefined)
            form.startDay = rule.startDay
        if (rule.endDay !== undefined)
            form.endDay = rule.endDay
        if (rule.weekday !== undefined)
            form.weekday = rule.weekday
        if (rule.duration !== undefined)
            form.duration = rule.duration
    }
    function at(date, time) {
        return new Date(date.getFullYear(), date.getMonth(), date.getDate(), time.getHours())
    }
    function checkError() {
        const identical = bindTr("Extra program", "Start und Ende müssen sich unterscheiden")
        const endFirst = bindTr("Extra program", "Ende muss nach dem Beginn liegen")
        const startHour = form.startTime.getHours()
        const endHour = form.endTime.getHours()
        switch (form.type) {
        case 0:
            return form.startDate.getDate() === form.endDate.getDate() && form.startDate.getMonth() === form.endDate.getMonth()
                   && startHour === endHour ? identical : ""
        case 2:
        case 3:
            if (form.startDay === form.endDay)
                return startHour === endHour ? identical : endHour < startHour ? endFirst : ""
            return form.startDay > form.endDay ? endFirst : ""
        case 4: {
            // A one-off holiday may run over several days: the whole moments count.
            const start = at(form.startDate, form.startTime).getTime()
            const end = at(form.endDate, form.endTime).getTime()
            return start === end ? identical : end < start ? endFirst : ""
        }
        default:
            return ""
        }
    }
    function plainCopy() {
        const stamp = "yyyy-MM-ddTHH:mm:ss"
        return {
            name: form.name.trim(), type: form.type, startDay: form.startDay, endDay: form.endDay,
            weekday: form.weekday, duration: form.duration,
            startTime: Qt.formatDateTime(at(today(0), form.startTime), stamp),
            endTime: Qt.formatDateTime(at(today(0), form.endTime), stamp),
            startDate: Qt.formatDateTime(form.startDate, stamp), endDate: Qt.formatDateTime(form.endDate, stamp)
        }
    }
    // The weekday choice: -7 .. -1 the weekday -c before the base date, 0 .. 6 the weekday c + 1 after it.
    function weekdayLabel(step) {
        const base = Models.formatDate(form.startDate, true)
        if (step < 0)
            return bindTr("Holidays", "%1 vor dem %2", "%1 = day of week, %2 = date").arg(DateRangeProvider.weekDays[-step - 1]).arg(base)
        return bindTr("Holidays", "%1 nach dem %2", "%1 = day of week, %2 = date").arg(DateRangeProvider.weekDays[step]).arg(base)
    }

    Timer {
        id: initTimer
        interval: 50
        onTriggered: popup.initHoliday(form)
    }
    onOpened: initTimer.start()

    component FormLabel: DefaultText {
        Layout.preferredWidth: 160
        color: Colors.secondaryColor
    }

    // The fields are made anew at every opening: a grid kept from the last rule kept the widths of
    // rows it had hidden, and a day list then lay under the hour box beside it.
    Loader {
        Layout.fillWidth: true
        active: popup.visible
        sourceComponent: Component {
            GridLayout {
                columns: 3
                columnSpacing: Metrics.margin
                rowSpacing: Metrics.margin

                FormLabel { text: bindTr("Holidays", "Name des Feiertags") }
                DefaultTextField {
                    objectName: "holidayName"
                    Layout.columnSpan: 2
                    Layout.fillWidth: true
                    text: form.name
                    onTextEdited: form.name = text
                }
                FormLabel { text: bindTr("Holidays", "Art des Feiertags") }
                DefaultCombobox {
                    objectName: "holidayType"
                    Layout.columnSpan: 2
                    Layout.fillWidth: true
                    model: edition.typeLabels
                    currentIndex: form.type
                    onActivated: index => form.type = index
                }

                // Start
                FormLabel {
                    text: form.type === 1 ? bindTr("Holidays", "Wochentag") : bindTr("Holidays", "von")
                }
                EditableCalendarDisplay {
                    objectName: "holidayStartDate"
                    visible: form.type === 0 || form.type === 4
                    hideYear: form.type === 0
                    maximumDate: SettingsProvider.soWiSpecifics.lastDate
                    selectedDate: form.startDate
                    onDateHasChanged: date => form.startDate = date
                }
                DefaultCombobox {
                    objectName: "holidayWeekday"
                    visible: form.type === 1
                    Layout.fillWidth: true
                    model: {
                        const list = []
                        for (let step = -7; step <= 6; ++step)
                            list.push(edition.weekdayLabel(step))
                        return list
                    }
                    currentIndex: form.weekday + 7
                    onActivated: index => form.weekday = index - 7
                }
                DefaultCombobox {
                    objectName: "holidayStartDay"
                    visible: form.type === 2 || form.type === 3
                    Layout.fillWidth: true
                    model: edition.offsetLabels
                    currentIndex: form.startDay + edition.offsetBase
                    onActivated: index => form.startDay = index - edition.offsetBase
                }
                DefaultCombobox {
                    Layout.preferredWidth: 110
                    model: edition.hours
                    objectName: "holidayStartHour"
                    currentIndex: form.startTime.getHours()
                    onActivated: index => form.startTime = edition.atHour(index)
                }

                // The base date of the weekday rule.
                FormLabel {
                    visible: form.type === 1
                    text: bindTr("Holidays", "Datum")
                }
                EditableCalendarDisplay {
                    objectName: "holidayBaseDate"
                    visible: form.type === 1
                    Layout.columnSpan: 2
                    hideYear: true
                    selectedDate: form.startDate
                    onDateHasChanged: date => form.startDate = date
                }

                // End
                FormLabel {
                    text: form.type === 1 ? bindTr("Holidays", "Dauer") : bindTr("Holidays", "bis")
                }
                EditableCalendarDisplay {
                    objectName: "holidayEndDate"
                    visible: form.type === 0 || form.type === 4
                    hideYear: form.type === 0
                    maximumDate: SettingsProvider.soWiSpecifics.lastDate
                    selectedDate: form.endDate
                    onDateHasChanged: date => form.endDate = date
                }
                DefaultSpinBox {
                    objectName: "holidayDuration"
                    visible: form.type === 1
                    from: 0
                    to: 99
                    unit: bindTr("Calendar", "d")
                    value: form.duration
                    onValueModified: form.duration = value
                }
                DefaultCombobox {
                    objectName: "holidayEndDay"
                    visible: form.type === 2 || form.type === 3
                    Layout.fillWidth: true
                    model: edition.offsetLabels
                    currentIndex: form.endDay + edition.offsetBase
                    onActivated: index => form.endDay = index - edition.offsetBase
                }
                DefaultCombobox {
                    Layout.preferredWidth: 110
                    model: edition.hours
                    objectName: "holidayEndHour"
                    currentIndex: form.endTime.getHours()
                    onActivated: index => form.endTime = edition.atHour(index)
                }
            }
        }
    }
    DefaultText {
        objectName: "holidayError"
        Layout.fillWidth: true
        visible: text !== ""
        color: Colors.red
        wrapMode: Text.WordWrap
        text: popup.error
    }

    buttons: [
        DefaultButton {
            objectName: "holidayCancel"
            text: bindTr("Generic", "Abbruch")
            color: Colors.white
            textColor: Colors.cancelColor
            onClicked: popup.close()
        },
        DefaultButton {
            objectName: "holidayOk"
            text: bindTr("Generic", "OK")
            enabled: form.name.trim() !== "" && popup.error === ""
            onClicked: {
                popup.acceptedWithHoliday(popup.plainCopy())
                popup.close()
            }
        }
    ]
}
