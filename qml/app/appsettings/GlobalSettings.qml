import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The program's preferences. The rows edit a copy: on the desktop "OK" applies it and
// "Abbruch" drops it, elsewhere each change applies at once. Five quick presses show the
// rows for service work.
Item {
    id: settingsForm

    readonly property bool applyAtOnce: !ZorvikUtils.isDesktop
    property bool showHidden: settingsService.debugMode
    property string removedCodesText
    // The synchronisation of devices with the internal Bluetooth module: shown on the desktop
    // while no project is open or the open one is for such a model.
    readonly property bool showSyncRows: !ZorvikUtils.isDesktop
                                         || (mainController.ready && (mainController.currentProject === null
                                             || deviceService.hasInternalBleModule(mainController.currentProject.deviceOt2)))

    signal finished

    // The edited copy.
    property QtObject copy: QtObject {
        property int language
        property int dateFormat
        property int firstDay
        property bool notify
        property bool vibrate
        property bool debugMode
        property bool syncDateTime
        property bool syncLanguage
        property string cloudAddress
        property string updateEndpoint
        property bool onlineUpdateSearch
    }

    function reset() {
        copy.language = localeService.currentLanguage
        copy.dateFormat = calendarSettings.dateFormat.selectedIndex
        copy.firstDay = calendarSettings.firstDayOfTheWeek.selectedIndex
        copy.notify = platformService.notifyEnabled
        copy.vibrate = platformService.vibrateEnabled
        copy.debugMode = settingsService.debugMode
        copy.syncDateTime = bleService.syncDateTime
        copy.syncLanguage = bleService.syncLanguage
        copy.cloudAddress = network.cloudAddress
        copy.updateEndpoint = softwareUpdateService.softwareUpdateEndpoint
        copy.onlineUpdateSearch = softwareUpdateService.forceOnlineSoftwareUpdateSearch
    }

    function apply() {
        localeService.currentLanguage = copy.language
        calendarSettings.dateFormat.selectedIndex = copy.dateFormat
        calendarSettings.firstDayOfTheWeek.selectedIndex = copy.firstDay
        platformService.notifyEnabled = copy.notify
        platformService.vibrateEnabled = copy.vibrate
        settingsService.setDebugMode(copy.debugMode)
        bleService.syncDateTime = copy.syncDateTime
        bleService.syncLanguage = copy.syncLanguage
        network.cloudAddress = copy.cloudAddress
        softwareUpdateService.softwareUpdateEndpoint = copy.updateEndpoint
        softwareUpdateService.forceOnlineSoftwareUpdateSearch = copy.onlineUpdateSearch
    }

    function edited() {
        if (applyAtOnce)
            apply()
    }

    // Keeps the debug switch as it stands when the form is left.
    function leave() {
        settingsService.setSettingValue("debugMode", copy.debugMode)
    }

    function clearConnectionCodes() {
        const removed = storageService.clearConnectionCodes()
        removedCodesText = bindTr("GlobalSettings", "%1 Code(s) wurden entfernt!", "", removed).arg(removed)
        removedCodesTimer.restart()
    }

    implicitWidth: 600
    implicitHeight: column.implicitHeight + 2 * Metrics.middleMargin
    Component.onCompleted: reset()

    ClickOutsideLoseFocus {}

    Timer {
        id: removedCodesTimer
        interval: 1500
        onTriggered: settingsForm.removedCodesText = ""
    }

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        spacing: Metrics.middleMargin

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: Metrics.largeMargin
            rowSpacing: Metrics.margin

            DefaultText {
                objectName: "languageLabel"
                text: bindTr("GlobalSettings", "Sprache")
            }
            LanguageCombobox {
                objectName: "languageChoice"
                Layout.fillWidth: true
                model: localeService.languages
                currentIndex: settingsForm.copy.language
                onActivated: index => {
                    settingsForm.copy.language = index
                    settingsForm.edited()
                }
            }

            DefaultText {
                text: bindTr("GlobalSettings", "Datumsformat")
            }
            DefaultCombobox {
                objectName: "dateFormatChoice"
                Layout.fillWidth: true
                model: calendarSettings.dateFormat
                textRole: "text"
                currentIndex: settingsForm.copy.dateFormat
                onActivated: index => {
                    settingsForm.copy.dateFormat = index
                    settingsForm.edited()
                }
            }

            DefaultText {
                text: bindTr("GlobalSettings", "Erster Tag der Woche")
            }
            DefaultCombobox {
                objectName: "firstDayChoice"
                Layout.fillWidth: true
                model: calendarSettings.firstDayOfTheWeek
                textRole: "text"
                currentIndex: settingsForm.copy.firstDay
                onActivated: index => {
                    settingsForm.copy.firstDay = index
                    settingsForm.edited()
                }
            }

            DefaultText {
                text: bindTr("GlobalSettings", "Töne")
                visible: platformService.canNotify
            }
            DefaultSwitch {
                objectName: "soundsSwitch"
                visible: platformService.canNotify
                checked: settingsForm.copy.notify
                onToggled: {
                    settingsForm.copy.notify = checked
                    settingsForm.edited()
                }
            }

            DefaultText {
                text: bindTr("GlobalSettings", "Vibration")
                visible: platformService.canVibrate
            }
            DefaultSwitch {
                objectName: "vibrationSwitch"
                visible: platformService.canVibrate
                checked: settingsForm.copy.vibrate
                onToggled: {
                    settingsForm.copy.vibrate = checked
                    settingsForm.edited()
                }
            }

            DefaultText {
                text: bindTr("GlobalSettings", "Automatische Synchronisierung von Datum und Uhrzeit")
                visible: settingsForm.showSyncRows
            }
            DefaultSwitch {
                objectName: "syncDateTimeSwitch"
                visible: settingsForm.showSyncRows
                checked: settingsForm.copy.syncDateTime
                onToggled: {
                    settingsForm.copy.syncDateTime = checked
                    settingsForm.edited()
                }
            }

            DefaultText {
                text: bindTr("GlobalSettings", "Automatische Sprachsynchronisation")
                visible: settingsForm.showSyncRows
            }
            DefaultSwitch {
                objectName: "syncLanguageSwitch"
                visible: settingsForm.showSyncRows
                checked: settingsForm.copy.syncLanguage
                onToggled: {
                    settingsForm.copy.syncLanguage = checked
                    settingsForm.edited()
                }
            }

            DefaultText {
                text: bindTr("GlobalSettings", "Verbindungscodes")
                visible: settingsForm.showHidden
            }
            RowLayout {
                visible: settingsForm.showHidden
                spacing: Metrics.margin
                DefaultButton {
                    objectName: "clearCodesButton"
                    text: bindTr("Generic", "Löschen")
                    onClicked: settingsForm.clearConnectionCodes()
                }
                DefaultText {
                    objectName: "removedCodesText"
                    visible: text !== ""
                    text: settingsForm.removedCodesText
                    color: Colors.secondaryColor
                }
            }

            DefaultText {
                text: bindTr("GlobalSettings", "Modus Fehlerbeseitigung")
                visible: settingsForm.showHidden
            }
            DefaultSwitch {
                objectName: "debugModeSwitch"
                visible: settingsForm.showHidden
                checked: settingsForm.copy.debugMode
                onToggled: {
                    settingsForm.copy.debugMode = checked
                    settingsForm.edited()
                }
            }

            DefaultText {
                text: bindTr("Cloud", "Cloud-Adresse")
                visible: settingsForm.showHidden
            }
            DefaultTextField {
                objectName: "cloudAddressField"
                Layout.fillWidth: true
                visible: settingsForm.showHidden
                text: settingsForm.copy.cloudAddress
                inputMethodHints: Qt.ImhUrlCharactersOnly | Qt.ImhNoAutoUppercase
                onTextEdited: settingsForm.copy.cloudAddress = text
                onEditingFinished: settingsForm.edited()
            }

            DefaultText {
                text: bindTr("GlobalSettings", "Software-Update Adresse")
                visible: settingsForm.showHidden
            }
            DefaultTextField {
                objectName: "updateEndpointField"
                Layout.fillWidth: true
                visible: settingsForm.showHidden
                inputMethodHints: Qt.ImhUrlCharactersOnly
                text: settingsForm.copy.updateEndpoint
                onTextEdited: {
                    settingsForm.copy.updateEndpoint = text
                    settingsForm.edited()
                }
            }

            DefaultText {
                text: bindTr("GlobalSettings", "Immer Updates online suchen")
                visible: settingsForm.showHidden
            }
            DefaultSwitch {
                objectName: "onlineUpdateSearchSwitch"
                visible: settingsForm.showHidden
                checked: settingsForm.copy.onlineUpdateSearch
                onToggled: {
                    settingsForm.copy.onlineUpdateSearch = checked
                    settingsForm.edited()
                }
            }
        }

        Item {
            Layout.fillHeight: true
        }

        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: Metrics.margin
            visible: !settingsForm.applyAtOnce
            DefaultButton {
                objectName: "cancelSettingsButton"
                text: bindTr("Generic", "Abbruch")
                color: Colors.white
                onClicked: {
                    settingsForm.reset()
                    settingsForm.finished()
                }
            }
            DefaultButton {
                objectName: "okSettingsButton"
                text: bindTr("Generic", "OK")
                onClicked: {
                    settingsForm.apply()
                    settingsForm.finished()
                }
            }
        }
    }

    // Counts presses anywhere in the form and lets each go on to the rows.
    MouseArea {
        property int count: 0
        property real lastPress: 0

        objectName: "hiddenRowsCounter"
        anchors.fill: parent
        z: 1
        onPressed: mouse => {
            mouse.accepted = false
            const now = Date.now()
            count = now - lastPress <= 500 ? count + 1 : 1
            lastPress = now
            if (count >= 5)
                settingsForm.showHidden = true
        }
    }
}
