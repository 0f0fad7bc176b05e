import QtQuick
import Tarvino

// The dot beside a channel: red while it signals a fault, green for an extension channel.
Rectangle {
    property bool signaling: false
    property bool extension: false

    implicitWidth: 15
    implicitHeight: 15
    radius: width / 2
    color: signaling ? Colors.red : Colors.green
    visible: signaling || extension
}
