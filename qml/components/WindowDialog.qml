import QtQuick
import QtQuick.Window
import core
import Tarvino

// A view in a window of its own, modal for the application: loads `source` with
// `properties` (and "insideDialog": true), closes when the view emits `closeDialog`, and
// calls the view's viewLeaved() on closing. Five clicks within 800 ms of the first toggle the
// view's `showDebug`; the clicks still reach the view.
Window {
    id: dialog

    property url source
    property var properties: ({})
    readonly property alias item: loader.item

    minimumWidth: 350
    minimumHeight: 600
    width: minimumWidth
    height: minimumHeight
    title: ClientConfig.details.displayedName
    modality: Qt.ApplicationModal
    color: Colors.white

    property bool completed: false

    function load() {
        loader.setSource(source, Object.assign({}, properties, { insideDialog: true }))
    }

    Component.onCompleted: {
        completed = true
        load()
    }
    onSourceChanged: if (completed) load()
    onClosing: if (loader.item && typeof loader.item.viewLeaved === "function") loader.item.viewLeaved()
    onVisibleChanged: if (visible) WindowLayout.registerDialog(dialog)

    Loader {
        id: loader
        anchors.fill: parent
    }
    Connections {
        target: loader.item
        ignoreUnknownSignals: true
        function onCloseDialog() { dialog.close() }
    }

    // Counts presses on top of the view and lets each go on to the view.
    MouseArea {
        property int count: 0
        property real firstPress: 0

        anchors.fill: parent
        z: 1
        acceptedButtons: Qt.AllButtons
        onPressed: mouse => {
            mouse.accepted = false
            const now = Date.now()
            if (count === 0 || now - firstPress > 800) {
                count = 0
                firstPress = now
            }
            if (++count < 5)
                return
            count = 0
            if (loader.item && loader.item.showDebug !== undefined)
                loader.item.showDebug = !loader.item.showDebug
        }
    }
}
