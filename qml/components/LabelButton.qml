import QtQuick
import QtQuick.Controls
import Tarvino

// A text-only button, underlined like a link.
AbstractButton {
    id: labelButton

    property color textColor: Colors.primaryColor
    property int fontSize: Metrics.fontSize.defaultSize

    implicitWidth: label.implicitWidth + 2 * Metrics.halfMargin
    implicitHeight: Math.max(32, label.implicitHeight)
    opacity: enabled ? (down ? 0.6 : 1) : 0.4
    contentItem: DefaultText {
        id: label
        text: labelButton.text
        color: labelButton.textColor
        font.pixelSize: labelButton.fontSize
        font.underline: true
        horizontalAlignment: Text.AlignHCenter
    }
    HoverHandler { cursorShape: Qt.PointingHandCursor }
}
