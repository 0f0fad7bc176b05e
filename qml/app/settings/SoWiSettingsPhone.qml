import QtQuick
import QtQuick.Layouts
import Tarvino

// The summer/winter rule on narrow layouts: the same choices as the tablet form, one under the
// other; the table is edited on wide layouts only.
ColumnLayout {
    id: form

    required property var settings

    spacing: Metrics.margin

    DefaultText { text: bindTr("Program settings", "Regel") }
    DefaultCombobox {
        objectName: "soWiRuleChoice"
        Layout.fillWidth: true
        model: form.settings.rules
        currentIndex: form.settings.ruleType
        onActivated: index => {
            currentIndex = Qt.binding(() => form.settings.ruleType)
            form.settings.chooseRule(index)
        }
    }
    DefaultText {
        objectName: "iranRuleText"
        visible: form.settings.iran
        text: bindTr("Program settings", "1. Farwardin - 30. Shahriwar")
    }

    Repeater {
        model: form.settings.showsSwitches ? ["wiSo", "soWi"] : []

        ColumnLayout {
            id: direction
            required property string modelData
            readonly property bool usesDate: form.settings.usesDate(modelData)

            Layout.fillWidth: true
            Layout.topMargin: Metrics.margin
            spacing: Metrics.spacing

            DesignText {
                text: direction.modelData === "wiSo" ? bindTr("Program settings", "Winter > Sommer")
                                                     : bindTr("Program settings", "Sommer > Winter")
                size: Metrics.fontSize.defaultSize
            }
            DefaultCombobox {
                objectName: direction.modelData + "CustomChoice"
                Layout.fillWidth: true
                visible: form.settings.ownRule
                model: [bindTr("Program settings", "Freie Regel"), bindTr("Program settings", "Fixes Datum")]
                currentIndex: form.settings.custom(direction.modelData)
                onActivated: index => form.settings.setCustom(direction.modelData, index)
            }
            DefaultText {
                visible: direction.usesDate
                text: bindTr("Program settings", "Datum")
            }
            DatePicker {
                objectName: direction.modelData + "DatePicker"
                Layout.alignment: Qt.AlignHCenter
                visible: direction.usesDate
                enabled: form.settings.editable
                hideYear: true
                maxYear: SettingsProvider.soWiSpecifics.lastYear
                value: form.settings.value(direction.modelData, "Date")
                onValueChanged: if (visible) form.settings.setValue(direction.modelData, "Date", value)
            }
            DefaultText {
                visible: !direction.usesDate
                text: bindTr("Program settings", "Woche")
            }
            DefaultCombobox {
                objectName: direction.modelData + "WeekChoice"
                Layout.fillWidth: true
                visible: !direction.usesDate
                enabled: form.settings.editable
                model: SettingsProvider.weekRule
                currentIndex: form.settings.value(direction.modelData, "Week")
                onActivated: index => form.settings.setValue(direction.modelData, "Week", index)
            }
            DefaultText {
                visible: !direction.usesDate
                text: bindTr("Program settings", "Monat")
            }
            DefaultCombobox {
                objectName: direction.modelData + "MonthChoice"
                Layout.fillWidth: true
                visible: !direction.usesDate
                enabled: form.settings.editable
                model: SettingsProvider.months
                currentIndex: form.settings.value(direction.modelData, "Month")
                onActivated: index => form.settings.setValue(direction.modelData, "Month", index)
            }
            DefaultText { text: bindTr("Program settings", "Stunde") }
            DefaultCombobox {
                objectName: direction.modelData + "HourChoice"
                Layout.fillWidth: true
                enabled: form.settings.editable
                model: SettingsProvider.hours
                currentIndex: form.settings.value(direction.modelData, "Hour")
                onActivated: index => form.settings.setValue(direction.modelData, "Hour", index)
            }
            DefaultText {
                visible: !direction.usesDate
                text: bindTr("Program settings", "Wochentag")
            }
            DefaultCombobox {
                objectName: direction.modelData + "WeekDayChoice"
                Layout.fillWidth: true
                visible: !direction.usesDate
                enabled: form.settings.editable
                model: calendarSettings.longWeekDaysUnordered
                currentIndex: form.settings.value(direction.modelData, "WeekDay")
                onActivated: index => form.settings.setValue(direction.modelData, "WeekDay", index)
            }
        }
    }
}
