#include "storage/abstractstorageservice.h"

#include "database.h"
#include "storagelogging.h"

namespace storage {

QList<countries::City> AbstractStorageService::favoriteLocationsToCities(const QList<FavoriteLocation*>& locations)
{
    QList<countries::City> cities;
    for (const FavoriteLocation* location : locations) {
        if (location)
            cities.append(countries::City(location->city(), location->longitude(), location->latitude(),
                                          location->timezone(), location->firstChar(), location->checksum()));
    }
    return cities;
}

Database* AbstractStorageService::database()
{
    Database* current = Database::current();
    if (!current)
        qCWarning(storageLog) << "The project database is not open";
    return current;
}

} // namespace storage
