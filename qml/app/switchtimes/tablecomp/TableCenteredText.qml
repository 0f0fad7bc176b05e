import QtQuick
import Tarvino

// Table text, centred both ways and never elided: a text wider than its column is set smaller.
DefaultText {
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
    elide: Text.ElideNone
    fontSizeMode: Text.HorizontalFit
    minimumPixelSize: 9
}
