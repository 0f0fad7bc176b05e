import QtQuick
import QtQuick.Controls
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

    Flickable {
        anchors.fill: parent
        contentHeight: form.implicitHeight
        clip: true
        GlobalSettings {
            id: form
            width: parent.width
            height: Math.max(implicitHeight, view.availableHeight)
            onFinished: view.leaveView()
        }
    }

    StackView.onRemoved: viewLeaved()
}
