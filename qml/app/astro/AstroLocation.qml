import QtQuick
import QtQuick.Layouts
import Tarvino

// The location on the world map: the time zone and coordinates of the location controller, the
// catalogue country and city matched there, and the map itself. The position source runs from
// the opening on until the map closes; a click on the map moves the location and stops it; the
// position button asks that source for one fix and is disabled while there is none.
Item {
    id: location

    property QtObject locationController: null
    // A PositionSource or null; only a valid one is asked.
    property QtObject positionSource: null
    // Set when the controller took the time zone from the longitude, cleared when the
    // coordinates change.
    property bool timezoneFromLongitude: false

    readonly property bool canLocate: positionSource !== null && positionSource.valid === true

    function degrees(value) {
        return Number(value).toLocaleString(Qt.locale(), "f", 5) + "°"
    }

    function requestPosition() {
        if (canLocate)
            positionSource.update()
    }

    Component.onCompleted: if (canLocate) positionSource.start()
    // The source outlives the map; it must not move the location once the map is closed.
    Component.onDestruction: if (canLocate) positionSource.stop()

    Connections {
        target: location.locationController
        function onTimezoneFromLongitude() { location.timezoneFromLongitude = true }
        function onLatitudeChanged() { location.timezoneFromLongitude = false }
        function onLongitudeChanged() { location.timezoneFromLongitude = false }
    }

    RowLayout {
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        spacing: Metrics.middleMargin

        MapView {
            id: mapView
            objectName: "mapView"
            Layout.fillWidth: true
            Layout.fillHeight: true
            locationController: location.locationController
            onMapClicked: if (location.positionSource !== null) location.positionSource.stop()
        }

        ColumnLayout {
            Layout.preferredWidth: 200
            Layout.maximumWidth: 200
            Layout.fillHeight: true
            spacing: Metrics.spacing

            Repeater {
                model: [
                    { name: "timezoneValue", label: bindTr("Astro settings", "Zeitzone"),
                      value: location.locationController && location.locationController.timezone >= 0
                             ? (AstroSettingsProvider.timezone[location.locationController.timezone] || "") : "–" },
                    { name: "latitudeValue", label: bindTr("Astro settings", "Breitengrad"),
                      value: location.locationController ? location.degrees(location.locationController.latitude) : "" },
                    { name: "longitudeValue", label: bindTr("Astro settings", "Längengrad"),
                      value: location.locationController ? location.degrees(location.locationController.longitude) : "" },
                    { name: "countryValue", label: bindTr("Astro settings", "Land"),
                      value: location.locationController && location.locationController.city >= 0
                             ? location.locationController.countryName : "–" },
                    { name: "cityValue", label: bindTr("Astro settings", "Stadt"),
                      value: location.locationController && location.locationController.cityName !== ""
                             ? location.locationController.cityName : "–" }
                ]
                delegate: ColumnLayout {
                    required property var modelData
                    Layout.fillWidth: true
                    Layout.bottomMargin: Metrics.halfMargin
                    spacing: 0
                    DefaultText {
                        Layout.fillWidth: true
                        text: parent.modelData.label
                        color: Colors.secondaryColor
                        font.pixelSize: Metrics.fontSize.small
                    }
                    DefaultText {
                        objectName: parent.modelData.name
                        Layout.fillWidth: true
                        text: parent.modelData.value
                        font.styleName: Fonts.bold
                        wrapMode: Text.WordWrap
                        elide: Text.ElideNone
                    }
                }
            }

            DefaultText {
                objectName: "timezoneNotice"
                Layout.fillWidth: true
                visible: location.timezoneFromLongitude
                text: bindTr("Astro settings", "Für diesen Ort ist keine Zeitzone bekannt; sie wurde aus dem Längengrad bestimmt.")
                color: Colors.red
                wrapMode: Text.WordWrap
                elide: Text.ElideNone
            }

            Item { Layout.fillHeight: true }

            DefaultButton {
                objectName: "positionButton"
                Layout.fillWidth: true
                text: bindTr("Astro settings", "Aktuelle Position")
                enabled: location.canLocate
                onClicked: location.requestPosition()
            }
        }
    }
}
