import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// Sets the device's clock: the PC's time or one the user gives. While the radio clock keeps
// the device's time on a model with a settable time zone, only the time zone is sent.
TitledSection {
    id: section

    required property var controller
    readonly property bool showTimezones: controller.timezoneIsSettable && !controller.hideTimezone
    // The hours of the device time-zone numbers 0 to 31.
    readonly property var timezoneOffsets: [-11, -10, -9, -8, -7, -6, -5, -4, -3.5, -3, -2, -1, 0, 1, 2, 3, 3.5, 4,
                                            4.5, 5, 5.5, 6, 6.5, 7, 8, 9, 9.5, 10, 10.5, 11, 11.5, 12]
    property var timezoneEntries: []

    function timezoneLabel(index) {
        const offset = timezoneOffsets[index]
        if (offset === 0)
            return bindTr("Astro settings", "UTC", "Coordinated Universal Time")
        return bindTr("Astro settings", "UTC %1h", "Coordinated Universal Time, %1 is the number of hours")
                   .arg((offset > 0 ? "+" : "") + offset)
    }

    // Each zone with the device's clock moved into it.
    function buildTimezoneEntries() {
        const clock = controller.deviceDate
        const seconds = clock ? clock.getUTCHours() * 3600 + clock.getUTCMinutes() * 60 + clock.getUTCSeconds() : 0
        const own = timezoneOffsets[controller.deviceTimezone] || 0
        timezoneEntries = timezoneOffsets.map((offset, index) => {
            const moved = ((seconds + (offset - own) * 3600) % 86400 + 86400) % 86400
            const time = [Math.floor(moved / 3600), Math.floor(moved % 3600 / 60), moved % 60].map(Models.twoDigits).join(":")
            return "%1 (%2)".arg(time).arg(timezoneLabel(index))
        })
    }

    function wallClock(dateTime) {
        return new Date(dateTime.getUTCFullYear(), dateTime.getUTCMonth(), dateTime.getUTCDate())
    }

    objectName: "dateTimeSection"
    title: bindTr("Direct commands", "Datum / Uhrzeit", "Section title")

    Connections {
        target: section.controller
        function onDeviceTimezoneChanged() { section.buildTimezoneEntries() }
    }

    RowLayout {
        Layout.fillWidth: true
        visible: section.showTimezones
        spacing: Metrics.margin
        DefaultText {
            text: bindTr("Direct commands", "Zeitzone")
        }
        DefaultCombobox {
            objectName: "timezoneChoice"
            Layout.fillWidth: true
            model: section.timezoneEntries
            currentIndex: section.controller.timezone
            onActivated: index => section.controller.timezone = index
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        visible: section.controller.timeIsSettable
        spacing: Metrics.spacing
        ButtonGroup {
            id: timeChoice
            // The controller's choice has no change signal: the view sets it and keeps it.
            onCheckedButtonChanged: section.controller.isCustomTime = checkedButton === customTime
        }
        DefaultRadioButton {
            objectName: "systemTimeChoice"
            text: bindTr("Direct commands", "Systemzeit")
            checked: true
            ButtonGroup.group: timeChoice
        }
        RowLayout {
            spacing: Metrics.margin
            DefaultRadioButton {
                id: customTime
                objectName: "customTimeChoice"
                text: bindTr("Direct commands", "Individuelle Zeit")
                ButtonGroup.group: timeChoice
            }
            EditableCalendarDisplay {
                objectName: "customDatePicker"
                enabled: customTime.checked
                selectedDate: section.wallClock(section.controller.customTime)
                onDateHasChanged: date => section.controller.setDate(1, date.getDate(), date.getMonth() + 1, date.getFullYear())
            }
            EditableTimePicker {
                objectName: "customTimePicker"
                enabled: customTime.checked
                showSeconds: true
                time: {
                    const clock = section.controller.customTime
                    return clock.getUTCHours() * 3600 + clock.getUTCMinutes() * 60 + clock.getUTCSeconds()
                }
                onTimeHasChanged: seconds => section.controller.setTime(1, Math.floor(seconds / 3600),
                                                                         Math.floor(seconds % 3600 / 60), seconds % 60)
            }
        }
    }

    DefaultButton {
        objectName: "sendDateButton"
        Layout.alignment: Qt.AlignRight
        text: bindTr("Direct commands", "Senden", "Button label")
        enabled: !(section.controller.timezoneIsSettable && section.controller.hideTimezone)
        onClicked: section.controller.sendDateTelegram()
    }
}
