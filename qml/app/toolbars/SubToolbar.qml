import QtQuick
import QtQuick.Controls
import Tarvino

// A row of tool-bar buttons under the main tool bar; it scrolls sideways where the buttons do
// not fit, the line at its foot telling how far.
Rectangle {
    id: bar

    default property alias buttons: row.data

    implicitHeight: Metrics.toolbar.barHeight + Metrics.halfMargin
    color: ClientConfig.colors.headerColor

    Flickable {
        id: flick
        objectName: "subToolbarFlick"
        anchors.fill: parent
        anchors.leftMargin: Metrics.margin
        anchors.rightMargin: Metrics.margin
        contentWidth: row.implicitWidth
        contentHeight: height
        flickableDirection: Flickable.HorizontalFlick
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        ScrollIndicator.horizontal: ToolbarScrollIndicator {}

        Row {
            id: row
            height: flick.height
            spacing: Metrics.margin
        }
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Colors.delightGrey
    }
}
