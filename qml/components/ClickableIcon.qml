import QtQuick
import Tarvino

// An icon that reacts to the mouse; `extX` and `extY` enlarge the area that can be hit.
Rectangle {
    id: clickable

    property alias source: icon.source
    property alias iconColor: icon.iconColor
    property alias iconSize: icon.iconSize
    property alias mirrorInRightToLeft: icon.mirrorInRightToLeft
    property int extX: 8
    property int extY: 8
    readonly property alias isPressed: area.pressed

    signal clicked
    signal doubleClicked
    signal pressedAndHold
    signal pressed
    signal released

    implicitWidth: icon.implicitWidth
    implicitHeight: icon.implicitHeight
    color: "transparent"
    opacity: enabled ? (area.pressed ? 0.6 : 1) : 0.4

    ColoredIcon {
        id: icon
        anchors.fill: parent
    }

    MouseArea {
        id: area
        anchors.fill: parent
        anchors.margins: -Math.max(clickable.extX, clickable.extY)
        anchors.leftMargin: -clickable.extX
        anchors.rightMargin: -clickable.extX
        anchors.topMargin: -clickable.extY
        anchors.bottomMargin: -clickable.extY
        cursorShape: Qt.PointingHandCursor
        onClicked: clickable.clicked()
        onDoubleClicked: clickable.doubleClicked()
        onPressAndHold: clickable.pressedAndHold()
        onPressed: clickable.pressed()
        onReleased: clickable.released()
    }
}
