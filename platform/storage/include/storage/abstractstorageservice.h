#pragma once

#include "storage/favoritelocation.h"

#include <countries/city.h>

#include <QList>
#include <QObject>

namespace storage {

class Database;

// Base of the storage services: they all work on the database that StorageService opened.
class AbstractStorageService : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The favourite locations as cities (name, longitude, latitude, time zone, first character,
    // checksum), in list order. Each call makes new city records.
    static QList<countries::City> favoriteLocationsToCities(const QList<FavoriteLocation*>& locations);

protected:
    // The open database, or null (with a warning) before StorageService::init() succeeded.
    static Database* database();
};

} // namespace storage
