pragma Singleton
import QtQuick

// The one map the program has: its own world map, drawn without a network, and whose data
// it shows.
QtObject {
    readonly property url mapSource: "qrc:/map/world.svg"
    readonly property string attribution: "Natural Earth"
}
