import QtQuick
import QtQuick.Controls
import core
import softwareversion
import Tarvino

ApplicationWindow {
    id: window

    // The native menus of the desktop main window, handed over before the layout is set up.
    property var menus: []

    width: platformService.defaultWindowSize.width
    height: platformService.defaultWindowSize.height
    title: ClientConfig.details.displayedName
    LayoutMirroring.enabled: localeService.isRightToLeft
    LayoutMirroring.childrenInherit: true

    // Asked by the native main window before it closes: nothing can be left unsaved yet.
    function onDesktopClosing() {
        return true
    }

    function quitApplication() {
        if (onDesktopClosing())
            Qt.quit()
    }

    StackView {
        id: stack
        anchors.fill: parent
        initialItem: homePlaceholder
    }

    Component {
        id: homePlaceholder
        Item {
            Label {
                anchors.centerIn: parent
                text: SoftwareVersion.text
            }
        }
    }

    // While a view controller loads, the window takes no input and dims.
    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: mainController.ready ? 0 : 0.4
        visible: opacity > 0
        Behavior on opacity { NumberAnimation { duration: 200 } }
        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.AllButtons
            onWheel: (wheel) => wheel.accepted = true
        }
    }

    DesktopMenu {
        id: desktopMenu
        window: window
    }

    Component.onCompleted: {
        menus = desktopMenu.menus
        WindowLayout.setupLayout(window, onDesktopClosing)
        // A project file named on the command line is imported and opened.
        mainController.loadOpenedProject()
    }
}
