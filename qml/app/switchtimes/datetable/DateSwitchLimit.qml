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
    component Program: DefaultCheckBox {
        required property bool second
        readonly property bool active: limit.switchTimes ? (second ? limit.switchTimes.isActiveOnProg2
                                                                   : limit.switchTimes.isActiveOnProg1) : false
        checked: active
        onToggled: {
            limit.setActive(second, checked)
            checked = Qt.binding(() => active)
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
        second: false
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
        second: true
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
