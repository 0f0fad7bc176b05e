#pragma once

#include "countries/cities.h"
#include "countries/countries.h"

#include <utils/backgroundload.h>
#include <utils/singleton.h>

#include <QObject>
#include <QVariantMap>

namespace countries {

// The country and city catalogue loaded from ":/countries_data/Location.json", with the
// look-ups that find a catalogue city from coordinates and the city name checksum.
class CountryService : public QObject, public utils::Singleton<CountryService> {
    Q_OBJECT
    Q_PROPERTY(countries::Countries* countries READ countries CONSTANT)
    Q_PROPERTY(countries::Cities* cities READ cities CONSTANT)
public:
    inline static CountryService* m_instance = nullptr;

    explicit CountryService(QObject* parent = nullptr);

    // Registers the QML types and starts reading the catalogue on a worker thread; every
    // reader gets the complete catalogue.
    void init();
    // Loads the catalogue from a JSON document (an array of countries) at once.
    void loadCatalogue(const QByteArray& json);

    QList<Country> countryList() const;
    Countries* countries() const;
    Cities* cities() const;

    Q_INVOKABLE QString countryName(int row) const;
    // Devices number the countries from 0, without the favourites row.
    Country countryFromEepromIndex(int n) const;
    City cityFromIndex(int i) const;

    static quint16 cityChecksum(const QString& name);
    // The Latin-1 code of the upper-cased name's first character; 0 when there is none or it
    // lies outside Latin-1.
    static int firstCharCode(const QString& name);

    QList<int> searchCityIndex(const QList<City>& cities, double latitude, double longitude, int timezone,
                               int countryIndex, bool matchTimezone, bool matchChecksum, int firstChar,
                               int checksum) const;
    QList<int> cityIndexFromLocation(double latitude, double longitude, int timezone, bool matchTimezone,
                                     bool matchChecksum, int firstChar, int checksum) const;
    // The city a device stands for: devices hold whole degrees cut toward zero, so the city is one
    // whose cut coordinates are these, with the device's zone and name key; the nearest to the
    // point when several are. {country row, city row}, {-1, -1} when none is.
    QList<int> cityIndexInDegreeCell(int latitude, int longitude, int timezone, int firstChar, int checksum) const;

public slots:
    void selectCountry(int row);
    QVariantMap cityDataFromIndex(int cityIndex) const;

private:
    static QList<Country> readCatalogue(const QByteArray& json);
    // Takes the catalogue read by the worker, waiting for it when it is not read yet.
    void ensureLoaded() const;
    // The catalogue, taken first; every reader goes through it so that none sees it unread.
    Countries& loadedCountries() const;

    mutable utils::BackgroundLoad<QList<Country>> m_loading;
    Countries* m_countries;
    Cities* m_cities;
};

} // namespace countries
