import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The project's favourite locations, up to ten, one row each. Every edit goes to the project
// at once; leaving the view drops the empty ones and matches the location again.
AppView {
    id: view

    // The astronomic project controller.
    property var viewController: null
    readonly property int maxFavorites: 10
    readonly property bool compact: width < 580
    readonly property int count: list.count

    viewKind: View.FavoriteLocationsView
    title: bindTr("Astro settings", "Favoriten bearbeiten")

    function viewLeaved() {
        if (viewController)
            viewController.refreshAfterFavoriteEdition()
    }

    // The new row is made once the list has taken the new model.
    function focusLastRow() {
        list.currentIndex = list.count - 1
        list.positionViewAtEnd()
        if (list.currentItem)
            list.currentItem.focusCity()
    }

    Connections {
        target: view.viewController
        function onFavoriteLocationAdded() { Qt.callLater(view.focusLastRow) }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        spacing: Metrics.margin

        FavoriteLocationRow {
            objectName: "favoritesHeader"
            Layout.fillWidth: true
            visible: !view.compact
            header: true
        }
        ListView {
            id: list
            objectName: "favoritesList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: Metrics.margin
            boundsBehavior: Flickable.StopAtBounds
            ScrollIndicator.vertical: DefaultScrollIndicator {}
            model: view.viewController ? view.viewController.favoriteLocations : null
            delegate: FavoriteLocationRow {
                required property int index
                required property string name
                required property int latitude
                required property int longitude
                required property int timezone

                objectName: "favorite_" + index
                width: ListView.view.width
                compact: view.compact
                number: index + 1
                city: name
                latitudeDegrees: latitude
                longitudeDegrees: longitude
                timezoneNumber: timezone
                onEdited: (type, value) => view.viewController.setFavorite({ index: index, type: type, value: value })
            }
        }
        DefaultButton {
            objectName: "addFavoriteButton"
            enabled: view.count < view.maxFavorites
            text: bindTr("Astro settings", "Favorit hinzufügen")
            onClicked: view.viewController.addFavorite()
        }
    }
}
