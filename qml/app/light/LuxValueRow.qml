import QtQuick
import QtQuick.Layouts
import Tarvino

// The on and off thresholds of one day of the channel. A right click asks for the copy menu;
// `onOnValue` tells whether it came from the "Ein" value.
RowLayout {
    id: row

    required property var project
    required property int channel
    required property int day
    property string dayName
    property real dayWidth: 0
    property real valueWidth: 120
    readonly property int onValue: onSelector.luxValue
    readonly property int offValue: offSelector.luxValue
    // Counts the project's lux changes, so that both values are read again.
    property int revision: 0
    // A stored value outside the offered thresholds still shows.
    readonly property var luxValues: Models.luxValues

    signal copyMenuRequested(bool onOnValue, Item source, point position)

    spacing: Metrics.margin

    Connections {
        target: row.project
        function onLuxValuesChanged() { ++row.revision }
        function onLuxOnValuesChanged() { ++row.revision }
        function onLuxOffValuesChanged() { ++row.revision }
    }

    DefaultText {
        objectName: "luxDay_" + row.day
        Layout.preferredWidth: row.dayWidth
        visible: row.dayName !== ""
        text: row.dayName
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.RightButton
            onClicked: mouse => row.copyMenuRequested(false, parent, Qt.point(mouse.x, mouse.y))
        }
    }
    LuxValueSelector {
        id: onSelector
        objectName: "luxOn_" + row.day
        Layout.preferredWidth: row.valueWidth
        model: row.luxValues
        luxValue: row.revision, row.project.luxOnValue(row.channel, row.day)
        onLuxHasChanged: lux => {
            row.project.setLuxOnValue(row.day, lux)
            luxValue = Qt.binding(() => (row.revision, row.project.luxOnValue(row.channel, row.day)))
        }
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.RightButton
            onClicked: mouse => row.copyMenuRequested(true, parent, Qt.point(mouse.x, mouse.y))
        }
    }
    LuxValueSelector {
        id: offSelector
        objectName: "luxOff_" + row.day
        Layout.preferredWidth: row.valueWidth
        model: row.luxValues
        luxValue: row.revision, row.project.luxOffValue(row.channel, row.day)
        onLuxHasChanged: lux => {
            row.project.setLuxOffValue(row.day, lux)
            luxValue = Qt.binding(() => (row.revision, row.project.luxOffValue(row.channel, row.day)))
        }
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.RightButton
            onClicked: mouse => row.copyMenuRequested(false, parent, Qt.point(mouse.x, mouse.y))
        }
    }
}
