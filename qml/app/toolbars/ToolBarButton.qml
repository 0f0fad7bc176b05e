import QtQuick
import Tarvino

// An icon button of the tool bar with its `text` as tool tip. A checked button marks the mode
// that is on.
Item {
    id: button

    property url source
    property string text
    property bool checked: false

    signal clicked

    implicitWidth: 40
    implicitHeight: 40
    opacity: enabled ? 1 : 0.4

    Rectangle {
        anchors.fill: parent
        radius: Metrics.radius
        color: button.checked ? Colors.delightBlue : area.pressed ? Colors.lightGrey : "transparent"
    }
    ColoredIcon {
        anchors.centerIn: parent
        source: button.source
        iconColor: ClientConfig.colors.toolbarElementColor
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
    // Not for a button whose view has left the window while the pointer rested on it.
    DefaultToolTip {
        visible: area.containsMouse && button.text !== "" && button.Window.window !== null
        text: button.text
    }
}
