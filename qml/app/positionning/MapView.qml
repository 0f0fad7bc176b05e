import QtQuick
import Tarvino

// The world map with a marker at the location's coordinates. A click puts the marker at the
// clicked point (rounded to 5 decimals) and sets the location there; the wheel and the +/- keys
// zoom about the pointer, a drag pans. When the location moves out of sight, the map follows.
Rectangle {
    id: mapView

    property QtObject locationController: null
    readonly property real markerLatitude: locationController ? locationController.latitude : 0
    readonly property real markerLongitude: locationController ? locationController.longitude : 0
    readonly property real defaultZoom: 8
    readonly property alias map: map

    // Emitted when the user places the marker.
    signal mapClicked

    function centerOnMarker() {
        map.centerLatitude = markerLatitude
        map.centerLongitude = markerLongitude
    }

    function resetZoom() {
        map.zoom = defaultZoom
        centerOnMarker()
    }

    function rounded(value) {
        return Math.round(value * 100000) / 100000
    }

    function place(point) {
        const coordinate = map.coordinateAt(point)
        mapView.mapClicked()
        if (locationController)
            locationController.setLatitudeLongitude(rounded(coordinate.latitude), rounded(coordinate.longitude))
    }

    // Keys have no pointer of their own: they zoom about the mouse while it is over the map.
    function zoomByKey(factor) {
        const point = area.containsMouse ? Qt.point(area.mouseX, area.mouseY) : Qt.point(width / 2, height / 2)
        map.zoomAt(point, factor)
    }

    function followMarker() {
        const point = marker.position
        if (point.x < 0 || point.y < 0 || point.x > width || point.y > height)
            centerOnMarker()
    }

    color: Colors.lightGrey
    clip: true
    activeFocusOnTab: true
    onMarkerLatitudeChanged: Qt.callLater(followMarker)
    onMarkerLongitudeChanged: Qt.callLater(followMarker)
    Component.onCompleted: centerOnMarker()

    Keys.onPressed: event => {
        if (event.key === Qt.Key_Plus || event.key === Qt.Key_Equal) {
            zoomByKey(2)
            event.accepted = true
        } else if (event.key === Qt.Key_Minus) {
            zoomByKey(0.5)
            event.accepted = true
        }
    }

    WorldMapItem {
        id: map
        objectName: "worldMap"
        anchors.fill: parent
        source: MapPluginProvider.mapSource
        zoom: mapView.defaultZoom
    }

    MouseArea {
        id: area

        property point last
        property bool dragged: false

        anchors.fill: parent
        hoverEnabled: true
        cursorShape: dragged ? Qt.ClosedHandCursor : Qt.CrossCursor
        onPressed: mouse => {
            last = Qt.point(mouse.x, mouse.y)
            dragged = false
            mapView.forceActiveFocus()
        }
        onPositionChanged: mouse => {
            if (!pressed)
                return
            const dx = mouse.x - last.x
            const dy = mouse.y - last.y
            if (!dragged && Math.abs(dx) + Math.abs(dy) < Qt.styleHints.startDragDistance)
                return
            dragged = true
            map.panning = true
            map.panBy(dx, dy)
            last = Qt.point(mouse.x, mouse.y)
        }
        onReleased: map.panning = false
        onCanceled: map.panning = false
        onClicked: mouse => {
            if (!dragged)
                mapView.place(Qt.point(mouse.x, mouse.y))
        }
        onWheel: wheel => map.zoomAt(Qt.point(wheel.x, wheel.y), Math.pow(2, wheel.angleDelta.y / 240))
    }

    Rectangle {
        id: marker

        // Named so that the binding follows every move and zoom of the map.
        readonly property point position: {
            map.centerLatitude
            map.centerLongitude
            map.zoom
            map.width
            map.height
            return map.pointAt(mapView.markerLatitude, mapView.markerLongitude)
        }

        objectName: "mapMarker"
        x: position.x - width / 2
        y: position.y - height / 2
        width: 18
        height: 18
        radius: width / 2
        color: Colors.primaryColor
        border.color: Colors.white
        border.width: 3
        visible: mapView.locationController !== null
    }

    Column {
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: Metrics.margin
        spacing: Metrics.spacing
        Repeater {
            model: [
                { name: "zoomInButton", icon: Icons.plus, action: () => mapView.zoomByKey(2) },
                { name: "zoomOutButton", icon: Icons.minus, action: () => mapView.zoomByKey(0.5) },
                { name: "zoomResetButton", icon: Icons.home, action: () => mapView.resetZoom() }
            ]
            delegate: Rectangle {
                required property var modelData
                width: 32
                height: 32
                radius: Metrics.radius
                color: Colors.white
                border.color: Colors.delightGrey
                ClickableIcon {
                    objectName: parent.modelData.name
                    anchors.centerIn: parent
                    source: parent.modelData.icon
                    iconColor: Colors.primaryColor
                    extX: 4
                    extY: 4
                    onClicked: parent.modelData.action()
                }
            }
        }
    }

    DefaultText {
        objectName: "mapAttribution"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: Metrics.halfMargin
        text: MapPluginProvider.attribution
        color: Colors.secondaryColor
        font.pixelSize: Metrics.fontSize.small
    }
}
