import QtQuick
import QtQuick.Layouts
import Tarvino

// The summer/winter rule on wide layouts: the rule, then a row per direction with its switch
// day, hour and weekday under the column heads; the own table with its name and its editor.
ColumnLayout {
    id: form

    required property var settings
    readonly property var controller: settings.viewController
    readonly property int columnWidth: settings.columnWidth

    spacing: Metrics.margin

    function openTable() {
        ViewLoader.openPage(View.EditSoWiTableView, "qrc:/orvindal/Tarvino/app/settings/EditSoWiTable.qml",
                            { projectController: form.controller }, 900, { minimumHeight: 700, height: 700 })
    }

    RowLayout {
        spacing: Metrics.margin
        DefaultText {
            Layout.preferredWidth: form.columnWidth
            text: bindTr("Program settings", "Regel")
        }
        DefaultCombobox {
            objectName: "soWiRuleChoice"
            Layout.preferredWidth: 300
            model: form.settings.rules
            currentIndex: form.settings.ruleType
            onActivated: index => {
                currentIndex = Qt.binding(() => form.settings.ruleType)
                form.settings.chooseRule(index)
            }
        }
    }

    DefaultText {
        objectName: "iranRuleText"
        visible: form.settings.iran
        text: bindTr("Program settings", "1. Farwardin - 30. Shahriwar")
    }

    RowLayout {
        visible: form.settings.showsSwitches
        spacing: Metrics.margin
        Item { Layout.preferredWidth: form.columnWidth }
        DefaultText {
            Layout.preferredWidth: form.columnWidth
            visible: form.settings.ownRule
            text: bindTr("Program settings", "Regel")
            font.styleName: Fonts.bold
        }
        // The date takes the columns of week and month.
        DefaultText {
            Layout.preferredWidth: form.settings.kind === SummerWinterRule.FixedDate ? form.columnWidth * 2 + Metrics.margin
                                                                                     : form.columnWidth
            text: form.settings.kind === SummerWinterRule.FixedDate ? bindTr("Program settings", "Datum")
                                                                    : bindTr("Program settings", "Woche")
            font.styleName: Fonts.bold
        }
        DefaultText {
            Layout.preferredWidth: form.columnWidth
            visible: form.settings.kind !== SummerWinterRule.FixedDate
            text: bindTr("Program settings", "Monat")
            font.styleName: Fonts.bold
        }
        DefaultText {
            Layout.preferredWidth: form.columnWidth
            text: bindTr("Program settings", "Stunde")
            font.styleName: Fonts.bold
        }
        DefaultText {
            Layout.preferredWidth: form.columnWidth
            visible: form.settings.kind !== SummerWinterRule.FixedDate
            text: bindTr("Program settings", "Wochentag")
            font.styleName: Fonts.bold
        }
    }

    Repeater {
        model: form.settings.showsSwitches ? ["wiSo", "soWi"] : []

        RowLayout {
            id: row
            required property string modelData
            readonly property bool usesDate: form.settings.usesDate(modelData)

            spacing: Metrics.margin

            DefaultText {
                Layout.preferredWidth: form.columnWidth
                text: row.modelData === "wiSo" ? bindTr("Program settings", "Winter > Sommer")
                                               : bindTr("Program settings", "Sommer > Winter")
            }
            DefaultCombobox {
                objectName: row.modelData + "CustomChoice"
                Layout.preferredWidth: form.columnWidth
                visible: form.settings.ownRule
                model: [bindTr("Program settings", "Freie Regel"), bindTr("Program settings", "Fixes Datum")]
                currentIndex: form.settings.custom(row.modelData)
                onActivated: index => form.settings.setCustom(row.modelData, index)
            }
            DatePicker {
                objectName: row.modelData + "DatePicker"
                Layout.preferredWidth: form.columnWidth * 2 + Metrics.margin
                visible: row.usesDate
                enabled: form.settings.editable
                hideYear: true
                maxYear: SettingsProvider.soWiSpecifics.lastYear
                value: form.settings.value(row.modelData, "Date")
                onValueChanged: if (visible) form.settings.setValue(row.modelData, "Date", value)
            }
            DefaultCombobox {
                objectName: row.modelData + "WeekChoice"
                Layout.preferredWidth: form.columnWidth
                visible: !row.usesDate
                enabled: form.settings.editable
                model: SettingsProvider.weekRule
                currentIndex: form.settings.value(row.modelData, "Week")
                onActivated: index => form.settings.setValue(row.modelData, "Week", index)
            }
            DefaultCombobox {
                objectName: row.modelData + "MonthChoice"
                Layout.preferredWidth: form.columnWidth
                visible: !row.usesDate
                enabled: form.settings.editable
                model: SettingsProvider.months
                currentIndex: form.settings.value(row.modelData, "Month")
                onActivated: index => form.settings.setValue(row.modelData, "Month", index)
            }
            DefaultCombobox {
                objectName: row.modelData + "HourChoice"
                Layout.preferredWidth: form.columnWidth
                enabled: form.settings.editable
                model: SettingsProvider.hours
                currentIndex: form.settings.value(row.modelData, "Hour")
                onActivated: index => form.settings.setValue(row.modelData, "Hour", index)
            }
            DefaultCombobox {
                objectName: row.modelData + "WeekDayChoice"
                Layout.preferredWidth: form.columnWidth
                visible: !row.usesDate
                enabled: form.settings.editable
                model: calendarSettings.longWeekDaysUnordered
                currentIndex: form.settings.value(row.modelData, "WeekDay")
                onActivated: index => form.settings.setValue(row.modelData, "WeekDay", index)
            }
        }
    }

    RowLayout {
        visible: form.settings.ownTable
        spacing: Metrics.margin
        DefaultText {
            Layout.preferredWidth: form.columnWidth
            text: bindTr("Program settings", "Name")
        }
        DefaultTextField {
            objectName: "soWiTableName"
            Layout.preferredWidth: 300
            placeholderText: bindTr("Program settings", "Name bearbeiten")
            text: form.controller && form.settings.ownTable ? form.controller.summerWinterTableName : ""
            onTextEdited: form.controller.summerWinterTableName = text.toUpperCase()
        }
        DefaultButton {
            objectName: "editSoWiTable"
            text: bindTr("Program settings", "Tabelle bearbeiten")
            onClicked: form.openTable()
        }
    }
}
