import QtQuick
import QtQuick.Layouts
import Tarvino

// The astro mode of one channel and, while it is the pulse mode of a model with astro pulses,
// the pulse's use and its duration in minutes and seconds.
ColumnLayout {
    id: row

    property var project: null
    property var channel: null
    property string label
    property bool showPulse: false
    readonly property bool pulseShown: showPulse && channel !== null
                                       && channel.astroMode === AstroSettingsProvider.astroPulseModeIndex(project)

    spacing: Metrics.spacing

    // The duration as the picker reads it: "hh:mm" stands for minutes and seconds.
    function pickerTime() {
        const duration = channel ? channel.astroPulseDuration : new Date(0)
        return (duration.getMinutes() * 60 + duration.getSeconds()) * 60
    }

    RowLayout {
        spacing: Metrics.margin
        DefaultText {
            objectName: "channelLabel"
            Layout.preferredWidth: 50
            visible: row.label !== ""
            text: row.label
        }
        DefaultCombobox {
            objectName: "astroModeChoice"
            Layout.preferredWidth: 500
            model: row.project ? AstroSettingsProvider.astroModeModel(row.project) : []
            currentIndex: row.channel ? row.channel.astroMode : -1
            onActivated: index => row.channel.astroMode = index
        }
    }

    GridLayout {
        objectName: "astroPulseSettings"
        visible: row.pulseShown
        Layout.leftMargin: row.label !== "" ? 50 + Metrics.margin : 0
        columns: 2
        columnSpacing: Metrics.largeMargin
        rowSpacing: Metrics.spacing

        DefaultText {
            Layout.columnSpan: 2
            font.styleName: Fonts.bold
            text: bindTr("Astro settings", "Astro-Impuls")
        }
        DefaultText { text: bindTr("Generic", "Anwendung") }
        DefaultCombobox {
            objectName: "astroPulseUsageChoice"
            Layout.preferredWidth: 240
            model: AstroSettingsProvider.astroPulse
            currentIndex: row.channel ? row.channel.astroPulseUsage : -1
            onActivated: index => row.channel.astroPulseUsage = index
        }
        DefaultText { text: bindTr("Generic", "Dauer") }
        RowLayout {
            spacing: Metrics.margin
            EditableTimePicker {
                objectName: "astroPulseDurationField"
                maxHour: 59
                time: row.pickerTime()
                onTimeHasChanged: value => {
                    row.channel.astroPulseDuration = new Date(2000, 0, 1, 0, Math.floor(value / 3600),
                                                              Math.floor(value % 3600 / 60))
                    time = Qt.binding(row.pickerTime)
                }
            }
            DefaultText {
                color: Colors.secondaryColor
                text: bindTr("DateRangeTable", "mm:ss")
            }
        }
    }
}
