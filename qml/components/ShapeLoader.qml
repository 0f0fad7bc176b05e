import QtQuick

// Holds a shape (`sourceComponent`) made afresh each time it enters a window: the software
// scene graph draws a shape that left its window and came back (a pop-up closed and opened
// again) with its freed node.
Loader {
    active: Window.window !== null
}
