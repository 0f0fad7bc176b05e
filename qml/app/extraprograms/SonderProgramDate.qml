import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The editor of one date range on its DateRangeController: the type, start and end (or the
// week rule), the interval of a series or the length of a week rule, and what the range
// would last and what is wrong with it. Nothing is stored before "OK".
Item {
    id: form

    // The DateRangeController of the range.
    required property var viewController
    // The ExtraProgramViewController of the program.
    required property var parentController
    // ExtraProgramViewController.ExtraType: the permanent programs switch on (2) or off (3).
    property int sonderType: 2
    property bool astroMode: false
    property bool isNew: false

    readonly property int type: viewController ? viewController.type : 0
    readonly property bool hasOffsets: type === 2 || type === 5
    readonly property bool isWeekRule: type === 4
    readonly property bool isSerie: type === 3
    readonly property var offsetLabels: type === 5 ? DateRangeProvider.cnyOffsets : DateRangeProvider.easterOffsets
    readonly property int offsetFirst: type === 5 ? DateRangeProvider.cnyFirst : DateRangeProvider.easterFirst

    signal finished

    // The controller carries wall-clock readings in UTC; the date pickers show local days.
    function dayOf(value) {
        return value ? new Date(value.getUTCFullYear(), value.getUTCMonth(), value.getUTCDate()) : new Date()
    }
    function chooseType() {
        PopUpManager.openPopup("SonderProgramTypePopup", {
            isOn: sonderType !== 3,
            astroMode: astroMode,
            allowHolidays: false,
            hasExtendedDateRanges: parentController.hasExtendedDateRanges,
            currentType: type,
            selectedIndex: type
        }, result => {
            if (typeof result === "number")
                form.viewController.type = result
        }, form)
    }
    function save() {
        viewController.saveModifications()
        finished()
    }

    Flickable {
        anchors.fill: parent
        contentWidth: width
        contentHeight: column.implicitHeight + 2 * Metrics.middleMargin
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollIndicator.vertical: DefaultScrollIndicator {}

        ColumnLayout {
            id: column
            x: Metrics.middleMargin
            y: Metrics.middleMargin
            width: form.width - 2 * Metrics.middleMargin
            spacing: Metrics.middleMargin

            RowLayout {
                Layout.fillWidth: true
                spacing: Metrics.margin
                DesignText {
                    objectName: "rangeEditorTitle"
                    Layout.fillWidth: true
                    text: bindTr("Extra program", "Sonderprogramm %1").arg(form.parentController ? form.parentController.programNumber : 0)
                    size: Metrics.fontSize.normal
                }
                DefaultText {
                    objectName: "permanentState"
                    visible: form.sonderType === 2 || form.sonderType === 3
                    text: form.sonderType === 3 ? bindTr("Extra program", "Dauer Aus") : bindTr("Extra program", "Dauer Ein")
                    color: form.sonderType === 3 ? Colors.red : Colors.green
                    font.styleName: Fonts.bold
                }
            }

            ColumnLayout {
                Layout.fillWidth: true
                spacing: Metrics.spacing
                DesignText {
                    text: bindTr("Extra program", "Typ")
                    size: Metrics.fontSize.normal
                }
                DefaultButton {
                    objectName: "rangeTypeButton"
                    Layout.fillWidth: true
                    color: Colors.white
                    text: DateRangeProvider.rangeTypeNames[form.type] || ""
                    onClicked: form.chooseType()
                }
            }

            ColumnLayout {
                Layout.fillWidth: true
                visible: form.isWeekRule
                spacing: Metrics.spacing
                DefaultCombobox {
                    objectName: "weekRuleDayChooser"
                    Layout.fillWidth: true
                    model: DateRangeProvider.weekNumbers
                    currentIndex: form.viewController ? form.viewController.weekRuleDay - 1 : 0
                    onActivated: index => form.viewController.weekRuleDay = index + 1
                }
                DefaultCombobox {
                    objectName: "weekRuleWeekDayChooser"
                    Layout.fillWidth: true
                    model: DateRangeProvider.weekDays
                    currentIndex: form.viewController ? form.viewController.weekRuleWeekDay - 1 : 0
                    onActivated: index => form.viewController.weekRuleWeekDay = index + 1
                }
                DefaultCombobox {
                    objectName: "weekRuleMonthChooser"
                    Layout.fillWidth: true
                    model: DateRangeProvider.frequencies
                    currentIndex: form.viewController ? form.viewController.weekRuleMonth : 0
                    onActivated: index => form.viewController.weekRuleMonth = index
                }
            }

            SonderProgramDateEditionRow {
                objectName: "rangeStartRow"
                Layout.fillWidth: true
                title: bindTr("Extra program", "Start")
                fieldName: "start"
                showDay: !form.isWeekRule
                selectYear: form.type !== 1
                offsetLabels: form.hasOffsets ? form.offsetLabels : []
                offsetFirst: form.offsetFirst
                offset: form.viewController ? form.viewController.startOffset : 0
                day: form.dayOf(form.viewController ? form.viewController.startTime : null)
                time: form.viewController ? form.viewController.startTime : new Date(0)
                onDateChosen: date => form.viewController.startDate = date
                onOffsetChosen: offset => form.viewController.startOffset = offset
                onTimeChosen: time => form.viewController.startTime = time
            }

            SonderProgramDateEditionRow {
                objectName: "rangeEndRow"
                Layout.fillWidth: true
                visible: !form.isWeekRule
                title: bindTr("Extra program", "Ende")
                fieldName: "end"
                selectYear: form.type !== 1
                offsetLabels: form.hasOffsets ? form.offsetLabels : []
                offsetFirst: form.offsetFirst
                offset: form.viewController ? form.viewController.endOffset : 0
                day: form.dayOf(form.viewController ? form.viewController.endTime : null)
                time: form.viewController ? form.viewController.endTime : new Date(0)
                onDateChosen: date => form.viewController.endDate = date
                onOffsetChosen: offset => form.viewController.endOffset = offset
                onTimeChosen: time => form.viewController.endTime = time
            }

            ColumnLayout {
                Layout.fillWidth: true
                visible: form.isSerie || form.isWeekRule
                spacing: Metrics.spacing
                DesignText {
                    text: form.isSerie ? bindTr("Extra program", "Wiederholung") : bindTr("Extra program", "Dauer")
                    size: Metrics.fontSize.normal
                }
                DefaultText {
                    visible: form.isSerie
                    text: bindTr("Extra program", "Nach ... Tagen")
                    color: Colors.secondaryColor
                    font.pixelSize: Metrics.fontSize.small
                }
                DefaultSpinBox {
                    objectName: "rangeRepeat"
                    visible: form.isSerie
                    from: 1
                    to: 200
                    unit: bindTr("Calendar", "d")
                    value: form.viewController ? form.viewController.repeat : 1
                    onValueModified: form.viewController.repeat = value
                }
                DefaultSpinBox {
                    objectName: "rangeDuration"
                    visible: form.isWeekRule
                    from: 1
                    to: 99
                    unit: bindTr("Calendar", "h")
                    value: form.viewController ? form.viewController.duration : 1
                    onValueModified: form.viewController.duration = value
                }
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: Metrics.margin
                DefaultText {
                    text: bindTr("Extra program", "Dauer")
                    color: Colors.secondaryColor
                }
                DefaultText {
                    objectName: "rangeDurationText"
                    Layout.fillWidth: true
                    text: form.viewController ? form.viewController.durationText : ""
                }
            }

            DefaultText {
                objectName: "rangeEditorError"
                Layout.fillWidth: true
                visible: text !== ""
                wrapMode: Text.WordWrap
                color: Colors.red
                text: form.viewController ? form.viewController.errorText : ""
            }

            RowLayout {
                Layout.alignment: Qt.AlignRight
                spacing: Metrics.margin
                DefaultButton {
                    objectName: "rangeEditorCancel"
                    text: bindTr("Generic", "Abbruch")
                    color: Colors.white
                    onClicked: form.finished()
                }
                DefaultButton {
                    objectName: "rangeEditorOk"
                    text: bindTr("Generic", "OK")
                    enabled: form.viewController !== null
                    onClicked: form.save()
                }
            }
        }
    }
}
