import QtQuick
import QtQuick.Controls
import Tarvino

// An icon button that shows its press in `pressedColor`; with `toggle` it stays on.
AbstractButton {
    id: haptic

    property url source
    property color iconColor: Colors.primaryColor
    property color pressedColor: Colors.lightBlue
    property bool toggle: false
    property int iconSize: 24

    checkable: toggle
    implicitWidth: iconSize + 2 * Metrics.padding
    implicitHeight: iconSize + 2 * Metrics.padding
    opacity: enabled ? 1 : 0.4
    onClicked: platformService.vibrateOnly()
    contentItem: ColoredIcon {
        source: haptic.source
        iconSize: haptic.iconSize
        iconColor: haptic.down || haptic.checked ? haptic.pressedColor : haptic.iconColor
    }
    background: Rectangle {
        radius: Metrics.radius
        color: haptic.down ? Colors.lightGrey : "transparent"
    }
}
