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
    // A mirrored layout flips an explicit alignment itself; Latin names in a right-to-left view
    // would otherwise keep to the left.
    horizontalAlignment: LayoutMirroring.enabled ? Text.AlignLeft : localeService.textHAlign
}
