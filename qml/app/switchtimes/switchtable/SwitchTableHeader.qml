import QtQuick
import QtQuick.Layouts
import Tarvino

// The column titles of the switch table and a row of units with the select-all box.
Column {
    id: header

    required property var table

    signal rightClicked

    MouseArea {
        width: header.width
        height: titles.height + units.height
        acceptedButtons: Qt.RightButton
        onClicked: header.rightClicked()

        // As wide as the rows, so that a right-to-left table starts its columns on the same edge.
        Column {
            width: parent.width
            RowLayout {
                id: titles
                width: parent.width
                height: SwitchTableMetrics.headerTitleHeight
                spacing: 0
                Repeater {
                    model: [
                        {text: bindTr("SwitchTimeTable", "Nr."), width: header.table.columns.number, shown: true},
                        {text: bindTr("SwitchTimeTable", "Typ"), width: header.table.columns.type, shown: true},
                        {text: bindTr("SwitchTimeTable", "Status"), width: header.table.columns.state, shown: true},
                        {text: header.table.fixedLayout ? bindTr("SwitchTimeTable", "Start") : bindTr("SwitchTimeTable", "Zeit"),
                         width: header.table.columns.time, shown: true},
                        {text: header.table.fixedLayout ? bindTr("SwitchTimeTable", "Ende") : bindTr("SwitchTimeTable", "Wochentag"),
                         width: header.table.columns.weekday, shown: true},
                        {text: bindTr("SwitchTimeTable", "Impuls"), width: header.table.columns.pulse, shown: header.table.hasImpuls},
                        {text: bindTr("SwitchTimeTable", "Zyklus"), width: header.table.columns.cycle, shown: header.table.hasZyclus},
                        {text: bindTr("SwitchTimeTable", "Hinweis / Fehler"), width: header.table.columns.error, shown: true}
                    ]
                    TableCenteredText {
                        required property var modelData
                        visible: modelData.shown
                        Layout.preferredWidth: modelData.width
                        Layout.fillHeight: true
                        font.styleName: Fonts.bold
                        text: modelData.text
                    }
                }
                Item { Layout.fillWidth: true }
            }
            RowLayout {
                id: units
                width: parent.width
                // Two lines of units.
                height: 2 * SwitchTableMetrics.headerUnitHeight - Metrics.margin
                spacing: 0
                Item {
                    Layout.preferredWidth: header.table.columns.number
                    Layout.fillHeight: true
                    DefaultCheckBox {
                        id: selectAll
                        objectName: "selectAllBox"
                        anchors.centerIn: parent
                        visible: header.table.switchCount > 0
                        checkable: false
                        checked: header.table.undoModel ? header.table.undoModel.isAllSelected : false
                        onClicked: header.table.undoModel.isAllSelected = !checked
                        DefaultToolTip {
                            visible: selectAll.hovered
                            delay: 1000
                            timeout: 5000
                            text: selectAll.checked ? bindTr("SwitchTimeTable", "Auswahl löschen")
                                                    : bindTr("SwitchTimeTable", "Alle auswählen")
                        }
                    }
                }
                Item { Layout.preferredWidth: header.table.columns.type + header.table.columns.state }
                TableCenteredText {
                    Layout.preferredWidth: header.table.columns.time
                    font.pixelSize: Metrics.fontSize.small
                    text: header.table.fixedLayout ? "" : bindTr("SwitchTimeTable", "hh:mm:ss")
                }
                Item { Layout.preferredWidth: header.table.columns.weekday }
                TableCenteredText {
                    visible: header.table.hasImpuls
                    Layout.preferredWidth: header.table.columns.pulse
                    font.pixelSize: Metrics.fontSize.small
                    text: bindTr("SwitchTimeTable", "Dauer bis\nmm:ss")
                }
                Row {
                    visible: header.table.hasZyclus
                    Layout.preferredWidth: header.table.columns.cycle
                    TableCenteredText {
                        width: header.table.columns.cycle / 2
                        font.pixelSize: Metrics.fontSize.small
                        text: bindTr("SwitchTimeTable", "Puls\nhh:mm:ss")
                    }
                    TableCenteredText {
                        width: header.table.columns.cycle / 2
                        font.pixelSize: Metrics.fontSize.small
                        text: bindTr("SwitchTimeTable", "Pause\nhh:mm:ss")
                    }
                }
                Item { Layout.fillWidth: true }
            }
        }
    }
}
