import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The project's own summer/winter table, a row per year: the day and hour of both switches.
// Rows are selected by their year (Shift a range, Ctrl one more), copied and pasted through the
// context menu; a click on a disabled row's cells enables it. "OK" keeps the table.
AppView {
    id: view

    required property var projectController
    // Taken once: asking again would load the stored rows over the edited ones.
    property SommerWinterTableModel table: null
    property int currentRow: -1
    property bool canPaste: false
    readonly property int yearWidth: 80
    readonly property int cellWidth: 300

    title: bindTr("Program settings", "Eigene Tabelle")

    Component.onCompleted: table = projectController.sommerWinterTable()

    function write(row, role, value) {
        table.setData(table.index(row, 0), value, role)
    }
    function clickYear(row, mouse) {
        if (mouse.button === Qt.RightButton) {
            if (table.selectionCount < 2) {
                currentRow = row
                table.select(row, false)
            }
            openContextMenu()
        } else if ((mouse.modifiers & Qt.ShiftModifier) && currentRow >= 0) {
            table.selectRange(currentRow, row)
        } else {
            currentRow = row
            table.select(row, (mouse.modifiers & Qt.ControlModifier) !== 0)
        }
    }
    function enableRow(row) {
        table.clearSelected()
        write(row, SommerWinterTableModel.EnabledRole, true)
    }
    function updateCanPaste() {
        canPaste = table.selectionCount > 0 && table.canPaste()
    }
    function openContextMenu() {
        updateCanPaste()
        contextMenu.popup()
    }
    function openAutomaticFill() {
        table.clearSelected()
        ViewLoader.openPage(View.SoWiAutomaticFillView, "qrc:/orvindal/Tarvino/app/settings/SoWiAutomaticFill.qml", {
            projectController: view.projectController,
            table: view.table
        }, 768, { minimumHeight: 550, height: 550 })
    }

    Connections {
        target: view.table
        function onHasCopyChanged() { view.updateCanPaste() }
        function onHasSelectionChanged() { view.updateCanPaste() }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        spacing: Metrics.margin

        RowLayout {
            spacing: Metrics.largeMargin
            DefaultText {
                Layout.preferredWidth: view.yearWidth
                text: bindTr("Program settings", "Jahr")
                font.styleName: Fonts.bold
            }
            DefaultText {
                Layout.preferredWidth: view.cellWidth
                text: bindTr("Program settings", "Winter > Sommer")
                font.styleName: Fonts.bold
            }
            DefaultText {
                Layout.preferredWidth: view.cellWidth
                text: bindTr("Program settings", "Sommer > Winter")
                font.styleName: Fonts.bold
            }
        }

        ListView {
            id: list
            objectName: "soWiTable"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: view.table
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}

            delegate: Rectangle {
                id: line
                required property int index
                required property var model
                readonly property int year: SettingsProvider.soWiSpecifics.firstYear + index

                objectName: "soWiRow_" + index
                width: list.width
                height: 48
                color: model.selected ? Colors.delightBlue : (index % 2 ? Colors.lightGrey : Colors.white)

                RowLayout {
                    anchors.fill: parent
                    spacing: Metrics.largeMargin

                    DefaultText {
                        objectName: "soWiYear_" + line.index
                        Layout.preferredWidth: view.yearWidth
                        Layout.fillHeight: true
                        leftPadding: Metrics.padding
                        verticalAlignment: Text.AlignVCenter
                        text: String(line.year)
                        MouseArea {
                            anchors.fill: parent
                            acceptedButtons: Qt.LeftButton | Qt.RightButton
                            onClicked: mouse => view.clickYear(line.index, mouse)
                        }
                    }
                    SoWiRowElement {
                        objectName: "wiSoCell_" + line.index
                        Layout.preferredWidth: view.cellWidth
                        year: line.year
                        active: line.model.enabled
                        date: line.model.wiSoDate
                        hour: line.model.wiSoHour
                        hours: view.table.wiSoList
                        onDateUpdated: date => view.write(line.index, SommerWinterTableModel.WiSoDateRole, date)
                        onHourUpdated: hour => view.write(line.index, SommerWinterTableModel.WiSoHourRole, hour)
                        onClearSelection: active ? view.table.clearSelected() : view.enableRow(line.index)
                    }
                    SoWiRowElement {
                        objectName: "soWiCell_" + line.index
                        Layout.preferredWidth: view.cellWidth
                        year: line.year
                        active: line.model.enabled
                        date: line.model.soWiDate
                        hour: line.model.soWiHour
                        hours: view.table.soWiList
                        onDateUpdated: date => view.write(line.index, SommerWinterTableModel.SoWiDateRole, date)
                        onHourUpdated: hour => view.write(line.index, SommerWinterTableModel.SoWiHourRole, hour)
                        onClearSelection: active ? view.table.clearSelected() : view.enableRow(line.index)
                    }
                    Item { Layout.fillWidth: true }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: Metrics.margin
            DefaultButton {
                objectName: "soWiAutomaticFill"
                text: bindTr("Program settings", "Automatisch ausfüllen")
                color: Colors.white
                onClicked: view.openAutomaticFill()
            }
            DefaultButton {
                objectName: "soWiClearAll"
                text: bindTr("Program settings", "Alles löschen")
                color: Colors.white
                onClicked: {
                    view.table.clearAll()
                    view.table.clearSelected()
                }
            }
            Item { Layout.fillWidth: true }
            DefaultButton {
                objectName: "soWiTableOk"
                text: bindTr("Generic", "OK")
                onClicked: {
                    view.projectController.saveSommerWinterTable()
                    view.closeDialog()
                }
            }
        }
    }

    TableContextMenu {
        id: contextMenu
        objectName: "soWiContextMenu"
        canCopy: view.table ? view.table.selectionCount > 0 : false
        canPaste: view.canPaste
        canSelectAll: true
        onAboutToShow: view.updateCanPaste()
        onCopy: view.table.copySelected()
        onCut: {
            view.table.copySelected()
            view.table.removeSelected()
        }
        onPaste: view.table.paste(view.currentRow)
        onDel: view.table.removeSelected()
        onSelectAll: view.table.selectAll()
    }
}
