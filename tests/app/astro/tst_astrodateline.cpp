#include "astrotestsupport.h"
#include "noaareference.h"

#include <cmath>

using namespace astrotest;

namespace {

// The device's zone nearest to UTC+13 and +14.
constexpr int PlusTwelveZone = 31;
constexpr int Year = 2026;

// The event whose time in the zone falls on the given day of that zone, in minutes of the day.
// Near the date line it happens on the UTC day before or after.
std::optional<double> zoneMinutes(const QDate& date, int latitude, int longitude, double altitude,
                                  bool rising, int zoneOffsetMinutes) {
    for (int shift : {0, -1, 1}) {
        const auto event = noaa::referenceEvent(date.addDays(shift), latitude, longitude, altitude, rising);
        if (!event)
            return std::nullopt;
        const double minutes = event->utcMinutes + zoneOffsetMinutes + shift * 1440;
        if (minutes >= 0 && minutes < 1440)
            return minutes;
    }
    return std::nullopt;
}

bool atClamp(const AstroTimeOfDay& time, bool rising) {
    const int minutes = AstroEngine::minutesOf(time);
    return rising ? minutes == 0 || minutes == 719 : minutes == 720 || minutes == 1439;
}

} // namespace

// Places in UTC+13 and +14, whose device zone is +12 at most: the longitude is more than half a
// day away from the zone.
class TestAstroDateLine : public QObject {
    Q_OBJECT

private slots:
    void sunTimesAreTheTrueTimesInZonePlusTwelve_data() {
        QTest::addColumn<int>("latitude");
        QTest::addColumn<int>("longitude");
        QTest::addColumn<int>("astroTime");
        QTest::addColumn<double>("altitude");
        const struct {
            const char* name;
            int latitude;
            int longitude;
        } places[] = {{"Apia", -13, -171}, {"Nuku'alofa", -21, -175}, {"Kiritimati", 1, -157}};
        const struct {
            const char* name;
            int astroTime;
            double altitude;
        } modes[] = {{"tables", AstroEngine::BuiltInTables, -50.0 / 60.0},
                     {"civil", AstroEngine::CivilTwilight, -6.0},
                     {"nautical", AstroEngine::NauticalTwilight, -12.0},
                     {"standard", AstroEngine::StandardAltitude, -50.0 / 60.0}};
        for (const auto& place : places) {
            for (const auto& mode : modes)
                QTest::addRow("%s, %s", place.name, mode.name)
                    << place.latitude << place.longitude << mode.astroTime << mode.altitude;
        }
    }

    void sunTimesAreTheTrueTimesInZonePlusTwelve() {
        QFETCH(int, latitude);
        QFETCH(int, longitude);
        QFETCH(int, astroTime);
        QFETCH(double, altitude);
        constexpr double ToleranceMinutes = 5;
        setLocation(latitude, longitude, PlusTwelveZone);
        const TJAstro record = AstroEngine::computeYear(Year, 0, 0, astroTime);
        QCOMPARE(record.hasNoSunDays, 0);
        const int zoneOffset = TimeZoneQuarterHours[PlusTwelveZone] * 15;
        for (int day = 1; day <= 365; ++day) {
            const QDate date = QDate(Year, 1, 1).addDays(day - 1);
            for (bool rising : {true, false}) {
                const AstroTimeOfDay& time = rising ? record.days[day].sunrise : record.days[day].sunset;
                const QString where =
                    QStringLiteral("day %1 %2 %3").arg(day).arg(rising ? "sunrise" : "sunset", text(time));
                QVERIFY2(!atClamp(time, rising), qPrintable(where));
                const std::optional<double> reference =
                    zoneMinutes(date, latitude, longitude, altitude, rising, zoneOffset);
                QVERIFY2(reference, qPrintable(where));
                QVERIFY2(std::abs(AstroEngine::minutesOf(time) - *reference) <= ToleranceMinutes,
                         qPrintable(where + QStringLiteral(", reference %1").arg(*reference, 0, 'f', 1)));
            }
        }
    }

    // The correction is reduced by whole days into (-12 h, +12 h]: exactly +12 h stays, and
    // its times hit the clamps as before.
    void zoneCorrectionIsReducedByWholeDays_data() {
        QTest::addColumn<int>("longitude");
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("sunrise");
        QTest::addColumn<QString>("sunset");
        // Day 1 at the equator: 06:00 and 18:07 in UTC at longitude 0.
        QTest::newRow("UTC+12 at 0 E, exactly half a day") << 0 << PlusTwelveZone << "11:59"
                                                           << "23:59";
        QTest::newRow("UTC+12 at 180 E") << 180 << PlusTwelveZone << "06:00"
                                         << "18:07";
        QTest::newRow("UTC-11 at 165 W") << -165 << 0 << "06:00"
                                         << "18:07";
        QTest::newRow("UTC+12 at 171 W") << -171 << PlusTwelveZone << "05:24"
                                         << "17:31";
        QTest::newRow("UTC-11 at 179 E") << 179 << 0 << "07:04"
                                         << "19:11";
    }

    void zoneCorrectionIsReducedByWholeDays() {
        QFETCH(int, longitude);
        QFETCH(int, zone);
        setLocation(0, longitude, zone);
        const AstroDay first = AstroEngine::dayValues(1, Year, false, 0, 0, AstroEngine::BuiltInTables);
        QTEST(text(first.sunrise), "sunrise");
        QTEST(text(first.sunset), "sunset");
    }
};

QTEST_GUILESS_MAIN(TestAstroDateLine)
#include "tst_astrodateline.moc"
