import QtQuick
import QtQuick.Layouts
import Tarvino

// Applying a holiday set to an extra program: the set, and for sets with weekday rules the last
// year the rules are applied to. "OK" adds the set's dates as ranges of the program.
ColumnLayout {
    id: form

    // The ExtraProgramViewController of the program.
    required property var parentController
    property int sonderType: 2
    property bool astroMode: false
    property bool isNew: true
    property bool hasFreeHoliday: false

    signal finished

    spacing: Metrics.margin

    function refreshSet() {
        hasFreeHoliday = parentController.holidays ? parentController.holidays.hasFreeHoliday() : false
    }
    function apply() {
        parentController.createDateRangesForHolidaySet(chooser.currentIndex)
        finished()
    }

    Component.onCompleted: refreshSet()

    DesignText {
        size: Metrics.fontSize.normal
        text: bindTr("Extra program", "Ferien-Einstellung")
    }
    DefaultCombobox {
        id: chooser
        objectName: "holidaySetChooser"
        Layout.fillWidth: true
        model: form.parentController.sortedHolidaySet
        textRole: "name"
        highlightRole: "highlighted"
        currentIndex: form.parentController.holidayIndex
        onActivated: index => {
            form.parentController.changeHolidays(index)
            form.refreshSet()
        }
    }
    RowLayout {
        visible: form.hasFreeHoliday
        spacing: Metrics.margin
        DefaultText {
            text: bindTr("Generic", "Anwenden bis", "=> Feiertage bis zum Jahr x hinzufügen")
        }
        EditableYearPicker {
            objectName: "applyUntilYear"
            minYear: new Date().getFullYear()
            maxYear: SettingsProvider.soWiSpecifics.lastYear
            value: form.parentController.applyUntilYear()
            onYearHasChanged: year => form.parentController.setApplyUntilYear(year)
        }
    }
    RowLayout {
        Layout.alignment: Qt.AlignRight
        Layout.topMargin: Metrics.margin
        spacing: Metrics.margin
        DefaultButton {
            objectName: "holidaysCancel"
            text: bindTr("Generic", "Abbruch")
            color: Colors.white
            onClicked: form.finished()
        }
        DefaultButton {
            objectName: "holidaysOk"
            text: bindTr("Generic", "OK")
            enabled: chooser.currentIndex >= 0
            onClicked: form.apply()
        }
    }
}
