import QtQuick
import Tarvino

// An SVG picture at its own proportions, optionally painted in one colour.
Item {
    id: svgIcon

    property url source
    property color color: "transparent"

    implicitWidth: image.implicitWidth
    implicitHeight: image.implicitHeight

    Image {
        id: image
        anchors.fill: parent
        source: Icons.colored(svgIcon.source, svgIcon.color)
        sourceSize: Qt.size(Math.max(1, svgIcon.width), Math.max(1, svgIcon.height))
        fillMode: Image.PreserveAspectFit
    }
}
