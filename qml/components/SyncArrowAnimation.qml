import QtQuick

// Turns its target once around in four steps of 1550 ms each, for as long as it runs.
SequentialAnimation {
    id: animation

    property Item target

    loops: Animation.Infinite
    RotationAnimation {
        target: animation.target
        from: 0
        to: 360
        duration: 4 * 1550
        direction: RotationAnimation.Clockwise
    }
    onStopped: if (target) target.rotation = 0
}
