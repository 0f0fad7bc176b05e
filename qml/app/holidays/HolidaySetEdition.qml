import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The holiday sets in their window. In edit mode the user's sets and their rules are made,
// copied, renamed and removed; in apply mode a set is chosen and handed on by `applyHolidays`.
Item {
    id: view

    property bool editMode: true
    property bool insideDialog: false
    readonly property var service: holidaySetService
    readonly property var rules: service.holidays
    property int selectedRule: rules.count > 0 ? 0 : -1
    readonly property int setRow: chooser.currentIndex
    property bool isCustom: false
    property bool hasFreeHoliday: false

    signal applyHolidays(int index)
    signal closeDialog

    function refreshSet() {
        isCustom = service.currentSetIsCustom()
        hasFreeHoliday = rules.hasFreeHoliday()
    }
    function chooseSet(row) {
        service.setHolidayList(row, true)
        chooser.currentIndex = service.currentIndex(true)
        selectedRule = rules.count > 0 ? 0 : -1
        refreshSet()
    }
    // The date of a view object's "yyyy-MM-dd" text, local.
    function dateOf(text) {
        const parts = text.substring(0, 10).split("-").map(Number)
        return new Date(parts[0], parts[1] - 1, parts[2])
    }
    function timeOf(text) {
        return text.substring(11, 16)
    }
    function daysText(days) {
        return bindTr("Calendar", "%1 Tag(e)", "", days).arg(days)
    }
    function offsetText(offset, type) {
        if (type === 2) {
            if (offset === 0)
                return bindTr("Easter rules", "Ostersonntag")
            return offset < 0 ? bindTr("Easter rules", "%1 Tag(e) vor Ostersonntag", "", -offset).arg(-offset)
                              : bindTr("Easter rules", "%1 Tag(e) nach Ostersonntag", "", offset).arg(offset)
        }
        if (offset === 0)
            return bindTr("Cny rules", "Chinesisches Neujahr")
        return offset < 0 ? bindTr("Cny rules", "%1 Tag(e) vor Chinese NY", "", -offset).arg(-offset)
                          : bindTr("Cny rules", "%1 Tag(e) nach Chinese NY", "", offset).arg(offset)
    }
    function weekdayBase(rule) {
        if (rule.type === 1)
            return Models.formatDate(dateOf(rule.startDate), true)
        return [DateRangeProvider.weekNumbers[rule.startingWeek - 1], DateRangeProvider.weekDays[rule.startingDay - 1],
                DateRangeProvider.frequencies[rule.month]].join(" ")
    }
    // The texts of a rule's start and end in the rule list.
    function startText(rule) {
        if (!rule || rule.type === undefined)
            return "-"
        switch (rule.type) {
        case 0:
        case 4:
            return Models.formatDate(dateOf(rule.startDate), rule.type === 0) + " " + timeOf(rule.startTime)
        case 1:
        case 5: {
            const step = rule.weekday
            const text = step < 0 ? bindTr("Holidays", "%1 vor dem %2", "%1 = day of week, %2 = date").arg(DateRangeProvider.weekDays[-step - 1])
                                  : bindTr("Holidays", "%1 nach dem %2", "%1 = day of week, %2 = date").arg(DateRangeProvider.weekDays[step])
            return text.arg(weekdayBase(rule)) + " " + timeOf(rule.startTime)
        }
        default:
            return offsetText(rule.startDay, rule.type) + " " + timeOf(rule.startTime)
        }
    }
    function endText(rule) {
        if (!rule || rule.type === undefined)
            return "-"
        switch (rule.type) {
        case 0:
        case 4:
            return Models.formatDate(dateOf(rule.endDate), rule.type === 0) + " " + timeOf(rule.endTime)
        case 1:
        case 5:
            return daysText(rule.duration) + " " + Number(timeOf(rule.endTime).substring(0, 2)) + bindTr("Calendar", "h")
        default:
            return offsetText(rule.endDay, rule.type) + " " + timeOf(rule.endTime)
        }
    }
    // The prompts are kept; each opening names what its answer goes to.
    property var nameAccepted: null
    property var holidayAccepted: null
    property var editedRule: null
    function openNameEdition(name, accepted) {
        nameAccepted = accepted
        nameEdition.name = name
        nameEdition.open()
    }
    function openHolidayEdition(rule, accepted) {
        editedRule = rule
        holidayAccepted = accepted
        holidayEdition.reset()
        holidayEdition.open()
    }

    Component.onCompleted: chooseSet(Math.max(0, service.currentIndex(true)))

    NameEdition {
        id: nameEdition
        onAcceptedWithName: name => view.nameAccepted(name)
    }
    HolidayEdition {
        id: holidayEdition
        onInitHoliday: if (view.editedRule !== null) fill(view.editedRule)
        onAcceptedWithHoliday: holiday => view.holidayAccepted(holiday)
    }
    ConfirmPopUp {
        id: removeConfirmation
        objectName: "removeSetConfirmation"
        warning: true
        contentText: bindTr("Holidays", "Sind Sie sicher, dass Sie dieses Feiertagsset dauerhaft löschen möchten?")
        onAccept: {
            view.service.removeCustomHolidaySet(view.setRow, true)
            view.chooseSet(0)
        }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        spacing: Metrics.margin

        RowLayout {
            Layout.fillWidth: true
            spacing: Metrics.margin
            DefaultCombobox {
                id: chooser
                objectName: "holidaySetChooser"
                Layout.fillWidth: true
                model: view.service.sortedHolidaySet
                textRole: "name"
                highlightRole: "highlighted"
                onActivated: index => view.chooseSet(index)
            }
            DefaultButton {
                objectName: "newSet"
                visible: view.editMode
                text: bindTr("Holidays", "Neu")
                onClicked: view.openNameEdition("", name => {
                    if (view.service.addCustomHolidaySet(name))
                        view.chooseSet(view.service.currentIndex(true))
                })
            }
            DefaultButton {
                objectName: "copySet"
                visible: view.editMode
                enabled: view.setRow >= 0
                text: bindTr("Holidays", "Kopieren")
                onClicked: view.openNameEdition(view.service.currentSetName(), name => {
                    if (view.service.copyCustomHolidaySet(name, view.setRow, true))
                        view.chooseSet(view.service.currentIndex(true))
                })
            }
            DefaultButton {
                objectName: "renameSet"
                visible: view.editMode
                enabled: view.isCustom
                text: bindTr("Holidays", "Bearbeiten")
                onClicked: view.openNameEdition(view.service.currentSetName(), name => {
                    if (view.service.renameCustomHolidaySet(name, view.setRow, true))
                        view.chooseSet(view.service.currentIndex(true))
                })
            }
            DefaultButton {
                objectName: "removeSet"
                visible: view.editMode
                enabled: view.isCustom
                text: bindTr("Holidays", "Entfernen")
                color: Colors.red
                onClicked: removeConfirmation.open()
            }
        }
        DefaultCheckBox {
            objectName: "showPredefined"
            visible: view.editMode
            text: bindTr("Holidays", "Vordefinierte Sets anzeigen (nicht änderbar)")
            checked: view.service.sortedHolidaySet.showPredefinedHolidays
            onToggled: {
                view.service.sortedHolidaySet.showPredefinedHolidays = checked
                if (checked)
                    view.chooseSet(0)
                else
                    view.chooseSet(Math.max(0, view.service.currentIndex(true)))
            }
        }
        RowLayout {
            visible: !view.editMode && view.hasFreeHoliday
            spacing: Metrics.margin
            DefaultText {
                text: bindTr("Generic", "Anwenden bis", "=> Feiertage bis zum Jahr x hinzufügen")
            }
            EditableYearPicker {
                objectName: "applyUntilYear"
                minYear: new Date().getFullYear()
                maxYear: SettingsProvider.soWiSpecifics.lastYear
                value: view.service.applyUntilYear
                onYearHasChanged: year => view.service.applyUntilYear = year
            }
        }

        // The rules of the set.
        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            border.color: Colors.delightGrey
            radius: Metrics.radius
            ColumnLayout {
                anchors.fill: parent
                anchors.margins: 1
                spacing: 0
                RowLayout {
                    Layout.fillWidth: true
                    Layout.margins: Metrics.halfMargin
                    DesignText {
                        Layout.fillWidth: true
                        Layout.preferredWidth: 2
                        text: bindTr("Holidays", "Feiertag")
                    }
                    DesignText {
                        visible: view.editMode
                        Layout.fillWidth: true
                        Layout.preferredWidth: 2
                        text: bindTr("Holidays", "von")
                    }
                    DesignText {
                        visible: view.editMode
                        Layout.fillWidth: true
                        Layout.preferredWidth: 2
                        text: view.selectedRule >= 0 && [1, 5].indexOf(view.rules.type(view.selectedRule)) >= 0
                              ? bindTr("Holidays", "Dauer") : bindTr("Holidays", "bis")
                    }
                }
                ListView {
                    id: ruleList
                    objectName: "holidayRules"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    clip: true
                    model: view.rules
                    boundsBehavior: Flickable.StopAtBounds
                    ScrollBar.vertical: ScrollBar {}
                    delegate: Rectangle {
                        id: ruleRow
                        required property int index
                        required property string name
                        // The view object is read again whenever the row changes.
                        readonly property var rule: { name; return view.service.holiday(index) }
                        objectName: "holidayRule_" + index
                        width: ruleList.width
                        height: 40
                        color: index === view.selectedRule ? Colors.delightBlue : "transparent"
                        RowLayout {
                            anchors.fill: parent
                            anchors.leftMargin: Metrics.halfMargin
                            anchors.rightMargin: Metrics.halfMargin
                            DefaultText {
                                Layout.fillWidth: true
                                Layout.preferredWidth: 2
                                text: ruleRow.name
                            }
                            DefaultText {
                                objectName: "ruleStart_" + ruleRow.index
                                visible: view.editMode
                                Layout.fillWidth: true
                                Layout.preferredWidth: 2
                                text: view.startText(ruleRow.rule)
                            }
                            DefaultText {
                                objectName: "ruleEnd_" + ruleRow.index
                                visible: view.editMode
                                Layout.fillWidth: true
                                Layout.preferredWidth: 2
                                text: view.endText(ruleRow.rule)
                            }
                        }
                        MouseArea {
                            anchors.fill: parent
                            onClicked: view.selectedRule = ruleRow.index
                        }
                    }
                }
            }
        }
        DefaultText {
            objectName: "holidayNotice"
            visible: view.editMode
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            font.pixelSize: Metrics.fontSize.small
            text: bindTr("Holidays", "Für die Richtigkeit aller Angaben wird keine Gewähr übernommen! Für kritische Anwendungen überprüfen Sie bitte die Feiertagsdaten.")
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: Metrics.margin
            DefaultButton {
                objectName: "newRule"
                visible: view.editMode
                enabled: view.isCustom
                text: bindTr("Holidays", "Neu")
                onClicked: view.openHolidayEdition(null, holiday => {
                    if (view.service.addHoliday(view.setRow, holiday, true))
                        view.selectedRule = view.rules.count - 1
                })
            }
            DefaultButton {
                objectName: "editRule"
                visible: view.editMode
                enabled: view.isCustom && view.selectedRule >= 0 && view.rules.type(view.selectedRule) <= 4
                text: bindTr("Holidays", "Bearbeiten")
                onClicked: {
                    const rule = view.selectedRule
                    view.openHolidayEdition(view.service.holiday(rule),
                                            holiday => view.service.updateHoliday(view.setRow, rule, holiday, true))
                }
            }
            DefaultButton {
                objectName: "removeRule"
                visible: view.editMode
                enabled: view.isCustom && view.selectedRule >= 0
                text: bindTr("Holidays", "Entfernen")
                color: Colors.red
                onClicked: {
                    view.service.removeHoliday(view.setRow, view.selectedRule, true)
                    view.selectedRule = Math.min(view.selectedRule, view.rules.count - 1)
                }
            }
            DefaultButton {
                objectName: "applyCancel"
                visible: !view.editMode
                text: bindTr("Generic", "Abbruch")
                color: Colors.white
                textColor: Colors.cancelColor
                onClicked: view.closeDialog()
            }
            DefaultButton {
                objectName: "applyOk"
                visible: !view.editMode
                enabled: view.selectedRule >= 0
                text: bindTr("Generic", "OK")
                onClicked: {
                    view.applyHolidays(view.setRow)
                    view.closeDialog()
                }
            }
        }
    }
}
