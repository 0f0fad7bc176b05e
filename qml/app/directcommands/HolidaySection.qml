import QtQuick
import QtQuick.Layouts
import Tarvino

// The holiday programme of the selected channel: a status and, unless it is "Inaktiv", its
// begin and end at whole hours. Until the user chooses the end, it follows the begin by an
// hour; the end never lies before the begin.
TitledSection {
    id: section

    required property var controller
    readonly property int ot2: controller.device ? controller.device.ot2Number : 0
    readonly property date latestUnchosenBegin: new Date(2040, 11, 31)
    // Local dates at midnight and hours 0 to 23.
    property date beginDate: new Date()
    property int beginHour: 0
    property date endDate: new Date()
    property int endHour: 1
    property bool endChosen: false
    readonly property bool sameDay: Qt.formatDate(beginDate, "yyyyMMdd") === Qt.formatDate(endDate, "yyyyMMdd")
    readonly property var hourTexts: Models.hours.map(hour => Models.twoDigits(hour) + ":00")

    function dayOf(dateTime) {
        return new Date(dateTime.getUTCFullYear(), dateTime.getUTCMonth(), dateTime.getUTCDate())
    }

    // The end an hour after the begin.
    function followBegin() {
        const end = new Date(beginDate.getFullYear(), beginDate.getMonth(), beginDate.getDate(), beginHour + 1)
        endDate = new Date(end.getFullYear(), end.getMonth(), end.getDate())
        endHour = end.getHours()
    }

    // Keeps the begin an hour or more before the end, moving the value the user did not touch.
    function settle(endMoved) {
        if (!endChosen) {
            followBegin()
        } else if (sameDay && endHour <= beginHour) {
            if (endMoved && beginHour < 23)
                endHour = beginHour + 1
            else if (!endMoved && endHour > 0)
                beginHour = endHour - 1
            else
                followBegin()
        }
        send()
    }

    function send() {
        controller.setDate(2, beginDate.getDate(), beginDate.getMonth() + 1, beginDate.getFullYear())
        controller.setTime(2, beginHour, 0, 0)
        controller.setDate(3, endDate.getDate(), endDate.getMonth() + 1, endDate.getFullYear())
        controller.setTime(3, endHour, 0, 0)
    }

    objectName: "holidaySection"
    title: bindTr("Direct commands", "Ferienprogramm")

    Component.onCompleted: {
        beginDate = dayOf(controller.holidayBeginTime)
        beginHour = controller.holidayBeginTime.getUTCHours()
        endDate = dayOf(controller.holidayEndTime)
        endHour = controller.holidayEndTime.getUTCHours()
        send()
    }

    CommandRow {
        Layout.fillWidth: true
        buttonName: "holidayButton"
        label: bindTr("Direct commands", "Status", "Holiday state")
        onSend: section.controller.sendHolidayTelegram()
        DefaultCombobox {
            objectName: "holidayState"
            model: SettingsProvider.holidayState(deviceService.hasRandomHolidaysStatus(section.ot2),
                                                 deviceService.isNocta(section.ot2))
            currentIndex: section.controller.holidayState
            onActivated: index => section.controller.holidayState = index
        }
    }

    GridLayout {
        Layout.fillWidth: true
        visible: section.controller.holidayState !== SettingsProvider.soWiSpecifics.inactiveHolidayIndex
        columns: 3
        columnSpacing: Metrics.margin
        rowSpacing: Metrics.spacing

        DefaultText {
            Layout.preferredWidth: 220
            text: bindTr("Direct commands", "Beginn")
        }
        EditableCalendarDisplay {
            objectName: "holidayBeginDate"
            selectedDate: section.beginDate
            maximumDate: section.endChosen ? section.endDate : section.latestUnchosenBegin
            onDateHasChanged: date => {
                section.beginDate = date
                section.settle(false)
            }
        }
        DefaultCombobox {
            objectName: "holidayBeginHour"
            model: section.hourTexts
            currentIndex: section.beginHour
            onActivated: index => {
                section.beginHour = index
                section.settle(false)
            }
        }

        DefaultText {
            Layout.preferredWidth: 220
            text: bindTr("Direct commands", "Ende")
        }
        EditableCalendarDisplay {
            objectName: "holidayEndDate"
            selectedDate: section.endDate
            minimumDate: section.beginDate
            onDateHasChanged: date => {
                section.endDate = date
                section.endChosen = true
                section.settle(true)
            }
        }
        DefaultCombobox {
            objectName: "holidayEndHour"
            model: section.hourTexts
            currentIndex: section.endHour
            onActivated: index => {
                section.endHour = index
                section.endChosen = true
                section.settle(true)
            }
        }
    }
}
