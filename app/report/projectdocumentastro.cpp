// The astro section of the project report.
#include "projectdocument.h"

#include "reporttexts.h"

#include <coordinatessettingscontroller.h>
#include <favoritecities.h>
#include <timezonesetting.h>

#include <countries/countryservice.h>

using namespace reporttext;

namespace {

QString stateText(bool active) {
    return active ? activeText() : inactiveText();
}

// Six significant digits with a point, the sign kept, then the hemisphere.
QString degrees(double value, const QString& positive, const QString& negative) {
    const QString side = value > 0 ? positive : value < 0 ? negative : QString();
    return QStringLiteral("%1 %2").arg(QString::number(value, 'g', 6), side);
}

} // namespace

void ProjectDocument::writeAstroSettings() {
    const bool ownTable = m_astroProject.astroTableEnabled();
    const Location place = location();
    const QString country = htmlText(place.country);
    const QString city = htmlText(place.city);
    QList<QStringList> rows{
        {bold(trText("Astro settings", "Koordinaten")),
         stateText(!ownTable && !place.favorite && place.city.isEmpty())},
        {trText("Astro settings", "Breitengrad"),
         degrees(m_astroProject.latitude(), trText("Astro settings", "° Norden"),
                 trText("Astro settings", "° Süden"))},
        {trText("Astro settings", "Längengrad"),
         degrees(m_astroProject.longitude(), trText("Astro settings", "° Osten"),
                 trText("Astro settings", "° Westen"))},
        {trText("Astro settings", "Zeitzone"),
         TimeZoneSetting(nullptr, m_astroProject.timezone()).entryText(m_astroProject.timezone())},
        {bold(trText("Astro settings", "Länderliste")),
         stateText(!ownTable && !place.favorite && !place.city.isEmpty())},
        {trText("Astro settings", "Land"), country},
        {trText("Astro settings", "Stadt"), city},
        {bold(trText("Astro settings", "Favoriten")), stateText(!ownTable && place.favorite)},
        {bold(trText("Program settings", "Eigene Astro Tabelle")), stateText(ownTable)}};
    if (ownTable) {
        const storage::StorableRef<storage::OwnAstroTable> table = m_astroProject.ownAstroTable();
        rows.append({trText("Generic", "Name"), table.isNull() ? QString() : htmlText(table->name())});
    }
    insertTable(sectionCursor(QStringLiteral("astro"), true), rows, QStringLiteral("50%"), {}, QString(),
                false);
}

ProjectDocument::Location ProjectDocument::location() const {
    if (!m_openLocation)
        return storedLocation();
    return {m_openLocation->countryName(), m_openLocation->cityName(), m_openLocation->isFavoriteCity()};
}

// The same search the coordinates controller makes when a project opens (favourites first, then
// the catalogue, by coordinates, time zone and city key), on copies only.
ProjectDocument::Location ProjectDocument::storedLocation() const {
    if (!countries::CountryService::hasInstance())
        return {};
    const countries::CountryService& service = countries::CountryService::instance();
    QList<storage::FavoriteLocation*> locations;
    for (const storage::StorableRef<storage::FavoriteLocation>& favorite : m_astroProject.favoriteLocations())
        locations.append(favorite.data());
    const QList<countries::City> favorites = FavoriteCities::fromLocations(locations);
    const double latitude = m_astroProject.latitude();
    const double longitude = m_astroProject.longitude();
    const int timezone = m_astroProject.timezone();
    const int firstChar = m_astroProject.firstChar();
    const int checksum = m_astroProject.checksum();
    QList<int> found =
        service.searchCityIndex(favorites, latitude, longitude, timezone,
                                CoordinatesSettingsController::FavoritesRow, true, true, firstChar, checksum);
    const bool favorite = !found.isEmpty();
    if (!favorite)
        found = service.cityIndexFromLocation(latitude, longitude, timezone, true, true, firstChar, checksum);
    const int row = found.value(0, -1);
    const int index = found.value(1, -1);
    const QList<countries::Country> catalogue = service.countryList();
    if (row < 0 || row >= catalogue.size() || index < 0)
        return {};
    const QList<countries::City> cities = favorite ? favorites : catalogue.at(row).cities();
    if (index >= cities.size())
        return {};
    return {service.countryName(row), cities.at(index).name(), favorite};
}
