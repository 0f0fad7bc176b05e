import QtQuick
import Tarvino

// The location on the world map, as a view of its own (in a window on the desktop).
AppView {
    id: view

    property alias locationController: content.locationController
    property alias positionSource: content.positionSource

    viewKind: View.AstroLocationView
    title: bindTr("Astro settings", "Astro-Standort")

    AstroLocation {
        id: content
        anchors.fill: parent
    }
}
