import QtQuick
import QtQuick.Layouts
import Tarvino

// The settings of the selected channel: the service interval, the signalling target, the
// external input and the earth hour. Every value is the channel controller's; nothing is kept
// here.
GridLayout {
    id: settings

    property var viewController: null
    readonly property var project: viewController ? viewController.project : null
    readonly property var content: viewController ? viewController.projectContent : null
    readonly property var channel: project ? project.currentChannel : null

    readonly property int maxServiceHours: 199999
    // Counted up to show the channel's values again where the user's entry was not taken.
    property int redisplay: 0
    readonly property int inputFunction: channel ? channel.externalInputFunction : 0
    readonly property int tasterFunction: channel ? channel.externalTasterFunction : 0
    readonly property bool astroLike: project ? project.isAstro || project.canSelectChannelType : false
    // The timer of a push button, which runs for hours (and seconds where the model takes them).
    readonly property bool timer: inputFunction === 1 && tasterFunction === 1
    readonly property bool showSeconds: timer && project && deviceService.canSetSecondsForTimerExtInput(project.deviceOt2)

    columns: 2
    columnSpacing: Metrics.largeMargin
    rowSpacing: Metrics.margin

    function pushButtonList() {
        if (astroLike)
            return SettingsProvider.pushButtonInputAstro
        if (project.isNocta)
            return project.hasToggleFunction ? SettingsProvider.pushButtonInputNoctaWithToggle
                                             : SettingsProvider.pushButtonInputNocta
        return SettingsProvider.pushButtonInput
    }

    function switchList() {
        if (astroLike)
            return SettingsProvider.switchButtonAstroModel(project.deviceOt2)
        if (project.isNocta)
            return SettingsProvider.switchButtonNocta(project.deviceOt2 !== 74, project.programms >= 2)
        return SettingsProvider.switchButtonModel(project.deviceOt2)
    }

    // The channel's external input time in seconds of its wall-clock reading.
    function storedInputTime() {
        const time = channel ? channel.externalInputTime : null
        return time ? time.getUTCHours() * 3600 + time.getUTCMinutes() * 60 + time.getUTCSeconds() : 0
    }

    function writeServiceHours(text) {
        const hours = Math.min(parseInt(text, 10) || 0, maxServiceHours)
        channel.operatingHour = hours
        if (text !== "" && text !== String(hours))
            ++redisplay
    }

    // A new target clears its program, so the user confirms first; a refusal shows the
    // channel's target again.
    function askSignaling(value) {
        if (value === channel.signaling) {
            ++redisplay
            return
        }
        PopUpManager.openPopup("ConfirmPopup", {
            title: bindTr("Program settings", "Signalisierung auf"),
            contentText: bindTr("Generic", "Das Programm dieses Kanals wird gelöscht."),
            warning: true
        }, accepted => {
            if (accepted === true)
                settings.content.setSignaling(value)
            ++settings.redisplay
        }, settings)
    }

    DefaultText {
        visible: serviceColumn.visible
        Layout.alignment: Qt.AlignTop
        Layout.topMargin: Metrics.padding
        text: bindTr("Program settings", "Betriebsstundenzähler Serviceintervall")
    }
    ColumnLayout {
        id: serviceColumn
        visible: settings.project ? settings.project.hasOperatingTime : false
        spacing: Metrics.spacing
        DefaultTextField {
            id: serviceField
            objectName: "serviceHoursField"
            Layout.preferredWidth: 120
            validator: RegularExpressionValidator { regularExpression: /\d{0,6}/ }
            inputMethodHints: Qt.ImhDigitsOnly
            text: {
                settings.redisplay
                return settings.channel ? String(settings.channel.operatingHour) : ""
            }
            onTextEdited: settings.writeServiceHours(text)
        }
        DefaultText {
            text: bindTr("Program settings", "max. 199.999 h")
            color: Colors.secondaryColor
            font.pixelSize: Metrics.fontSize.small
        }
    }

    DefaultText {
        visible: signalingBox.visible
        text: bindTr("Program settings", "Signalisierung auf")
    }
    DefaultCombobox {
        id: signalingBox
        objectName: "signalingBox"
        visible: settings.project ? settings.project.hasSignalFunction : false
        textRole: "name"
        model: SettingsProvider.signalingChannelModel(signalingBox, settings.project,
                                                      settings.content ? settings.content.selectedChannel : 0)
        currentIndex: {
            settings.redisplay
            return settings.channel && model ? model.indexByValue("channelIndex", settings.channel.signaling) : -1
        }
        onActivated: index => settings.askSignaling(model.get(index).channelIndex)
    }

    DefaultText {
        visible: externalRow.visible
        text: bindTr("Program settings", "Externer Eingang")
    }
    RowLayout {
        id: externalRow
        visible: settings.project ? settings.project.hasExternalInput && !settings.project.hideExternalInput : false
        spacing: Metrics.margin
        DefaultCombobox {
            objectName: "externalInputBox"
            model: settings.project && settings.project.canSetSchalter ? SettingsProvider.externalInput
                                                                       : SettingsProvider.externalInputWithoutSwitch
            currentIndex: settings.inputFunction
            onActivated: index => settings.channel.externalInputFunction = index
        }
        DefaultCombobox {
            objectName: "externalFunctionBox"
            visible: settings.inputFunction > 0
            model: !visible ? [] : settings.inputFunction === 1 ? settings.pushButtonList() : settings.switchList()
            currentIndex: settings.inputFunction === 1 ? settings.tasterFunction
                                                       : settings.channel ? settings.channel.externalSwitchFunction : 0
            onActivated: index => {
                if (settings.inputFunction === 1)
                    settings.channel.externalTasterFunction = index
                else
                    settings.channel.externalSwitchFunction = index
            }
        }
    }

    // The rule and the time of a timer or a staircase light.
    Item {
        visible: ruleRow.visible
        implicitWidth: 1
    }
    RowLayout {
        id: ruleRow
        visible: externalRow.visible && settings.inputFunction === 1 && settings.tasterFunction > 0
                 && !(settings.project && settings.project.isNocta && settings.tasterFunction > 2)
        spacing: Metrics.margin
        DefaultCombobox {
            objectName: "externalRuleBox"
            model: settings.timer ? SettingsProvider.pushButtonInputTimerRule : SettingsProvider.pushButtonInputStaircaseRule
            currentIndex: !settings.channel ? -1 : settings.timer ? settings.channel.externalStatus
                                                                  : settings.channel.externalResettable
            onActivated: index => {
                if (settings.timer)
                    settings.channel.externalStatus = index
                else
                    settings.channel.externalResettable = index
            }
        }
        // The time of day carries the duration, so 23:59 is the longest timer.
        EditableTimePicker {
            id: externalTime
            objectName: "externalTimeField"
            showSeconds: settings.showSeconds
            maxHour: settings.timer ? 23 : 0
            time: settings.storedInputTime()
            onTimeHasChanged: seconds => {
                settings.channel.externalInputTime = new Date(2000, 0, 1, Math.floor(seconds / 3600),
                                                              Math.floor(seconds % 3600 / 60), seconds % 60)
                time = Qt.binding(settings.storedInputTime)
            }
        }
        DefaultText {
            objectName: "externalTimeUnit"
            color: Colors.secondaryColor
            text: settings.showSeconds ? bindTr("SwitchTimeTable", "hh:mm:ss") : bindTr("DateRangeTable", "hh:mm")
        }
    }

    DefaultText {
        visible: earthHourBox.visible
        text: bindTr("Program settings", "Erdstunde")
    }
    DefaultCombobox {
        id: earthHourBox
        objectName: "earthHourBox"
        visible: settings.project ? deviceService.hasEarthHour(settings.project.deviceOt2) : false
        model: [bindTr("Program settings", "Inaktiv", "Holiday state"), bindTr("Generic", "Aktiv")]
        currentIndex: settings.channel ? settings.channel.earthHour : -1
        onActivated: index => settings.channel.earthHour = index
    }
}
