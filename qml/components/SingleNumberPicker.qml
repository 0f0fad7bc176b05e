import QtQuick
import QtQuick.Layouts
import Tarvino

// One number between `from` and `to` with minus and plus buttons (held to repeat); the
// number is shown moved by `shift` (for example 1-based) and followed by `unit`. Once it has
// the keyboard focus (a user sets `activeFocusOnTab`), the up and down keys and +/- step it too.
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

    Keys.onPressed: event => {
        if (event.key === Qt.Key_Up || event.key === Qt.Key_Plus)
            step(stepSize)
        else if (event.key === Qt.Key_Down || event.key === Qt.Key_Minus)
            step(-stepSize)
        else
            return
        event.accepted = true
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

        Rectangle {
            anchors.fill: parent
            anchors.margins: -2
            z: -1
            visible: picker.activeFocus
            color: "transparent"
            radius: Metrics.radius
            border.width: 2
            border.color: Colors.primaryColor
        }
    }
    ClickableIcon {
        objectName: "increase"
        source: Icons.plus
        iconColor: Colors.primaryColor
        enabled: picker.value < picker.to
        RepeatedArea { anchors.fill: parent; enabled: parent.enabled; onActivated: picker.step(picker.stepSize) }
    }
}
