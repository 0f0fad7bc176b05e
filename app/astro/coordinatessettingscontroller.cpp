#include "coordinatessettingscontroller.h"

#include "astrolocationlogging.h"

#include <QTimeZone>
#include <algorithm>
#include <cmath>

#include <countries/timezonedatabase.h>
#include <countries/timezonenumber.h>

namespace {

constexpr int SecondsPerHour = 3600;
constexpr int SecondsPerQuarterHour = 900;
constexpr double DegreesPerHour = 15.0;

// Whether a city lies in the whole-degree square around a reference point.
bool isNearInWholeDegrees(const countries::City& city, double latitude, double longitude) {
    return std::abs(std::floor(city.latitude()) - latitude) <= 1
        && std::abs(std::floor(city.longitude()) - longitude) <= 1;
}

// Older time-zone databases of the system know Kyiv under its former name.
QByteArray systemZoneId(const QString& name) {
    static const QByteArray kyiv("Europe/Kyiv");
    if (name.toUtf8() == kyiv && !QTimeZone::availableTimeZoneIds().contains(kyiv))
        return QByteArrayLiteral("Europe/Kiev");
    return name.toUtf8();
}

bool isDeviceOffset(int offsetSeconds) {
    const int nearest = countries::timeZoneNumberForOffset(offsetSeconds);
    return countries::deviceTimeZoneQuarterHours[nearest] * SecondsPerQuarterHour == offsetSeconds;
}

QString utcOffsetText(int offsetSeconds) {
    const int minutes = std::abs(offsetSeconds) / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(offsetSeconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

CoordinatesSettingsController::CoordinatesSettingsController(const storage::AstroProject& project,
                                                             FavoriteCitiesOwner* owner, QObject* parent)
    : QObject(parent)
    , m_cities(new countries::Cities(this))
    , m_service(countries::CountryService::hasInstance() ? &countries::CountryService::instance() : nullptr)
    , m_owner(owner)
    , m_project(project)
    , m_hasProject(!project.isNull()) {
    if (m_hasProject) {
        startAtProjectLocation();
        updateTimezoneApproximation();
    } else {
        loadCountryCities(m_country);
    }
}

CoordinatesSettingsController::CoordinatesSettingsController(QObject* parent)
    : QObject(parent)
    , m_cities(new countries::Cities(this))
    , m_service(countries::CountryService::hasInstance() ? &countries::CountryService::instance() : nullptr) {
    loadCountryCities(m_country);
}

// The stored coordinates are whole degrees on older devices; the catalogue city with the
// project's key near them gives the exact position back.
void CoordinatesSettingsController::startAtProjectLocation() {
    double latitude = m_project.latitude();
    double longitude = m_project.longitude();
    if (m_service) {
        for (const countries::Country& country : m_service->countryList()) {
            for (const countries::City& city : country.cities()) {
                if (isNearInWholeDegrees(city, latitude, longitude) && city.firstChar() == m_project.firstChar()
                    && city.checksum() == m_project.checksum()) {
                    latitude = city.latitude();
                    longitude = city.longitude();
                }
            }
        }
    }
    m_latitude = latitude;
    m_longitude = longitude;
    m_timezone = m_project.timezone();
    m_firstChar = m_project.firstChar();
    m_checksum = m_project.checksum();
}

QString CoordinatesSettingsController::countryName() const {
    return m_service ? m_service->countryName(m_country) : QString();
}

QString CoordinatesSettingsController::cityName() const {
    const std::optional<countries::City> selected = currentCity();
    return selected ? selected->name() : QString();
}

std::optional<countries::City> CoordinatesSettingsController::currentCity() const {
    if (m_city < 0 || m_city >= m_cities->count())
        return std::nullopt;
    return m_cities->at(m_city);
}

bool CoordinatesSettingsController::isFavoriteCity() const {
    const std::optional<countries::City> selected = currentCity();
    return selected && favorites().contains(*selected);
}

QList<countries::City> CoordinatesSettingsController::favorites() const {
    return m_owner ? m_owner->favoriteCities() : QList<countries::City>();
}

void CoordinatesSettingsController::storeLatitude(double latitude) {
    m_latitude = latitude;
    if (m_hasProject)
        m_project.setLatitude(latitude);
    emit latitudeChanged(latitude);
}

void CoordinatesSettingsController::storeLongitude(double longitude) {
    m_longitude = longitude;
    if (m_hasProject)
        m_project.setLongitude(longitude);
    emit longitudeChanged(longitude);
}

void CoordinatesSettingsController::storeTimezone(int timezone) {
    m_timezone = timezone;
    if (m_hasProject)
        m_project.setTimezone(timezone);
    emit timezoneChanged(timezone);
}

void CoordinatesSettingsController::storeKey(int firstChar, int checksum) {
    m_firstChar = firstChar;
    m_checksum = checksum;
    if (!m_hasProject)
        return;
    m_project.setFirstChar(firstChar);
    m_project.setChecksum(checksum);
}

void CoordinatesSettingsController::setLatitude(double latitude) {
    if (!std::isfinite(latitude))
        return;
    latitude = std::clamp(latitude, -90.0, 90.0);
    if (latitude == m_latitude)
        return;
    storeLatitude(latitude);
    matchLocation(true, false);
    updateTimezoneApproximation();
}

void CoordinatesSettingsController::setLongitude(double longitude) {
    if (!std::isfinite(longitude))
        return;
    longitude = std::clamp(longitude, -180.0, 180.0);
    if (longitude == m_longitude)
        return;
    storeLongitude(longitude);
    matchLocation(true, false);
    updateTimezoneApproximation();
}

void CoordinatesSettingsController::setLatitudeLongitude(double latitude, double longitude) {
    if (!std::isfinite(latitude) || !std::isfinite(longitude))
        return;
    latitude = std::clamp(latitude, -90.0, 90.0);
    longitude = std::clamp(longitude, -180.0, 180.0);
    if (latitude == m_latitude && longitude == m_longitude)
        return;
    storeLatitude(latitude);
    storeLongitude(longitude);
    matchLocation(false, false);
    updateTimezoneApproximation();
}

void CoordinatesSettingsController::setTimezone(int timezone) {
    if (timezone == m_timezone)
        return;
    storeTimezone(timezone);
    matchLocation(true, false);
}

void CoordinatesSettingsController::setCity(int city, bool centerMap) {
    if (city == m_city)
        return;
    if (city == -1)
        storeKey(NoKey, NoKey);
    m_city = city;
    emit cityChanged(city);
    if (centerMap)
        applyCity(city);
}

void CoordinatesSettingsController::setCountry(int country, bool centerMap) {
    if (country == m_country)
        return;
    m_country = country;
    loadCountryCities(country);
    emit countryChanged(country);
    if (!centerMap)
        return;
    if (m_city != 0) {
        m_city = 0;
        emit cityChanged(0);
    }
    applyCity(0);
}

void CoordinatesSettingsController::applyCity(int index) {
    if (index < 0 || index >= m_cities->count())
        return;
    const countries::City city = m_cities->at(index);
    if (city.latitude() != m_latitude)
        storeLatitude(city.latitude());
    if (city.longitude() != m_longitude)
        storeLongitude(city.longitude());
    if (city.timezone() != m_timezone)
        storeTimezone(city.timezone());
    storeKey(city.firstChar(), city.checksum());
    updateTimezoneApproximation();
}

// Without a country there is no city to choose.
void CoordinatesSettingsController::loadCountryCities(int row) {
    if (row == NoCountry) {
        m_cities->updateModel({});
        return;
    }
    if (!m_service || row < 0 || row >= m_service->countryList().size())
        return;
    if (row == FavoritesRow) {
        if (m_hasProject)
            m_cities->updateModel(favorites());
        return;
    }
    m_cities->updateModel(m_service->countryList().at(row).cities());
}

void CoordinatesSettingsController::setFavoriteCities(const QList<countries::City>& cities) {
    m_cities->updateModel(cities);
}

void CoordinatesSettingsController::matchLocation(bool matchTimezone, bool matchChecksum) {
    if (!m_service)
        return;
    QList<int> found;
    if (m_hasProject)
        found = m_service->searchCityIndex(favorites(), m_latitude, m_longitude, m_timezone, FavoritesRow,
                                           matchTimezone, matchChecksum, m_firstChar, m_checksum);
    if (found.isEmpty())
        found = m_service->cityIndexFromLocation(m_latitude, m_longitude, m_timezone, matchTimezone,
                                                 matchChecksum, m_firstChar, m_checksum);
    selectMatch(found.value(0, -1), found.value(1, -1));
    if (!matchTimezone)
        updateTimezoneFromCoordinates();
}

// A point matching no city selects no country either, so that no country is shown that the
// point does not lie in; only the favourites row stays, with no city. The same index in another
// country is another city.
void CoordinatesSettingsController::selectMatch(int row, int index) {
    const bool keepsFavorites = row < 0 && m_hasProject && m_country == FavoritesRow;
    const bool otherCountry = !keepsFavorites && row != m_country;
    if (otherCountry) {
        m_country = row;
        loadCountryCities(row);
        emit countryChanged(row);
    }
    if (index == m_city && !otherCountry)
        return;
    if (index < 0) {
        storeKey(NoKey, NoKey);
    } else {
        const countries::City city = m_cities->at(index);
        storeKey(city.firstChar(), city.checksum());
    }
    m_city = index;
    emit cityChanged(index);
}

std::optional<QTimeZone> CoordinatesSettingsController::zoneAt(double latitude, double longitude) {
    const countries::TimeZoneDatabase& database = countries::TimeZoneDatabase::shipped();
    if (!database.isOpen()) {
        qCWarning(astroLocationLog) << ">> The time-zone database cannot be opened";
        return std::nullopt;
    }
    const QString name = database.zoneIdAt(latitude, longitude);
    if (name.isEmpty())
        return std::nullopt;
    const QTimeZone zone(systemZoneId(name));
    if (!zone.isValid()) {
        qCWarning(astroLocationLog) << ">> The system does not know the time zone" << name;
        return std::nullopt;
    }
    return zone;
}

// The smaller offset of midwinter and midsummer: some zones (Ireland in tzdata) call their
// summer offset the standard one and keep a negative summer time in winter.
int CoordinatesSettingsController::standardOffset(const QTimeZone& zone, const QDateTime& when) {
    const int year = when.date().year();
    const int january = zone.offsetFromUtc(QDateTime(QDate(year, 1, 15), QTime(12, 0), Qt::UTC));
    const int july = zone.offsetFromUtc(QDateTime(QDate(year, 7, 15), QTime(12, 0), Qt::UTC));
    return std::min(january, july);
}

std::optional<int> CoordinatesSettingsController::zoneNumberAt(double latitude, double longitude,
                                                                const QDateTime& when) {
    const std::optional<QTimeZone> zone = zoneAt(latitude, longitude);
    if (!zone)
        return std::nullopt;
    return countries::timeZoneNumberForOffset(standardOffset(*zone, when));
}

// Told whenever the coordinates change; logged when a new place needs the approximation.
void CoordinatesSettingsController::updateTimezoneApproximation() {
    const std::optional<QTimeZone> zone = zoneAt(m_latitude, m_longitude);
    const int offset = zone ? standardOffset(*zone, QDateTime::currentDateTime()) : 0;
    const bool approximated = zone && !isDeviceOffset(offset);
    if (approximated == m_timezoneApproximated)
        return;
    m_timezoneApproximated = approximated;
    if (approximated)
        qCInfo(astroLocationLog).noquote()
            << QStringLiteral(">> The time zone %1 at %2, %3 is %4; the device has no such zone, the nearest "
                              "is number %5")
                   .arg(QString::fromUtf8(zone->id()))
                   .arg(m_latitude)
                   .arg(m_longitude)
                   .arg(utcOffsetText(offset))
                   .arg(countries::timeZoneNumberForOffset(offset));
    emit timezoneApproximatedChanged(approximated);
}

int CoordinatesSettingsController::longitudeZoneNumber(double longitude) {
    return countries::timeZoneNumberForOffset(int(std::lround(longitude / DegreesPerHour)) * SecondsPerHour);
}

void CoordinatesSettingsController::updateTimezoneFromCoordinates() {
    if (const std::optional<countries::City> selected = currentCity()) {
        storeTimezone(selected->timezone());
        return;
    }
    if (const std::optional<int> number = zoneNumberAt(m_latitude, m_longitude, QDateTime::currentDateTime())) {
        storeTimezone(*number);
        return;
    }
    const int number = longitudeZoneNumber(m_longitude);
    qCWarning(astroLocationLog) << ">> No time zone at" << m_latitude << m_longitude
                                << "; using the zone of the longitude," << number;
    storeTimezone(number);
    emit timezoneFromLongitude(number);
}
