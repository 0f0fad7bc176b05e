#pragma once

#include "storage/storablerecord.h"

#include <QString>

namespace storage {

// A favourite location of an astronomic project: a city name, whole-degree coordinates (north and
// east positive) and a device time-zone number. A new favourite is empty: no name, 0°, 0°, time
// zone 13 (UTC+1), and no catalogue key (first character and checksum 255).
class FavoriteLocation : public StorableRecord {
public:
    static constexpr int NoKey = 255;
    static constexpr int DefaultTimezone = 13;

    QString city() const { return m_city; }
    void setCity(const QString& city);
    double latitude() const { return m_latitude; }
    void setLatitude(double latitude);
    double longitude() const { return m_longitude; }
    void setLongitude(double longitude);
    int timezone() const { return m_timezone; }
    void setTimezone(int timezone);
    int firstChar() const { return m_firstChar; }
    void setFirstChar(int firstChar);
    int checksum() const { return m_checksum; }
    void setChecksum(int checksum);

    // A favourite without a city name is empty.
    bool isEmpty() const { return m_city.trimmed().isEmpty(); }

private:
    QString m_city;
    double m_latitude = 0;
    double m_longitude = 0;
    int m_timezone = DefaultTimezone;
    int m_firstChar = NoKey;
    int m_checksum = NoKey;
};

} // namespace storage
