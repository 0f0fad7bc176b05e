import QtQuick
import Tarvino

// A heading: the medium face in the primary colour; `size` picks a step of the type scale.
DefaultText {
    property int size: Metrics.fontSize.normal

    font.styleName: Fonts.bold
    font.pixelSize: size
    color: Colors.primaryColor
    wrapMode: Text.WordWrap
}
