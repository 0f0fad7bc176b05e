#include <countries/countryservice.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using countries::City;
using countries::CountryService;

namespace {

// Coordinates chosen so that value ± 0.2 is exact in binary floating point.
const char* const catalogue = R"([
 {"Name": "Erstland", "LenCity": "2", "cities": [
  {"Name": "Alpha", "La": "10.5", "Lo": "20.5", "Zo": "13", "Fc": "65", "Cs": "16"},
  {"Name": "Beta", "La": "10.5", "Lo": "20.5", "Zo": "14", "Fc": "66", "Cs": "46"}]},
 {"Name": "Zweitland", "LenCity": "3", "cities": [
  {"Name": "Gamma", "La": "10.5", "Lo": "20.5", "Zo": "13", "Fc": "71", "Cs": "50"},
  {"Name": "Kaputt", "La": "x", "Zo": "", "Fc": "1e3"},
  {"Name": "Süd", "La": "-33.25", "Lo": "-70.75", "Zo": "7", "Fc": "83", "Cs": "3"}]}
])";

} // namespace

class TestCountryService : public QObject {
    Q_OBJECT

private:
    CountryService* m_service = nullptr;

private slots:
    void init() {
        m_service = new CountryService;
        CountryService::m_instance = m_service;
        m_service->loadCatalogue(catalogue);
    }

    void cleanup() {
        delete m_service;
        QVERIFY(!CountryService::hasInstance());
    }

    void catalogueStartsWithFavourites() {
        QCOMPARE(m_service->countries()->count(), 3);
        QCOMPARE(m_service->countryName(0), QStringLiteral("Favourites"));
        QCOMPARE(m_service->countryName(2), QStringLiteral("Zweitland"));
        QCOMPARE(m_service->countryName(-1), QString());
        QCOMPARE(m_service->countryName(3), QString());
        QCOMPARE(m_service->countryFromEepromIndex(0).name(), QStringLiteral("Erstland"));
        QCOMPARE(m_service->countries()->data(m_service->countries()->index(1), 257),
                 QVariant(QStringLiteral("Erstland")));
        QCOMPARE(&CountryService::instance(), m_service);
    }

    void malformedNumbersCountZero() {
        const City broken = m_service->countryList().at(2).cities().at(1);
        QCOMPARE(broken.name(), QStringLiteral("Kaputt"));
        QCOMPARE(broken.latitude(), 0.0);
        QCOMPARE(broken.longitude(), 0.0);
        QCOMPARE(broken.timezone(), 0);
        QCOMPARE(broken.firstChar(), 0);
        QCOMPARE(broken.checksum(), 0);
        const City south = m_service->countryList().at(2).cities().at(2);
        QCOMPARE(south.latitude(), -33.25);
        QCOMPARE(south.longitude(), -70.75);
    }

    // The catalogue is read on a worker after init(); whichever reader comes first sees all of it.
    void theFirstReaderAfterInitSeesTheWholeCatalogue_data() {
        QTest::addColumn<int>("reader");
        QTest::newRow("country model") << 0;
        QTest::newRow("country list") << 1;
        QTest::newRow("country name") << 2;
        QTest::newRow("device index") << 3;
        QTest::newRow("city search") << 4;
        QTest::newRow("country selection") << 5;
    }

    void theFirstReaderAfterInitSeesTheWholeCatalogue() {
        QFile file(QStringLiteral(":/countries_data/Location.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        CountryService expected;
        expected.loadCatalogue(file.readAll());
        const countries::Country last = expected.countryList().last();
        const countries::City city = last.cities().first();
        QVERIFY(expected.countryList().size() > 2);

        QFETCH(int, reader);
        CountryService service;
        service.init();
        switch (reader) {
        case 0:
            QCOMPARE(service.countries()->count(), expected.countries()->count());
            break;
        case 1:
            QCOMPARE(service.countryList().size(), expected.countryList().size());
            break;
        case 2:
            QCOMPARE(service.countryName(expected.countryList().size() - 1), last.name());
            break;
        case 3:
            QCOMPARE(service.countryFromEepromIndex(expected.countryList().size() - 2).name(), last.name());
            break;
        case 4:
            QCOMPARE(service.cityIndexFromLocation(city.latitude(), city.longitude(), city.timezone(), true, true,
                                                   city.firstChar(), city.checksum()),
                     expected.cityIndexFromLocation(city.latitude(), city.longitude(), city.timezone(), true,
                                                    true, city.firstChar(), city.checksum()));
            break;
        case 5:
            service.selectCountry(expected.countryList().size() - 1);
            QCOMPARE(service.cities()->count(), last.cities().size());
            break;
        }
        // The worker's notice of its finished read changes nothing afterwards.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(service.countryList().size(), expected.countryList().size());
    }

    // A catalogue loaded while the shipped one is still being read is not replaced by it later.
    void aCatalogueLoadedAfterInitStays() {
        CountryService service;
        service.init();
        service.loadCatalogue(catalogue);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(service.countries()->count(), 3);
        QCOMPARE(service.countryName(2), QStringLiteral("Zweitland"));
    }

    void malformedJsonLeavesFavouritesOnly_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << QByteArray(catalogue).left(120);
        QTest::newRow("object") << QByteArray(R"({"Name": "Erstland"})");
    }

    void malformedJsonLeavesFavouritesOnly() {
        QFETCH(QByteArray, json);
        m_service->loadCatalogue(json);
        QCOMPARE(m_service->countries()->count(), 1);
        QCOMPARE(m_service->countryName(0), QStringLiteral("Favourites"));
        QCOMPARE(m_service->cityIndexFromLocation(10.5, 20.5, 13, false, false, 0, 0), (QList<int>{-1, -1}));
    }

    void selectCountryFillsCities() {
        QSignalSpy reset(m_service->cities(), &QAbstractItemModel::modelReset);
        m_service->selectCountry(1);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(m_service->cities()->count(), 2);
        QCOMPARE(m_service->cityFromIndex(1).name(), QStringLiteral("Beta"));
        const QModelIndex row = m_service->cities()->index(1);
        QCOMPARE(m_service->cities()->data(row, 258), QVariant(20.5));
        QCOMPARE(m_service->cities()->data(row, 259), QVariant(10.5));
        QCOMPARE(m_service->cities()->data(row, 260), QVariant(14));
        QCOMPARE(m_service->cities()->data(row, 261), QVariant());
        QCOMPARE(m_service->cities()->data(m_service->cities()->index(5), 257), QVariant());
        const QVariantMap data = m_service->cityDataFromIndex(0);
        QCOMPARE(data.value(QStringLiteral("latitude")), QVariant(10.5));
        QCOMPARE(data.value(QStringLiteral("longitude")), QVariant(20.5));
        QCOMPARE(data.value(QStringLiteral("timezone")), QVariant(13));
    }

    void invalidIndexesGiveEmptyResults() {
        m_service->selectCountry(1);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("row 7"));
        m_service->selectCountry(7);
        QCOMPARE(m_service->cities()->count(), 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("row -1"));
        QCOMPARE(m_service->cityFromIndex(-1).name(), QString());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("row 0"));
        QVERIFY(m_service->cityDataFromIndex(0).isEmpty());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("device index 2"));
        QCOMPARE(m_service->countryFromEepromIndex(2).name(), QString());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("device index -1"));
        QCOMPARE(m_service->countryFromEepromIndex(-1).cities().size(), 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("row 3"));
        QCOMPARE(m_service->countries()->at(3).name(), QString());
    }

    void citiesAreEqualOnlyAsCopies() {
        const City first = m_service->countryList().at(1).cities().at(0);
        const City copy = first;
        QVERIFY(first == copy);
        CountryService other;
        other.loadCatalogue(catalogue);
        const City reparsed = other.countryList().at(1).cities().at(0);
        QCOMPARE(reparsed.name(), first.name());
        QVERIFY(!(reparsed == first));
        QVERIFY(!(City(QStringLiteral("A"), 1, 2, 3, 4, 5) == City(QStringLiteral("A"), 1, 2, 3, 4, 5)));
        QCOMPARE(City(QStringLiteral("A"), 1, 2, 3, 4, 5).longitude(), 1.0);
    }

    void checksum_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("checksum");
        QTest::addColumn<int>("firstChar");
        QTest::newRow("lower case") << QStringLiteral("abc") << 198 << 65;
        QTest::newRow("empty") << QString() << 0 << 0;
        QTest::newRow("wraps") << QStringLiteral("ZZZZ") << (4 * 90) % 256 << 90;
        QTest::newRow("umlaut") << QStringLiteral("öl") << (0xD6 + 76) % 256 << 0xD6;
        QTest::newRow("sharp s grows") << QStringLiteral("ß") << (83 + 83) % 256 << 83;
        QTest::newRow("outside Latin-1") << QStringLiteral("Łódź") << (0 + 0xD3 + 68 + 0) % 256 << 0;
        QTest::newRow("cyrillic") << QStringLiteral("Москва") << 0 << 0;
        QTest::newRow("y diaeresis leaves Latin-1") << QStringLiteral("ÿa") << 65 << 0;
    }

    void checksum() {
        QFETCH(QString, name);
        QFETCH(int, checksum);
        QFETCH(int, firstChar);
        QCOMPARE(int(CountryService::cityChecksum(name)), checksum);
        QCOMPARE(CountryService::firstCharCode(name), firstChar);
    }

    void searchBoundsAreInclusive_data() {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("exact") << 10.5 << 20.5 << QList<int>{1, 0};
        QTest::newRow("0.2 south") << 10.3 << 20.5 << QList<int>{1, 0};
        QTest::newRow("0.2 north") << 10.7 << 20.5 << QList<int>{1, 0};
        QTest::newRow("0.2 east") << 10.5 << 20.7 << QList<int>{1, 0};
        QTest::newRow("0.2 west") << 10.5 << 20.3 << QList<int>{1, 0};
        QTest::newRow("beyond south") << 10.2999999 << 20.5 << QList<int>{-1, -1};
        QTest::newRow("beyond east") << 10.5 << 20.7000001 << QList<int>{-1, -1};
        QTest::newRow("other hemisphere") << -33.05 << -70.95 << QList<int>{2, 2};
    }

    void searchBoundsAreInclusive() {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QList<int>, expected);
        QCOMPARE(m_service->cityIndexFromLocation(latitude, longitude, 0, false, false, 0, 0), expected);
    }

    void boundsAreExactInBinary() {
        QCOMPARE(10.3 + 0.2, 10.5);
        QCOMPARE(10.7 - 0.2, 10.5);
        QCOMPARE(20.7 - 0.2, 20.5);
        QCOMPARE(20.3 + 0.2, 20.5);
        QCOMPARE(-33.05 - 0.2, -33.25);
        QCOMPARE(-70.95 + 0.2, -70.75);
    }

    void searchMatchesTimezoneAndIdentity() {
        // Same position in both countries: the flags decide which city is found.
        QCOMPARE(m_service->cityIndexFromLocation(10.5, 20.5, 14, true, false, 0, 0), (QList<int>{1, 1}));
        QCOMPARE(m_service->cityIndexFromLocation(10.5, 20.5, 13, true, true, 71, 50), (QList<int>{2, 0}));
        // Right checksum, wrong first character: not found.
        QCOMPARE(m_service->cityIndexFromLocation(10.5, 20.5, 13, false, true, 72, 50), (QList<int>{-1, -1}));
        QCOMPARE(m_service->cityIndexFromLocation(10.5, 20.5, 13, false, true, 66, 46), (QList<int>{1, 1}));

        const QList<City> cities = m_service->countryList().at(1).cities();
        QCOMPARE(m_service->searchCityIndex(cities, 10.5, 20.5, 14, 5, true, false, 0, 0),
                 (QList<int>{5, 1}));
        QCOMPARE(m_service->searchCityIndex(cities, 0, 0, 14, 5, false, false, 0, 0), QList<int>());
    }

    // A device holds its city as whole degrees cut toward zero, with the zone and the name key.
    void aDeviceCellFindsTheNearestCityOfItsKey() {
        QCOMPARE(m_service->cityIndexInDegreeCell(10, 20, 13, 65, 16), (QList<int>{1, 0}));
        QCOMPARE(m_service->cityIndexInDegreeCell(10, 20, 13, 71, 50), (QList<int>{2, 0}));
        // Cut toward zero, not rounded down: -33.25 is -33.
        QCOMPARE(m_service->cityIndexInDegreeCell(-33, -70, 7, 83, 3), (QList<int>{2, 2}));
        QCOMPARE(m_service->cityIndexInDegreeCell(-34, -71, 7, 83, 3), (QList<int>{-1, -1}));
        QCOMPARE(m_service->cityIndexInDegreeCell(11, 20, 13, 65, 16), (QList<int>{-1, -1}));
        QCOMPARE(m_service->cityIndexInDegreeCell(10, 20, 14, 65, 16), (QList<int>{-1, -1}));
    }

    // Every city of the shipped catalogue, written to a device as its cell and key, is found again.
    void everyShippedCityIsFoundFromItsDeviceCell() {
        QFile file(QStringLiteral(":/countries_data/Location.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        CountryService shipped;
        shipped.loadCatalogue(file.readAll());
        const QList<countries::Country> list = shipped.countryList();
        int cities = 0;
        for (qsizetype row = 0; row < list.size(); ++row) {
            const QList<City> ofCountry = list.at(row).cities();
            for (const City& city : ofCountry) {
                const QList<int> found = shipped.cityIndexInDegreeCell(int(city.latitude()), int(city.longitude()),
                                                                       city.timezone(), city.firstChar(), city.checksum());
                QVERIFY2(found.value(0) >= 0, qPrintable(city.name()));
                QCOMPARE(list.at(found.at(0)).cities().at(found.at(1)).name(), city.name());
                ++cities;
            }
        }
        QVERIFY(cities > 1000);
    }
};

QTEST_GUILESS_MAIN(TestCountryService)
#include "tst_countryservice.moc"
