#pragma once

#include "countries/city.h"

#include <QJsonArray>
#include <QList>
#include <QSharedDataPointer>

namespace countries {

class CountryData;

// A catalogue country: its name and its cities, an implicitly shared value.
class Country {
public:
    Country();
    Country(const QString& name, const QJsonArray& cities);
    Country(const Country& other);
    Country& operator=(const Country& other);
    ~Country();

    QString name() const;
    QList<City> cities() const;

private:
    QSharedDataPointer<CountryData> d;
};

} // namespace countries
