import QtQuick
import QtQuick.Layouts
import Tarvino

// The channel's delays of switching after sunrise and sunset.
ColumnLayout {
    id: settings

    required property var project

    spacing: Metrics.spacing

    DelayRow {
        objectName: "delayOn"
        label: bindTr("Light settings", "Verzögerung Ein")
        time: settings.project.delaySunriseTime
        onTimeEdited: time => settings.project.delaySunriseTime = time
    }
    DelayRow {
        objectName: "delayOff"
        label: bindTr("Light settings", "Verzögerung Aus")
        time: settings.project.delaySunsetTime
        onTimeEdited: time => settings.project.delaySunsetTime = time
    }
}
