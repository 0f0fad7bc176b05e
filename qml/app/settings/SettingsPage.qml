import QtQuick
import QtQuick.Controls
import Tarvino

// A scrolling settings page of the project. Its sections (`sections`) bind to the project, so
// they are made once `ready` holds.
TabSubView {
    id: page

    property bool ready: false
    property Component sections

    Flickable {
        id: flickable
        anchors.fill: parent
        contentHeight: loader.implicitHeight + 2 * Metrics.middleMargin
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollIndicator.vertical: DefaultScrollIndicator {}

        Loader {
            id: loader
            // Anchored, so that a right-to-left page keeps its sections on the right.
            anchors.left: parent.left
            anchors.leftMargin: Metrics.middleMargin
            y: Metrics.middleMargin
            width: Math.min(flickable.width - 2 * Metrics.middleMargin, 900)
            active: page.ready
            sourceComponent: page.sections
        }
    }
}
