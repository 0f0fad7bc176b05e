#pragma once

#include "favoritecitiesowner.h"

#include <QDateTime>
#include <QObject>
#include <QTimeZone>
#include <optional>

#include <countries/cities.h>
#include <countries/countryservice.h>
#include <storage/astroproject.h>

// The location of an astronomic project, or of a device being reset, as the time switch knows
// it: catalogue country and city, coordinates, device time-zone number and the city key (first
// character and checksum). Choosing a city copies its coordinates; typed coordinates select a
// favourite or catalogue city within the catalogue's search radius. With a project, every change
// is written through to the project record.
class CoordinatesSettingsController : public QObject {
    Q_OBJECT
    Q_PROPERTY(int country READ country WRITE setCountry NOTIFY countryChanged)
    Q_PROPERTY(int city READ city WRITE setCity NOTIFY cityChanged)
    Q_PROPERTY(double latitude READ latitude WRITE setLatitude NOTIFY latitudeChanged)
    Q_PROPERTY(double longitude READ longitude WRITE setLongitude NOTIFY longitudeChanged)
    Q_PROPERTY(int timezone READ timezone WRITE setTimezone NOTIFY timezoneChanged)
    Q_PROPERTY(QString countryName READ countryName NOTIFY countryChanged)
    Q_PROPERTY(QString cityName READ cityName NOTIFY cityChanged)
    Q_PROPERTY(countries::Cities* cities READ cities CONSTANT)
    // The zone at the coordinates has an offset no device zone has (UTC+13, +5:45, ...): the
    // time-zone number is the nearest one, and sun times are shown in that zone.
    Q_PROPERTY(bool timezoneApproximated READ timezoneApproximated NOTIFY timezoneApproximatedChanged)

public:
    static constexpr int NoKey = 255;
    static constexpr int DefaultTimezone = 13;
    static constexpr int FavoritesRow = 0;
    static constexpr int NoCountry = -1;

    // The project's location; the owner supplies the favourites and is the parent.
    CoordinatesSettingsController(const storage::AstroProject& project, FavoriteCitiesOwner* owner,
                                  QObject* parent);
    // A location without a project, starting in the first catalogue country.
    explicit CoordinatesSettingsController(QObject* parent = nullptr);

    int country() const { return m_country; }
    int city() const { return m_city; }
    double latitude() const { return m_latitude; }
    double longitude() const { return m_longitude; }
    int timezone() const { return m_timezone; }
    int firstChar() const { return m_firstChar; }
    int checksum() const { return m_checksum; }
    QString countryName() const;
    QString cityName() const;
    countries::Cities* cities() const { return m_cities; }
    bool timezoneApproximated() const { return m_timezoneApproximated; }

    std::optional<countries::City> currentCity() const;
    bool isFavoriteCity() const;
    void matchLocation(bool matchTimezone, bool matchChecksum);
    void loadCountryCities(int row);
    void setFavoriteCities(const QList<countries::City>& cities);
    void applyCity(int index);
    // Sets the time-zone number from the zone at the coordinates (or the selected city).
    void updateTimezoneFromCoordinates();

    // The device time-zone number of the zone at a point: its offset without summer time, the
    // smaller of its offsets on 15 January and 15 July of the year of when. None for a point in no
    // zone.
    static std::optional<int> zoneNumberAt(double latitude, double longitude, const QDateTime& when);
    // The nautical zone of a longitude (15 degrees an hour), for points in no zone.
    static int longitudeZoneNumber(double longitude);

public slots:
    void setCountry(int country, bool centerMap);
    void setCountry(int country) { setCountry(country, true); }
    void setCity(int city, bool centerMap);
    void setCity(int city) { setCity(city, true); }
    void setLatitude(double latitude);
    void setLongitude(double longitude);
    void setLatitudeLongitude(double latitude, double longitude);
    void setTimezone(int timezone);

signals:
    void countryChanged(int country);
    void cityChanged(int city);
    void latitudeChanged(double latitude);
    void longitudeChanged(double longitude);
    void timezoneChanged(int timezone);
    // The coordinates lie in no time zone; the time-zone number follows the longitude and the
    // user should check it.
    void timezoneFromLongitude(int timezone);
    void timezoneApproximatedChanged(bool approximated);

private:
    void startAtProjectLocation();
    QList<countries::City> favorites() const;
    void storeLatitude(double latitude);
    void storeLongitude(double longitude);
    void storeTimezone(int timezone);
    void storeKey(int firstChar, int checksum);
    void selectMatch(int row, int index);
    void updateTimezoneApproximation();
    static std::optional<QTimeZone> zoneAt(double latitude, double longitude);
    static int standardOffset(const QTimeZone& zone, const QDateTime& when);

    countries::Cities* m_cities = nullptr;
    countries::CountryService* m_service = nullptr;
    FavoriteCitiesOwner* m_owner = nullptr;
    storage::AstroProject m_project;
    bool m_hasProject = false;
    int m_country = 1;
    int m_city = 0;
    double m_latitude = 0;
    double m_longitude = 0;
    int m_timezone = DefaultTimezone;
    int m_firstChar = 0;
    int m_checksum = 0;
    bool m_timezoneApproximated = false;
};
