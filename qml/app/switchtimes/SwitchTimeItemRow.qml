import QtQuick
import QtQuick.Layouts
import Tarvino

// One line of a switch time in the list: a caption and its value.
RowLayout {
    id: line

    property string caption
    property string value

    spacing: Metrics.margin

    DefaultText {
        Layout.preferredWidth: 70
        text: line.caption
        color: Colors.secondaryColor
        font.pixelSize: Metrics.fontSize.small
    }
    DefaultText {
        Layout.fillWidth: true
        text: line.value
        elide: Text.ElideRight
    }
}
