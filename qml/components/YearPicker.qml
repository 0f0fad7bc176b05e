import QtQuick
import QtQuick.Layouts
import Tarvino

// A year on a wheel between `minYear` and `maxYear`; with `applyUntilYear` a second wheel
// chooses the last year of a span ("bis"), never before the first.
RowLayout {
    id: picker

    property int minYear: 2000
    property int maxYear: SettingsProvider.soWiSpecifics.lastYear
    property int value: minYear
    property bool applyUntilYear: false
    property int untilYear: value

    spacing: Metrics.margin

    DefaultTumbler {
        objectName: "yearTumbler"
        Layout.preferredWidth: 80
        model: picker.maxYear - picker.minYear + 1
        format: index => String(picker.minYear + index)
        currentIndex: picker.value - picker.minYear
        onMovingChanged: if (!moving) {
            picker.value = picker.minYear + currentIndex
            picker.untilYear = Math.max(picker.untilYear, picker.value)
        }
    }
    DefaultText {
        visible: picker.applyUntilYear
        text: bindTr("Calendar", "bis")
    }
    DefaultTumbler {
        objectName: "untilYearTumbler"
        Layout.preferredWidth: 80
        visible: picker.applyUntilYear
        model: picker.maxYear - picker.value + 1
        format: index => String(picker.value + index)
        currentIndex: picker.untilYear - picker.value
        onMovingChanged: if (!moving) picker.untilYear = picker.value + currentIndex
    }
}
