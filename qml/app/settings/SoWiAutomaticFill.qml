import QtQuick
import QtQuick.Layouts
import Tarvino

// Fills a span of years of the summer/winter table: from the built-in Israeli table, or from an
// own rule per direction (a weekday of a month, or a fixed day). The table is named after it.
AppView {
    id: view

    required property var projectController
    required property SommerWinterTableModel table
    readonly property bool israel: ruleChoice.currentIndex === 1

    title: bindTr("Program settings", "Automatisch ausfüllen")

    // The fill values of a direction as the table takes them: week, date, hour and weekday.
    function ruleOf(direction) {
        // Week -1: the day and month of the date in every year.
        if (direction.fixedDate)
            return { week: -1, date: direction.date, hour: direction.hour, day: -1 }
        return { week: direction.week, date: new Date(2008, direction.month, 1), hour: direction.hour, day: direction.weekDay }
    }
    function fill() {
        if (israel) {
            table.automaticFillIsrael(years.value, years.untilYear)
            projectController.summerWinterTableName = bindTr("Program settings", "Israel").toUpperCase()
        } else {
            const into = ruleOf(wiSo)
            const back = ruleOf(soWi)
            table.automaticFill(years.value, years.untilYear, into.week, into.date, into.hour, into.day,
                                back.week, back.date, back.hour, back.day)
            projectController.summerWinterTableName = bindTr("Program settings", "Eigene Regel").toUpperCase()
        }
        closeDialog()
    }

    component Direction: GridLayout {
        id: direction

        property string title
        property var hours: []
        property int defaultMonth: 0
        readonly property bool fixedDate: kind.currentIndex === 1
        readonly property alias week: weekChoice.currentIndex
        readonly property alias month: monthChoice.currentIndex
        readonly property alias hour: hourChoice.currentIndex
        readonly property alias weekDay: weekDayChoice.currentIndex
        readonly property alias date: datePicker.selectedDate

        columns: 2
        columnSpacing: Metrics.largeMargin
        rowSpacing: Metrics.spacing

        DesignText {
            Layout.columnSpan: 2
            text: direction.title
            size: Metrics.fontSize.normal
        }
        DefaultCombobox {
            id: kind
            objectName: direction.objectName + "Kind"
            Layout.columnSpan: 2
            Layout.preferredWidth: 250
            model: [bindTr("Program settings", "Freie Regel"), bindTr("Program settings", "Fixes Datum")]
        }
        DefaultText {
            visible: !direction.fixedDate
            text: bindTr("Program settings", "Woche")
        }
        DefaultCombobox {
            id: weekChoice
            objectName: direction.objectName + "Week"
            Layout.preferredWidth: 200
            visible: !direction.fixedDate
            model: SettingsProvider.weekRule
            currentIndex: 4
        }
        DefaultText {
            visible: !direction.fixedDate
            text: bindTr("Program settings", "Monat")
        }
        DefaultCombobox {
            id: monthChoice
            objectName: direction.objectName + "Month"
            Layout.preferredWidth: 200
            visible: !direction.fixedDate
            model: SettingsProvider.months
            currentIndex: direction.defaultMonth
        }
        DefaultText {
            visible: direction.fixedDate
            text: bindTr("Program settings", "Datum")
        }
        CalendarDisplay {
            id: datePicker
            objectName: direction.objectName + "Date"
            visible: direction.fixedDate
            hideYear: true
            selectedDate: new Date(2008, direction.defaultMonth, 25)
            maximumDate: SettingsProvider.soWiSpecifics.lastDate
        }
        DefaultText { text: bindTr("Program settings", "Stunde") }
        DefaultCombobox {
            id: hourChoice
            objectName: direction.objectName + "Hour"
            Layout.preferredWidth: 200
            model: direction.hours
            currentIndex: 2
        }
        DefaultText {
            visible: !direction.fixedDate
            text: bindTr("Program settings", "Wochentag")
        }
        DefaultCombobox {
            id: weekDayChoice
            objectName: direction.objectName + "WeekDay"
            Layout.preferredWidth: 200
            visible: !direction.fixedDate
            model: calendarSettings.longWeekDaysUnordered
            currentIndex: 6
        }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        spacing: Metrics.middleMargin

        RowLayout {
            spacing: Metrics.largeMargin
            DefaultCombobox {
                id: ruleChoice
                objectName: "fillRuleChoice"
                Layout.preferredWidth: 250
                model: [bindTr("Program settings", "Eigene Regel"), bindTr("Program settings", "Israel")]
            }
            DefaultText { text: bindTr("Program settings", "von") }
            EditableYearPicker {
                id: years
                objectName: "fillYears"
                minYear: SettingsProvider.soWiSpecifics.firstYear
                maxYear: SettingsProvider.soWiSpecifics.lastYear
                value: SettingsProvider.soWiSpecifics.firstYear
                untilYear: SettingsProvider.soWiSpecifics.lastYear
                applyUntilYear: true
            }
        }

        RowLayout {
            visible: !view.israel
            spacing: Metrics.largeMargin * 2
            Direction {
                id: wiSo
                objectName: "fillWiSo"
                Layout.alignment: Qt.AlignTop
                title: bindTr("Program settings", "Winter > Sommer")
                hours: view.table.wiSoList
                defaultMonth: 2
            }
            Direction {
                id: soWi
                objectName: "fillSoWi"
                Layout.alignment: Qt.AlignTop
                title: bindTr("Program settings", "Sommer > Winter")
                hours: view.table.soWiList
                defaultMonth: 9
            }
        }

        Item { Layout.fillHeight: true }

        RowLayout {
            Layout.fillWidth: true
            spacing: Metrics.margin
            Item { Layout.fillWidth: true }
            DefaultButton {
                objectName: "fillCancel"
                text: bindTr("Generic", "Abbruch")
                color: Colors.white
                onClicked: view.closeDialog()
            }
            DefaultButton {
                objectName: "fillOk"
                text: bindTr("Generic", "OK")
                onClicked: view.fill()
            }
        }
    }
}
