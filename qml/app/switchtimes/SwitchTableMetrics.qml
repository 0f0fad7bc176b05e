pragma Singleton
import QtQuick

// The sizes of the switch table, in pixels.
QtObject {
    readonly property int headerTitleHeight: 40
    readonly property int headerUnitHeight: 30
    readonly property int rowHeight: 50

    readonly property int numberWidth: 30
    readonly property int typeWidth: 40
    readonly property int stateWidth: 60
    readonly property int timeWidth: 50
    readonly property int weekdayWidth: 220
    readonly property int pulseWidth: 50
    readonly property int cycleWidth: 140
    readonly property int errorWidth: 80

    readonly property int switchWidth: 55
    readonly property int switchHeight: 25
    readonly property int weekdayButtonWidth: 35
}
