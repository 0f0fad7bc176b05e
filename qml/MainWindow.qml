import QtQuick
import QtQuick.Controls
import core
import Tarvino

ApplicationWindow {
    id: window

    // The native menus of the desktop main window, handed over before the layout is set up.
    property var menus: []
    // The views shown in windows of their own, kept until they close.
    property var windowDialogs: []
    // Their component, made at the first one.
    property Component windowDialogComponent: null

    width: platformService.defaultWindowSize.width
    height: platformService.defaultWindowSize.height
    title: ClientConfig.details.displayedName
    LayoutMirroring.enabled: localeService.isRightToLeft
    LayoutMirroring.childrenInherit: true
    header: AppToolBar { stack: stack }

    // Asked by the native main window before it closes: it closes at once when nothing is
    // unsaved, else the program ends after the user has decided.
    function onDesktopClosing() {
        if (!mainController.dirty())
            return true
        ZorvikUtils.checkForUnsavedModifications(() => Qt.exit(0))
        return false
    }

    function quitApplication() {
        if (onDesktopClosing())
            Qt.exit(0)
    }

    function getTextWidth(text, font) {
        textMetrics.font = font
        textMetrics.text = text
        return textMetrics.advanceWidth
    }

    // The short names of the days set in `flag` (Monday is bit 7, Sunday bit 1), starting at
    // the first day `fdow`; with addEmptyStrings the days not set stay as blanks.
    function shortDayList(flag, fdow, addEmptyStrings) {
        const names = calendarSettings.shortWeekDaysUnordered
        const days = []
        for (let i = 0; i < 7; ++i) {
            const day = (i + fdow) % 7
            if (flag & (1 << (7 - day)))
                days.push(names[day])
            else if (addEmptyStrings)
                days.push("  ")
        }
        return days
    }

    // The numbers from `from` to `to`, each written with the pattern ("%1").
    function seq(from, to, pattern) {
        const numbers = []
        for (let number = from; number <= to; ++number)
            numbers.push(pattern ? pattern.arg(number) : number)
        return numbers
    }

    function currentDateSeparator() {
        switch (calendarSettings.dateFormat.value) {
        case 2: return "/"
        case 3: return "-"
        default: return "."
        }
    }

    function calendarInputMask(hideYears) {
        const separator = currentDateSeparator()
        return "00" + separator + "00" + (hideYears ? "" : separator + "00")
    }

    // A day and month without a year, completed with the leap year 2008 that the project's
    // dates without a year refer to, so that 29 February is a date.
    function shortDateToLeapYear(text) {
        switch (calendarSettings.dateFormat.value) {
        case 2: return text + "/08"
        case 3: return "08-" + text
        default: return text + ".08"
        }
    }

    function sameDate(first, second) {
        return first.getFullYear() === second.getFullYear() && first.getMonth() === second.getMonth()
               && first.getDate() === second.getDate()
    }

    function sameTime(first, second) {
        return first.getHours() === second.getHours() && first.getMinutes() === second.getMinutes()
               && first.getSeconds() === second.getSeconds()
    }

    function delayOperation(callback, milliseconds) {
        const timer = Qt.createQmlObject("import QtQuick; Timer { repeat: false }", window)
        timer.interval = milliseconds
        timer.triggered.connect(() => {
            callback()
            timer.destroy()
        })
        timer.start()
    }

    function pushView(url, properties) {
        return stack.push(url, properties || {})
    }

    function replaceView(url, properties) {
        return stack.replace(null, url, properties || {})
    }

    // A pop-up or dialog from a file of the module; the callback gets its result once it
    // closes. Returns the object.
    function openDialog(path, properties, callback, destroyOnClosed) {
        const component = Qt.createComponent(path)
        if (component.status !== Component.Ready) {
            console.warn("The dialog", path, "cannot be made:", component.errorString())
            return null
        }
        const dialog = component.createObject(window.contentItem, properties || {})
        dialog.closed.connect(() => {
            if (typeof callback === "function")
                callback(dialog.result)
            if (destroyOnClosed)
                dialog.destroy()
        })
        dialog.open()
        return dialog
    }

    // A view in a native window of its own, at least `minimumWidth` wide; `windowProperties`
    // are the window's own (its modality is set before it shows). This window sits inside the
    // native main window, so it cannot be the dialog's parent: the dialog stands beside the
    // native one, and the list keeps it alive until it closes.
    function openWindowDialog(view, properties, minimumWidth, windowProperties) {
        if (!windowDialogComponent)
            windowDialogComponent = Qt.createComponent("components/WindowDialog.qml")
        const dialog = windowDialogComponent.createObject(null, Object.assign({
            source: view,
            properties: properties || {},
            minimumWidth: Math.max(minimumWidth || 0, 350),
            width: Math.max(minimumWidth || 0, window.width * 0.5)
        }, windowProperties || {}))
        windowDialogs = windowDialogs.concat([dialog])
        dialog.closing.connect(() => {
            windowDialogs = windowDialogs.filter(other => other !== dialog)
            dialog.destroy()
            WindowLayout.returnFocus()
        })
        dialog.show()
        return dialog
    }

    // Offers a downloaded software update, once no device transfer can be cut off by it.
    function offerSoftwareUpdate() {
        if (bleService.connectedDevice() !== null || serialProtocol.busy) {
            console.info(">> BLE or serial is active, the update is delayed...")
            delayOperation(offerSoftwareUpdate, 2000)
            return
        }
        PopUpManager.openPopup("TripleChoicePopup", {
            objectName: "softwareUpdatePopup",
            title: bindTr("Update", "Software aktualisieren"),
            contentText: bindTr("Update", "Es ist eine neue Version verfügbar, möchten Sie diese installieren?"),
            acceptText: bindTr("Update", "Installieren"),
            showCancel: false
        }, choice => {
            if (choice === "accepted")
                softwareUpdateService.startUpdater()
        })
    }

    TextMetrics { id: textMetrics }

    Connections {
        target: softwareUpdateService
        function onShowSoftwareUpdate() {
            window.offerSoftwareUpdate()
        }
    }

    StackView {
        id: stack
        objectName: "viewStack"
        anchors.fill: parent
    }

    Connections {
        target: mainController
        function onDisplayOpenedProject() {
            ViewLoader.openView(View.ProjectContentView, {}, true)
        }
        function onWriteFailed(path) {
            PopUpManager.openPopup("ErrorPopUp", {
                contentText: path === "" ? bindTr("Generic", "Es gab nichts zu schreiben.")
                                         : bindTr("Generic", "Die Datei \"%1\" konnte nicht geschrieben werden.").arg(path)
            })
        }
    }

    // Any save that fails says so, wherever it was asked for: the changes stay unsaved.
    Connections {
        target: storageService
        function onSaveFailed(error) {
            PopUpManager.openPopup("ErrorPopUp", {
                objectName: "saveFailedPopup",
                contentText: bindTr("Generic", "Die Änderungen konnten nicht gespeichert werden: %1").arg(error)
            })
        }
    }

    // While a view controller loads, the window takes no input and dims.
    Rectangle {
        objectName: "notReadyOverlay"
        parent: Overlay.overlay
        anchors.fill: parent
        z: 1000
        color: "black"
        opacity: mainController.ready ? 0 : 0.4
        visible: opacity > 0
        Behavior on opacity { NumberAnimation { duration: 200 } }
        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.AllButtons
            onWheel: (wheel) => wheel.accepted = true
        }
    }

    DefaultBusyIndicator {
        objectName: "storageBusyIndicator"
        parent: Overlay.overlay
        anchors.centerIn: parent
        z: 1001
        busy: storageService.busy
    }

    // The device scan and the data exchange, one of each for all views; the Bluetooth LE
    // service's questions and messages reach their pop-ups here. Nothing of them shows at
    // the start, so they are made after the first frame (or at once when asked for earlier).
    Loader {
        id: devicePopUps
    }
    function devices() {
        if (!devicePopUps.item)
            devicePopUps.setSource("DevicePopUps.qml", { popUpParent: window.contentItem })
        return devicePopUps.item
    }
    Connections {
        target: bleService
        function onAuthenticationRequested(serialNumber) { window.devices().deviceScan.askAuthentication(serialNumber) }
        function onPinCodeRequested() { window.devices().deviceScan.askPinCode() }
        function onOpenResetPopUp() { window.devices().resetSettingsPopUp.open() }
        function onDeviceLocked(status, unlockTime) { window.devices().deviceScan.showLock(status, unlockTime) }
        function onBluetoothError(message) { window.devices().deviceScan.showMessage(message, "", true) }
        function onInactiveForTooLong() { window.devices().deviceScan.showInactivity() }
        function onTooManySZError(nbSz, maxSz) {
            PopUpManager.openPopup("ErrorPopUp", {
                contentText: bindTr("Scan", "Ihr Projekt überschreitet die Speicherplätze des Zielgeräts (%1 / %2)", "", maxSz).arg(nbSz).arg(maxSz)
            })
        }
    }

    DesktopMenu {
        id: desktopMenu
        window: window
    }

    Component.onCompleted: {
        ZorvikUtils.window = window
        ZorvikUtils.popUps = PopUpManager
        PopUpManager.parentItem = window.contentItem
        const views = {}
        views[View.HomeScreenView] = "HomeScreenView.qml"
        views[View.DeviceScanView] = "DeviceScanView.qml"
        views[View.ProjectContentView] = "ProjectContentView.qml"
        views[View.ProjectCreationView] = "ProjectCreationView.qml"
        views[View.GlobalSettingsView] = "GlobalSettingsView.qml"
        views[View.SoftwareInfoView] = "SoftwareInfoView.qml"
        views[View.LicenseView] = "LicenseView.qml"
        views[View.FavoriteLocationsView] = "FavoriteLocationsView.qml"
        views[View.AstroLocationView] = "AstroLocationView.qml"
        views[View.CloudDevicesView] = "CloudDevicesView.qml"
        views[View.DirectCommandsView] = "DirectCommandsView.qml"
        views[View.SensorAffectationView] = "SensorAffectationView.qml"
        views[View.SwitchTimeEditionView] = "SwitchTimeEditionView.qml"
        views[View.SonderProgramOnOffEditionView] = "SonderProgramOnOffEditionView.qml"
        views[View.SonderProgramDateEditionView] = "SonderProgramDateEditionView.qml"
        views[View.EditOwnAstroTableView] = "EditOwnAstroTableView.qml"
        views[View.AutomaticFillView] = "AutomaticFillView.qml"
        views[View.EditSoWiTableView] = "EditSoWiTableView.qml"
        views[View.SoWiAutomaticFillView] = "SoWiAutomaticFillView.qml"
        ViewLoader.register(stack, ZorvikUtils, views, View.ProjectContentView, View.HomeScreenView)
        // The native window keeps its menus while the layout previews a phone or tablet: they
        // lead back to the settings.
        menus = desktopMenu.menus
        WindowLayout.setupLayout(window, onDesktopClosing)
    }

    // The window with its tool bar and menus shows first; the first view and the rest follow
    // at once after that frame.
    property bool started: false
    onFrameSwapped: if (!started) Qt.callLater(start)

    function start() {
        if (started)
            return
        started = true
        devices()
        softwareUpdateService.checkForSoftwareUpdate()
        // A project file named on the command line is imported and shown at once.
        const opened = mainController.loadOpenedProject()
        if (stack.depth === 0)
            ViewLoader.openView(opened ? View.HomeScreenView : View.ProjectCreationView)
        if (!settingsService.hasAcceptedLegalTerms)
            PopUpManager.openPopup("TermsAndConditionsPopup", {}, accepted => {
                if (accepted)
                    settingsService.hasAcceptedLegalTerms = true
            })
    }
}
