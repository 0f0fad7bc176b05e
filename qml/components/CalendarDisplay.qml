import QtQuick
import QtQuick.Controls
import Tarvino

// Shows a date in the user's date format; a click opens a CalendarPicker.
AbstractButton {
    id: display

    property date selectedDate: new Date()
    property date minimumDate: new Date(2000, 0, 1)
    property date maximumDate: SettingsProvider.soWiSpecifics.lastDate
    property bool hideYear: false

    signal dateChosen(date date)

    implicitWidth: Math.max(140, label.implicitWidth + icon.width + 3 * Metrics.padding)
    implicitHeight: 40
    onClicked: {
        picker.selectedDate = selectedDate
        picker.open()
    }

    background: Rectangle {
        radius: Metrics.radius
        border.width: 1
        border.color: display.activeFocus ? Colors.primaryColor : Colors.delightGrey
        color: display.enabled ? Colors.white : Colors.lightGrey
    }
    contentItem: Item {
        DefaultText {
            id: label
            objectName: "dateText"
            anchors.verticalCenter: parent.verticalCenter
            anchors.left: parent.left
            anchors.leftMargin: Metrics.padding
            text: Models.formatDate(display.selectedDate, display.hideYear)
        }
        ColoredIcon {
            id: icon
            anchors.verticalCenter: parent.verticalCenter
            anchors.right: parent.right
            anchors.rightMargin: Metrics.padding
            source: Icons.calendar
            iconColor: Colors.primaryColor
        }
    }

    CalendarPicker {
        id: picker
        minimumDate: display.minimumDate
        maximumDate: display.maximumDate
        hideYear: display.hideYear
        onDateChosen: date => {
            display.selectedDate = date
            display.dateChosen(date)
        }
    }
}
