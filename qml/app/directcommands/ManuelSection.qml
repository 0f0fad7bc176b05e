import QtQuick
import QtQuick.Layouts
import Tarvino

// The manual commands on the selected channel. A command that is active stops when sent
// again; the channel's state and mode below show what the device does.
TitledSection {
    id: section

    required property var controller
    // The channel lines of the last reply (DirectCommandController.infoChanged).
    property var info: []
    readonly property int ot2: controller.device ? controller.device.ot2Number : 0
    readonly property int state: controller.selectedChannelState
    readonly property var selectedLine: info[controller.selectedChannel] || null

    objectName: "manuelSection"
    title: bindTr("Direct commands", "Manueller Befehl")

    CommandRow {
        Layout.fillWidth: true
        buttonName: "manualButton"
        label: section.state === 1 ? bindTr("Direct commands", "Handschaltung stoppen")
                                   : bindTr("Direct commands", "Handschaltung")
        sendEnabled: section.state < 3
        onSend: section.controller.sendManuelTelegram()
    }
    CommandRow {
        Layout.fillWidth: true
        buttonName: "permanentOnButton"
        label: section.state === 3 ? bindTr("Direct commands", "Dauer Ein stoppen", "Channel mode")
                                   : bindTr("Direct commands", "Dauer Ein", "Channel mode")
        onSend: section.controller.sendOnTelegram()
    }
    CommandRow {
        Layout.fillWidth: true
        buttonName: "permanentOffButton"
        label: section.state === 4 ? bindTr("Direct commands", "Dauer Aus stoppen", "Channel mode")
                                   : bindTr("Direct commands", "Dauer Aus", "Channel mode")
        onSend: section.controller.sendOffTelegram()
    }
    CommandRow {
        Layout.fillWidth: true
        buttonName: "timerButton"
        visible: deviceService.hasTimer(section.ot2)
        label: bindTr("Direct commands", "Timer")
        sendEnabled: section.state < 3
        onSend: {
            const duration = timerDuration.time
            section.controller.sendTimerTelegram(new Date(2000, 0, 1, Math.floor(duration / 3600), Math.floor(duration % 3600 / 60)),
                                                 timerState.currentIndex)
        }
        EditableTimePicker {
            id: timerDuration
            objectName: "timerDuration"
            time: 60
        }
        DefaultText {
            text: bindTr("DateRangeTable", "hh:mm")
            color: Colors.secondaryColor
        }
        DefaultCombobox {
            id: timerState
            objectName: "timerState"
            model: SettingsProvider.timerState()
        }
    }
    CommandRow {
        Layout.fillWidth: true
        buttonName: "randomButton"
        visible: deviceService.hasAccident(section.ot2)
        label: bindTr("Direct commands", "Zufall")
        onSend: section.controller.sendAccidentTelegram(randomState.currentIndex)
        DefaultCombobox {
            id: randomState
            objectName: "randomState"
            model: SettingsProvider.accidentState()
        }
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: Metrics.largeMargin
        DefaultText {
            objectName: "selectedChannelState"
            text: bindTr("Direct commands", "Status", "Holiday state") + ": "
                  + (section.selectedLine ? section.selectedLine.state : "-")
        }
        DefaultText {
            objectName: "selectedChannelMode"
            Layout.fillWidth: true
            text: bindTr("Direct commands", "Modus", "Mode auto, on, off...") + ": "
                  + (section.selectedLine ? section.selectedLine.mode : "-")
        }
    }
}
