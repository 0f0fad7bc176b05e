import QtQuick
import QtQuick.Controls
import Tarvino

// One light sensor: its name, lux value, blink button and one check box per channel. A check
// box sends the sensor's whole assignment; the blink button pulses while the sensor blinks.
Item {
    id: row

    required property int index
    required property int sensorIndex
    required property int luxValue
    required property bool isBlinking
    required property var channelAffectations
    required property var sensors
    property bool compact: false
    property real nameWidth: 120
    property real luxWidth: 110
    property real blinkWidth: 110
    property real channelWidth: 80

    objectName: "sensorRow" + index
    implicitHeight: 56

    Row {
        anchors.fill: parent
        DefaultText {
            objectName: "sensorName"
            width: row.nameWidth
            height: row.height
            text: row.compact ? bindTr("Direct commands", "S%1").arg(row.sensorIndex)
                              : bindTr("Direct commands", "Sensor %1").arg(row.sensorIndex)
        }
        DefaultText {
            objectName: "sensorLux"
            width: row.luxWidth
            height: row.height
            text: bindTr("Direct commands", "%1 lx").arg(row.luxValue)
        }
        Item {
            width: row.blinkWidth
            height: row.height
            CheckableButton {
                id: blink
                objectName: "sensorBlinkButton"
                anchors.verticalCenter: parent.verticalCenter
                checkable: false
                checked: row.isBlinking
                iconSource: Icons.sun
                onClicked: row.sensors.toggleSensorFlash(row.index)
                SequentialAnimation on opacity {
                    running: row.isBlinking
                    loops: Animation.Infinite
                    onRunningChanged: if (!running) blink.opacity = 1
                    NumberAnimation { to: 0.3; duration: 400 }
                    NumberAnimation { to: 1; duration: 400 }
                }
            }
        }
        Repeater {
            model: row.channelAffectations.length
            Item {
                id: cell
                required property int index
                width: row.channelWidth
                height: row.height
                DefaultCheckBox {
                    objectName: "sensorChannel" + cell.index
                    anchors.centerIn: parent
                    checked: row.channelAffectations[cell.index] === true
                    onToggled: {
                        const assignment = row.channelAffectations.slice()
                        assignment[cell.index] = checked
                        row.sensors.setAffectations(row.index, assignment)
                        checked = Qt.binding(() => row.channelAffectations[cell.index] === true)
                    }
                }
            }
        }
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Colors.lightGrey
    }
}
