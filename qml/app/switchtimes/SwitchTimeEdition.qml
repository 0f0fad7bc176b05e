import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The edit form of one switch time on its SwitchTimeController: the kind, the start time and
// days, and what the kind adds (end, pulse, pause). Nothing is saved before the save button;
// saving one without weekdays removes it.
Item {
    id: form

    required property var controller
    // A switch time that is not listed yet.
    property bool isNew: false
    property bool astroMode: false
    property bool hasImpuls: false
    property bool hasZyclus: false

    readonly property int type: controller ? controller.type : 0
    readonly property bool isFixed: type === 3
    readonly property bool isImpuls: type === 1
    readonly property bool isCycle: type === 2
    readonly property bool endless: controller ? controller.endless : false
    readonly property int endDay: controller ? controller.endDay : -1
    readonly property int startDays: maskOf(controller ? controller.selectedDays : [])
    readonly property int startDayCount: countOf(startDays)
    readonly property bool hasWeekday: startDays !== 0
    readonly property bool endDateWarning: {
        if (!controller)
            return false
        // The check reads the start time and days too.
        void controller.time
        void controller.selectedDays
        return !controller.isEndDateValide(controller.endDay, controller.endTime)
    }
    readonly property string validityError: {
        if (!controller)
            return ""
        if (isImpuls && controller.pulsTime.getUTCMinutes() * 60 + controller.pulsTime.getUTCSeconds() === 0)
            return bindTr("Generic", "Impulsdauer fehlt")
        if (isCycle && secondsOf(controller.pulsTime) === 0)
            return bindTr("Generic", "Zykluspuls fehlt")
        if (isCycle && secondsOf(controller.pauseTime) === 0)
            return bindTr("Generic", "Zykluspause fehlt")
        if (isCycle && !endless && endDay < 0)
            return bindTr("Generic", "Letzter Tag fehlt")
        return ""
    }
    readonly property bool canSave: !endDateWarning && validityError === "" && (!isNew || hasWeekday)

    signal finished

    implicitHeight: column.implicitHeight + 2 * Metrics.middleMargin

    // Day index d (0 Monday .. 6 Sunday) is the bit 1 << (7 - d).
    function bit(day) {
        return 1 << (7 - day)
    }
    function maskOf(days) {
        let mask = 0
        for (let day = 0; day < days.length; ++day) {
            if (days[day])
                mask |= bit(day)
        }
        return mask
    }
    function countOf(mask) {
        let count = 0
        for (let day = 0; day < 7; ++day) {
            if (mask & bit(day))
                ++count
        }
        return count
    }
    function firstDayOf(mask) {
        for (let day = 0; day < 7; ++day) {
            if (mask & bit(day))
                return day
        }
        return -1
    }
    function secondsOf(time) {
        return time.getUTCHours() * 3600 + time.getUTCMinutes() * 60 + time.getUTCSeconds()
    }

    function chooseKind(type, state) {
        controller.type = type
        controller.state = state
        // A cycle starts on one day.
        if (type === 2 && startDayCount > 1)
            chooseStartDays(bit(firstDayOf(startDays)))
    }
    function chooseStartDays(mask) {
        const days = []
        for (let day = 0; day < 7; ++day)
            days.push((mask & bit(day)) !== 0)
        controller.selectedDays = days
        if (!isFixed)
            return
        // A fixed switch time on several days ends on each of them.
        const count = countOf(mask)
        if (count > 1)
            controller.endDay = -1
        else if (count === 1 && controller.endDay === -1)
            controller.endDay = firstDayOf(mask)
    }
    function save() {
        if (isFixed && startDayCount !== 1)
            controller.endDay = -1
        controller.saveModifications()
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

            SwitchTimeTypeBar {
                objectName: "switchTimeTypeBar"
                Layout.fillWidth: true
                astroMode: form.astroMode
                hasImpuls: form.hasImpuls
                hasZyclus: form.hasZyclus
                type: form.type
                switchState: form.controller ? form.controller.state : 0
                onKindChosen: (type, state) => form.chooseKind(type, state)
            }

            SwitchTimeEditionRow {
                objectName: "startRow"
                Layout.fillWidth: true
                title: form.isFixed ? bindTr("Astro", "Startzeitpunkt")
                     : form.isCycle ? bindTr("Generic", "Start (hh:mm)")
                     : form.isImpuls ? bindTr("Generic", "Uhrzeit (hh:mm:ss)")
                     : bindTr("Edit switch time", "Zeit")
                pickerName: "startTime"
                dayButtonName: "startDay_"
                showSeconds: form.isImpuls
                time: form.controller ? form.controller.time : new Date(0)
                selectedDays: form.startDays
                exclusive: form.isCycle
                onTimeHasChanged: value => form.controller.time = value
                onDaysChosen: days => form.chooseStartDays(days)
            }

            SwitchTimeEditionRow {
                objectName: "fixedEndRow"
                Layout.fillWidth: true
                visible: form.isFixed
                title: bindTr("Astro", "Dauer bis")
                pickerName: "fixedEndTime"
                dayButtonName: "fixedEndDay_"
                time: form.controller ? form.controller.endTime : new Date(0)
                // On other than one start day the end days are the start days.
                daysEnabled: form.startDayCount === 1
                selectedDays: form.startDayCount === 1 ? (form.endDay >= 0 ? form.bit(form.endDay) : 0) : form.startDays
                exclusive: true
                onTimeHasChanged: value => form.controller.endTime = value
                onDaysChosen: days => form.controller.endDay = form.firstDayOf(days)
            }

            TimeEditionRow {
                Layout.fillWidth: true
                visible: form.isImpuls || form.isCycle
                title: form.isImpuls ? bindTr("Generic", "Dauer (mm:ss)") : bindTr("Generic", "Puls (hh:mm:ss)")
                pickerName: "pulsTime"
                showHours: form.isCycle
                showSeconds: form.isCycle
                hourMaxValue: 17
                time: form.controller ? form.controller.pulsTime : new Date(0)
                onTimeHasChanged: value => form.controller.pulsTime = value
            }

            TimeEditionRow {
                Layout.fillWidth: true
                visible: form.isCycle
                title: bindTr("Generic", "Pause (hh:mm:ss)")
                pickerName: "pauseTime"
                showSeconds: true
                hourMaxValue: 17
                time: form.controller ? form.controller.pauseTime : new Date(0)
                onTimeHasChanged: value => form.controller.pauseTime = value
            }

            DefaultSwitch {
                objectName: "endlessSwitch"
                visible: form.isCycle
                text: bindTr("Generic", "Endlos")
                checked: form.endless
                onToggled: {
                    form.controller.endless = checked
                    checked = Qt.binding(() => form.endless)
                }
            }

            SwitchTimeEditionRow {
                objectName: "cycleEndRow"
                Layout.fillWidth: true
                visible: form.isCycle && !form.endless
                title: bindTr("Astro", "Ende (hh:mm)")
                pickerName: "cycleEndTime"
                dayButtonName: "cycleEndDay_"
                time: form.controller ? form.controller.endTime : new Date(0)
                selectedDays: form.endDay >= 0 && form.endDay < 7 ? form.bit(form.endDay) : 0
                exclusive: true
                onTimeHasChanged: value => form.controller.endTime = value
                onDaysChosen: days => form.controller.endDay = form.firstDayOf(days)
            }

            DefaultText {
                objectName: "editionError"
                Layout.fillWidth: true
                visible: text !== ""
                wrapMode: Text.WordWrap
                color: Colors.red
                text: form.validityError !== "" ? bindTr("Generic", "Fehler") + ": " + form.validityError : ""
            }
            DefaultText {
                objectName: "endDateWarning"
                Layout.fillWidth: true
                visible: form.endDateWarning
                wrapMode: Text.WordWrap
                color: Colors.red
                text: bindTr("Generic", "Start und Ende müssen unterschiedlich sein")
            }

            RowLayout {
                Layout.alignment: Qt.AlignRight
                spacing: Metrics.margin
                DefaultButton {
                    objectName: "editionCancel"
                    text: bindTr("Generic", "Abbruch")
                    color: Colors.white
                    onClicked: form.finished()
                }
                DefaultButton {
                    objectName: "editionSave"
                    readonly property bool removes: !form.isNew && !form.hasWeekday
                    text: removes ? bindTr("Generic", "Entfernen") : bindTr("Generic", "OK")
                    color: removes ? Colors.red : Colors.primaryColor
                    enabled: form.canSave
                    onClicked: form.save()
                }
            }
        }
    }
}
