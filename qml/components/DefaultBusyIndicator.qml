import QtQuick
import Tarvino

// A turning ring while `busy`.
Item {
    id: indicator

    property bool busy: true
    property color color: Colors.primaryColor

    implicitWidth: 48
    implicitHeight: 48
    visible: busy

    Repeater {
        model: 8
        Rectangle {
            required property int index
            x: indicator.width / 2 - width / 2 + Math.cos(index * Math.PI / 4) * indicator.width * 0.35
            y: indicator.height / 2 - height / 2 + Math.sin(index * Math.PI / 4) * indicator.height * 0.35
            width: indicator.width / 6
            height: width
            radius: width / 2
            color: indicator.color
            opacity: 0.2 + 0.8 * ((index + 8 - spinner.step) % 8) / 7
        }
    }

    QtObject {
        id: spinner
        property int step: 0
    }
    Timer {
        interval: 100
        repeat: true
        running: indicator.busy && indicator.visible
        onTriggered: spinner.step = (spinner.step + 1) % 8
    }
}
