import QtQuick
import Tarvino

// Table text, centred both ways and never elided.
DefaultText {
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
    elide: Text.ElideNone
}
