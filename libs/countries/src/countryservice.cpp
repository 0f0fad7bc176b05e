#include "countries/countryservice.h"

#include "countrieslogging.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlEngine>

#include <cmath>
#include <limits>

namespace countries {

namespace {

constexpr double searchRadiusDegrees = 0.2;
const char* const qmlModule = "de.zorvik.countries";

bool isWithin(double value, double centre) {
    return centre - searchRadiusDegrees <= value && value <= centre + searchRadiusDegrees;
}

} // namespace

CountryService::CountryService(QObject* parent)
    : QObject(parent)
    , m_countries(new Countries(this))
    , m_cities(new Cities(this)) {
}

void CountryService::init() {
    qmlRegisterUncreatableType<CountryService>(qmlModule, 1, 0, "CountryService", QString());
    qmlRegisterUncreatableType<Countries>(qmlModule, 1, 0, "Countries", QString());
    qmlRegisterUncreatableType<Cities>(qmlModule, 1, 0, "Cities", QString());

    m_loading.start(
        [] {
            QFile file(QStringLiteral(":/countries_data/Location.json"));
            if (!file.open(QIODevice::ReadOnly))
                qCWarning(countriesLog) << "Cannot read the country catalogue:" << file.errorString();
            return readCatalogue(file.readAll());
        },
        this, [this] { ensureLoaded(); });
}

void CountryService::loadCatalogue(const QByteArray& json) {
    // A catalogue still being read must not replace this one later.
    loadedCountries().updateModel(readCatalogue(json));
}

QList<Country> CountryService::readCatalogue(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (!document.isArray())
        qCWarning(countriesLog) << "The country catalogue is not a JSON array:" << error.errorString();

    QList<Country> list{Country(QStringLiteral("Favourites"), QJsonArray())};
    for (const QJsonValue& value : document.array()) {
        const QJsonObject country = value.toObject();
        list.append(Country(country.value(QStringLiteral("Name")).toString(),
                            country.value(QStringLiteral("cities")).toArray()));
    }
    return list;
}

void CountryService::ensureLoaded() const {
    if (m_loading.pending())
        m_countries->updateModel(m_loading.take());
}

Countries& CountryService::loadedCountries() const {
    ensureLoaded();
    return *m_countries;
}

QList<Country> CountryService::countryList() const {
    return loadedCountries().countries();
}

Countries* CountryService::countries() const {
    return &loadedCountries();
}

Cities* CountryService::cities() const {
    return m_cities;
}

QString CountryService::countryName(int row) const {
    const Countries& catalogue = loadedCountries();
    if (row < 0 || row >= catalogue.count())
        return {};
    return catalogue.at(row).name();
}

Country CountryService::countryFromEepromIndex(int n) const {
    const Countries& catalogue = loadedCountries();
    if (n < 0 || n + 1 >= catalogue.count()) {
        qCWarning(countriesLog) << "No country with device index" << n;
        return {};
    }
    return catalogue.at(n + 1);
}

void CountryService::selectCountry(int row) {
    const Countries& catalogue = loadedCountries();
    if (row < 0 || row >= catalogue.count()) {
        qCWarning(countriesLog) << "Cannot select the country in row" << row;
        m_cities->updateModel({});
        return;
    }
    m_cities->updateModel(catalogue.at(row).cities());
}

City CountryService::cityFromIndex(int i) const {
    return m_cities->at(i);
}

QVariantMap CountryService::cityDataFromIndex(int cityIndex) const {
    if (cityIndex < 0 || cityIndex >= m_cities->count()) {
        qCWarning(countriesLog) << "No city in row" << cityIndex;
        return {};
    }
    const City city = m_cities->at(cityIndex);
    return {{QStringLiteral("latitude"), city.latitude()},
            {QStringLiteral("longitude"), city.longitude()},
            {QStringLiteral("timezone"), city.timezone()}};
}

quint16 CountryService::cityChecksum(const QString& name) {
    unsigned sum = 0;
    for (const QChar c : name.toUpper()) {
        if (c.unicode() <= 0xFF)
            sum += c.unicode();
    }
    return static_cast<quint16>(sum % 256);
}

int CountryService::firstCharCode(const QString& name) {
    const QString upper = name.toUpper();
    if (upper.isEmpty() || upper.at(0).unicode() > 0xFF)
        return 0;
    return upper.at(0).unicode();
}

QList<int> CountryService::searchCityIndex(const QList<City>& cities, double latitude, double longitude,
                                           int timezone, int countryIndex, bool matchTimezone,
                                           bool matchChecksum, int firstChar, int checksum) const {
    for (qsizetype i = 0; i < cities.size(); ++i) {
        const City& city = cities.at(i);
        if (!isWithin(city.latitude(), latitude) || !isWithin(city.longitude(), longitude))
            continue;
        if (matchTimezone && city.timezone() != timezone)
            continue;
        if (matchChecksum && (city.checksum() != checksum || city.firstChar() != firstChar))
            continue;
        return {countryIndex, static_cast<int>(i)};
    }
    return {};
}

QList<int> CountryService::cityIndexFromLocation(double latitude, double longitude, int timezone,
                                                 bool matchTimezone, bool matchChecksum, int firstChar,
                                                 int checksum) const {
    const QList<Country> list = loadedCountries().countries();
    for (qsizetype row = 0; row < list.size(); ++row) {
        const QList<int> found =
            searchCityIndex(list.at(row).cities(), latitude, longitude, timezone, static_cast<int>(row),
                            matchTimezone, matchChecksum, firstChar, checksum);
        if (!found.isEmpty())
            return found;
    }
    return {-1, -1};
}

QList<int> CountryService::cityIndexInDegreeCell(int latitude, int longitude, int timezone, int firstChar,
                                                 int checksum) const {
    QList<int> found{-1, -1};
    double nearest = std::numeric_limits<double>::infinity();
    const QList<Country> list = loadedCountries().countries();
    for (qsizetype row = 0; row < list.size(); ++row) {
        const QList<City> cities = list.at(row).cities();
        for (qsizetype i = 0; i < cities.size(); ++i) {
            const City& city = cities.at(i);
            if (int(city.latitude()) != latitude || int(city.longitude()) != longitude || city.timezone() != timezone
                || city.firstChar() != firstChar || city.checksum() != checksum)
                continue;
            const double distance = std::hypot(city.latitude() - latitude, city.longitude() - longitude);
            if (distance < nearest) {
                nearest = distance;
                found = {static_cast<int>(row), static_cast<int>(i)};
            }
        }
    }
    return found;
}

} // namespace countries
