import QtQuick
import Tarvino

// A view's title at the start of the bar, beside the back button: the phone's narrow bar keeps
// its buttons at the end and gives the title the room from the start on.
DesignText {
    size: Metrics.fontSize.big
    wrapMode: Text.NoWrap
    elide: Text.ElideRight
    horizontalAlignment: Text.AlignLeft
}
