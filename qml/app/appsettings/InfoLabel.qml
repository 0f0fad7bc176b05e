import QtQuick
import QtQuick.Layouts
import Tarvino

// The name of a value in the software information, right-aligned before it.
DefaultText {
    Layout.columnSpan: 4
    Layout.fillWidth: true
    Layout.preferredWidth: 4
    horizontalAlignment: Text.AlignRight
    color: Colors.secondaryColor
    font.pixelSize: 26
    wrapMode: Text.WordWrap
    elide: Text.ElideNone
}
