import QtQuick
import QtQuick.Controls
import Tarvino

// A round button with an icon, floating over a view.
Button {
    id: bubble

    property url _icon
    property color bubbleColor: Colors.primaryColor

    implicitWidth: 56
    implicitHeight: 56
    padding: 0
    contentItem: Item {
        ColoredIcon {
            anchors.centerIn: parent
            source: bubble._icon
            iconColor: Colors.white
        }
    }
    background: Rectangle {
        radius: width / 2
        color: !bubble.enabled ? Colors.grey : bubble.down ? Qt.darker(bubble.bubbleColor, 1.2) : bubble.bubbleColor
    }
}
