#include "storage/connectioncodeservice.h"

#include "database.h"

namespace storage {

bool ConnectionCodeService::init()
{
    Database* db = database();
    if (!db)
        return false;
    m_codes = db->connectionCodes();
    emit codesChanged();
    return true;
}

bool ConnectionCodeService::setCode(const QString& device, const QString& code)
{
    Database* db = database();
    if (!db || !db->setConnectionCode(device, code))
        return false;
    m_codes.insert(device, code);
    emit codesChanged();
    return true;
}

bool ConnectionCodeService::removeCode(const QString& device)
{
    Database* db = database();
    if (!db || !db->removeConnectionCode(device))
        return false;
    if (m_codes.remove(device) > 0)
        emit codesChanged();
    return true;
}

} // namespace storage
