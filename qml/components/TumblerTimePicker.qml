import QtQuick
import Tarvino

// A time of day (seconds since midnight) on wheels of hours, minutes and, with
// `showSeconds`, seconds; hours run up to `maxHour`. `timeHasChanged` tells each change.
Row {
    id: picker

    property int time: 0
    property bool showHours: true
    property bool showSeconds: false
    property int maxHour: 23

    signal timeHasChanged(int time)

    spacing: Metrics.margin
    // Hours, minutes and seconds read from left to right in every language.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    function update() {
        const value = (showHours ? hours.currentIndex * 3600 : 0) + minutes.currentIndex * 60
                      + (showSeconds ? seconds.currentIndex : 0)
        if (value === time)
            return
        time = value
        timeHasChanged(value)
    }

    TimePickerColumnItem {
        id: hours
        objectName: "hours"
        visible: picker.showHours
        model: Models.seq(0, picker.maxHour)
        currentIndex: Math.floor(picker.time / 3600)
        unit: bindTr("Calendar", "h")
        onMovingChanged: if (!moving) picker.update()
    }
    TimePickerColumnItem {
        id: minutes
        objectName: "minutes"
        model: Models.minutes
        currentIndex: Math.floor(picker.time % 3600 / 60)
        unit: bindTr("Calendar", "m")
        onMovingChanged: if (!moving) picker.update()
    }
    TimePickerColumnItem {
        id: seconds
        objectName: "seconds"
        visible: picker.showSeconds
        model: Models.seconds
        currentIndex: picker.time % 60
        unit: bindTr("Calendar", "s")
        onMovingChanged: if (!moving) picker.update()
    }
}
