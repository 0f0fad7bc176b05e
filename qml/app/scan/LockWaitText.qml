import QtQuick
import Tarvino

// The text of a locked device with the wait that remains, counted down each second; empty
// once the wait is over. `textOf(unlockTime)` writes it.
DefaultText {
    id: lockText

    required property var textOf
    property var unlockTime: null
    readonly property bool locked: text !== ""

    function show(time) {
        unlockTime = time
        refresh()
    }

    function refresh() {
        text = unlockTime === null ? "" : textOf(unlockTime)
    }

    visible: locked
    color: Colors.red
    wrapMode: Text.WordWrap
    elide: Text.ElideNone

    Timer {
        interval: 1000
        repeat: true
        running: lockText.locked
        onTriggered: lockText.refresh()
    }
}
