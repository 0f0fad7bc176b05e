import QtQuick
import Tarvino

// The synchronisation arrows; `turning` lets them rotate (see SyncArrowAnimation).
Item {
    id: syncArrow

    property color color: Colors.primaryColor
    property bool turning: false
    property int iconSize: 24

    implicitWidth: iconSize
    implicitHeight: iconSize

    ColoredIcon {
        id: arrow
        anchors.fill: parent
        source: Icons.sync
        iconColor: syncArrow.color
        iconSize: syncArrow.iconSize
    }
    SyncArrowAnimation {
        target: arrow
        running: syncArrow.turning
    }
}
