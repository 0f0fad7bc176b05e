import QtQuick
import QtQuick.Controls
import Tarvino

// A tool tip in the program's face, shown after a short delay.
ToolTip {
    id: tip

    delay: 600
    timeout: 5000
    font.family: Fonts.defaultFamily
    font.pixelSize: Metrics.fontSize.small
    contentItem: DefaultText {
        text: tip.text
        font: tip.font
        color: Colors.white
        wrapMode: Text.WordWrap
    }
    background: Rectangle {
        radius: Metrics.radius
        color: Colors.darkGrey
    }
}
