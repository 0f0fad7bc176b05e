import QtQuick
import QtQuick.Layouts
import Tarvino

// The catalogue country and city of a location controller (CoordinatesSettingsController).
// Without `showFavourites` the favourites row of the catalogue is left out of the list, so
// list entry i is catalogue row i + 1.
GridLayout {
    id: settings

    property var controller: null
    // The astronomic project controller, whose favourites the favourites view edits.
    property var viewController: null
    property bool showFavourites: false
    readonly property int firstRow: showFavourites ? 0 : 1
    readonly property real labelWidth: Math.max(countryLabel.implicitWidth, cityLabel.implicitWidth,
                                                favouritesLabel.visible ? favouritesLabel.implicitWidth : 0)

    // The width the parent offers: the grid's own follows its columns.
    columns: (parent ? parent.width : width) >= labelWidth + columnSpacing + 240 ? 2 : 1
    columnSpacing: Metrics.largeMargin
    rowSpacing: Metrics.margin

    function countryNames() {
        const names = []
        for (let row = firstRow; row < countryService.countries.count(); ++row)
            names.push(row === 0 ? bindTr("Astro settings", "Favoriten") : countryService.countryName(row))
        return names
    }

    function openFavourites() {
        ViewLoader.openPage(View.FavoriteLocationsView, ViewLoader.viewUrl(View.FavoriteLocationsView),
                            { viewController: viewController }, 768,
                            { width: 768, height: 550, maximumWidth: 768, minimumHeight: 550, maximumHeight: 550 })
    }

    DefaultText {
        id: countryLabel
        text: bindTr("Astro settings", "Land")
    }
    DefaultCombobox {
        objectName: "countryChoice"
        Layout.preferredWidth: 240
        model: settings.countryNames()
        // No country (a location that matches no city) or a row the list leaves out: none shown.
        currentIndex: settings.controller && settings.controller.country >= settings.firstRow
                      ? settings.controller.country - settings.firstRow : -1
        onActivated: index => settings.controller.country = index + settings.firstRow
    }

    DefaultText {
        id: cityLabel
        text: bindTr("Astro settings", "Stadt")
    }
    DefaultCombobox {
        objectName: "cityChoice"
        Layout.preferredWidth: 240
        model: settings.controller ? settings.controller.cities : []
        textRole: "name"
        currentIndex: settings.controller ? settings.controller.city : -1
        onActivated: index => settings.controller.city = index
    }

    DefaultText {
        id: favouritesLabel
        visible: settings.showFavourites
        text: bindTr("Astro settings", "Favoriten")
    }
    DefaultButton {
        objectName: "editFavouritesButton"
        visible: settings.showFavourites
        text: bindTr("Astro settings", "Favoriten bearbeiten")
        onClicked: settings.openFavourites()
    }
}
