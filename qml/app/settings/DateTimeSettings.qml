import QtQuick
import QtQuick.Layouts
import Tarvino

// The device's clock display: time and date format, first day of the week, Easter rule and,
// for astronomic projects, the time zone of the location.
SettingsSection {
    id: section

    required property var project

    objectName: "dateTimeSettings"
    title: bindTr("Program settings", "Zeit/Datum")
    visible: project.hasDateTimeSettings && !project.hasRestrictedSettings

    GridLayout {
        Layout.fillWidth: true
        columns: 2
        columnSpacing: Metrics.largeMargin
        rowSpacing: Metrics.margin

        DefaultText { text: bindTr("Program settings", "Zeitformat") }
        DefaultCombobox {
            objectName: "timeFormatChoice"
            Layout.preferredWidth: 300
            model: SettingsProvider.timeFormat
            currentIndex: section.project.timeFormat
            onActivated: index => section.project.timeFormat = index
        }

        DefaultText { text: bindTr("Program settings", "Datumsformat") }
        DefaultCombobox {
            objectName: "dateFormatChoice"
            Layout.preferredWidth: 300
            model: SettingsProvider.dateFormat
            textRole: "text"
            currentIndex: section.project.dateFormat
            onActivated: index => section.project.dateFormat = index
        }

        DefaultText { text: bindTr("Program settings", "Erster Tag der Woche") }
        DefaultCombobox {
            objectName: "firstDayChoice"
            Layout.preferredWidth: 300
            model: SettingsProvider.weekDays
            textRole: "text"
            currentIndex: section.project.firstDayOfWeek
            onActivated: index => section.project.firstDayOfWeek = index
        }

        DefaultText {
            visible: section.project.hasEasterRule
            text: bindTr("Astro settings", "Osterregel")
        }
        DefaultCombobox {
            objectName: "easterRuleChoice"
            Layout.preferredWidth: 300
            visible: section.project.hasEasterRule
            model: SettingsProvider.easterRule
            currentIndex: section.project.easterRule
            onActivated: index => section.project.easterRule = index
        }

        DefaultText {
            visible: section.project.isAstro
            text: bindTr("Program settings", "Zeitzone")
        }
        DefaultText {
            objectName: "timeZoneName"
            visible: section.project.isAstro
            text: section.project.isAstro ? section.project.timezoneName : ""
        }
    }
}
