import QtQuick
import QtQuick.Layouts
import Tarvino

// The column titles of the date table and a row of units with the select-all box.
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
                height: DateTableMetrics.headerTitleHeight
                spacing: 0
                Repeater {
                    model: [
                        {text: bindTr("DateRangeTable", "Nr."), width: header.table.columns.number, shown: true},
                        {text: bindTr("DateRangeTable", "Typ"), width: header.table.columns.type, shown: true},
                        {text: bindTr("DateRangeTable", "Start"), width: header.table.columns.start, shown: true},
                        {text: bindTr("DateRangeTable", "Ende"), width: header.table.columns.end, shown: true},
                        {text: bindTr("DateRangeTable", "Dauer"), width: header.table.columns.duration, shown: true},
                        {text: bindTr("DateRangeTable", "Wiederholung"), width: header.table.columns.repeat,
                         shown: header.table.hasExtendedDateRanges},
                        {text: bindTr("DateRangeTable", "Hinweis / Fehler"), width: header.table.columns.error, shown: true}
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
                height: DateTableMetrics.headerUnitHeight
                spacing: 0
                Item {
                    Layout.preferredWidth: header.table.columns.number
                    Layout.fillHeight: true
                    DefaultCheckBox {
                        id: selectAll
                        objectName: "selectAllDateRanges"
                        anchors.centerIn: parent
                        visible: header.table.dateRangeCount > 0
                        checkable: false
                        checked: header.table.undoModel ? header.table.undoModel.isAllSelected : false
                        onClicked: header.table.undoModel.isAllSelected = !checked
                        DefaultToolTip {
                            visible: selectAll.hovered
                            delay: 1000
                            timeout: 5000
                            text: selectAll.checked ? bindTr("DateRangeTable", "Auswahl löschen")
                                                    : bindTr("DateRangeTable", "Alle auswählen")
                        }
                    }
                }
                Item { Layout.preferredWidth: header.table.columns.type }
                Repeater {
                    model: [header.table.columns.start, header.table.columns.end]
                    Row {
                        required property int modelData
                        Layout.preferredWidth: modelData
                        TableCenteredText {
                            width: DateTableMetrics.dateWidth + Metrics.halfMargin
                            font.pixelSize: Metrics.fontSize.small
                            text: bindTr("DateRangeTable", "Datum")
                        }
                        TableCenteredText {
                            width: DateTableMetrics.timeWidth + Metrics.halfMargin
                            font.pixelSize: Metrics.fontSize.small
                            text: bindTr("DateRangeTable", "hh:mm")
                        }
                    }
                }
                TableCenteredText {
                    Layout.preferredWidth: header.table.columns.duration
                    font.pixelSize: Metrics.fontSize.small
                    text: bindTr("DateRangeTable", "Tage Stunden")
                }
                TableCenteredText {
                    visible: header.table.hasExtendedDateRanges
                    Layout.preferredWidth: header.table.columns.repeat
                    font.pixelSize: Metrics.fontSize.small
                    text: bindTr("DateRangeTable", "Nach ... Tagen")
                }
                Item { Layout.fillWidth: true }
            }
        }
    }
}
