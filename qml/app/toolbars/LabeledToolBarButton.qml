import QtQuick
import Tarvino

// A tool-bar button of the touch layouts: the icon with its label under it. A checked button
// marks the mode that is on.
Item {
    id: button

    property url source
    property string text
    property bool checked: false

    signal clicked

    implicitWidth: Math.max(56, label.implicitWidth + 2 * Metrics.halfMargin)
    implicitHeight: Metrics.toolbar.barHeight
    opacity: enabled ? 1 : 0.4

    Rectangle {
        anchors.fill: parent
        radius: Metrics.radius
        color: button.checked ? Colors.delightBlue : area.pressed ? Colors.lightGrey : "transparent"
    }
    Column {
        anchors.centerIn: parent
        spacing: 2
        ColoredIcon {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: String(button.source) !== ""
            source: button.source
            iconColor: ClientConfig.colors.toolbarElementColor
        }
        DefaultText {
            id: label
            anchors.horizontalCenter: parent.horizontalCenter
            text: button.text
            color: ClientConfig.colors.toolbarElementColor
            font.pixelSize: Metrics.fontSize.small
        }
    }
    MouseArea {
        id: area
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
}
