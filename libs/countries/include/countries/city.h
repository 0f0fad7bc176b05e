#pragma once

#include "countries/citydata.h"

#include <QExplicitlySharedDataPointer>
#include <QMetaType>

namespace countries {

// A catalogue or favourite city: an implicitly shared, read-only value. Two cities are equal
// only when they are copies of the same record.
class City {
public:
    City();
    City(const QString& name, double longitude, double latitude, int timezone, int firstChar, int checksum);
    explicit City(CityData* data);

    QString name() const;
    double latitude() const;
    double longitude() const;
    int timezone() const;
    int firstChar() const;
    int checksum() const;

    bool operator==(const City& other) const;

private:
    QExplicitlySharedDataPointer<CityData> d;
};

} // namespace countries

Q_DECLARE_METATYPE(countries::City)
