#pragma once

#include "storage/storablerecord.h"

#include <QTime>

namespace storage {

// Sunrise and sunset of one day of an own astro table, in local standard time.
class OwnAstroTableEntry : public StorableRecord {
public:
    OwnAstroTableEntry(const QTime& sunrise, const QTime& sunset);

    QTime sunriseTime() const { return m_sunrise; }
    void setSunriseTime(const QTime& time);
    QTime sunsetTime() const { return m_sunset; }
    void setSunsetTime(const QTime& time);

private:
    QTime m_sunrise;
    QTime m_sunset;
};

} // namespace storage
