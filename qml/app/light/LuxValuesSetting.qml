import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The lux thresholds of the channel: one row for all days, or one per weekday with the day's
// name. With a row per weekday the desktop offers to copy a row to every day.
ColumnLayout {
    id: setting

    required property var project
    required property int channel
    readonly property bool perWeekday: project.luxSettingType !== 1
    readonly property bool canCopy: ZorvikUtils.isDesktop && project.nbDays === 7
    readonly property real dayWidth: perWeekday ? 130 : 0

    spacing: Metrics.spacing

    // Writes the row's on and/or off value to every day.
    function copyToAllDays(row, copyOn, copyOff) {
        for (let day = 0; day < project.nbDays; ++day) {
            if (copyOn)
                project.setLuxOnValue(day, row.onValue)
            if (copyOff)
                project.setLuxOffValue(day, row.offValue)
        }
    }

    LuxValueHeader {
        dayWidth: setting.dayWidth
    }
    Repeater {
        model: setting.project.nbDays
        LuxValueRow {
            required property int index
            project: setting.project
            channel: setting.channel
            day: index
            dayWidth: setting.dayWidth
            dayName: setting.perWeekday ? calendarSettings.longWeekDaysUnordered[index] : ""
            onCopyMenuRequested: (onOnValue, source, position) => {
                if (!setting.canCopy)
                    return
                copyMenu.row = source.parent
                copyMenu.openedOnOnValue = onOnValue
                copyMenu.popup(source, position)
            }
        }
    }

    Menu {
        id: copyMenu
        objectName: "luxCopyMenu"

        property var row: null
        property bool openedOnOnValue: false

        MenuItem {
            objectName: "copyAllDays"
            text: bindTr("Light settings", "Kopieren an allen Tagen")
            onTriggered: setting.copyToAllDays(copyMenu.row, true, true)
        }
        MenuItem {
            objectName: "copyAllDaysOn"
            text: bindTr("Light settings", "Kopieren an allen Tagen (Ein)")
            enabled: !copyMenu.openedOnOnValue
            onTriggered: setting.copyToAllDays(copyMenu.row, true, false)
        }
        MenuItem {
            objectName: "copyAllDaysOff"
            text: bindTr("Light settings", "Kopieren an allen Tagen (Aus)")
            enabled: !copyMenu.openedOnOnValue
            onTriggered: setting.copyToAllDays(copyMenu.row, false, true)
        }
    }
}
