#include "storage/abstractstorageservice.h"

#include "database.h"
#include "storagelogging.h"

namespace storage {

Database* AbstractStorageService::database()
{
    Database* current = Database::current();
    if (!current)
        qCWarning(storageLog) << "The project database is not open";
    return current;
}

} // namespace storage
