#include "countries/country.h"

#include <QJsonObject>

namespace countries {

class CountryData : public QSharedData {
public:
    QString name;
    QList<City> cities;
};

namespace {

// Numbers are stored as strings; a missing or malformed one counts 0.
int intField(const QJsonObject& object, const QString& key) {
    return object.value(key).toString().toInt(nullptr, 10);
}

double doubleField(const QJsonObject& object, const QString& key) {
    return object.value(key).toString().toDouble();
}

} // namespace

Country::Country()
    : d(new CountryData) {
}

Country::Country(const QString& name, const QJsonArray& cities)
    : d(new CountryData) {
    d->name = name;
    d->cities.reserve(cities.size());
    for (const QJsonValue& value : cities) {
        const QJsonObject city = value.toObject();
        d->cities.append(City(city.value(QStringLiteral("Name")).toString(),
                              doubleField(city, QStringLiteral("Lo")),
                              doubleField(city, QStringLiteral("La")), intField(city, QStringLiteral("Zo")),
                              intField(city, QStringLiteral("Fc")), intField(city, QStringLiteral("Cs"))));
    }
}

Country::Country(const Country& other) = default;
Country& Country::operator=(const Country& other) = default;
Country::~Country() = default;

QString Country::name() const {
    return d->name;
}

QList<City> Country::cities() const {
    return d->cities;
}

} // namespace countries
