import QtQuick
import QtQuick.Controls
import Tarvino

// The thin line under the tool bar that tells how far a button row is scrolled.
ScrollIndicator {
    id: indicator

    orientation: Qt.Horizontal
    contentItem: Rectangle {
        implicitHeight: 2
        color: Colors.toolbarElementColor
        opacity: indicator.size < 1 ? 0.6 : 0
    }
}
