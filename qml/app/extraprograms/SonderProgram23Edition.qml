import QtQuick
import QtQuick.Layouts
import Tarvino

// A permanent extra program: its head and its dates, one line each with type, start and end.
// The pencil of a line asks for the editor of that range (a row of the sorted list).
ColumnLayout {
    id: edition

    // The ExtraProgramViewController of the program.
    required property var epViewController
    readonly property var typeNames: DateRangeProvider.dateRangeTypes(true).map(entry => entry.text)

    signal editRequested(int sortedIndex)

    spacing: Metrics.spacing

    // The start or end of a range: its date, offset or week rule, and its time; the end of a
    // week rule is its duration.
    function boundText(range, end) {
        const date = end ? range.endDate : range.startDate
        const offset = end ? range.endDay : range.startDay
        const time = Models.wallTimeText(date)
        switch (range.type) {
        case 1:
            return Models.formatDate(date, true) + " " + time
        case 2:
            return DateRangeProvider.easterOffsets[offset - DateRangeProvider.easterFirst] + " " + time
        case 4:
            return end ? DateRangeProvider.weekRuleDurationText(range.duration)
                       : [DateRangeProvider.weekNumbers[range.weekRuleDay - 1],
                          DateRangeProvider.weekDays[range.weekRuleWeekDay - 1],
                          DateRangeProvider.frequencies[range.weekRuleMonth], time].join(" ")
        case 5:
            return DateRangeProvider.cnyOffsets[offset - DateRangeProvider.cnyFirst] + " " + time
        default:
            return Models.formatDate(date, false) + " " + time
        }
    }

    component Cell: DefaultText {
        Layout.fillWidth: true
        Layout.preferredWidth: 1
        elide: Text.ElideRight
    }
    component Heading: Cell {
        font.pixelSize: Metrics.fontSize.small
        color: Colors.secondaryColor
    }

    SonderProgram23Header {
        Layout.fillWidth: true
        Layout.bottomMargin: Metrics.spacing
        extraType: edition.epViewController.extraType
        programNumber: edition.epViewController.programNumber
    }
    RowLayout {
        Layout.fillWidth: true
        Layout.rightMargin: 40 + Metrics.margin
        spacing: Metrics.margin
        Heading { text: bindTr("Extra program", "Typ") }
        Heading { text: bindTr("Extra program", "Start") }
        Heading { text: bindTr("Extra program", "Ende") }
    }
    Repeater {
        model: edition.epViewController.sortedDateRanges
        RowLayout {
            id: line
            required property int index
            required property var model
            Layout.fillWidth: true
            spacing: Metrics.margin
            Cell {
                objectName: "permanentType_" + line.index
                text: edition.typeNames[line.model.type]
            }
            Cell {
                objectName: "permanentStart_" + line.index
                text: edition.boundText(line.model, false)
            }
            Cell {
                objectName: "permanentEnd_" + line.index
                text: edition.boundText(line.model, true)
            }
            FramedEditButton {
                objectName: "permanentEdit_" + line.index
                onClicked: edition.editRequested(line.index)
            }
        }
    }
}
