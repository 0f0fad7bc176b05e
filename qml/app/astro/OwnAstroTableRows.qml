import QtQuick
import QtQuick.Layouts
import Tarvino

// The own astro table in the coordinates settings, for models that have one:
// whether it is in force, its name, and the button that opens its editor.
ColumnLayout {
    id: rows

    required property var viewController
    readonly property var project: viewController ? viewController.project : null
    readonly property var table: project ? project.ownAstroTableModel() : null
    readonly property bool enabledTable: table !== null && table.enabled
    readonly property string name: table ? table.name : ""

    function openEditor() {
        ViewLoader.openPage(View.EditOwnAstroTableView, "qrc:/orvindal/Tarvino/app/astro/EditOwnAstroTable.qml",
                            { viewController: viewController }, 768,
                            { width: 768, height: 550, minimumHeight: 550, maximumWidth: 768, maximumHeight: 550 })
    }

    visible: project !== null && deviceService.hasOwnAstroTable(project.deviceOt2)
    spacing: Metrics.spacing

    RowLayout {
        spacing: Metrics.margin
        DefaultCheckBox {
            objectName: "ownTableEnabled"
            text: bindTr("Program settings", "Eigene Astro Tabelle")
            checked: rows.enabledTable
            onClicked: {
                rows.project.setOwnAstroEnabled(checked)
                checked = Qt.binding(() => rows.enabledTable)
            }
        }
        DefaultText {
            objectName: "ownTableNameText"
            visible: rows.enabledTable
            color: rows.name === "" ? Colors.red : Colors.primaryColor
            text: rows.name === "" ? bindTr("Program settings", "Edit name") : rows.name
        }
    }
    DefaultButton {
        objectName: "editOwnTableButton"
        text: bindTr("Astro settings", "Eigene Astrotabelle eingeben")
        onClicked: rows.openEditor()
    }
}
