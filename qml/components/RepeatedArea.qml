import QtQuick

// A press area that repeats while held: `activated` on a click and, while the press lasts,
// first after 750 ms, then after intervals 100 ms shorter each time, down to 150 ms.
MouseArea {
    id: area

    // The interval that has just elapsed when `activated` comes from holding.
    readonly property alias repeatInterval: timer.interval
    property bool repeating: false

    signal activated

    onPressed: {
        repeating = false
        timer.interval = 750
        timer.restart()
    }
    onReleased: timer.stop()
    onCanceled: timer.stop()
    onClicked: if (!repeating) activated()

    Timer {
        id: timer
        interval: 750
        repeat: true
        onTriggered: {
            area.repeating = true
            area.activated()
            if (interval > 150)
                interval -= 100
        }
    }
}
