#include "storage/favoritelocation.h"

#include "changetracker.h"

namespace storage {

void FavoriteLocation::setCity(const QString& city) { ChangeTracker::assign(m_city, city); }
void FavoriteLocation::setLatitude(double latitude) { ChangeTracker::assign(m_latitude, latitude); }
void FavoriteLocation::setLongitude(double longitude) { ChangeTracker::assign(m_longitude, longitude); }
void FavoriteLocation::setTimezone(int timezone) { ChangeTracker::assign(m_timezone, timezone); }
void FavoriteLocation::setFirstChar(int firstChar) { ChangeTracker::assign(m_firstChar, firstChar); }
void FavoriteLocation::setChecksum(int checksum) { ChangeTracker::assign(m_checksum, checksum); }

} // namespace storage
