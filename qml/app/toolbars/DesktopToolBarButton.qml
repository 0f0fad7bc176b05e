import QtQuick
import QtQuick.Layouts
import Tarvino

// A tool-bar button of the desktop layout: the icon with its label beside it; `toolTip`
// explains more where the label is short. A compact button shows its icon only, with the label
// as its tool tip, when the bar is too narrow for every label and the title.
Item {
    id: button

    property url source
    property string text
    property string toolTip
    property bool compact: false
    // The width with its label, whether shown or not.
    readonly property real fullWidth: icon.implicitWidth + label.implicitWidth + row.spacing + 2 * Metrics.padding

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
            id: icon
            source: button.source
            iconColor: ClientConfig.colors.toolbarElementColor
            visible: String(button.source) !== ""
        }
        DefaultText {
            id: label
            text: button.text
            color: ClientConfig.colors.toolbarElementColor
            visible: !button.compact
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
        // A button of a view just left keeps its hover, but no longer lies in a window.
        visible: area.containsMouse && text !== "" && button.Window.window !== null
        text: button.toolTip !== "" ? button.toolTip : button.compact ? button.text : ""
    }
}
