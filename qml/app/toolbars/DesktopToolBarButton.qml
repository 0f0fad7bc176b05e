import QtQuick
import QtQuick.Layouts
import Tarvino

// A tool-bar button of the desktop layout: the icon with its label beside it; `toolTip`
// explains more where the label is short.
Item {
    id: button

    property url source
    property string text
    property string toolTip

    signal clicked

    implicitWidth: row.implicitWidth + 2 * Metrics.padding
    implicitHeight: 40
    opacity: enabled ? 1 : 0.4

    Rectangle {
        anchors.fill: parent
        radius: Metrics.radius
        color: area.pressed ? Colors.lightGrey : "transparent"
    }
    RowLayout {
        id: row
        anchors.centerIn: parent
        spacing: Metrics.spacing
        ColoredIcon {
            source: button.source
            iconColor: ClientConfig.colors.toolbarElementColor
            visible: String(button.source) !== ""
        }
        DefaultText {
            text: button.text
            color: ClientConfig.colors.toolbarElementColor
        }
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
    DefaultToolTip {
        visible: area.containsMouse && button.toolTip !== ""
        text: button.toolTip
    }
}
