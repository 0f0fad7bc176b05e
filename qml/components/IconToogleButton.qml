import QtQuick
import QtQuick.Controls
import Tarvino

// A small square button that switches between two icons.
AbstractButton {
    id: iconToggle

    property url checkedIcon
    property url uncheckedIcon
    property color iconColor: Colors.primaryColor

    checkable: true
    implicitWidth: 32
    implicitHeight: 32
    opacity: enabled ? 1 : 0.4
    contentItem: ColoredIcon {
        source: iconToggle.checked ? iconToggle.checkedIcon : iconToggle.uncheckedIcon
        iconColor: iconToggle.iconColor
    }
    background: Rectangle {
        radius: Metrics.radius
        color: iconToggle.down ? Colors.lightGrey : "transparent"
        border.width: 1
        border.color: Colors.delightGrey
    }
}
