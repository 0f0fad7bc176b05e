#include "favoritecities.h"

QList<countries::City> FavoriteCities::fromLocations(const QList<storage::FavoriteLocation*>& locations) {
    QList<countries::City> cities;
    for (const storage::FavoriteLocation* location : locations) {
        if (location)
            cities.append(countries::City(location->city(), location->longitude(), location->latitude(),
                                          location->timezone(), location->firstChar(), location->checksum()));
    }
    return cities;
}
