import QtQuick
import QtQuick.Controls
import Tarvino

// A progress line: blue while running, green when `finished`, red when `errorsOccured`.
ProgressBar {
    id: bar

    property bool finished: false
    property bool errorsOccured: false
    readonly property color stateColor: errorsOccured ? Colors.red : finished ? Colors.green : Colors.primaryColor

    implicitWidth: 200
    background: Rectangle {
        implicitHeight: 8
        radius: 4
        color: Colors.delightGrey
    }
    contentItem: Item {
        implicitHeight: 8
        Rectangle {
            x: bar.mirrored ? parent.width - width : 0
            width: bar.indeterminate ? parent.width : bar.visualPosition * parent.width
            height: parent.height
            radius: 4
            color: bar.stateColor
        }
    }
}
