import QtQuick
import QtQuick.Controls
import Tarvino

// A check box; round when the client wants round boxes.
CheckBox {
    id: box

    font.family: Fonts.defaultFamily
    font.pixelSize: Metrics.fontSize.defaultSize
    spacing: Metrics.margin
    indicator: Rectangle {
        implicitWidth: 24
        implicitHeight: 24
        x: box.mirrored ? box.width - width - box.leftPadding : box.leftPadding
        y: (box.height - height) / 2
        radius: ClientConfig.behavior.hasRoundCheckboxes ? width / 2 : Metrics.radius
        color: box.checked ? Colors.primaryColor : Colors.white
        border.width: 2
        border.color: box.enabled ? Colors.primaryColor : Colors.grey
        ColoredIcon {
            anchors.centerIn: parent
            iconSize: 18
            source: Icons.checkmark
            iconColor: Colors.white
            visible: box.checked
        }
    }
    contentItem: DefaultText {
        text: box.text
        wrapMode: Text.WordWrap
        leftPadding: box.mirrored ? 0 : box.indicator.width + box.spacing
        rightPadding: box.mirrored ? box.indicator.width + box.spacing : 0
        opacity: box.enabled ? 1 : 0.4
    }
}
