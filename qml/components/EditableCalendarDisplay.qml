import QtQuick
import QtQuick.Layouts
import Tarvino

// A date typed in the user's date format, with a calendar button beside it. A complete,
// existing date inside the bounds becomes `selectedDate` and emits `dateHasChanged`.
RowLayout {
    id: editable

    property date selectedDate: new Date()
    property date minimumDate: new Date(2000, 0, 1)
    property date maximumDate: SettingsProvider.soWiSpecifics.lastDate
    property bool hideYear: false
    readonly property bool valid: field.namesADate

    signal dateHasChanged(date date)

    spacing: Metrics.spacing

    function take(date) {
        if (!date)
            return false
        const day = Qt.formatDate(date, "yyyyMMdd")
        if (!hideYear && (day < Qt.formatDate(minimumDate, "yyyyMMdd") || day > Qt.formatDate(maximumDate, "yyyyMMdd")))
            return false
        selectedDate = date
        dateHasChanged(date)
        return true
    }

    DefaultTextField {
        id: field
        objectName: "dateField"
        readonly property bool namesADate: acceptableInput && Models.parseDate(text, editable.hideYear) !== null
        Layout.preferredWidth: 120
        inputMask: Models.dateInputMask(editable.hideYear)
        text: Models.formatDate(editable.selectedDate, editable.hideYear)
        horizontalAlignment: TextInput.AlignHCenter
        onEditingFinished: {
            if (!editable.take(Models.parseDate(text, editable.hideYear)))
                text = Qt.binding(() => Models.formatDate(editable.selectedDate, editable.hideYear))
        }
    }
    ClickableIcon {
        objectName: "calendarButton"
        source: Icons.calendar
        iconColor: Colors.primaryColor
        onClicked: {
            picker.selectedDate = editable.selectedDate
            picker.open()
        }
    }
    CalendarPicker {
        id: picker
        minimumDate: editable.minimumDate
        maximumDate: editable.maximumDate
        hideYear: editable.hideYear
        onDateChosen: date => editable.take(date)
    }
}
