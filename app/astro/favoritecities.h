#pragma once

#include <QList>

#include <countries/city.h>
#include <storage/favoritelocation.h>

// The favourite locations of a project, which the store keeps as its own records, as catalogue
// cities for the location views.
class FavoriteCities {
public:
    // Name, longitude, latitude, time zone, first character and checksum of each location, in
    // list order; null entries are skipped. Each call makes new city records.
    static QList<countries::City> fromLocations(const QList<storage::FavoriteLocation*>& locations);
};
