import QtQuick
import Tarvino

// The edit pencil in a frame, beside a summary that opens its editor.
Rectangle {
    id: button

    signal clicked

    implicitWidth: 40
    implicitHeight: 40
    radius: Metrics.radius
    color: area.pressed ? Colors.delightBlue : Colors.white
    border.width: 1
    border.color: enabled ? Colors.primaryColor : Colors.delightGrey
    opacity: enabled ? 1 : 0.4

    ColoredIcon {
        anchors.centerIn: parent
        source: ClientConfig.icons.edit
        iconColor: Colors.primaryColor
    }
    MouseArea {
        id: area
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
}
