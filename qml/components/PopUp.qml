import QtQuick
import Tarvino

// The older pop-up frame: dims its parent and shows `content` in a box of `popUpWidth` by
// `popUpHeight`; a press outside the box closes it.
Item {
    id: popUp

    property alias content: box.data
    property real popUpWidth: Math.min(parent ? parent.width * 0.7 : 400, Metrics.popups.maxContentWidth)
    property real popUpHeight: 240
    property bool opened: false

    signal popUpClosed

    function open() { opened = true }
    function close() {
        if (!opened)
            return
        opened = false
        popUpClosed()
    }

    anchors.fill: parent
    visible: opened
    z: 100

    Rectangle {
        anchors.fill: parent
        color: "#66000000"
        MouseArea {
            anchors.fill: parent
            onClicked: popUp.close()
        }
    }
    Rectangle {
        id: box
        anchors.centerIn: parent
        width: popUp.popUpWidth
        height: popUp.popUpHeight
        radius: Metrics.radius
        color: Colors.white
        MouseArea { anchors.fill: parent }
    }
    Keys.onEscapePressed: close()
}
