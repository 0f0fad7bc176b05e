import QtQuick
import QtQuick.Controls
import Tarvino

// The frame of every pop-up: modal over the window it belongs to, 70 % of its width (at
// most the widest readable content), centred, raised above the on-screen keyboard while it
// has an entry, closed by Escape or a press outside. `popupCallback` receives `result`.
Popup {
    id: popup

    property bool hasInput: false
    property bool vibrate: false
    property var popupCallback: null
    property var result: undefined

    parent: Overlay.overlay
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    width: parent ? Math.min(parent.width * 0.7, Metrics.popups.maxContentWidth + 2 * padding) : implicitWidth
    x: parent ? (parent.width - width) / 2 : 0
    y: {
        if (!parent)
            return 0
        const centred = (parent.height - height) / 2
        if (hasInput && Qt.inputMethod.visible)
            return Math.max(0, Math.min(centred, Qt.inputMethod.keyboardRectangle.y - height - Metrics.margin))
        return centred
    }
    padding: Metrics.middleMargin
    background: Rectangle {
        radius: Metrics.radius
        color: Colors.white
        border.width: 1
        border.color: Colors.delightGrey
    }
    Overlay.modal: Rectangle { color: "#66000000" }
    enter: Transition { NumberAnimation { property: "opacity"; from: 0; to: 1; duration: Metrics.durations.popupTransition } }
    exit: Transition { NumberAnimation { property: "opacity"; from: 1; to: 0; duration: Metrics.durations.popupTransition } }

    onOpened: if (vibrate) platformService.vibrateOnly()
    onClosed: if (typeof popupCallback === "function") popupCallback(result)
}
