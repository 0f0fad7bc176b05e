import QtQuick
import Tarvino

// One segment of a choice row: filled while `selected`.
Item {
    id: toggleButton

    property string text
    property bool selected: false
    property color selectedColor: Colors.primaryColor

    signal clicked

    implicitWidth: Math.max(40, label.implicitWidth + 2 * Metrics.margin)
    implicitHeight: 36

    Rectangle {
        anchors.fill: parent
        radius: Metrics.radius
        color: toggleButton.selected ? toggleButton.selectedColor : Colors.white
        border.width: 1
        border.color: toggleButton.selectedColor
        opacity: toggleButton.enabled ? 1 : 0.4
    }
    DefaultText {
        id: label
        anchors.centerIn: parent
        text: toggleButton.text
        color: toggleButton.selected ? Colors.white : toggleButton.selectedColor
    }
    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: toggleButton.clicked()
    }
}
