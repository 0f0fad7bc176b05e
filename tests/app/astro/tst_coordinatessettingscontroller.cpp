#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>
#include <cmath>
#include <limits>
#include <memory>

#include <coordinatessettingscontroller.h>

using countries::CountryService;

namespace {

// Alpha and Gamma lie far apart; the 0.2-degree search bound is exact in binary around them.
const char* const catalogue = R"([
 {"Name": "Erstland", "LenCity": "1", "cities": [
  {"Name": "Alpha", "La": "10.5", "Lo": "20.5", "Zo": "13", "Fc": "65", "Cs": "16"}]},
 {"Name": "Zweitland", "LenCity": "1", "cities": [
  {"Name": "Gamma", "La": "-33.25", "Lo": "-70.75", "Zo": "7", "Fc": "71", "Cs": "50"}]}
])";

constexpr int ErstlandRow = 1;
constexpr int ZweitlandRow = 2;

QDateTime dayOf(int month) {
    return QDateTime(QDate(2025, month, 15), QTime(12, 0), QTimeZone::utc());
}

} // namespace

class TestCoordinatesSettingsController : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CountryService> m_service;
    std::unique_ptr<CoordinatesSettingsController> m_controller;

private slots:
    void init() {
        m_service = std::make_unique<CountryService>();
        CountryService::m_instance = m_service.get();
        m_service->loadCatalogue(catalogue);
        m_controller = std::make_unique<CoordinatesSettingsController>();
    }

    void cleanup() {
        m_controller.reset();
        m_service.reset();
    }

    void startsInFirstCountryWithoutProject() {
        QCOMPARE(m_controller->country(), ErstlandRow);
        QCOMPARE(m_controller->city(), 0);
        QCOMPARE(m_controller->timezone(), 13);
        QCOMPARE(m_controller->cities()->count(), 1);
        QCOMPARE(m_controller->cityName(), QStringLiteral("Alpha"));
        QCOMPARE(m_controller->countryName(), QStringLiteral("Erstland"));
    }

    void coordinatesAreClamped_data() {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("storedLatitude");
        QTest::addColumn<double>("storedLongitude");
        QTest::newRow("north and east") << 95.0 << 200.0 << 90.0 << 180.0;
        QTest::newRow("south and west") << -91.0 << -181.0 << -90.0 << -180.0;
    }

    void coordinatesAreClamped() {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        m_controller->setLatitude(latitude);
        m_controller->setLongitude(longitude);
        QFETCH(double, storedLatitude);
        QFETCH(double, storedLongitude);
        QCOMPARE(m_controller->latitude(), storedLatitude);
        QCOMPARE(m_controller->longitude(), storedLongitude);
    }

    void nonFiniteCoordinatesAreIgnored_data() {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double infinity = std::numeric_limits<double>::infinity();
        QTest::newRow("both not a number") << nan << nan;
        QTest::newRow("latitude not a number") << nan << 8.5;
        QTest::newRow("longitude infinite") << 47.5 << -infinity;
    }

    void nonFiniteCoordinatesAreIgnored() {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        m_controller->setLatitudeLongitude(10.5, 20.5);
        QSignalSpy latitudeChanged(m_controller.get(), &CoordinatesSettingsController::latitudeChanged);
        QSignalSpy longitudeChanged(m_controller.get(), &CoordinatesSettingsController::longitudeChanged);
        QSignalSpy timezoneChanged(m_controller.get(), &CoordinatesSettingsController::timezoneChanged);
        m_controller->setLatitudeLongitude(latitude, longitude);
        if (!std::isfinite(latitude))
            m_controller->setLatitude(latitude);
        if (!std::isfinite(longitude))
            m_controller->setLongitude(longitude);
        QCOMPARE(m_controller->latitude(), 10.5);
        QCOMPARE(m_controller->longitude(), 20.5);
        QCOMPARE(m_controller->timezone(), 13);
        QCOMPARE(m_controller->cityName(), QStringLiteral("Alpha"));
        QCOMPARE(latitudeChanged.count(), 0);
        QCOMPARE(longitudeChanged.count(), 0);
        QCOMPARE(timezoneChanged.count(), 0);
    }

    void sameCoordinatesChangeNothing() {
        m_controller->setLatitudeLongitude(-33.25, -70.75);
        QSignalSpy latitude(m_controller.get(), &CoordinatesSettingsController::latitudeChanged);
        QSignalSpy timezone(m_controller.get(), &CoordinatesSettingsController::timezoneChanged);
        m_controller->setLatitudeLongitude(-33.25, -70.75);
        QCOMPARE(latitude.count(), 0);
        QCOMPARE(timezone.count(), 0);
    }

    void typedCoordinatesSnapToNearCity_data() {
        QTest::addColumn<double>("distance");
        QTest::addColumn<bool>("snaps");
        QTest::newRow("0.15 away") << 0.15 << true;
        QTest::newRow("at the bound") << 0.2 << true;
        QTest::newRow("0.25 away") << 0.25 << false;
    }

    // From Zweitland, typed coordinates near Alpha select Erstland's Alpha with its own key.
    void typedCoordinatesSnapToNearCity() {
        QFETCH(double, distance);
        QFETCH(bool, snaps);
        m_controller->setCountry(ZweitlandRow);
        QCOMPARE(m_controller->cityName(), QStringLiteral("Gamma"));
        QCOMPARE(m_controller->firstChar(), 71);
        QSignalSpy country(m_controller.get(), &CoordinatesSettingsController::countryChanged);
        m_controller->setLatitudeLongitude(10.5 + distance, 20.5 - distance);
        if (snaps) {
            QCOMPARE(m_controller->country(), ErstlandRow);
            QCOMPARE(country.count(), 1);
            QCOMPARE(m_controller->cityName(), QStringLiteral("Alpha"));
            QCOMPARE(m_controller->firstChar(), 65);
            QCOMPARE(m_controller->checksum(), 16);
            QCOMPARE(m_controller->timezone(), 13);
        } else {
            // No country either, and so no cities to choose from.
            QCOMPARE(m_controller->country(), CoordinatesSettingsController::NoCountry);
            QCOMPARE(country.count(), 1);
            QCOMPARE(m_controller->countryName(), QString());
            QCOMPARE(m_controller->cities()->count(), 0);
            QCOMPARE(m_controller->city(), -1);
            QCOMPARE(m_controller->cityName(), QString());
            QCOMPARE(m_controller->firstChar(), 255);
            QCOMPARE(m_controller->checksum(), 255);
        }
    }

    void choosingCountryAppliesItsFirstCity() {
        QSignalSpy latitude(m_controller.get(), &CoordinatesSettingsController::latitudeChanged);
        m_controller->setCountry(ZweitlandRow);
        QCOMPARE(m_controller->city(), 0);
        QCOMPARE(m_controller->latitude(), -33.25);
        QCOMPARE(m_controller->longitude(), -70.75);
        QCOMPARE(m_controller->timezone(), 7);
        QCOMPARE(m_controller->checksum(), 50);
        QCOMPARE(latitude.count(), 1);
    }

    void outOfRangeCityKeepsCoordinates() {
        m_controller->setCity(5);
        QCOMPARE(m_controller->latitude(), 0.0);
        QCOMPARE(m_controller->cityName(), QString());
        m_controller->setCity(-1);
        QCOMPARE(m_controller->firstChar(), 255);
    }

    // The standard offset, whatever the season: summer time never moves the device's zone.
    void zoneNumberIsStandardOffset_data() {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<int>("number");
        QTest::newRow("Berlin, UTC+1") << 52.52 << 13.40 << 13;
        QTest::newRow("Delhi, UTC+5:30") << 28.61 << 77.21 << 20;
        QTest::newRow("Kathmandu, UTC+5:45") << 27.70 << 85.32 << 20;
        QTest::newRow("Adelaide, UTC+9:30") << -34.93 << 138.60 << 26;
        QTest::newRow("St. John's, UTC-3:30") << 47.56 << -52.71 << 8;
        // tzdata gives Ireland a negative summer time in winter: its standard offset reads +1 h.
        QTest::newRow("Ireland, UTC") << 53.42 << -7.94 << 12;
        QTest::newRow("Dublin, UTC") << 53.35 << -6.26 << 12;
        QTest::newRow("England, UTC") << 52.20 << -1.50 << 12;
    }

    void zoneNumberIsStandardOffset() {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(int, number);
        QCOMPARE(CoordinatesSettingsController::zoneNumberAt(latitude, longitude, dayOf(1)), number);
        QCOMPARE(CoordinatesSettingsController::zoneNumberAt(latitude, longitude, dayOf(7)), number);
    }

    void pointAtSeaHasNoZone() {
        QCOMPARE(CoordinatesSettingsController::zoneNumberAt(0, -30, dayOf(1)), std::nullopt);
    }

    // Never -1: at sea the zone of the longitude is used, and the user is told.
    void pointAtSeaTakesLongitudeZone() {
        QSignalSpy told(m_controller.get(), &CoordinatesSettingsController::timezoneFromLongitude);
        m_controller->setLatitudeLongitude(0, -30);
        QCOMPARE(m_controller->city(), -1);
        QCOMPARE(m_controller->timezone(), 10);
        QCOMPARE(told.count(), 1);
    }

    // Zones the device has no number for get the nearest one, and the view is told.
    void zoneWithoutDeviceNumberIsApproximated_data() {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("approximated");
        QTest::newRow("Apia, UTC+13") << -13.83 << -171.76 << 31 << true;
        QTest::newRow("Nuku'alofa, UTC+13") << -21.14 << -175.2 << 31 << true;
        QTest::newRow("Kiritimati, UTC+14") << 1.87 << -157.43 << 31 << true;
        QTest::newRow("Kathmandu, UTC+5:45") << 27.70 << 85.32 << 20 << true;
        QTest::newRow("Delhi, UTC+5:30") << 28.61 << 77.21 << 20 << false;
        QTest::newRow("Auckland, UTC+12") << -36.85 << 174.76 << 31 << false;
    }

    void zoneWithoutDeviceNumberIsApproximated() {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(int, number);
        QFETCH(bool, approximated);
        QSignalSpy told(m_controller.get(), &CoordinatesSettingsController::timezoneApproximatedChanged);
        if (approximated)
            QTest::ignoreMessage(
                QtInfoMsg,
                QRegularExpression(QStringLiteral("^>> The time zone \\S+ at .* is UTC\\+\\d\\d:\\d\\d; "
                                                  "the device has no such zone, the nearest is "
                                                  "number %1$")
                                       .arg(number)));
        m_controller->setLatitudeLongitude(latitude, longitude);
        QCOMPARE(m_controller->timezone(), number);
        QCOMPARE(m_controller->timezoneApproximated(), approximated);
        QCOMPARE(told.count(), approximated ? 1 : 0);
    }

    void movingToAnExactZoneClearsTheApproximation() {
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("Pacific/Apia"));
        m_controller->setLatitudeLongitude(-13.83, -171.76);
        QSignalSpy told(m_controller.get(), &CoordinatesSettingsController::timezoneApproximatedChanged);
        m_controller->setCountry(ZweitlandRow);
        QCOMPARE(m_controller->timezoneApproximated(), false);
        QCOMPARE(told.count(), 1);
        QCOMPARE(told.first().first().toBool(), false);
    }

    void typedPointInZoneTakesZoneNumber() {
        m_controller->setLatitudeLongitude(28.61, 77.21);
        QCOMPARE(m_controller->timezone(), 20);
        QCOMPARE(m_controller->city(), -1);
    }
};

QTEST_GUILESS_MAIN(TestCoordinatesSettingsController)
#include "tst_coordinatessettingscontroller.moc"
