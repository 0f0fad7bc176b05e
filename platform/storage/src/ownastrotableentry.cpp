#include "storage/ownastrotableentry.h"

#include "changetracker.h"

namespace storage {

OwnAstroTableEntry::OwnAstroTableEntry(const QTime& sunrise, const QTime& sunset)
    : m_sunrise(sunrise)
    , m_sunset(sunset)
{
}

void OwnAstroTableEntry::setSunriseTime(const QTime& time) { ChangeTracker::assign(m_sunrise, time); }
void OwnAstroTableEntry::setSunsetTime(const QTime& time) { ChangeTracker::assign(m_sunset, time); }

} // namespace storage
