import QtQuick
import QtQuick.Controls
import Tarvino

// A thin scroll position mark, shown while the content moves.
ScrollIndicator {
    id: indicator

    contentItem: Rectangle {
        implicitWidth: 4
        implicitHeight: 4
        radius: 2
        color: Colors.middleGrey
        opacity: indicator.active ? 0.8 : 0
        Behavior on opacity { NumberAnimation { duration: 300 } }
    }
}
