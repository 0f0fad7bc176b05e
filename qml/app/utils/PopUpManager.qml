pragma Singleton
import QtQuick

// Opens the pop-ups of app/popups by name over the main window (or over the window of
// `over`, an item of a dialog), hands their result to one callback when they close and
// destroys them then. The open ones form a stack, so that the back key closes the newest.
QtObject {
    id: manager

    // The main window's content item, registered by the main window.
    property Item parentItem: null
    property var opened: []

    function openPopup(name, properties, callback, over) {
        const component = Qt.createComponent("qrc:/orvindal/Tarvino/app/popups/%1.qml".arg(name))
        if (component.status !== Component.Ready) {
            console.warn("The pop-up", name, "cannot be made:", component.errorString())
            return null
        }
        const popup = component.createObject(over || parentItem, properties || {})
        opened = living().concat([popup])
        popup.closed.connect(() => {
            manager.opened = manager.opened.filter(other => other !== popup)
            if (typeof callback === "function")
                callback(popup.result)
            // At the end of the program a pop-up closes while it is taken down.
            if (popup.parent)
                popup.destroy()
        })
        popup.open()
        return popup
    }

    // Closes the newest pop-up; false when none is open.
    function closeTopPopup() {
        opened = living()
        if (opened.length === 0)
            return false
        opened[opened.length - 1].close()
        return true
    }

    // A dialog that closes takes its pop-ups with it, unclosed; their properties read undefined.
    function living() {
        return opened.filter(popup => popup.opened !== undefined)
    }
}
