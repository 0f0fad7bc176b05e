pragma Singleton
import QtQuick

// Colours of the on-screen log view, one per message kind.
QtObject {
    property color background: "#e0202020"
    property color debug: "#c8c8c8"
    property color info: "#ffffff"
    property color warning: "#ffc857"
    property color critical: "#ff6b6b"
    property bool initialized: false

    function init(accent) {
        if (accent !== undefined)
            info = accent
        initialized = true
    }

    function colorOf(line) {
        if (line.indexOf("[critical]") >= 0 || line.indexOf("[fatal]") >= 0)
            return critical
        if (line.indexOf("[warning]") >= 0)
            return warning
        if (line.indexOf("[info]") >= 0)
            return info
        return debug
    }
}
