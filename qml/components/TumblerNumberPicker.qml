import QtQuick
import QtQuick.Layouts
import Tarvino

// One number between `from` and `to` on a wheel, shown moved by `shift` and followed by
// `unit`; `valueHasChanged` tells a change made on the wheel.
RowLayout {
    id: picker

    property int value: 0
    property int from: 0
    property int to: 99
    property int shift: 0
    property string unit

    signal valueHasChanged(int value)

    spacing: Metrics.spacing

    DefaultTumbler {
        objectName: "numberTumbler"
        model: picker.to - picker.from + 1
        format: index => String(picker.from + index + picker.shift)
        currentIndex: picker.value - picker.from
        onMovingChanged: {
            if (moving || picker.from + currentIndex === picker.value)
                return
            picker.value = picker.from + currentIndex
            picker.valueHasChanged(picker.value)
        }
    }
    DefaultText {
        text: picker.unit
        visible: picker.unit !== ""
        color: Colors.secondaryColor
    }
}
