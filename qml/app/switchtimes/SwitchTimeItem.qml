import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// One switch time of the sorted list: its kind and state, start time and weekdays, and what its
// kind adds (end, pulse, pause). In the copy mode it shows whether it is chosen, in the delete
// mode that a tap removes it.
ItemDelegate {
    id: item

    required property int index
    required property var model
    // SwitchTimesViewController.SelectionMode.
    property int selectionMode: 0
    readonly property int switchType: model.type
    readonly property int switchState: model.state
    readonly property color markColor: Colors.backgroudColorBySwitchTimeState(switchType, switchState)

    width: ListView.view ? ListView.view.width : implicitWidth
    padding: 0
    background: Rectangle {
        color: item.down ? Colors.delightBlue : item.model.selected ? Colors.lightGrey : Colors.white
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Colors.delightGrey
        }
    }

    function stateText() {
        const on = switchState === 1 || switchState === 3
        switch (switchType) {
        case 1: return on ? bindTr("Astro", "Impuls Ein") : bindTr("Astro", "Impuls Aus")
        case 2: return bindTr("Generic", "Zyklus")
        case 3: return on ? bindTr("Astro", "Fix Ein") : bindTr("Astro", "Fix Aus")
        default: return on ? bindTr("Generic", "Ein") : bindTr("Generic", "Aus")
        }
    }
    function timeText(time, withSeconds) {
        const parts = [time.getUTCHours(), time.getUTCMinutes()]
        if (withSeconds)
            parts.push(time.getUTCSeconds())
        return parts.map(Models.twoDigits).join(":")
    }
    function durationText(time) {
        return [time.getUTCMinutes(), time.getUTCSeconds()].map(Models.twoDigits).join(":")
    }
    // The end day (0 Monday .. 6 Sunday) and time; fixed switch times on several days end on each.
    function endText() {
        const day = model.endDay >= 0 && model.endDay < 7 ? calendarSettings.shortWeekDaysUnordered[model.endDay] + " " : ""
        return day + timeText(model.endTime, false)
    }

    contentItem: RowLayout {
        spacing: Metrics.margin

        Rectangle {
            objectName: "switchMark"
            Layout.preferredWidth: 36
            Layout.fillHeight: true
            color: item.markColor
            ColoredIcon {
                anchors.centerIn: parent
                visible: String(source) !== ""
                source: Icons.switchTimeIcon(item.switchType, item.switchState)
                iconColor: Colors.isDarkColor(item.markColor) ? Colors.white : Colors.primaryColor
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.topMargin: Metrics.halfMargin
            Layout.bottomMargin: Metrics.halfMargin
            spacing: 2

            RowLayout {
                spacing: Metrics.margin
                DesignText {
                    objectName: "switchTime_" + item.index
                    size: Metrics.fontSize.normal
                    text: item.timeText(item.model.startTime, item.switchType === 1)
                }
                DefaultText {
                    objectName: "switchState_" + item.index
                    Layout.fillWidth: true
                    text: item.stateText()
                    font.styleName: Fonts.bold
                }
            }
            // The week from its first day on, the switch time's days marked.
            Row {
                spacing: Metrics.spacing
                Repeater {
                    model: 7
                    DefaultText {
                        required property int index
                        readonly property int day: (calendarSettings.firstDayOfTheWeek.value - 1 + index) % 7
                        readonly property bool on: (item.model.startDays & (1 << (7 - day))) !== 0
                        text: calendarSettings.shortWeekDaysUnordered[day] || ""
                        font.pixelSize: Metrics.fontSize.small
                        font.styleName: on ? Fonts.bold : Fonts.regular
                        color: on ? Colors.primaryColor : Colors.grey
                    }
                }
            }
            SwitchTimeItemRow {
                visible: item.switchType === 3 || (item.switchType === 2 && !item.model.endless)
                caption: bindTr("SwitchTimeTable", "Ende")
                value: item.endText()
            }
            SwitchTimeItemRow {
                visible: item.switchType === 1
                caption: bindTr("Generic", "Dauer")
                value: item.durationText(item.model.pulsTime)
            }
            SwitchTimeItemRow {
                visible: item.switchType === 2
                caption: bindTr("SwitchTimeTable", "Impuls")
                value: item.timeText(item.model.pulsTime, true)
            }
            SwitchTimeItemRow {
                visible: item.switchType === 2
                caption: bindTr("Generic", "Pause")
                value: item.timeText(item.model.pauseTime, true)
            }
            SwitchTimeItemRow {
                visible: item.switchType === 2 && item.model.endless
                caption: bindTr("SwitchTimeTable", "Ende")
                value: bindTr("SwitchTimeTable", "Endlos")
            }
        }

        DefaultCheckBox {
            objectName: "copyCheck_" + item.index
            visible: item.selectionMode === 2
            checkable: false
            checked: item.model.selected
            onClicked: item.clicked()
        }
        ColoredIcon {
            objectName: "deleteMark_" + item.index
            Layout.rightMargin: Metrics.margin
            visible: item.selectionMode === 1
            source: Icons.close
            iconColor: Colors.red
        }
    }
}
