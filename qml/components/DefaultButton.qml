import QtQuick
import QtQuick.Shapes
import Tarvino

// The text button: filled in `color` with text in `textColor`, wrapping long texts; greyed
// out when disabled. With the client's cut edges, two corners are cut off.
Item {
    id: button

    property string text
    property color color: Colors.primaryColor
    property color textColor: Colors.isDarkColor(color) ? Colors.white : Colors.primaryColor
    property color disabledColor: Colors.delightGrey
    property color disabledTextColor: Colors.grey
    property bool wrap: true
    property int fontSize: Metrics.fontSize.defaultSize
    readonly property alias pressed: area.pressed

    signal clicked

    implicitWidth: Math.max(96, label.implicitWidth + 2 * Metrics.middleMargin)
    implicitHeight: Math.max(40, label.implicitHeight + 2 * Metrics.padding)
    activeFocusOnTab: true
    Keys.onReturnPressed: if (enabled) clicked()
    Keys.onSpacePressed: if (enabled) clicked()

    ShapeLoader {
        anchors.fill: parent
        sourceComponent: Shape {
            id: shape
            readonly property real cut: ClientConfig.behavior.cuttedEdges ? Math.min(10, height / 4) : 0
            ShapePath {
                // Light buttons on the white page get a frame in their text colour.
                strokeWidth: button.activeFocus ? 2 : Colors.isDarkColor(button.color) || !button.enabled ? 0 : 1
                strokeColor: button.activeFocus ? Colors.lightBlue : button.textColor
                fillColor: !button.enabled ? button.disabledColor
                                           : area.pressed ? Qt.darker(button.color, 1.2) : button.color
                startX: shape.cut; startY: 0
                PathLine { x: button.width; y: 0 }
                PathLine { x: button.width; y: button.height - shape.cut }
                PathLine { x: button.width - shape.cut; y: button.height }
                PathLine { x: 0; y: button.height }
                PathLine { x: 0; y: shape.cut }
                PathLine { x: shape.cut; y: 0 }
            }
        }
    }

    DefaultText {
        id: label
        anchors.fill: parent
        anchors.leftMargin: Metrics.margin
        anchors.rightMargin: Metrics.margin
        text: button.text
        color: button.enabled ? button.textColor : button.disabledTextColor
        font.styleName: Fonts.bold
        font.pixelSize: button.fontSize
        horizontalAlignment: Text.AlignHCenter
        wrapMode: button.wrap ? Text.WordWrap : Text.NoWrap
        elide: button.wrap ? Text.ElideNone : Text.ElideRight
    }

    MouseArea {
        id: area
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
}
