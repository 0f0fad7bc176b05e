import QtQuick
import Tarvino

// A time entered as text: "hh:mm:ss", "hh:mm" or, without hours, "mm:ss". Hours above
// `hourMaxValue` are cut to it. Every edit after completion reports the time. The models carry
// wall-clock times in UTC and read what they are given as local time.
DefaultTextField {
    id: picker

    property date time: new Date(Date.UTC(2000, 0, 1))
    property bool showHours: true
    property bool showSeconds: false
    property int hourMaxValue: 23
    property bool ready: false

    signal timeHasChanged(date time)

    implicitWidth: 90
    horizontalAlignment: TextInput.AlignHCenter
    inputMask: showHours && showSeconds ? "00:00:00" : "00:00"
    text: format(time)
    Component.onCompleted: ready = true

    function format(value) {
        const parts = showHours ? [value.getUTCHours(), value.getUTCMinutes()]
                                : [value.getUTCMinutes(), value.getUTCSeconds()]
        if (showHours && showSeconds)
            parts.push(value.getUTCSeconds())
        return parts.map(Models.twoDigits).join(":")
    }
    // The time the text names, or null while it is incomplete or out of range.
    function parse(value) {
        const parts = value.split(":").map(part => parseInt(part, 10))
        if (parts.some(isNaN))
            return null
        const hours = showHours ? Math.min(parts[0], hourMaxValue) : 0
        const minutes = showHours ? parts[1] : parts[0]
        const seconds = showHours ? (showSeconds ? parts[2] : 0) : parts[1]
        if (minutes > 59 || seconds > 59)
            return null
        return new Date(2000, 0, 1, hours, minutes, seconds)
    }

    // A partly typed time is not reported: the model's answer would rewrite the text under
    // the user's hands.
    onTextEdited: {
        if (!ready || !/^\d\d:\d\d(:\d\d)?$/.test(text))
            return
        const parsed = parse(text)
        if (parsed)
            timeHasChanged(parsed)
    }
}
