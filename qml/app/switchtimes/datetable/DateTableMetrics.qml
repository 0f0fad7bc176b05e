pragma Singleton
import QtQuick

// The column widths and heights of the date table, in pixels.
QtObject {
    readonly property int headerTitleHeight: 40
    readonly property int headerUnitHeight: 30
    readonly property int rowHeight: 50

    readonly property int numberWidth: 50
    readonly property int typeWidth: 200
    readonly property int dateWidth: 130
    readonly property int timeWidth: 80
    readonly property int offsetWidth: 210
    readonly property int durationWidth: 120
    readonly property int repeatWidth: 110
    readonly property int errorWidth: 180
}
