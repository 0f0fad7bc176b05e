import QtQuick
import QtQuick.Controls
import QtQuick.Shapes
import Tarvino

// A ring that fills clockwise with the progress; the centre shows the percentage, a check
// mark when `finished` or a warning when `errorsOccured`.
ProgressBar {
    id: bar

    property bool finished: false
    property bool errorsOccured: false
    readonly property color stateColor: errorsOccured ? Colors.red : finished ? Colors.green : Colors.primaryColor

    implicitWidth: 96
    implicitHeight: 96
    background: null
    contentItem: Item {
        ShapeLoader {
            anchors.fill: parent
            sourceComponent: Shape {
                ShapePath {
                    strokeWidth: 8
                    strokeColor: Colors.delightGrey
                    fillColor: "transparent"
                    PathAngleArc {
                        centerX: bar.width / 2; centerY: bar.height / 2
                        radiusX: bar.width / 2 - 6; radiusY: bar.height / 2 - 6
                        startAngle: 0; sweepAngle: 360
                    }
                }
                ShapePath {
                    strokeWidth: 8
                    strokeColor: bar.stateColor
                    fillColor: "transparent"
                    capStyle: ShapePath.RoundCap
                    PathAngleArc {
                        centerX: bar.width / 2; centerY: bar.height / 2
                        radiusX: bar.width / 2 - 6; radiusY: bar.height / 2 - 6
                        startAngle: -90
                        sweepAngle: (bar.finished || bar.errorsOccured ? 1 : bar.position) * 360
                    }
                }
            }
        }
        DefaultText {
            anchors.centerIn: parent
            text: Math.round(bar.position * 100) + " %"
            font.pixelSize: Math.min(Metrics.fontSize.defaultSize, bar.width / 5)
            color: bar.stateColor
            visible: !bar.finished && !bar.errorsOccured
        }
        ColoredIcon {
            anchors.centerIn: parent
            iconSize: 32
            source: bar.errorsOccured ? Icons.warning : Icons.checkmark
            iconColor: bar.stateColor
            visible: bar.finished || bar.errorsOccured
        }
    }
}
