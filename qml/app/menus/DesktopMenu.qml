import QtQuick
import core
import Tarvino

// The menu bar of the desktop main window. Each entry calls an action that exists; entries
// join as their views and actions are built.
QtObject {
    id: desktopMenu

    required property var window
    readonly property var menus: [fileMenu, editMenu, projectMenu, settingsMenu, helpMenu]
    // Actions on a project wait until one is open and nothing is loading.
    readonly property bool projectActions: mainController.ready && mainController.currentProject !== null
    readonly property bool controlsProject: mainController.currentProject !== null
                                            && deviceService.deviceType(mainController.currentProject.deviceOt2) === 3
    property ToolBarFunctions actions: ToolBarFunctions {}

    property Menu fileMenu: Menu {
        title: bindTr("Menus", "&Datei")
        MenuItem {
            title: bindTr("Menus", "&Neues Projekt")
            shortcut: StandardKey.New
            enabled: mainController.ready
            onTriggered: actions.newProject()
        }
        MenuItem {
            title: bindTr("Menus", "&Öffnen")
            shortcut: StandardKey.Open
            enabled: mainController.ready
            onTriggered: actions.openProjectFile()
        }
        MenuItem {
            title: bindTr("Menus", "&Speichern")
            shortcut: StandardKey.Save
            enabled: desktopMenu.projectActions
            onTriggered: actions.saveProject(false)
        }
        MenuItem {
            title: bindTr("Menus", "&Speichern unter")
            enabled: desktopMenu.projectActions
            onTriggered: actions.saveProject(true)
        }
        MenuItem {
            title: bindTr("Menus", "TARVINO rix2/rix3 lesen")
            visible: hasSerialLib && !desktopMenu.controlsProject
            enabled: mainController.ready
            onTriggered: actions.readFromDevice()
        }
        MenuItem {
            title: bindTr("Menus", "Programm TARVINO rix2/rix3")
            enabled: desktopMenu.projectActions
            onTriggered: ZorvikUtils.writeProject()
        }
        MenuItem {
            title: bindTr("Menus", "Direkte Befehle")
            visible: !desktopMenu.controlsProject
            enabled: mainController.ready
            onTriggered: actions.openDirectCommands()
        }
        MenuItem {
            title: bindTr("Windows", "Exportieren")
            enabled: desktopMenu.projectActions
            onTriggered: mainController.csvExport()
        }
        MenuItem {
            title: bindTr("Menus", "Senden per E-Mail")
            enabled: desktopMenu.projectActions
            onTriggered: mainController.sendViaEmail()
        }
        MenuItem {
            title: bindTr("Menus", "Drucken")
            shortcut: StandardKey.Print
            enabled: desktopMenu.projectActions
            onTriggered: mainController.printDocument(false)
        }
        MenuItem {
            title: bindTr("Menus", "Druckvorschau")
            enabled: desktopMenu.projectActions
            onTriggered: mainController.printDocument(true)
        }
        MenuSeparator {}
        MenuItem {
            title: bindTr("Menus", "&Ende")
            shortcut: StandardKey.Quit
            onTriggered: desktopMenu.window.quitApplication()
        }
    }

    // The current view's undo history and edit menu (the program view's table).
    readonly property var currentView: ViewLoader.stack ? ViewLoader.stack.currentItem : null
    readonly property var undoModel: currentView && currentView.undoModel ? currentView.undoModel : null
    readonly property var contextMenu: currentView && currentView.localContextMenu ? currentView.localContextMenu : null

    property Menu editMenu: Menu {
        title: bindTr("Menus", "Bearbeiten")
        enabled: desktopMenu.projectActions
        MenuItem {
            title: bindTr("Menus", "Rückgängig")
            shortcut: "Ctrl+Z"
            enabled: desktopMenu.undoModel !== null && desktopMenu.undoModel.canUndo
            onTriggered: desktopMenu.undoModel.undo()
        }
        MenuItem {
            title: bindTr("Menus", "Wiederherstellen")
            shortcut: "Ctrl+Y"
            enabled: desktopMenu.undoModel !== null && desktopMenu.undoModel.canRedo
            onTriggered: desktopMenu.undoModel.redo()
        }
        MenuItem {
            title: bindTr("Menus", "Ausschneiden")
            shortcut: StandardKey.Cut
            enabled: desktopMenu.contextMenu !== null && desktopMenu.contextMenu.canCopy && desktopMenu.contextMenu.canDelete
            onTriggered: desktopMenu.contextMenu.cut()
        }
        MenuItem {
            title: bindTr("Menus", "Kopieren")
            shortcut: StandardKey.Copy
            enabled: desktopMenu.contextMenu !== null && desktopMenu.contextMenu.canCopy
            onTriggered: desktopMenu.contextMenu.copy()
        }
        MenuItem {
            title: bindTr("Menus", "Einfügen")
            shortcut: StandardKey.Paste
            enabled: desktopMenu.contextMenu !== null && desktopMenu.contextMenu.canPaste
            onTriggered: desktopMenu.contextMenu.paste()
        }
        MenuItem {
            title: bindTr("Menus", "Alles markieren")
            shortcut: StandardKey.SelectAll
            enabled: desktopMenu.contextMenu !== null && desktopMenu.contextMenu.canSelectAll
            onTriggered: desktopMenu.contextMenu.selectAll()
        }
        MenuItem {
            title: bindTr("Menus", "Löschen")
            shortcut: StandardKey.Delete
            enabled: desktopMenu.contextMenu !== null && desktopMenu.contextMenu.canCopy
            onTriggered: desktopMenu.contextMenu.del()
        }
    }

    // Sorting works on what the grid shows.
    readonly property bool gridShown: currentView !== null && currentView.gridShown === true

    property Menu projectMenu: Menu {
        title: bindTr("Menus", "Projekt")
        MenuItem {
            title: bindTr("Menus", "Sortieren...")
            enabled: desktopMenu.projectActions && desktopMenu.gridShown
            onTriggered: actions.openSortView()
        }
        MenuItem {
            title: bindTr("Menus", "Optimieren")
            enabled: desktopMenu.projectActions
            onTriggered: actions.optimizeProject()
        }
        MenuItem {
            title: bindTr("Menus", "&Projekteinstellungen...")
            enabled: desktopMenu.projectActions
            onTriggered: actions.openProjectSettings()
        }
    }

    property Menu settingsMenu: Menu {
        title: bindTr("Menus", "Einstellungen")
        MenuItem {
            title: bindTr("Menus", "Sprache erstellen TARVINO rix2/rix3")
            visible: hasSerialLib
            enabled: !serialProtocol.busy
            onTriggered: actions.openDeviceLanguages()
        }
        MenuItem {
            title: bindTr("Menus", "&Feiertag")
            onTriggered: actions.openHolidays()
        }
        MenuItem {
            title: bindTr("Menus", "&App-Einstellungen...")
            onTriggered: actions.openGlobalSettings()
        }
    }

    property Menu helpMenu: Menu {
        title: bindTr("Menus", "Hilfe")
        MenuItem {
            title: bindTr("Menus", "&Hilfe")
            shortcut: StandardKey.HelpContents
            onTriggered: actions.openHelp()
        }
        MenuItem {
            title: bindTr("Menus", "&Software-Infos")
            onTriggered: actions.openSoftwareInfo()
        }
        MenuItem {
            title: bindTr("Menus", "&Zorvik AG")
            onTriggered: Qt.openUrlExternally("https://" + ClientConfig.details.website)
        }
    }
}
