import QtQuick
import QtQuick.Controls
import Tarvino

// A radio button in the program's colours.
RadioButton {
    id: radio

    font.family: Fonts.defaultFamily
    font.pixelSize: Metrics.fontSize.defaultSize
    spacing: Metrics.margin
    indicator: Rectangle {
        implicitWidth: 24
        implicitHeight: 24
        x: radio.mirrored ? radio.width - width - radio.leftPadding : radio.leftPadding
        y: (radio.height - height) / 2
        radius: width / 2
        border.width: 2
        border.color: radio.enabled ? Colors.primaryColor : Colors.grey
        Rectangle {
            anchors.centerIn: parent
            width: 12
            height: 12
            radius: 6
            color: Colors.primaryColor
            visible: radio.checked
        }
    }
    contentItem: DefaultText {
        text: radio.text
        wrapMode: Text.WordWrap
        leftPadding: radio.mirrored ? 0 : radio.indicator.width + radio.spacing
        rightPadding: radio.mirrored ? radio.indicator.width + radio.spacing : 0
        opacity: radio.enabled ? 1 : 0.4
    }
}
