import QtQuick
import Tarvino

// A view meant for a window of its own, as a page of the main window's stack: loads `source`
// with `properties`, shows its title, returns when the view emits `closeDialog` and hands
// viewLeaved() on to it, as WindowDialog does on the desktop.
AppView {
    id: page

    property url source
    property var properties: ({})

    title: loader.item ? loader.item.title : ""

    function viewLeaved() {
        if (loader.item)
            loader.item.viewLeaved()
    }

    Component.onCompleted: loader.setSource(source, properties)

    Loader {
        id: loader
        anchors.fill: parent
    }
    Connections {
        target: loader.item
        function onCloseDialog() { ViewLoader.popView() }
    }
}
