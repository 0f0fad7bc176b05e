import QtQuick
import QtQuick.Layouts
import Tarvino

// A time of day (seconds since midnight) typed as "hh:mm" or, with `showSeconds`,
// "hh:mm:ss"; hours up to `maxHour`. A valid entry sets `time` and emits `timeHasChanged`.
RowLayout {
    id: picker

    property int time: 0
    property bool showSeconds: false
    property int maxHour: 23
    readonly property bool valid: field.valid

    signal timeHasChanged(int time)

    function text(seconds) {
        const parts = [Math.floor(seconds / 3600), Math.floor(seconds % 3600 / 60)]
        if (showSeconds)
            parts.push(seconds % 60)
        return parts.map(Models.twoDigits).join(":")
    }
    function parse(text) {
        const parts = text.split(":").map(part => parseInt(part, 10))
        if (parts.length !== (showSeconds ? 3 : 2) || parts.some(isNaN))
            return -1
        if (parts[0] > maxHour || parts[1] > 59 || (showSeconds && parts[2] > 59))
            return -1
        return parts[0] * 3600 + parts[1] * 60 + (showSeconds ? parts[2] : 0)
    }

    DefaultTextField {
        id: field
        objectName: "timeField"
        Layout.preferredWidth: picker.showSeconds ? 110 : 80
        inputMask: picker.showSeconds ? "00:00:00;_" : "00:00;_"
        validator: RegularExpressionValidator { regularExpression: /\d\d:[0-5]\d(:[0-5]\d)?/ }
        horizontalAlignment: TextInput.AlignHCenter
        text: picker.text(picker.time)
        onEditingFinished: {
            const value = picker.parse(text)
            if (value >= 0 && value !== picker.time) {
                picker.time = value
                picker.timeHasChanged(value)
            }
            text = Qt.binding(() => picker.text(picker.time))
        }
    }
    ColoredIcon {
        source: Icons.clock
        iconColor: Colors.primaryColor
    }
}
