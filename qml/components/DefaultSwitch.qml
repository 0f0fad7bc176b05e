import QtQuick
import QtQuick.Controls
import Tarvino

// An on/off switch: the track fills with the primary colour when on.
Switch {
    id: control

    font.family: Fonts.defaultFamily
    font.pixelSize: Metrics.fontSize.defaultSize
    spacing: Metrics.margin
    indicator: Rectangle {
        implicitWidth: 48
        implicitHeight: 26
        x: control.mirrored ? control.width - width - control.rightPadding : control.leftPadding
        y: (control.height - height) / 2
        radius: height / 2
        color: control.checked ? Colors.primaryColor : Colors.delightGrey
        opacity: control.enabled ? 1 : 0.4
        Rectangle {
            // The knob sits at the end that means "on" in the reading direction.
            x: (control.checked !== control.mirrored) ? parent.width - width - 3 : 3
            anchors.verticalCenter: parent.verticalCenter
            width: 20
            height: 20
            radius: 10
            color: Colors.white
            Behavior on x { NumberAnimation { duration: 120 } }
        }
    }
    contentItem: DefaultText {
        text: control.text
        leftPadding: control.mirrored ? 0 : control.indicator.width + control.spacing
        rightPadding: control.mirrored ? control.indicator.width + control.spacing : 0
        opacity: control.enabled ? 1 : 0.4
    }
}
