#include "storage/ownastrotable.h"

#include "changetracker.h"

namespace storage {

OwnAstroTable::OwnAstroTable()
{
    m_entries.reserve(DayCount);
    for (int row = 0; row < DayCount; ++row)
        m_entries.append(StorableRef<OwnAstroTableEntry>(new OwnAstroTableEntry(QTime(6, 0), QTime(18, 0))));
}

void OwnAstroTable::setEnabled(bool enabled) { ChangeTracker::assign(m_enabled, enabled); }
void OwnAstroTable::setName(const QString& name) { ChangeTracker::assign(m_name, name); }
void OwnAstroTable::setTimezone(int timezone) { ChangeTracker::assign(m_timezone, timezone); }

QTime OwnAstroTable::sunriseTime(int row) const
{
    return row >= 0 && row < m_entries.size() ? m_entries.at(row)->sunriseTime() : QTime();
}

QTime OwnAstroTable::sunsetTime(int row) const
{
    return row >= 0 && row < m_entries.size() ? m_entries.at(row)->sunsetTime() : QTime();
}

bool OwnAstroTable::setSunriseTime(const QTime& time, int row)
{
    if (row < 0 || row >= m_entries.size())
        return false;
    m_entries.at(row)->setSunriseTime(time);
    return true;
}

bool OwnAstroTable::setSunsetTime(const QTime& time, int row)
{
    if (row < 0 || row >= m_entries.size())
        return false;
    m_entries.at(row)->setSunsetTime(time);
    return true;
}

} // namespace storage
