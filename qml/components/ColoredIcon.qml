import QtQuick
import Tarvino

// An icon; with `iconColor` set, its lines are painted in that colour (the drawings are
// black lines on a 24 x 24 grid). Arrows may turn with the reading direction.
Rectangle {
    id: icon

    property url source
    property color iconColor: "transparent"
    property int iconSize: 24
    property bool mirrorInRightToLeft: false

    implicitWidth: iconSize
    implicitHeight: iconSize
    color: "transparent"

    Image {
        anchors.fill: parent
        source: Icons.colored(icon.source, icon.iconColor)
        sourceSize: Qt.size(Math.max(1, width), Math.max(1, height))
        fillMode: Image.PreserveAspectFit
        mirror: icon.mirrorInRightToLeft && icon.LayoutMirroring.enabled
    }
}
