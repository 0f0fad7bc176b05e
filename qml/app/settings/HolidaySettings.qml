import QtQuick
import QtQuick.Layouts
import Tarvino

// The holiday status and period of the selected channel. Begin and end are a day and a whole
// hour. Until the user picks an end day the end follows the begin; on one day the end is at
// least an hour after the begin. The fields show the channel's values and reload when they
// change.
GridLayout {
    id: holiday

    property var viewController: null
    readonly property var project: viewController ? viewController.project : null
    readonly property var channel: project ? project.currentChannel : null

    property date beginDate: new Date()
    property int beginHour: 0
    property date endDate: new Date()
    property int endHour: 0
    property bool endChosen: false
    readonly property bool sameDay: dayKey(beginDate) === dayKey(endDate)
    readonly property date lastBegin: new Date(2040, 11, 31)

    columns: 2
    columnSpacing: Metrics.largeMargin
    rowSpacing: Metrics.margin

    function dayKey(date) {
        return Qt.formatDate(date, "yyyyMMdd")
    }
    // The channel's wall-clock reading as a local day for the date fields; today when unset.
    function localDay(reading) {
        if (!reading || isNaN(reading.getTime()))
            return new Date()
        return new Date(reading.getUTCFullYear(), reading.getUTCMonth(), reading.getUTCDate())
    }
    function hourOf(reading) {
        return reading && !isNaN(reading.getTime()) ? reading.getUTCHours() : 0
    }
    // The controllers read what they are given as local time; noon keeps the day whatever the
    // clock changes of that day.
    function dayToWrite(date) {
        return new Date(date.getFullYear(), date.getMonth(), date.getDate(), 12)
    }
    function hourToWrite(hour) {
        return new Date(2000, 0, 1, hour)
    }
    function isSet(reading) {
        return reading && !isNaN(reading.getTime())
    }

    function reload() {
        if (!channel)
            return
        beginDate = localDay(channel.holidayDateBegin)
        beginHour = hourOf(channel.holidayDateBegin)
        endDate = localDay(channel.holidayDateEnd)
        endHour = hourOf(channel.holidayDateEnd)
        beginField.selectedDate = Qt.binding(() => holiday.beginDate)
        endField.selectedDate = Qt.binding(() => holiday.endDate)
    }

    // On one day the end comes at least an hour after the begin.
    function keepOrder() {
        if (!sameDay || endHour > beginHour)
            return
        if (beginHour >= 23) {
            channel.holidayTimeBegin = hourToWrite(22)
            channel.holidayTimeEnd = hourToWrite(23)
        } else {
            channel.holidayTimeEnd = hourToWrite(beginHour + 1)
        }
    }

    function chooseStatus(status) {
        if (status > 0 && (!isSet(channel.holidayDateBegin) || !isSet(channel.holidayDateEnd))) {
            const today = dayToWrite(new Date())
            channel.holidayDateBegin = today
            channel.holidayTimeBegin = hourToWrite(0)
            channel.holidayDateEnd = today
            channel.holidayTimeEnd = hourToWrite(1)
        }
        channel.holidayStatus = status
        keepOrder()
    }
    function chooseBegin(date) {
        channel.holidayDateBegin = dayToWrite(date)
        if (!endChosen || dayKey(endDate) < dayKey(date))
            channel.holidayDateEnd = dayToWrite(date)
        reload()
        keepOrder()
    }
    function chooseBeginHour(hour) {
        channel.holidayTimeBegin = hourToWrite(hour)
        keepOrder()
    }
    function chooseEnd(date) {
        endChosen = true
        channel.holidayDateEnd = dayToWrite(date)
        reload()
        keepOrder()
    }
    function chooseEndHour(hour) {
        channel.holidayTimeEnd = hourToWrite(hour)
    }

    Component.onCompleted: reload()
    onChannelChanged: {
        endChosen = false
        reload()
    }
    Connections {
        target: holiday.channel
        function onHolidayBeginChanged() { holiday.reload() }
        function onHolidayEndChanged() { holiday.reload() }
    }

    DefaultText { text: bindTr("Program settings", "Status", "Holiday status") }
    DefaultCombobox {
        id: statusBox
        objectName: "holidayStatusBox"
        model: holiday.project ? SettingsProvider.holidayState(holiday.project.hasRandomHolidaysStatus, holiday.project.isNocta) : []
        currentIndex: holiday.channel ? holiday.channel.holidayStatus : -1
        onActivated: index => holiday.chooseStatus(index)
    }

    DefaultText {
        visible: beginRow.visible
        text: bindTr("Program settings", "Beginn")
    }
    RowLayout {
        id: beginRow
        visible: statusBox.currentIndex > 0
        spacing: Metrics.margin
        EditableCalendarDisplay {
            id: beginField
            objectName: "holidayBeginDate"
            selectedDate: holiday.beginDate
            maximumDate: holiday.endChosen ? holiday.endDate : holiday.lastBegin
            onDateHasChanged: date => holiday.chooseBegin(date)
        }
        DefaultSpinBox {
            objectName: "holidayBeginHour"
            from: 0
            to: holiday.endChosen && holiday.sameDay ? Math.max(0, holiday.endHour - 1) : 23
            value: holiday.beginHour
            unit: "h"
            onValueModified: holiday.chooseBeginHour(value)
        }
    }

    DefaultText {
        visible: endRow.visible
        text: bindTr("Program settings", "Ende")
    }
    RowLayout {
        id: endRow
        visible: beginRow.visible
        spacing: Metrics.margin
        EditableCalendarDisplay {
            id: endField
            objectName: "holidayEndDate"
            selectedDate: holiday.endDate
            minimumDate: holiday.beginDate
            onDateHasChanged: date => holiday.chooseEnd(date)
        }
        DefaultSpinBox {
            objectName: "holidayEndHour"
            from: holiday.sameDay ? Math.min(23, holiday.beginHour + 1) : 0
            to: 23
            value: holiday.endHour
            unit: "h"
            onValueModified: holiday.chooseEndHour(value)
        }
    }
}
