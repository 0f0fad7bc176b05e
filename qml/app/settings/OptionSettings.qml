import QtQuick
import QtQuick.Layouts
import Tarvino

// The device options: how channels combine (with the day and time of a program changeover)
// and how long the display stays lit.
SettingsSection {
    id: section

    required property var project
    // A program changeover switches on a weekday at a time.
    readonly property bool changeover: project.hasChannelCombination && project.channelCombination === 2

    objectName: "optionSettings"
    title: bindTr("Program settings", "Optionen")
    visible: project.hasOptionSettings

    GridLayout {
        Layout.fillWidth: true
        columns: 2
        columnSpacing: Metrics.largeMargin
        rowSpacing: Metrics.margin

        DefaultText {
            visible: section.project.hasChannelCombination
            text: bindTr("Program settings", "Kanalkombination")
        }
        DefaultCombobox {
            objectName: "channelCombinationChoice"
            Layout.preferredWidth: 300
            visible: section.project.hasChannelCombination
            model: SettingsProvider.channelCombination
            currentIndex: section.project.channelCombination
            onActivated: index => section.project.channelCombination = index
        }

        Item {
            visible: section.changeover
            implicitWidth: 1
        }
        RowLayout {
            visible: section.changeover
            spacing: Metrics.margin
            DefaultCombobox {
                objectName: "changeoverDayChoice"
                model: SettingsProvider.channelCombinationChangeover
                currentIndex: section.project.channelChangeover
                onActivated: index => section.project.channelChangeover = index
            }
            TableTimePicker {
                objectName: "changeoverTime"
                time: section.project.channelChangeoverTime
                onTimeHasChanged: time => section.project.channelChangeoverTime = time
            }
        }

        DefaultText {
            visible: section.project.hasLcdIllumination
            text: bindTr("Program settings", "LCD-Beleuchtung")
        }
        DefaultCombobox {
            objectName: "lcdStateChoice"
            Layout.preferredWidth: 300
            visible: section.project.hasLcdIllumination
            model: SettingsProvider.lcdState
            currentIndex: section.project.lcdState
            onActivated: index => section.project.lcdState = index
        }
    }
}
