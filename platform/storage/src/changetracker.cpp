#include "changetracker.h"

#include "storage/storageservice.h"

namespace storage {

void ChangeTracker::markUnsaved()
{
    if (s_paused == 0 && StorageService::hasInstance())
        StorageService::instance().touch();
}

} // namespace storage
