import QtQuick
import core
import Tarvino

// The menu bar of the desktop main window. Each entry calls an action that exists; entries
// join as their views and actions are built.
QtObject {
    id: desktopMenu

    required property var window
    readonly property var menus: [fileMenu, helpMenu]
    // Actions on a project wait until one is open and nothing is loading.
    readonly property bool projectActions: mainController.ready && mainController.currentProject !== null

    property Menu fileMenu: Menu {
        title: bindTr("Menus", "&Datei")
        MenuItem {
            title: bindTr("Menus", "&Öffnen")
            shortcut: StandardKey.Open
            enabled: mainController.ready
            onTriggered: mainController.browseOt2()
        }
        MenuItem {
            title: bindTr("Menus", "&Speichern")
            shortcut: StandardKey.Save
            enabled: desktopMenu.projectActions
            onTriggered: mainController.saveCurrentProject(false)
        }
        MenuItem {
            title: bindTr("Menus", "&Speichern unter")
            enabled: desktopMenu.projectActions
            onTriggered: mainController.saveCurrentProject(true)
        }
        MenuItem {
            title: bindTr("Menus", "Senden per E-Mail")
            enabled: desktopMenu.projectActions
            onTriggered: mainController.sendViaEmail()
        }
        MenuItem {
            title: bindTr("Menus", "&Ende")
            shortcut: StandardKey.Quit
            onTriggered: desktopMenu.window.quitApplication()
        }
    }

    property Menu helpMenu: Menu {
        title: bindTr("Menus", "Hilfe")
        MenuItem {
            title: bindTr("Menus", "&Hilfe")
            shortcut: StandardKey.HelpContents
            onTriggered: Qt.openUrlExternally(ClientConfig.details.faqLink)
        }
        MenuItem {
            title: bindTr("Menus", "&Zorvik AG")
            onTriggered: Qt.openUrlExternally("https://" + ClientConfig.details.website)
        }
    }
}
