import QtQuick
import Tarvino

// One week of a program in the grid, with the day names beside it and the time scale under it,
// as the program view lays them out.
Rectangle {
    id: scene

    property QtObject controller
    property bool mirrored: false
    readonly property var days: ["Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"]

    width: 1280
    height: 380
    color: "#f2f2f2"
    LayoutMirroring.enabled: mirrored
    LayoutMirroring.childrenInherit: true

    Column {
        anchors.left: parent.left
        anchors.leftMargin: 16
        y: grid.y
        Repeater {
            model: scene.days
            Text {
                required property string modelData
                height: grid.height / grid.rows
                verticalAlignment: Text.AlignVCenter
                text: modelData
                font.pixelSize: 16
                color: "#333333"
            }
        }
    }

    SwitchGrid {
        id: grid
        anchors.left: parent.left
        anchors.leftMargin: 64
        anchors.right: parent.right
        anchors.rightMargin: 24
        y: 24
        height: 280
        controller: scene.controller
        mirror: scene.mirrored
        minSolarLite: 6 * 60 + 20
        maxSolarLite: 20 * 60 + 10
        minSolar: 7 * 60
        maxSolar: 19 * 60 + 30
        posibleSteps: [1, 5, 15, 30, 60]
        posibleVisibleSteps: [30, 24, 24, 24, 24]
    }

    SwitchRuler {
        anchors.top: grid.bottom
        x: grid.x - padding
        width: grid.width + 2 * padding
        height: 48
        padding: 24
        cols: grid.cols
        steps: grid.steps
        visibleSteps: grid.visibleSteps
        offset: grid.offset
        mirror: grid.mirror
        skip: width > 870 ? 0 : 6
        textColor: "#333333"
        font.pixelSize: 15
    }
}
