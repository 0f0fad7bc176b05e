#pragma once

#include <QObject>

namespace storage {

class Database;

// Base of the storage services: they all work on the database that StorageService opened.
class AbstractStorageService : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    // The open database, or null (with a warning) before StorageService::init() succeeded.
    static Database* database();
};

} // namespace storage
