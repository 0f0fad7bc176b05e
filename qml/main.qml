import QtQuick
import logger
import Tarvino

MainWindow {
    id: window

    // The name each translation gives its own language, listed in the language choice.
    readonly property string languageNameText: QT_TRANSLATE_NOOP("Global", "LANGUAGE_NAME")
    property Item logView: null

    function updateLogView() {
        if (app.logState && !logView)
            logView = logViewComponent.createObject(window.contentItem)
        else if (!app.logState && logView) {
            logView.destroy()
            logView = null
        }
    }

    Component {
        id: logViewComponent
        Logger {
            service: logger
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
        }
    }

    Connections {
        target: app
        function onLogStateChanged() { window.updateLogView() }
    }

    Component.onCompleted: {
        eventService.listenTo(window)
        if (app.hasLogger) {
            LoggerColors.init()
            updateLogView()
        }
    }
}
