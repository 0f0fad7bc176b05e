import QtQuick
import QtQuick.Controls
import Tarvino

// The menu behind the menu button of the phone's tool bar: what the wider layouts show as
// buttons of their own.
Menu {
    id: menu

    signal directCommandsChosen
    signal settingsChosen
    signal softwareInfoChosen

    objectName: "toolBarMenu"
    padding: Metrics.halfMargin
    background: Rectangle {
        implicitWidth: 280
        color: Colors.white
        radius: Metrics.radius
        border.color: Colors.delightGrey
    }

    ToolBarMenuItem {
        objectName: "menuDirectCommands"
        source: Icons.power
        text: bindTr("ToolBarMenu", "Direktbefehle / Gerätestatus")
        onTriggered: menu.directCommandsChosen()
    }
    ToolBarMenuItem {
        objectName: "menuSettings"
        source: ClientConfig.icons.settings
        text: bindTr("ToolBarMenu", "Einstellungen")
        onTriggered: menu.settingsChosen()
    }
    ToolBarMenuItem {
        objectName: "menuSoftwareInfo"
        source: ClientConfig.icons.info
        text: bindTr("ToolBarMenu", "Software-Info")
        onTriggered: menu.softwareInfoChosen()
    }
}
