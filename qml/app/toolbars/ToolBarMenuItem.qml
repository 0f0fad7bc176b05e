import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// An entry of the tool-bar menu: its icon and its text.
MenuItem {
    id: entry

    property url source

    implicitHeight: 44
    padding: Metrics.padding
    font.family: Fonts.defaultFamily
    font.pixelSize: Metrics.fontSize.defaultSize
    contentItem: RowLayout {
        spacing: Metrics.margin
        ColoredIcon {
            visible: String(entry.source) !== ""
            source: entry.source
            iconColor: ClientConfig.colors.toolbarElementColor
        }
        DefaultText {
            Layout.fillWidth: true
            text: entry.text
            color: ClientConfig.colors.toolbarElementColor
        }
    }
    background: Rectangle {
        color: entry.down ? Colors.delightBlue : entry.highlighted ? Colors.lightGrey : Colors.white
    }
}
