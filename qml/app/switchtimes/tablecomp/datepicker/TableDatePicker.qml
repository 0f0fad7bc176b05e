import QtQuick
import Tarvino

// A date in a table cell: a field that opens the month calendar. Without `selectYear` the date
// stands for a day of every year and is shown without its year.
Rectangle {
    id: picker

    property date currentDate: new Date()
    property date minDate: selectYear ? new Date(2000, 0, 1) : new Date(2008, 0, 1)
    // Project files and device images hold no later year.
    property date maxDate: selectYear ? SettingsProvider.soWiSpecifics.lastDate : new Date(2008, 11, 31)
    property bool selectYear: true
    readonly property bool calendarOpen: popup.visible

    signal dateHasChanged(date date)

    implicitWidth: 120
    implicitHeight: 40
    radius: Metrics.radius
    color: enabled ? Colors.white : Colors.lightGrey
    border.color: popup.opened ? Colors.primaryColor : Colors.delightGrey
    border.width: popup.opened ? 2 : 1

    DefaultText {
        objectName: "dateText"
        anchors.centerIn: parent
        text: Models.formatDate(picker.currentDate, !picker.selectYear)
    }
    MouseArea {
        anchors.fill: parent
        onClicked: {
            calendar.show(picker.currentDate)
            popup.open()
        }
    }
    DefaultEmptyPopUp {
        id: popup
        objectName: "tableDatePopup"
        width: implicitWidth
        contentItem: CalendarList {
            id: calendar
            LayoutMirroring.enabled: localeService.isRightToLeft
            LayoutMirroring.childrenInherit: true
            currentDate: picker.currentDate
            minDate: picker.minDate
            maxDate: picker.maxDate
            selectYear: picker.selectYear
            onClicked: date => {
                popup.close()
                picker.dateHasChanged(date)
            }
        }
    }
}
