#include "astrotestsupport.h"
#include "noaareference.h"

#include <cmath>

using namespace astrotest;
using namespace noaa;

namespace {

struct Place {
    const char* name;
    int latitude;
    int longitude;
    int zone;
};

} // namespace

class TestAstroComputed : public QObject {
    Q_OBJECT

private slots:
    void matchesAnIndependentSolarCalculation_data()
    {
        QTest::addColumn<int>("astroTime");
        QTest::addColumn<double>("altitude");
        QTest::addColumn<int>("year");
        const struct {
            const char* name;
            int astroTime;
            double altitude;
        } modes[] = {{"civil", AstroEngine::CivilTwilight, -6.0},
                     {"nautical", AstroEngine::NauticalTwilight, -12.0},
                     {"standard", AstroEngine::StandardAltitude, -50.0 / 60.0},
                     {"standard, any other number", 7, -50.0 / 60.0}};
        for (const auto& mode : modes) {
            for (int year : {2024, 2025, 2040})
                QTest::addRow("%s %d", mode.name, year) << mode.astroTime << mode.altitude << year;
        }
    }

    // Budget for the difference, measured away from the threshold (|x| <= 0.8, where a small
    // error in declination does not yet blow up into minutes):
    // - the engine's sidereal time at noon, 18.71506921 h, is 0.0177 h above the standard
    //   18.697374558 h, so all its times come 1.06 minutes early: a constant, taken off;
    // - it evaluates the sun once a day at 12:00 UTC, the reference at the event; the
    //   declination moves up to 0.4 degrees a day, up to 1.5 minutes at 60 degrees latitude;
    // - its low-precision coordinates differ by well under 0.1 minutes;
    // - it rounds to whole minutes: 0.5.
    // Hence 2.5 minutes.
    void matchesAnIndependentSolarCalculation()
    {
        QFETCH(int, astroTime);
        QFETCH(double, altitude);
        QFETCH(int, year);
        const Place places[] = {{"equator", 0, 0, UtcZone},   {"Vienna", 48, 16, CentralEuropeZone},
                                {"New York", 40, -74, 6},     {"Sydney", -34, 151, 27},
                                {"Helsinki", 60, 25, 14},     {"Mumbai", 19, 73, 20},
                                {"Buenos Aires", -35, -58, 9}};
        constexpr double ToleranceMinutes = 2.5;
        constexpr double SiderealBiasMinutes = -1.06;
        int compared = 0;
        for (const Place& place : places) {
            setLocation(place.latitude, place.longitude, place.zone);
            const TJAstro record = AstroEngine::computeYear(year, 0, 0, astroTime);
            const int zoneMinutes = TimeZoneQuarterHours[place.zone] * 15;
            for (int day = 1; day <= 365; day += 4) {
                const QDate date = QDate(year, 1, 1).addDays(day - 1);
                for (bool rising : {true, false}) {
                    const auto reference =
                        referenceEvent(date, place.latitude, place.longitude, altitude, rising);
                    if (!reference || std::abs(reference->x) > 0.8)
                        continue;
                    const double local = reference->utcMinutes + zoneMinutes + SiderealBiasMinutes;
                    const AstroTimeOfDay& time = rising ? record.days[day].sunrise : record.days[day].sunset;
                    const double difference = AstroEngine::minutesOf(time) - local;
                    QVERIFY2(std::abs(difference) <= ToleranceMinutes,
                             qPrintable(QStringLiteral("%1 day %2 %3: engine %4, reference %5")
                                            .arg(place.name)
                                            .arg(day)
                                            .arg(rising ? "sunrise" : "sunset", text(time))
                                            .arg(local, 0, 'f', 1)));
                    ++compared;
                }
            }
        }
        QVERIFY(compared > 1000);
    }

    void computedRawTimesAreUtcAtLongitudeZero()
    {
        // The raw times are UTC at longitude 0; the zone correction comes later.
        setLocation(48, 16, CentralEuropeZone);
        const AstroEngine::SunTimes raw = AstroEngine::sunriseSunset(1, 2025, AstroEngine::StandardAltitude);
        const AstroDay local = AstroEngine::dayValues(1, 2025, false, 0, 0, AstroEngine::StandardAltitude);
        QCOMPARE(AstroEngine::minutesOf(local.sunrise), raw.sunrise - 4);
        QCOMPARE(AstroEngine::minutesOf(local.sunset), raw.sunset - 4);
        const auto reference = referenceEvent(QDate(2025, 1, 1), 48, 0, -50.0 / 60.0, true);
        QVERIFY(reference);
        QVERIFY(std::abs(raw.sunrise - reference->utcMinutes) <= 2.5);
    }

    void sunPositionAgreesOnDeclination()
    {
        // n counts days from 1 January 2000 at 12:00 UTC (Julian day 2451545).
        for (int n = 366; n < 30000; n += 97) {
            const double engine = AstroEngine::sunPosition(quint16(n)).declination / DegToRad;
            const double reference = noaaSun(2451545.0 + n).declinationDeg;
            QVERIFY2(std::abs(engine - reference) < 0.05, qPrintable(QString::number(n)));
        }
    }

    void polarDayAndNightInComputedModes_data()
    {
        QTest::addColumn<int>("latitude");
        QTest::addColumn<int>("astroTime");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("sunrise");
        QTest::addColumn<int>("sunset");
        QTest::newRow("80 N midsummer") << 80 << int(AstroEngine::StandardAltitude) << 172
                                        << AstroEngine::SunStaysUp << AstroEngine::SunStaysUp;
        QTest::newRow("80 N midwinter") << 80 << int(AstroEngine::StandardAltitude) << 355
                                        << AstroEngine::SunStaysDown << AstroEngine::SunStaysDown;
        QTest::newRow("65 N civil twilight all night") << 65 << int(AstroEngine::CivilTwilight) << 172
                                                       << AstroEngine::SunStaysUp << AstroEngine::SunStaysUp;
        QTest::newRow("90 S midwinter, nautical") << -90 << int(AstroEngine::NauticalTwilight) << 172
                                                  << AstroEngine::SunStaysDown << AstroEngine::SunStaysDown;
    }

    void polarDayAndNightInComputedModes()
    {
        QFETCH(int, latitude);
        QFETCH(int, astroTime);
        QFETCH(int, day);
        QFETCH(int, sunrise);
        QFETCH(int, sunset);
        setLocation(latitude, 0, UtcZone);
        const AstroEngine::SunTimes raw = AstroEngine::sunriseSunset(day, 2025, astroTime);
        QCOMPARE(raw.sunrise, sunrise);
        QCOMPARE(raw.sunset, sunset);
        const TJAstro record = AstroEngine::computeYear(2025, 0, 0, astroTime);
        QCOMPARE(text(record.days[day].sunrise), "11:59");
        QCOMPARE(text(record.days[day].sunset), QStringLiteral("24:0%1").arg(sunset - 1440));
        QCOMPARE(record.hasNoSunDays, 1);
    }

    void midnightSunEdgesKeepOneTime()
    {
        // At 65 N civil twilight lasts all night around midsummer. On the first such day the
        // dusk no longer happens but the morning still has a time (from the day before); on
        // the last one the dawn is gone but the evening has a time.
        setLocation(65, 0, UtcZone);
        int firstSunsetMarker = 0;
        int lastSunsetMarker = 0;
        int firstSunriseMarker = 0;
        int lastSunriseMarker = 0;
        for (int day = 100; day <= 250; ++day) {
            const AstroEngine::SunTimes raw =
                AstroEngine::sunriseSunset(day, 2025, AstroEngine::CivilTwilight);
            if (raw.sunset == AstroEngine::SunStaysUp) {
                firstSunsetMarker = firstSunsetMarker ? firstSunsetMarker : day;
                lastSunsetMarker = day;
            }
            if (raw.sunrise == AstroEngine::SunStaysUp) {
                firstSunriseMarker = firstSunriseMarker ? firstSunriseMarker : day;
                lastSunriseMarker = day;
            }
        }
        QVERIFY(firstSunsetMarker > 0);
        QCOMPARE(firstSunriseMarker, firstSunsetMarker + 1);
        QCOMPARE(lastSunriseMarker, lastSunsetMarker + 1);
        // Reference: twilight lasts all night from the first day whose noon declination keeps
        // the sun above -6 degrees at midnight.
        int firstAllNight = 0;
        for (int day = 100; day <= 250 && !firstAllNight; ++day) {
            const double julianDay = double(QDate(2025, 1, 1).addDays(day - 1).toJulianDay());
            if (cosHourAngle(65, noaaSun(julianDay).declinationDeg, -6) < -1)
                firstAllNight = day;
        }
        QVERIFY(std::abs(firstSunsetMarker - firstAllNight) <= 1);
    }
};

QTEST_GUILESS_MAIN(TestAstroComputed)
#include "tst_astrocomputed.moc"
