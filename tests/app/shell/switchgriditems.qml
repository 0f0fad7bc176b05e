import QtQuick
import Tarvino

// The week grid with its time scale bound to it, as the program view lays them out.
Item {
    width: 600
    height: 240

    property alias grid: grid
    property alias ruler: ruler

    SwitchGrid {
        id: grid
        width: parent.width
        height: 200
        posibleSteps: [1, 5, 15, 30, 60]
        posibleVisibleSteps: [30, 24, 24, 24, 24]
        minSolar: 360
        maxSolar: 1110
        onSelected: function (fromRow, toRow, fromCol, elements, area, delta) {}
        onHoveredElementsChanged: function (position, row, col, indexes) {}
    }

    SwitchRuler {
        id: ruler
        anchors.top: grid.bottom
        width: parent.width
        height: 40
        cols: grid.cols
        steps: grid.steps
        visibleSteps: grid.visibleSteps
        offset: grid.offset
        mirror: grid.mirror
        skip: width > 870 ? 0 : 6
        textColor: "black"
        font.pixelSize: 14
    }
}
