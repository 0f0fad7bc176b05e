import QtQuick
import QtQuick.Controls
import Tarvino

// A Calendar in a pop-up; choosing a day closes it and emits `dateChosen`.
DefaultEmptyPopUp {
    id: picker

    property alias selectedDate: calendar.selectedDate
    property alias minimumDate: calendar.minimumDate
    property alias maximumDate: calendar.maximumDate
    property alias hideYear: calendar.hideYear
    property alias isAlwaysSelectable: calendar.isAlwaysSelectable

    signal dateChosen(date date)

    width: implicitWidth
    contentItem: Calendar {
        id: calendar
        LayoutMirroring.enabled: localeService.isRightToLeft
        LayoutMirroring.childrenInherit: true
        onClicked: date => {
            picker.dateChosen(date)
            picker.close()
        }
    }
    onAboutToShow: {
        calendar.visibleMonth = calendar.selectedDate.getMonth()
        calendar.visibleYear = calendar.selectedDate.getFullYear()
    }
}
