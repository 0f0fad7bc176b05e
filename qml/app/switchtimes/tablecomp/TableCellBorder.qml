import QtQuick
import Tarvino

// The frame of a table cell, behind its content; light grey while the cell is disabled.
Rectangle {
    property bool cellEnabled: true
    property bool hideBorderWhenEnabled: false

    anchors.fill: parent
    z: -1
    color: cellEnabled ? "transparent" : Colors.lightGrey
    border.width: hideBorderWhenEnabled && cellEnabled ? 0 : 1
    border.color: Colors.delightGrey
}
