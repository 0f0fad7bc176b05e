import QtQuick

// Lies under a form: a press beside every editor takes the keyboard focus away, so the edited
// value is committed and the on-screen keyboard goes.
MouseArea {
    anchors.fill: parent
    z: -1
    onPressed: mouse => {
        forceActiveFocus()
        mouse.accepted = false
    }
}
