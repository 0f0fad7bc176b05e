import QtQuick
import QtQuick.Controls
import Tarvino

// A button that stays down: filled in `toggledColor` while checked, `untoggledColor` else.
Button {
    id: toggle

    property url iconSource
    property color toggledColor: Colors.primaryColor
    property color untoggledColor: Colors.white
    readonly property color foreground: Colors.isDarkColor(checked ? toggledColor : untoggledColor)
                                        ? Colors.white : Colors.primaryColor

    checkable: true
    implicitHeight: 40
    padding: Metrics.padding
    font.family: Fonts.defaultFamily
    font.pixelSize: Metrics.fontSize.defaultSize
    contentItem: Row {
        spacing: Metrics.spacing
        ColoredIcon {
            anchors.verticalCenter: parent.verticalCenter
            source: toggle.iconSource
            iconColor: toggle.foreground
            visible: String(toggle.iconSource) !== ""
        }
        DefaultText {
            anchors.verticalCenter: parent.verticalCenter
            text: toggle.text
            color: toggle.foreground
            visible: text !== ""
        }
    }
    background: Rectangle {
        implicitWidth: 40
        radius: Metrics.radius
        color: toggle.checked ? toggle.toggledColor : toggle.untoggledColor
        border.width: 1
        border.color: toggle.toggledColor
        opacity: toggle.enabled ? 1 : 0.4
    }
}
