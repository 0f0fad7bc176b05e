import QtQuick
import QtQuick.Layouts
import Tarvino

// One switch of a year in the summer/winter table: its day and month (the year is the row's)
// and its hour. A disabled row shows "-" twice; a click on it asks for the row.
Item {
    id: element

    property int year: SettingsProvider.soWiSpecifics.firstYear
    property date date: new Date(year, 2, 1)
    property int hour: 0
    property var hours: []
    property bool active: false

    signal dateUpdated(date date)
    signal hourUpdated(int hour)
    signal clearSelection

    implicitWidth: row.implicitWidth
    implicitHeight: 40

    // The day and month chosen in the calendar, in the row's year; 29 February becomes the 28th
    // where the year has none.
    function inRowYear(chosen) {
        const lastDay = new Date(year, chosen.getMonth() + 1, 0).getDate()
        return new Date(year, chosen.getMonth(), Math.min(chosen.getDate(), lastDay))
    }

    RowLayout {
        id: row
        anchors.fill: parent
        visible: element.active
        spacing: Metrics.spacing

        CalendarDisplay {
            objectName: "soWiDate"
            hideYear: true
            selectedDate: element.date
            maximumDate: SettingsProvider.soWiSpecifics.lastDate
            onDateChosen: chosen => {
                selectedDate = Qt.binding(() => element.date)
                element.dateUpdated(element.inRowYear(chosen))
            }
        }
        DefaultCombobox {
            objectName: "soWiHour"
            Layout.preferredWidth: 130
            model: element.hours
            currentIndex: element.hour
            onActiveFocusChanged: if (activeFocus) element.clearSelection()
            onActivated: index => element.hourUpdated(index)
        }
    }

    RowLayout {
        anchors.fill: parent
        visible: !element.active
        spacing: Metrics.spacing
        DefaultText {
            Layout.preferredWidth: 140
            text: "-"
        }
        DefaultText {
            Layout.preferredWidth: 130
            text: "-"
        }
    }
    MouseArea {
        objectName: "soWiEnableArea"
        anchors.fill: parent
        enabled: !element.active
        onClicked: element.clearSelection()
    }
}
