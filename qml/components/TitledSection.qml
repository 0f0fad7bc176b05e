import QtQuick
import QtQuick.Layouts
import Tarvino

// A framed group with a title; the content lies in a column under it.
Rectangle {
    id: section

    property string title
    default property alias content: column.data

    implicitWidth: Math.max(titleText.implicitWidth, column.implicitWidth) + 2 * Metrics.margin
    implicitHeight: titleText.implicitHeight + column.implicitHeight + 3 * Metrics.margin
    radius: Metrics.radius
    color: Colors.white
    border.width: 1
    border.color: Colors.delightGrey

    DesignText {
        id: titleText
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: Metrics.margin
        text: section.title
        size: Metrics.fontSize.normal
    }
    ColumnLayout {
        id: column
        anchors.top: titleText.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: Metrics.margin
        spacing: Metrics.spacing
    }
}
