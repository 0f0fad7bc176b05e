#pragma once

#include "storage/ownastrotableentry.h"
#include "storage/storableref.h"
#include "storage/storablerecord.h"

#include <QList>
#include <QString>

namespace storage {

// The own astro table of an astronomic project: one sunrise and sunset per day of a leap year
// (row 0 is 1 January, row 59 29 February, row 365 31 December). A new table is disabled, has no
// name, time zone 13 (UTC+1) and 06:00 / 18:00 on every day.
class OwnAstroTable : public StorableRecord {
public:
    static constexpr int DayCount = 366;
    static constexpr int DefaultTimezone = 13;

    OwnAstroTable();

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    QString name() const { return m_name; }
    void setName(const QString& name);
    int timezone() const { return m_timezone; }
    void setTimezone(int timezone);

    // Times of a row; an invalid time for a row outside the table.
    QTime sunriseTime(int row) const;
    QTime sunsetTime(int row) const;
    // False, changing nothing, for a row outside the table.
    bool setSunriseTime(const QTime& time, int row);
    bool setSunsetTime(const QTime& time, int row);

    QList<StorableRef<OwnAstroTableEntry>> entries() const { return m_entries; }

private:
    bool m_enabled = false;
    QString m_name;
    int m_timezone = DefaultTimezone;
    QList<StorableRef<OwnAstroTableEntry>> m_entries;
};

} // namespace storage
