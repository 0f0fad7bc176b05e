import QtQuick
import QtQuick.Layouts
import QtPositioning
import Tarvino

// The coordinates and time zone of a location controller (CoordinatesSettingsController), typed
// in the interface's number format, and, with a project, its summer/winter rule, which is
// edited on the device settings tab (`goToSettingsView`).
ColumnLayout {
    id: settings

    property var controller: null
    // The astronomic project controller; null for a location without a project.
    property var viewController: null
    // The project content controller, for the own astro table; null in the reset use.
    property var contentController: null
    // Set when the controller had to take the time zone from the longitude, until the
    // coordinates change.
    property bool timezoneFromLongitude: false
    property QtObject positionSource: null
    // The fixes that agree with the location, less one for each that does not; past three the
    // position has settled and the source stops.
    property int equalFixes: 0
    readonly property var locale: Qt.locale(localeService.localeCode)

    signal goToSettingsView

    spacing: Metrics.margin

    function formatted(degrees) {
        return Number(degrees).toLocaleString(locale, "f", 5)
    }

    // A fix of the position source, rounded to 5 decimals. One that agrees with the location to
    // the hundredth of a degree is not taken; each other one is.
    function takeFix(latitude, longitude) {
        if (!controller)
            return
        const rounded = degrees => Math.round(degrees * 1e5) / 1e5
        const hundredths = degrees => Math.trunc(degrees * 100)
        const fixLatitude = rounded(latitude)
        const fixLongitude = rounded(longitude)
        if (hundredths(fixLatitude) === hundredths(controller.latitude)
                && hundredths(fixLongitude) === hundredths(controller.longitude)) {
            if (++equalFixes > 3 && positionSource)
                positionSource.stop()
            return
        }
        equalFixes = Math.max(0, equalFixes - 1)
        controller.setLatitudeLongitude(fixLatitude, fixLongitude)
    }

    // The map with its position button, which starts the position source. The source is made
    // only here, once the user has allowed positions, so that nothing asks the system before.
    function openLocation() {
        if (!positionSource)
            positionSource = positionSourceComponent.createObject(settings)
        equalFixes = 0
        const properties = {
            locationController: controller,
            positionSource: positionSource
        }
        ViewLoader.openPage(View.AstroLocationView, ViewLoader.viewUrl(View.AstroLocationView), properties, 768,
                            { width: 768, height: 550, minimumHeight: 550 })
    }
    Component {
        id: positionSourceComponent
        PositionSource {
            active: false
            updateInterval: 1000
            onPositionChanged: {
                if (position.latitudeValid && position.longitudeValid)
                    settings.takeFix(position.coordinate.latitude, position.coordinate.longitude)
            }
        }
    }

    Connections {
        target: settings.controller
        function onTimezoneFromLongitude() { settings.timezoneFromLongitude = true }
        function onLatitudeChanged() { settings.timezoneFromLongitude = false }
        function onLongitudeChanged() { settings.timezoneFromLongitude = false }
    }

    GridLayout {
        Layout.fillWidth: true
        columns: 3
        columnSpacing: Metrics.largeMargin
        rowSpacing: Metrics.margin

        DefaultText { text: bindTr("Astro settings", "Breitengrad") }
        CoordinateField {
            objectName: "latitudeField"
            Layout.preferredWidth: 160
            locale: settings.locale
            limit: 90
            value: settings.controller ? settings.controller.latitude : 0
            onValueEntered: degrees => settings.controller.latitude = degrees
        }
        DefaultText {
            objectName: "latitudeDirection"
            Layout.fillWidth: true
            readonly property real degrees: settings.controller ? settings.controller.latitude : 0
            text: degrees > 0 ? bindTr("Astro settings", "° Norden") : degrees < 0 ? bindTr("Astro settings", "° Süden") : ""
        }

        DefaultText { text: bindTr("Astro settings", "Längengrad") }
        CoordinateField {
            objectName: "longitudeField"
            Layout.preferredWidth: 160
            locale: settings.locale
            limit: 180
            value: settings.controller ? settings.controller.longitude : 0
            onValueEntered: degrees => settings.controller.longitude = degrees
        }
        DefaultText {
            objectName: "longitudeDirection"
            Layout.fillWidth: true
            readonly property real degrees: settings.controller ? settings.controller.longitude : 0
            text: degrees > 0 ? bindTr("Astro settings", "° Osten") : degrees < 0 ? bindTr("Astro settings", "° Westen") : ""
        }

        DefaultText { text: bindTr("Astro settings", "Zeitzone") }
        DefaultCombobox {
            objectName: "timezoneChoice"
            Layout.preferredWidth: 160
            model: AstroSettingsProvider.timezone
            currentIndex: settings.controller ? settings.controller.timezone : -1
            onActivated: index => settings.controller.timezone = index
        }
        Item { implicitWidth: 1 }

        DefaultText {
            objectName: "soWiRuleLabel"
            // Bound to the field's own condition: a binding to the field's visibility was not
            // laid out again once the settings showed, and the label stood over the first row.
            visible: settings.viewController !== null
            text: bindTr("Astro settings", "Sommer-/Winterregel")
        }
        DefaultTextField {
            id: soWiRuleField
            objectName: "soWiRuleField"
            Layout.preferredWidth: 240
            Layout.columnSpan: 2
            visible: settings.viewController !== null
            readOnly: true
            text: settings.viewController ? settings.viewController.soWiRuleName : ""
            Keys.onReturnPressed: settings.goToSettingsView()
            Keys.onEnterPressed: settings.goToSettingsView()
            Keys.onSpacePressed: settings.goToSettingsView()
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: settings.goToSettingsView()
            }
        }
    }

    DefaultText {
        objectName: "timezoneFromLongitudeNotice"
        Layout.fillWidth: true
        visible: settings.timezoneFromLongitude
        text: bindTr("Astro settings", "Für diesen Ort ist keine Zeitzone bekannt; sie wurde aus dem Längengrad bestimmt.")
        color: Colors.secondaryColor
        wrapMode: Text.WordWrap
        elide: Text.ElideNone
    }

    // The own astro table's rows (models with an own astro table) stand here.
    ColumnLayout {
        id: ownAstroTableRows
        objectName: "ownAstroTableRows"
        Layout.fillWidth: true
        spacing: Metrics.margin
        OwnAstroTableRows {
            Layout.fillWidth: true
            viewController: settings.contentController
        }
    }

    // Without a position source there is nothing to locate with.
    DefaultButton {
        objectName: "locateButton"
        enabled: settingsService.deviceLocationEnabled() && settingsService.appsAllowedToUseLocation()
        text: bindTr("Astro settings", "Standort bestimmen")
        onClicked: settings.openLocation()
    }
}
