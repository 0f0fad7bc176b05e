import QtQuick
import QtQuick.Layouts
import Tarvino

// The date and time a reset device is to take, and the formats it shows them in.
GridLayout {
    id: dateSettings

    required property ResettedDeviceViewController controller
    // The device time as seconds of the day; the controller carries it as a zone-less value.
    readonly property int timeOfDay: controller.time.getUTCHours() * 3600 + controller.time.getUTCMinutes() * 60

    columns: 2
    columnSpacing: Metrics.largeMargin
    rowSpacing: Metrics.margin

    DefaultText {
        text: bindTr("Program settings", "Datumsformat")
    }
    DefaultCombobox {
        objectName: "resetDateFormatChoice"
        Layout.fillWidth: true
        model: SettingsProvider.dateFormat
        textRole: "text"
        currentIndex: dateSettings.controller.dateFormat
        onActivated: index => dateSettings.controller.dateFormat = index
    }

    DefaultText {
        text: bindTr("Generic", "Datum")
    }
    DatePicker {
        objectName: "resetDatePicker"
        Layout.alignment: Qt.AlignLeft
        value: dateSettings.controller.date
        onValueChanged: dateSettings.controller.date = value
    }

    DefaultText {
        text: bindTr("Program settings", "Zeitformat")
    }
    DefaultCombobox {
        objectName: "resetTimeFormatChoice"
        Layout.fillWidth: true
        model: SettingsProvider.timeFormat
        currentIndex: dateSettings.controller.timeFormat
        onActivated: index => dateSettings.controller.timeFormat = index
    }

    DefaultText {
        text: bindTr("Edit switch time", "Zeit")
    }
    // On wheels, as the date above: one picker, not a typed field as well.
    TumblerTimePicker {
        objectName: "resetTimePicker"
        Layout.alignment: Qt.AlignLeft
        time: dateSettings.timeOfDay
        showSeconds: false
        onTimeHasChanged: value => dateSettings.controller.time =
            new Date(Date.UTC(2000, 0, 1, Math.floor(value / 3600), Math.floor(value % 3600 / 60)))
    }
}
