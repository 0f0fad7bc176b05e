import QtQuick
import QtQuick.Layouts
import Tarvino

// One row of the date table. Edits are reported by role; the table writes them to the model.
Item {
    id: row

    required property var table
    required property int index
    required property var model
    readonly property int rangeType: model.type
    readonly property bool selected: model.selected
    readonly property bool hasDates: rangeType === 0 || rangeType === 1 || rangeType === 3
    readonly property bool hasOffsets: rangeType === 2 || rangeType === 5
    readonly property bool isWeekRule: rangeType === 4
    readonly property var offsetLabels: rangeType === 5 ? DateRangeProvider.cnyOffsets : DateRangeProvider.easterOffsets
    readonly property int offsetBase: rangeType === 5 ? -DateRangeProvider.cnyFirst : -DateRangeProvider.easterFirst
    readonly property var typeEntries: {
        const list = DateRangeProvider.dateRangeTypes(table.hasExtendedDateRanges)
        // A range of an extended type stays shown where the device offers it no longer.
        if (!list.some(entry => entry.type === rangeType))
            list.push(DateRangeProvider.dateRangeTypes(true)[rangeType])
        return list
    }
    readonly property string durationText: isWeekRule ? DateRangeProvider.weekRuleDurationText(model.duration)
                                                      : row.spanText()

    signal write(int role, var value)
    signal select(var mouse)

    width: ListView.view ? ListView.view.width : implicitWidth
    height: DateTableMetrics.rowHeight

    // The wall-clock day a model value (a UTC carrier) names, as a local date.
    function dayOf(value) {
        return new Date(value.getUTCFullYear(), value.getUTCMonth(), value.getUTCDate())
    }
    function secondsOfDay(value) {
        return value.getUTCHours() * 3600 + value.getUTCMinutes() * 60 + value.getUTCSeconds()
    }
    // A moment of the row: the day of its date role and the time of its time role, as each role
    // is signalled on its own.
    function momentOf(day, time) {
        return Date.UTC(day.getUTCFullYear(), day.getUTCMonth(), day.getUTCDate()) / 1000 + secondsOfDay(time)
    }
    // Offset ranges are measured from 4 May 2008; an end before the start lies a year later.
    function spanText() {
        const from = hasOffsets ? Date.UTC(2008, 4, 4) / 1000 + model.startDay * 86400 + secondsOfDay(model.startTime)
                                : momentOf(model.startDate, model.startTime)
        let to = hasOffsets ? Date.UTC(2008, 4, 4) / 1000 + model.endDay * 86400 + secondsOfDay(model.endTime)
                            : momentOf(model.endDate, model.endTime)
        // Yearly and New Year ranges may run over the turn of the year; an Easter range may not.
        if (to < from && rangeType === 2)
            return "> 1 " + bindTr("Calendar", "Jahr")
        if (to < from && (rangeType === 1 || rangeType === 5)) {
            const end = new Date(to * 1000)
            to = Date.UTC(end.getUTCFullYear() + 1, end.getUTCMonth(), end.getUTCDate()) / 1000 + to % 86400
        }
        return to < from ? "< 0" : ZorvikUtils.getDurationText(to - from)
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onClicked: mouse => row.select(mouse)
    }
    Rectangle {
        anchors.fill: parent
        color: Colors.primaryColor
        opacity: row.selected ? 0.1 : 0
    }

    component DateAndTime: Row {
        id: dateCell
        property date dayValue
        property date timeValue
        property bool isEnd: false
        spacing: Metrics.halfMargin
        TableDatePicker {
            objectName: (dateCell.isEnd ? "endDate_" : "startDate_") + row.index
            width: DateTableMetrics.dateWidth
            anchors.verticalCenter: dateCell.verticalCenter
            selectYear: row.rangeType !== 1
            currentDate: row.dayOf(dateCell.dayValue)
            onDateHasChanged: date => row.write(dateCell.isEnd ? DateRangeListModel.EndDateRole : DateRangeListModel.StartDateRole, date)
        }
        TableTimePicker {
            objectName: (dateCell.isEnd ? "endTime_" : "startTime_") + row.index
            width: DateTableMetrics.timeWidth
            anchors.verticalCenter: dateCell.verticalCenter
            time: dateCell.timeValue
            onTimeHasChanged: time => row.write(dateCell.isEnd ? DateRangeListModel.EndTimeRole : DateRangeListModel.StartTimeRole, time)
        }
    }
    component OffsetAndTime: Row {
        id: offsetCell
        property date timeValue
        property int offset
        property bool isEnd: false
        spacing: Metrics.halfMargin
        DefaultCombobox {
            objectName: (offsetCell.isEnd ? "endOffset_" : "startOffset_") + row.index
            width: DateTableMetrics.offsetWidth - DateTableMetrics.timeWidth
            anchors.verticalCenter: offsetCell.verticalCenter
            model: row.offsetLabels
            currentIndex: offsetCell.offset + row.offsetBase
            onActivated: index => row.write(offsetCell.isEnd ? DateRangeListModel.EndDayRole : DateRangeListModel.StartDayRole,
                                            index - row.offsetBase)
        }
        TableTimePicker {
            objectName: (offsetCell.isEnd ? "endTime_" : "startTime_") + row.index
            width: DateTableMetrics.timeWidth
            anchors.verticalCenter: offsetCell.verticalCenter
            time: offsetCell.timeValue
            onTimeHasChanged: time => row.write(offsetCell.isEnd ? DateRangeListModel.EndTimeRole : DateRangeListModel.StartTimeRole, time)
        }
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        Item {
            Layout.preferredWidth: row.table.columns.number
            Layout.fillHeight: true
            TableCellBorder {}
            TableCenteredText {
                anchors.fill: parent
                text: row.index + 1
            }
        }
        Item {
            Layout.preferredWidth: row.table.columns.type
            Layout.fillHeight: true
            TableCellBorder {}
            DefaultCombobox {
                objectName: "rangeType_" + row.index
                anchors.centerIn: parent
                width: parent.width - 2 * Metrics.halfMargin
                model: row.typeEntries.map(entry => entry.text)
                currentIndex: row.typeEntries.findIndex(entry => entry.type === row.rangeType)
                onActivated: index => {
                    if (row.typeEntries[index].type !== row.rangeType)
                        row.write(DateRangeListModel.TypeRole, row.typeEntries[index].type)
                }
            }
        }
        Item {
            Layout.preferredWidth: row.table.columns.start + (row.isWeekRule ? row.table.columns.end : 0)
            Layout.fillHeight: true
            TableCellBorder {}
            DateAndTime {
                anchors.centerIn: parent
                visible: row.hasDates
                dayValue: row.model.startDate
                timeValue: row.model.startTime
            }
            OffsetAndTime {
                anchors.centerIn: parent
                visible: row.hasOffsets
                timeValue: row.model.startTime
                offset: row.model.startDay
            }
            Row {
                id: weekRule
                // The three boxes share what the time leaves of the start and end columns.
                readonly property real boxRoom: width - DateTableMetrics.timeWidth - 3 * spacing

                anchors.centerIn: parent
                width: parent.width - 2 * Metrics.halfMargin
                visible: row.isWeekRule
                spacing: Metrics.halfMargin
                DefaultCombobox {
                    objectName: "weekRuleDay_" + row.index
                    width: weekRule.boxRoom * 0.28
                    model: DateRangeProvider.weekNumbers
                    currentIndex: row.model.weekRuleDay - 1
                    onActivated: index => row.write(DateRangeListModel.WeekRuleDayRole, index + 1)
                }
                DefaultCombobox {
                    objectName: "weekRuleWeekDay_" + row.index
                    width: weekRule.boxRoom * 0.34
                    model: DateRangeProvider.weekDays
                    currentIndex: row.model.weekRuleWeekDay - 1
                    onActivated: index => row.write(DateRangeListModel.WeekRuleWeekDayRole, index + 1)
                }
                DefaultCombobox {
                    objectName: "weekRuleMonth_" + row.index
                    width: weekRule.boxRoom * 0.38
                    model: DateRangeProvider.frequencies
                    currentIndex: row.model.weekRuleMonth
                    onActivated: index => row.write(DateRangeListModel.WeekRuleMonthRole, index)
                }
                TableTimePicker {
                    objectName: "startTime_" + row.index
                    width: DateTableMetrics.timeWidth
                    time: row.model.startTime
                    onTimeHasChanged: time => row.write(DateRangeListModel.StartTimeRole, time)
                }
            }
        }
        Item {
            visible: !row.isWeekRule
            Layout.preferredWidth: row.table.columns.end
            Layout.fillHeight: true
            TableCellBorder {}
            DateAndTime {
                anchors.centerIn: parent
                visible: row.hasDates
                isEnd: true
                dayValue: row.model.endDate
                timeValue: row.model.endTime
            }
            OffsetAndTime {
                anchors.centerIn: parent
                visible: row.hasOffsets
                isEnd: true
                timeValue: row.model.endTime
                offset: row.model.endDay
            }
        }
        Item {
            Layout.preferredWidth: row.table.columns.duration
            Layout.fillHeight: true
            TableCellBorder {}
            DefaultSpinBox {
                objectName: "duration_" + row.index
                anchors.centerIn: parent
                width: parent.width - 2 * Metrics.halfMargin
                visible: row.isWeekRule
                from: 1
                to: 99
                unit: bindTr("Calendar", "h")
                value: row.model.duration
                onValueModified: row.write(DateRangeListModel.DurationRole, value)
            }
            TableCenteredText {
                objectName: "durationText_" + row.index
                anchors.fill: parent
                visible: !row.isWeekRule
                text: row.durationText
            }
        }
        Item {
            visible: row.table.hasExtendedDateRanges
            Layout.preferredWidth: row.table.columns.repeat
            Layout.fillHeight: true
            TableCellBorder { cellEnabled: row.rangeType === 3 }
            DefaultSpinBox {
                objectName: "repeat_" + row.index
                anchors.centerIn: parent
                width: parent.width - 2 * Metrics.halfMargin
                visible: row.rangeType === 3
                from: 1
                to: 200
                unit: bindTr("Calendar", "d")
                value: row.model.repeat
                onValueModified: row.write(DateRangeListModel.RepeatRole, value)
            }
        }
        Item {
            Layout.fillWidth: true
            Layout.minimumWidth: row.table.columns.error
            Layout.fillHeight: true
            TableCellBorder {}
            TableCenteredText {
                objectName: "rangeError_" + row.index
                anchors.fill: parent
                anchors.margins: Metrics.halfMargin
                wrapMode: Text.WordWrap
                color: Colors.red
                font.pixelSize: Metrics.fontSize.small
                text: row.model.error
            }
        }
    }
}
