import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// One row per light sensor: its lux value, its blinking and a check box per channel. Narrow
// windows show the sensors' short names.
Item {
    id: table

    // The SensorsAffectationController.
    required property var sensors
    readonly property int channelNumber: sensors ? sensors.channelNumber : 0
    readonly property real nameWidth: compact ? 50 : 120
    readonly property real luxWidth: 110
    readonly property real blinkWidth: 110
    readonly property real fullNameWidth: 120
    readonly property real channelWidth: Math.max(80, (width - nameWidth - luxWidth - blinkWidth) / Math.max(1, channelNumber))
    readonly property bool compact: channelNumber > 1
                                    && (Window.window ? Window.window.width : width) < 100 + fullNameWidth + luxWidth + 80 * channelNumber

    objectName: "sensorAffectationTable"

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Row {
            id: header
            objectName: "sensorTableHeader"
            Layout.fillWidth: true
            Item { width: table.nameWidth; height: 1 }
            DefaultText {
                width: table.luxWidth
                text: bindTr("Direct commands", "Luxwert")
                color: Colors.secondaryColor
            }
            DefaultText {
                width: table.blinkWidth
                text: bindTr("Direct commands", "Blinken")
                color: Colors.secondaryColor
            }
            Repeater {
                model: table.channelNumber
                DefaultText {
                    required property int index
                    width: table.channelWidth
                    text: bindTr("Direct commands", "Kanal %1 aktivieren ").arg(index + 1)
                    color: Colors.secondaryColor
                    wrapMode: Text.WordWrap
                    elide: Text.ElideNone
                    horizontalAlignment: Text.AlignHCenter
                }
            }
        }
        Rectangle {
            Layout.fillWidth: true
            Layout.topMargin: Metrics.spacing
            height: 1
            color: Colors.delightGrey
        }
        ListView {
            id: list
            objectName: "sensorList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: table.sensors
            boundsBehavior: Flickable.StopAtBounds
            ScrollIndicator.vertical: DefaultScrollIndicator {}
            delegate: SensorRow {
                width: list.width
                sensors: table.sensors
                compact: table.compact
                nameWidth: table.nameWidth
                luxWidth: table.luxWidth
                blinkWidth: table.blinkWidth
                channelWidth: table.channelWidth
            }
        }
    }
}
