import QtQuick
import Tarvino

// A label above boxed content, as the settings forms show a value.
Rectangle {
    id: boxLabel

    property string label
    property real maxWidth: -1
    default property alias contentDats: box.data

    implicitWidth: maxWidth > 0 ? Math.min(maxWidth, naturalWidth) : naturalWidth
    implicitHeight: caption.implicitHeight + Metrics.spacing + box.height
    readonly property real naturalWidth: Math.max(caption.implicitWidth, box.childrenRect.width + 2 * Metrics.padding)
    color: "transparent"

    DefaultText {
        id: caption
        anchors.left: parent.left
        anchors.right: parent.right
        text: boxLabel.label
        font.pixelSize: Metrics.fontSize.small
        color: Colors.secondaryColor
    }
    Rectangle {
        id: box
        anchors.top: caption.bottom
        anchors.topMargin: Metrics.spacing
        anchors.left: parent.left
        anchors.right: parent.right
        height: childrenRect.height + 2 * Metrics.padding
        radius: Metrics.radius
        color: Colors.lightGrey
    }
}
