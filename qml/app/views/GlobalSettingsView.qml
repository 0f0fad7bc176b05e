import QtQuick
import Tarvino

// The program's preferences as a view of its own.
AppView {
    id: view

    function viewLeaved() {
        form.leave()
    }

    function leaveView() {
        if (insideDialog)
            closeDialog()
        else
            ViewLoader.popView()
    }

    viewKind: View.GlobalSettingsView
    title: bindTr("GlobalSettings", "Einstellungen")

    GlobalSettings {
        id: form
        anchors.fill: parent
        onFinished: view.leaveView()
    }
}
