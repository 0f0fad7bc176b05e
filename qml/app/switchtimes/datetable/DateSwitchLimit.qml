import QtQuick
import QtQuick.Layouts
import Tarvino

// The switch times of a standard extra program above its dates: each program's box switches it
// on or off at once, beside its times.
GridLayout {
    id: limit

    // The ExtraProgramSwitchTimeController of the program.
    required property var switchTimes

    columns: 3
    columnSpacing: Metrics.largeMargin
    rowSpacing: Metrics.spacing

    function setActive(second, active) {
        if (second)
            switchTimes.isActiveOnProg2 = active
        else
            switchTimes.isActiveOnProg1 = active
        switchTimes.saveModifications()
    }

    component Heading: DefaultText {
        font.pixelSize: Metrics.fontSize.small
        color: Colors.secondaryColor
    }
    // Shows `active`; a click only reports the new choice.
    component Program: DefaultCheckBox {
        id: box
        required property bool active
        signal chosen(bool active)
        checked: active
        onToggled: {
            chosen(checked)
            checked = Qt.binding(() => box.active)
        }
    }
    component Time: DefaultText {
        required property var time
        required property bool active
        text: time ? Models.wallTimeText(time) : ""
        color: active ? Colors.textColor : Colors.middleGrey
    }

    Item { Layout.preferredWidth: 1 }
    Heading { text: bindTr("DateRangeTable", "von") }
    Heading { text: bindTr("DateRangeTable", "An") }

    Program {
        id: night
        objectName: "nightSwitching"
        active: limit.switchTimes ? limit.switchTimes.isActiveOnProg1 : false
        onChosen: active => limit.setActive(false, active)
        text: bindTr("DateRangeTable", "Nachtschaltung")
    }
    Time {
        objectName: "nightFrom"
        time: limit.switchTimes ? limit.switchTimes.onTimeProg1 : null
        active: night.active
    }
    Time {
        objectName: "nightTo"
        time: limit.switchTimes ? limit.switchTimes.offTimeProg1 : null
        active: night.active
    }

    Program {
        id: day
        objectName: "daySwitching"
        active: limit.switchTimes ? limit.switchTimes.isActiveOnProg2 : false
        onChosen: active => limit.setActive(true, active)
        text: bindTr("DateRangeTable", "Tag-Einschaltung")
    }
    Time {
        objectName: "dayFrom"
        time: limit.switchTimes ? limit.switchTimes.onTimeProg2 : null
        active: day.active
    }
    Time {
        objectName: "dayTo"
        time: limit.switchTimes ? limit.switchTimes.offTimeProg2 : null
        active: day.active
    }
}
