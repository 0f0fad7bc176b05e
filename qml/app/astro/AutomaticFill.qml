import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// Fills the own astro table: from the computed times of the project's location moved by offsets,
// in up to six date ranges of a leap year that follow each other, or from one of two presets.
AppView {
    id: view

    required property var table
    required property var viewController
    readonly property var project: viewController.project
    readonly property int maxRows: 6
    readonly property int labelWidth: 80
    readonly property int startWidth: 90
    readonly property int columnWidth: 150
    readonly property int offsetRowWidth: labelWidth + startWidth + 3 * columnWidth + 4 * Metrics.margin
                                          + 2 * Metrics.middleMargin
    readonly property date yearEnd: new Date(2008, 11, 31)
    // The end of each row; the start of a row is the day after the end of the one before.
    property var ends: Array(maxRows).fill(yearEnd)
    readonly property bool offsetMode: modeChoice.currentIndex === 0
    readonly property int shownRows: {
        let rows = 1
        while (rows < maxRows && !sameDay(ends[rows - 1], yearEnd))
            ++rows
        return rows
    }
    readonly property bool rangesValid: {
        for (let row = 1; row < shownRows; ++row) {
            if (overlaps(row))
                return false
        }
        return true
    }

    title: bindTr("Generic", "Automatisch ausfüllen")

    function sameDay(first, second) {
        return Qt.formatDate(first, "MMdd") === Qt.formatDate(second, "MMdd")
    }
    function endOf(row) {
        return row === maxRows - 1 ? yearEnd : ends[row]
    }
    function startOf(row) {
        if (row === 0)
            return new Date(2008, 0, 1)
        const previous = endOf(row - 1)
        return new Date(2008, previous.getMonth(), previous.getDate() + 1)
    }
    // A row that does not end after the row before it would have no day of its own.
    function overlaps(row) {
        return row > 0 && Qt.formatDate(endOf(row - 1), "MMdd") >= Qt.formatDate(endOf(row), "MMdd")
    }
    // Noon keeps the day whether the conversion to a date reads local time or UTC.
    function noonOf(date) {
        return new Date(2008, date.getMonth(), date.getDate(), 12)
    }
    function setEnd(row, date) {
        const changed = ends.slice()
        changed[row] = date
        ends = changed
    }
    function fill() {
        switch (modeChoice.currentIndex) {
        case 0:
            table.setAstroTimes(viewController.getAstroTimeForYear(new Date().getFullYear()))
            for (let row = 0; row < shownRows; ++row) {
                const offsets = offsetRows.itemAt(row)
                table.applyOffset(noonOf(startOf(row)), noonOf(endOf(row)), offsets.sunriseOffset, offsets.sunsetOffset)
            }
            break
        case 1:
            table.name = "MET"
            table.timezone = 13
            table.setMETTime()
            break
        case 2:
            table.name = "NBN"
            table.timezone = 13
            table.setNBNTime()
            break
        }
        closeDialog()
    }

    // The offset rows are wider than a phone: there the page scrolls sideways too.
    ScrollView {
        anchors.fill: parent
        contentWidth: Math.max(availableWidth, view.offsetRowWidth)

        ColumnLayout {
            width: parent.width
            spacing: Metrics.margin

            DefaultCombobox {
                id: modeChoice
                objectName: "fillMode"
                Layout.margins: Metrics.middleMargin
                Layout.bottomMargin: 0
                Layout.preferredWidth: 300
                model: [bindTr("Astro settings", "Offset"), bindTr("Astro settings", "Belgische MET"),
                        bindTr("Astro settings", "Norm NBN L 18-001")]
            }

            RowLayout {
                Layout.leftMargin: Metrics.middleMargin
                Layout.rightMargin: Metrics.middleMargin
                visible: view.offsetMode
                spacing: Metrics.margin

                Repeater {
                    model: [bindTr("Generic", "Start"), bindTr("Generic", "Ende"),
                            bindTr("Astro settings", "Offset Sonnenaufgang"), bindTr("Astro settings", "Offset Sonnenuntergang")]
                    delegate: DefaultText {
                        required property string modelData
                        required property int index
                        Layout.leftMargin: index === 0 ? view.labelWidth + Metrics.margin : 0
                        Layout.preferredWidth: index === 0 ? view.startWidth : view.columnWidth
                        font.styleName: Fonts.bold
                        wrapMode: Text.WordWrap
                        elide: Text.ElideNone
                        text: modelData
                    }
                }
            }
            Repeater {
                id: offsetRows
                model: view.maxRows

                delegate: ColumnLayout {
                    id: offsetRow
                    required property int index
                    readonly property int sunriseOffset: sunrise.value
                    readonly property int sunsetOffset: sunset.value

                    Layout.leftMargin: Metrics.middleMargin
                    Layout.rightMargin: Metrics.middleMargin
                    visible: view.offsetMode && index < view.shownRows
                    spacing: 0

                    RowLayout {
                        spacing: Metrics.margin
                        DefaultText {
                            Layout.preferredWidth: view.labelWidth
                            text: bindTr("Astro settings", "Offset") + " " + (offsetRow.index + 1)
                        }
                        DefaultText {
                            objectName: "offsetStart_%1".arg(offsetRow.index)
                            Layout.preferredWidth: view.startWidth
                            text: Models.formatDate(view.startOf(offsetRow.index), true)
                        }
                        EditableCalendarDisplay {
                            objectName: "offsetEnd_%1".arg(offsetRow.index)
                            Layout.preferredWidth: view.columnWidth
                            enabled: offsetRow.index < view.maxRows - 1
                            hideYear: true
                            minimumDate: new Date(2008, 0, 1)
                            maximumDate: view.yearEnd
                            selectedDate: view.endOf(offsetRow.index)
                            onDateHasChanged: date => view.setEnd(offsetRow.index, date)
                        }
                        SingleNumberPicker {
                            id: sunrise
                            objectName: "sunriseOffset_%1".arg(offsetRow.index)
                            Layout.preferredWidth: view.columnWidth
                            from: -120
                            to: 120
                            unit: bindTr("Astro settings", "min")
                        }
                        SingleNumberPicker {
                            id: sunset
                            objectName: "sunsetOffset_%1".arg(offsetRow.index)
                            from: -120
                            to: 120
                            unit: bindTr("Astro settings", "min")
                        }
                    }
                    DefaultText {
                        objectName: "overlap_%1".arg(offsetRow.index)
                        Layout.leftMargin: view.labelWidth + Metrics.margin
                        visible: offsetRow.index < view.maxRows - 1 && view.overlaps(offsetRow.index)
                        color: Colors.red
                        text: bindTr("Astro settings", "Overlap not permitted")
                    }
                }
            }

            TitledSection {
                id: locationSection
                objectName: "fillLocation"
                Layout.fillWidth: true
                Layout.margins: Metrics.middleMargin
                visible: view.offsetMode
                title: bindTr("Astro settings", "Standort")

                DefaultText {
                    visible: view.project.isControls
                    color: Colors.secondaryColor
                    text: bindTr("Generic", "Nur für die Simulation")
                }
                DesignText {
                    id: countriesTitle
                    text: bindTr("Astro settings", "Länderliste")
                }
                CountrySettings {
                    Layout.fillWidth: true
                    enabled: false
                    controller: view.project.coordinatesController
                }
                DesignText {
                    id: coordinatesTitle
                    text: bindTr("Astro settings", "Koordinaten")
                }
                CoordinatesSettings {
                    Layout.fillWidth: true
                    enabled: false
                    controller: view.project.coordinatesController
                    viewController: view.project
                }
            }
        }
    }

    bottomItems: [
        Item { Layout.fillWidth: true },
        DefaultButton {
            objectName: "fillCancel"
            text: bindTr("Generic", "Abbruch")
            color: Colors.white
            onClicked: view.closeDialog()
        },
        DefaultButton {
            objectName: "fillOk"
            text: bindTr("Generic", "OK")
            enabled: !view.offsetMode || view.rangesValid
            onClicked: view.fill()
        }
    ]
}
