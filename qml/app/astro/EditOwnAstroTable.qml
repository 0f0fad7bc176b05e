import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The own astro table of the project: its name, time zone and one sunrise and sunset per day.
// The rows are in leap-year order, so they are labelled with the days of a leap year whatever
// the current year. Leaving the view, by OK or by the window's close button, hands the rows to
// the astro engine.
AppView {
    id: view

    required property var viewController
    readonly property var project: viewController ? viewController.project : null
    readonly property var table: project ? project.ownAstroTableModel() : null
    readonly property int timeColumnWidth: 160

    title: bindTr("Program settings", "Eigene Astro Tabelle")

    // A project closed under the open page takes its table along.
    function viewLeaved() {
        if (table)
            table.updateAstroTab()
    }
    // "dd.MM" of a row; row 59 is 29 February.
    function dayLabel(row) {
        return Qt.formatDate(new Date(2008, 0, 1 + row), "dd.MM")
    }
    function secondsOf(time) {
        const seconds = time.getHours() * 3600 + time.getMinutes() * 60
        return isNaN(seconds) ? 0 : seconds
    }
    function timeOf(seconds) {
        return new Date(1970, 0, 1, Math.floor(seconds / 3600), Math.floor(seconds % 3600 / 60))
    }
    function setCell(row, column, seconds) {
        if (column === 0)
            table.setSunrise(timeOf(seconds), row, false)
        else
            table.setSunset(timeOf(seconds), row, false)
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        spacing: Metrics.margin

        GridLayout {
            columns: 2
            columnSpacing: Metrics.largeMargin
            rowSpacing: Metrics.margin

            DefaultText { text: bindTr("Generic", "Name") }
            DefaultTextField {
                objectName: "ownTableName"
                Layout.preferredWidth: 225
                maximumLength: 13
                // An empty name is not acceptable, so the frame shows it red.
                validator: RegularExpressionValidator { regularExpression: /[0-9a-zA-Z\-\s]+/ }
                placeholderText: bindTr("Generic", "Name bearbeiten")
                placeholderTextColor: Colors.red
                text: view.table.name
                onTextEdited: view.table.name = text.toUpperCase()
            }
            DefaultText { text: bindTr("Astro settings", "Zeitzone") }
            DefaultCombobox {
                objectName: "ownTableTimezone"
                Layout.preferredWidth: 225
                model: AstroSettingsProvider.timezone
                currentIndex: view.table.timezone
                onActivated: index => {
                    view.table.timezone = index
                    currentIndex = Qt.binding(() => view.table.timezone)
                }
            }
        }

        RowLayout {
            spacing: 0
            Repeater {
                model: [bindTr("Generic", "Date"), bindTr("Astro settings", "Sunrise"), bindTr("Astro settings", "Sunset")]
                delegate: DefaultText {
                    required property string modelData
                    required property int index
                    Layout.preferredWidth: index === 0 ? rowLabels.width : view.timeColumnWidth
                    font.styleName: Fonts.bold
                    text: modelData
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 0

            VerticalHeaderView {
                id: rowLabels
                objectName: "ownTableDays"
                Layout.fillHeight: true
                implicitWidth: 80
                syncView: cells
                clip: true
                delegate: Item {
                    required property int row
                    implicitWidth: 80
                    implicitHeight: 48
                    DefaultText {
                        anchors.fill: parent
                        verticalAlignment: Text.AlignVCenter
                        text: view.dayLabel(parent.row)
                    }
                }
            }
            TableView {
                id: cells
                objectName: "ownTableCells"
                Layout.fillWidth: true
                Layout.fillHeight: true
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                columnWidthProvider: () => view.timeColumnWidth
                rowHeightProvider: () => 48
                model: view.table
                ScrollBar.vertical: ScrollBar {}

                delegate: Item {
                    id: cell
                    required property int row
                    required property int column
                    required property var display

                    implicitWidth: view.timeColumnWidth
                    implicitHeight: 48
                    // The picker keeps what was typed; the model tells only what others change.
                    onDisplayChanged: picker.time = view.secondsOf(display)

                    EditableTimePicker {
                        id: picker
                        objectName: "ownTableCell_%1_%2".arg(cell.row).arg(cell.column)
                        anchors.verticalCenter: parent.verticalCenter
                        time: view.secondsOf(cell.display)
                        onTimeHasChanged: seconds => view.setCell(cell.row, cell.column, seconds)
                    }
                }
            }
        }
    }

    bottomItems: [
        DefaultButton {
            objectName: "automaticFillButton"
            // The two narrow down, their texts wrapped, where the row is wider than a phone.
            Layout.fillWidth: true
            Layout.minimumWidth: 96
            Layout.maximumWidth: implicitWidth
            text: bindTr("Generic", "Automatisch ausfüllen")
            color: Colors.white
            onClicked: ViewLoader.openPage(View.AutomaticFillView, "qrc:/orvindal/Tarvino/app/astro/AutomaticFill.qml", {
                table: view.table,
                viewController: view.viewController
            }, 768, { width: 768, height: 768, minimumHeight: 768, maximumWidth: 768, maximumHeight: 768 })
        },
        DefaultButton {
            objectName: "resetButton"
            Layout.fillWidth: true
            Layout.minimumWidth: 96
            Layout.maximumWidth: implicitWidth
            text: bindTr("Generic", "Reset")
            color: Colors.white
            onClicked: view.project.resetOwnAstroTable()
        },
        Item { Layout.fillWidth: true },
        DefaultButton {
            objectName: "okButton"
            text: bindTr("Generic", "OK")
            onClicked: view.closeDialog()
        }
    ]
}
