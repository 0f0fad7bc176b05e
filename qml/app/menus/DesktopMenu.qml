import QtQuick
import core

// The menu bar of the desktop main window. Each entry calls an action that exists; entries
// join as their views and actions are built.
QtObject {
    id: desktopMenu

    required property var window
    readonly property url helpLink: "https://www.zorvik.de/faq"
    readonly property url makerLink: "https://www.zorvik.de"
    readonly property var menus: [fileMenu, helpMenu]
    // Actions on a project wait until one is open and nothing is loading.
    readonly property bool projectActions: mainController.ready && mainController.currentProject !== null

    property Menu fileMenu: Menu {
        title: desktopMenu.window.bindTr("Menus", "&Datei")
        MenuItem {
            title: desktopMenu.window.bindTr("Menus", "&Öffnen")
            shortcut: StandardKey.Open
            enabled: mainController.ready
            onTriggered: mainController.browseOt2()
        }
        MenuItem {
            title: desktopMenu.window.bindTr("Menus", "&Speichern")
            shortcut: StandardKey.Save
            enabled: desktopMenu.projectActions
            onTriggered: mainController.saveCurrentProject(false)
        }
        MenuItem {
            title: desktopMenu.window.bindTr("Menus", "&Speichern unter")
            enabled: desktopMenu.projectActions
            onTriggered: mainController.saveCurrentProject(true)
        }
        MenuItem {
            title: desktopMenu.window.bindTr("Menus", "Senden per E-Mail")
            enabled: desktopMenu.projectActions
            onTriggered: mainController.sendViaEmail()
        }
        MenuItem {
            title: desktopMenu.window.bindTr("Menus", "&Ende")
            shortcut: StandardKey.Quit
            onTriggered: desktopMenu.window.quitApplication()
        }
    }

    property Menu helpMenu: Menu {
        title: desktopMenu.window.bindTr("Menus", "Hilfe")
        MenuItem {
            title: desktopMenu.window.bindTr("Menus", "&Hilfe")
            shortcut: StandardKey.HelpContents
            onTriggered: Qt.openUrlExternally(desktopMenu.helpLink)
        }
        MenuItem {
            title: desktopMenu.window.bindTr("Menus", "&Zorvik AG")
            onTriggered: Qt.openUrlExternally(desktopMenu.makerLink)
        }
    }
}
