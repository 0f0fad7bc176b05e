import QtQuick
import Tarvino

// Text in the program's face, colour and size; aligned by the reading direction.
Text {
    color: Colors.textColor
    font.family: Fonts.defaultFamily
    font.styleName: Fonts.regular
    font.pixelSize: Metrics.fontSize.defaultSize
    elide: Text.ElideRight
    verticalAlignment: Text.AlignVCenter
}
