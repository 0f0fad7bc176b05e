import QtQuick
import QtQuick.Layouts
import Tarvino

// One number between `from` and `to` with minus and plus buttons (held to repeat); the
// number is shown moved by `shift` (for example 1-based) and followed by `unit`.
RowLayout {
    id: picker

    property int value: 0
    property int from: 0
    property int to: 99
    property int stepSize: 1
    property int shift: 0
    property string unit

    spacing: Metrics.margin

    function step(delta) {
        value = Math.max(from, Math.min(to, value + delta))
    }

    ClickableIcon {
        objectName: "decrease"
        source: Icons.minus
        iconColor: Colors.primaryColor
        enabled: picker.value > picker.from
        RepeatedArea { anchors.fill: parent; enabled: parent.enabled; onActivated: picker.step(-picker.stepSize) }
    }
    DefaultText {
        objectName: "numberText"
        Layout.minimumWidth: 48
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: Metrics.fontSize.normal
        text: (picker.value + picker.shift) + (picker.unit !== "" ? " " + picker.unit : "")
    }
    ClickableIcon {
        objectName: "increase"
        source: Icons.plus
        iconColor: Colors.primaryColor
        enabled: picker.value < picker.to
        RepeatedArea { anchors.fill: parent; enabled: parent.enabled; onActivated: picker.step(picker.stepSize) }
    }
}
