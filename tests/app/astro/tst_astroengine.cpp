#include "astrotestsupport.h"

#include <QVariant>

using namespace astrotest;

namespace {

// Entry i holds sunrise 04:00 + i minutes and sunset 16:00 + i minutes, so every value
// tells which entry it came from.
OwnAstroDayTable numberedOwnTable()
{
    OwnAstroDayTable table;
    for (int i = 1; i < OwnAstroDayTable::DayCount; ++i) {
        table.days[i].sunriseHour = 4 + i / 60;
        table.days[i].sunriseMinute = i % 60;
        table.days[i].sunsetHour = 16 + i / 60;
        table.days[i].sunsetMinute = i % 60;
    }
    return table;
}

int ownSunriseEntry(const AstroTimeOfDay& time)
{
    return AstroEngine::minutesOf(time) - 4 * 60;
}

int ownSunsetEntry(const AstroTimeOfDay& time)
{
    return AstroEngine::minutesOf(time) - 16 * 60;
}

} // namespace

class TestAstroEngine : public QObject {
    Q_OBJECT

private slots:
    void builtInTables_data()
    {
        QTest::addColumn<int>("latitude");
        QTest::addColumn<int>("longitude");
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("sunrise");
        QTest::addColumn<QString>("sunset");
        // Samples 360 / 1087 and 366 / 1093 of the equator row; day 9 lies halfway.
        QTest::newRow("equator, day 1") << 0 << 0 << UtcZone << 1 << "06:00"
                                        << "18:07";
        QTest::newRow("equator, day 17") << 0 << 0 << UtcZone << 17 << "06:06"
                                         << "18:13";
        QTest::newRow("equator, day 9 interpolated") << 0 << 0 << UtcZone << 9 << "06:03"
                                                     << "18:10";
        // Sample 470 / 977 of row 48; 16 E in UTC+1 is 4 minutes west of its zone's meridian.
        QTest::newRow("48 N, day 1, UTC") << 48 << 0 << UtcZone << 1 << "07:50"
                                          << "16:17";
        QTest::newRow("48 N 16 E, day 1, UTC+1") << 48 << 16 << CentralEuropeZone << 1 << "07:46"
                                                 << "16:13";
        QTest::newRow("48 N 122 W, day 1, UTC-8") << 48 << -122 << 3 << 1 << "07:58"
                                                  << "16:25";
        QTest::newRow("48 N 16 E, day 177, UTC+1") << 48 << 16 << CentralEuropeZone << 177 << "03:58"
                                                   << "20:00";
        // Day 88: samples 360 -> 328 and 1095 -> 1118, f = 7.
        QTest::newRow("48 N 16 E, day 88 interpolated") << 48 << 16 << CentralEuropeZone << 88 << "05:42"
                                                        << "18:21";
        // Half-hour zone: UTC+5:30 at 0 E moves everything by 330 minutes.
        QTest::newRow("equator, UTC+5:30") << 0 << 0 << 20 << 1 << "11:30"
                                           << "23:37";
    }

    void builtInTables()
    {
        QFETCH(int, latitude);
        QFETCH(int, longitude);
        QFETCH(int, zone);
        QFETCH(int, day);
        QFETCH(QString, sunrise);
        QFETCH(QString, sunset);
        setLocation(latitude, longitude, zone);
        const TJAstro year = AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
        QCOMPARE(text(year.days[day].sunrise), sunrise);
        QCOMPARE(text(year.days[day].sunset), sunset);
        QCOMPARE(year.days[day].sunrise.second, 0);
        QCOMPARE(year.days[day].sunrise.summerTime, quint8(0));
        QCOMPARE(year.hasNoSunDays, 0);
    }

    void offsetsAndZonesAreClamped_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("sunriseOffset");
        QTest::addColumn<int>("sunsetOffset");
        QTest::addColumn<QString>("sunrise");
        QTest::addColumn<QString>("sunset");
        // Equator, day 1: 06:00 and 18:07 before offsets.
        QTest::newRow("sunrise past noon, sunset past midnight") << UtcZone << 400 << 400 << "11:59"
                                                                 << "23:59";
        QTest::newRow("sunrise before midnight, sunset before noon") << UtcZone << -400 << -400 << "00:00"
                                                                     << "12:00";
        QTest::newRow("exactly noon and midnight") << UtcZone << 360 << 353 << "11:59"
                                                   << "23:59";
        QTest::newRow("last minutes inside") << UtcZone << 359 << 352 << "11:59"
                                             << "23:59";
        // The zone correction is reduced into (-12 h, +12 h]: UTC+12 at longitude 0 stays +12 h,
        // UTC+13 there becomes -11 h.
        QTest::newRow("a zone far east") << 31 << 0 << 0 << "11:59"
                                         << "23:59";
        QTest::newRow("a zone beyond half a day east") << 32 << 0 << 0 << "00:00"
                                                       << "12:00";
        QTest::newRow("a zone far west") << 0 << 0 << 0 << "00:00"
                                         << "12:00";
    }

    void offsetsAndZonesAreClamped()
    {
        QFETCH(int, zone);
        QFETCH(int, sunriseOffset);
        QFETCH(int, sunsetOffset);
        QFETCH(QString, sunrise);
        QFETCH(QString, sunset);
        setLocation(0, 0, zone);
        const TJAstro year =
            AstroEngine::computeYear(2025, sunriseOffset, sunsetOffset, AstroEngine::BuiltInTables);
        QCOMPARE(text(year.days[1].sunrise), sunrise);
        QCOMPARE(text(year.days[1].sunset), sunset);
        QCOMPARE(year.hasNoSunDays, 0);
    }

    void summerTimePushesSunriseOverNoon()
    {
        // 48 N 16 E on day 177: 03:58 standard time; +470 minutes gives 11:48, +60 for summer.
        setLocation(48, 16, CentralEuropeZone, europeRule());
        const TJAstro year = AstroEngine::computeYear(2025, 470, 0, AstroEngine::BuiltInTables);
        QCOMPARE(text(year.days[177].sunrise), "11:59");
        QCOMPARE(year.days[177].sunrise.summerTime, quint8(1));
        QCOMPARE(text(year.days[177].sunset), "21:00");
        QCOMPARE(year.days[177].sunset.summerTime, quint8(1));
    }

    void polarTables_data()
    {
        QTest::addColumn<int>("latitude");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("sunrise");
        QTest::addColumn<QString>("sunset");
        // 73 N: (30, 125, 220, 316).
        QTest::newRow("73 N polar night") << 73 << 29 << "11:59"
                                          << "24:02";
        QTest::newRow("73 N first day of sun") << 73 << 30 << "11:00"
                                               << "13:00";
        QTest::newRow("73 N between a and b") << 73 << 78 << "05:56"
                                              << "18:04";
        QTest::newRow("73 N first midnight sun") << 73 << 125 << "01:00"
                                                 << "24:01";
        QTest::newRow("73 N midnight sun") << 73 << 172 << "11:59"
                                           << "24:01";
        QTest::newRow("73 N first sunset again") << 73 << 220 << "11:59"
                                                 << "23:00";
        QTest::newRow("73 N last day of sun") << 73 << 316 << "11:00"
                                              << "13:00";
        QTest::newRow("73 N polar night again") << 73 << 317 << "11:59"
                                                << "24:02";
        // 85 N, day 1: polar night.
        QTest::newRow("85 N polar night") << 85 << 1 << "11:59"
                                          << "24:02";
        QTest::newRow("85 N midnight sun") << 85 << 172 << "11:59"
                                           << "24:01";
        // 90 N: (77, 77, 268, 268).
        QTest::newRow("90 N last polar night") << 90 << 76 << "11:59"
                                               << "24:02";
        QTest::newRow("90 N sunrise") << 90 << 77 << "01:00"
                                      << "24:01";
        QTest::newRow("90 N midnight sun") << 90 << 78 << "11:59"
                                           << "24:01";
        QTest::newRow("90 N sunset") << 90 << 268 << "11:59"
                                     << "23:00";
        QTest::newRow("90 N polar night") << 90 << 269 << "11:59"
                                          << "24:02";
        // -73: (35, 130, 214, 311), seasons the other way round.
        QTest::newRow("73 S midnight sun") << -73 << 1 << "11:59"
                                           << "24:01";
        QTest::newRow("73 S first sunset") << -73 << 35 << "11:59"
                                           << "23:00";
        QTest::newRow("73 S last day of sun") << -73 << 130 << "11:00"
                                              << "13:00";
        QTest::newRow("73 S polar night") << -73 << 131 << "11:59"
                                          << "24:02";
        QTest::newRow("73 S first day of sun") << -73 << 214 << "11:00"
                                               << "13:00";
        QTest::newRow("73 S first midnight sun") << -73 << 311 << "01:00"
                                                 << "24:01";
        // -90: (82, 82, 264, 264).
        QTest::newRow("90 S sunset") << -90 << 82 << "11:59"
                                     << "23:00";
        QTest::newRow("90 S polar night") << -90 << 83 << "11:59"
                                          << "24:02";
        QTest::newRow("90 S sunrise") << -90 << 264 << "01:00"
                                      << "24:01";
    }

    void polarTables()
    {
        QFETCH(int, latitude);
        QFETCH(int, day);
        QFETCH(QString, sunrise);
        QFETCH(QString, sunset);
        setLocation(latitude, 0, UtcZone);
        const TJAstro year = AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
        QCOMPARE(text(year.days[day].sunrise), sunrise);
        QCOMPARE(text(year.days[day].sunset), sunset);
        QCOMPARE(year.hasNoSunDays, 1);
    }

    void markersIgnoreZoneAndOffsets()
    {
        // A marker is no time: neither the zone, the offsets nor summer time move it.
        setLocation(85, 16, CentralEuropeZone, europeRule());
        const TJAstro year = AstroEngine::computeYear(2025, -100, 100, AstroEngine::BuiltInTables);
        QCOMPARE(text(year.days[1].sunset), "24:02");
        QCOMPARE(text(year.days[172].sunset), "24:01");
        QCOMPARE(year.days[172].sunset.summerTime, quint8(0));
        QCOMPARE(text(year.days[172].sunrise), "11:59");
    }

    void polarExtremes()
    {
        // 73 N opens with polar night: the first marker (24:02) freezes the earliest sunset,
        // though the midnight sun (24:01) comes later.
        setLocation(73, 0, UtcZone);
        TJAstro year = AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
        QCOMPARE(text(year.earliestSunset), "24:02");
        QCOMPARE(text(year.latestSunset), "24:02");
        QCOMPARE(text(year.earliestSunrise), "01:00");
        QCOMPARE(text(year.latestSunrise), "11:59");
        QCOMPARE(year.hasNoSunDays, 1);

        // 73 S opens with midnight sun.
        setLocation(-73, 0, UtcZone);
        year = AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
        QCOMPARE(text(year.earliestSunset), "24:01");
        QCOMPARE(text(year.latestSunset), "24:02");
        QCOMPARE(year.hasNoSunDays, 1);
    }

    void latitudeSixtySixExceptions()
    {
        setLocation(66, 0, UtcZone);
        TJAstro year = AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
        QVERIFY(year.days[162].sunset.hour < 24);
        QCOMPARE(text(year.days[163].sunset), "24:01");
        QVERIFY(year.days[163].sunrise.hour < 11);
        QCOMPARE(text(year.days[164].sunrise), "11:59");
        QCOMPARE(text(year.days[180].sunrise), "11:59");
        QCOMPARE(text(year.days[180].sunset), "24:01");
        QVERIFY(year.days[181].sunset.hour < 24);
        QCOMPARE(year.hasNoSunDays, 1);

        setLocation(-66, 0, UtcZone);
        year = AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
        QVERIFY(year.days[342].sunset.hour < 24);
        QCOMPARE(text(year.days[343].sunset), "24:01");
        QCOMPARE(text(year.days[345].sunset), "24:01");
        QVERIFY(year.days[346].sunset.hour < 24);
    }

    void extremesOfAnOrdinaryYear()
    {
        // Equator samples: earliest sunrise 340 (05:40), latest 370 (06:10), earliest sunset
        // 1067 (17:47), latest 1097 (18:17).
        setLocation(0, 0, UtcZone);
        const TJAstro year = AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
        QCOMPARE(text(year.earliestSunrise), "05:40");
        QCOMPARE(text(year.latestSunrise), "06:10");
        QCOMPARE(text(year.earliestSunset), "17:47");
        QCOMPARE(text(year.latestSunset), "18:17");
        QCOMPARE(year.hasNoSunDays, 0);
    }

    void firstOfEqualDaysIsTheExtreme()
    {
        // Every sunrise is 06:00 on the clock: 06:00 in winter, 05:00 + 1 h in summer. The
        // southern rule makes 1 January a summer day, so its flag tells which day was kept.
        OwnAstroDayTable table;
        for (int i = 1; i < OwnAstroDayTable::DayCount; ++i) {
            table.days[i].sunriseHour = 6;
            table.days[i].sunsetHour = 18;
        }
        const QDate start(2025, 10, 5);
        const QDate end(2025, 4, 6);
        for (int day = 1; day <= 365; ++day) {
            const QDate date = QDate(2025, 1, 1).addDays(day - 1);
            const bool summer = date >= start || date < end;
            const int entry = day >= 60 ? day + 1 : day;
            table.days[entry].sunriseHour = summer ? 5 : 6;
            table.days[entry].sunsetHour = summer ? 17 : 18;
        }
        AstroEngine::setParameters(-35, 150, 27, weekdayRule(SoWiRules::FREE_RULE, 10, 1, 4, 1, 0), true,
                                   table);
        const TJAstro year = AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
        QCOMPARE(text(year.days[1].sunrise), "06:00");
        QCOMPARE(year.days[1].sunrise.summerTime, quint8(1));
        QCOMPARE(year.days[200].sunrise.summerTime, quint8(0));
        QCOMPARE(text(year.earliestSunrise), "06:00");
        QCOMPARE(year.earliestSunrise.summerTime, quint8(1));
        QCOMPARE(year.latestSunrise.summerTime, quint8(1));
        QCOMPARE(year.earliestSunset.summerTime, quint8(1));
        QCOMPARE(year.latestSunset.summerTime, quint8(1));
    }

    void ownTableInCommonAndLeapYears_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("entry");
        QTest::newRow("common year, 28 February") << 2025 << 59 << 59;
        QTest::newRow("common year, 1 March reads entry 61") << 2025 << 60 << 61;
        QTest::newRow("common year, 31 December") << 2025 << 365 << 366;
        QTest::newRow("leap year, 29 February") << 2024 << 60 << 60;
        QTest::newRow("leap year, 1 March") << 2024 << 61 << 61;
        QTest::newRow("leap year, 31 December") << 2024 << 366 << 366;
        QTest::newRow("2100 counts as a leap year") << 2100 << 60 << 60;
        QTest::newRow("2100, day 366") << 2100 << 366 << 366;
    }

    void ownTableInCommonAndLeapYears()
    {
        QFETCH(int, year);
        QFETCH(int, day);
        QFETCH(int, entry);
        // The own table is local time: neither longitude nor zone nor the astro time apply.
        AstroEngine::setParameters(48, 16, CentralEuropeZone, SoWiRuleRecord{}, true, numberedOwnTable());
        const TJAstro record = AstroEngine::computeYear(year, 0, 0, AstroEngine::NauticalTwilight);
        QCOMPARE(ownSunriseEntry(record.days[day].sunrise), entry);
        QCOMPARE(ownSunsetEntry(record.days[day].sunset), entry);
    }

    void ownTableNeverReadsEntry60InCommonYears()
    {
        OwnAstroDayTable table = numberedOwnTable();
        table.days[60].sunriseHour = 11; // a value no other entry has
        AstroEngine::setParameters(0, 0, UtcZone, SoWiRuleRecord{}, true, table);
        const TJAstro year = AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
        for (int day = 1; day <= 365; ++day)
            QVERIFY2(year.days[day].sunrise.hour != 11, qPrintable(QString::number(day)));
    }

    void ownTableWithSummerTimeAndOffsets()
    {
        // 30 March 2025 (day 89) is the first summer-time day; it reads entry 90 (05:30).
        AstroEngine::setParameters(48, 16, CentralEuropeZone, europeRule(), true, numberedOwnTable());
        const TJAstro year = AstroEngine::computeYear(2025, 10, -10, AstroEngine::BuiltInTables);
        QCOMPARE(text(year.days[88].sunrise), "05:39");
        QCOMPARE(year.days[88].sunrise.summerTime, quint8(0));
        QCOMPARE(text(year.days[89].sunrise), "06:40");
        QCOMPARE(year.days[89].sunrise.summerTime, quint8(1));
        QCOMPARE(text(year.days[89].sunset), "18:20");
        QCOMPARE(year.days[89].sunset.summerTime, quint8(1));
    }

    void ownTableValuesOutsideTheDayAreKeptInside()
    {
        OwnAstroDayTable table;
        table.days[1] = {30, 0, 0, 25, 10, 0}; // from a damaged file
        AstroEngine::setParameters(0, 0, UtcZone, SoWiRuleRecord{}, true, table);
        const TJAstro year = AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
        QCOMPARE(text(year.days[1].sunrise), "11:59");
        QCOMPARE(text(year.days[1].sunset), "23:59");
        QCOMPARE(year.hasNoSunDays, 0);
    }

    void leapYearsHave366Days_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("leap");
        QTest::newRow("2024") << 2024 << true;
        QTest::newRow("2025") << 2025 << false;
        QTest::newRow("2100") << 2100 << true;
    }

    void leapYearsHave366Days()
    {
        QFETCH(int, year);
        QFETCH(bool, leap);
        // Fill entry 366 with a value of another place first: only a leap year overwrites it.
        setLocation(48, 0, UtcZone);
        AstroEngine::computeYear(2024, 0, 0, AstroEngine::BuiltInTables);
        const AstroDay fromBefore = AstroEngine::dayValues(366, 2024, true, 0, 0, AstroEngine::BuiltInTables);

        setLocation(0, 0, UtcZone);
        const TJAstro record = AstroEngine::computeYear(year, 0, 0, AstroEngine::BuiltInTables);
        const AstroDay lastDay = AstroEngine::dayValues(366, year, true, 0, 0, AstroEngine::BuiltInTables);
        QCOMPARE(record.days[366] == lastDay, leap);
        QCOMPARE(record.days[366] == fromBefore, !leap);
        QCOMPARE(text(record.days[365].sunrise),
                 text(AstroEngine::dayValues(365, year, true, 0, 0, 0).sunrise));
    }

    void yearIsSixteenBits()
    {
        setLocation(0, 0, UtcZone, europeRule());
        const TJAstro wrapped = AstroEngine::computeYear(2025 + 65536, 0, 0, AstroEngine::CivilTwilight);
        const TJAstro plain = AstroEngine::computeYear(2025, 0, 0, AstroEngine::CivilTwilight);
        QVERIFY(wrapped == plain);
    }

    void unknownZoneFallsBackToLongitude_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("longitude");
        QTest::addColumn<int>("sameAsZone");
        QTest::newRow("-1 at 16 E is UTC+1") << -1 << 16 << CentralEuropeZone;
        QTest::newRow("33 at 7 W is UTC-0") << 33 << -7 << UtcZone;
        QTest::newRow("-1 at 170 W is UTC-11") << -1 << -170 << 0;
        QTest::newRow("beyond the east end of the table") << 1000 << 200 << 32;
        QTest::newRow("beyond the west end of the table") << -1000 << -250 << 0;
    }

    void unknownZoneFallsBackToLongitude()
    {
        QFETCH(int, zone);
        QFETCH(int, longitude);
        QFETCH(int, sameAsZone);
        setLocation(48, longitude, sameAsZone);
        const TJAstro expected = AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Unknown time-zone number"));
        setLocation(48, longitude, zone);
        QVERIFY(AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables) == expected);
    }

    void latitudeBeyondThePoleIsClamped()
    {
        setLocation(90, 0, UtcZone);
        const TJAstro pole = AstroEngine::computeYear(2025, 0, 0, AstroEngine::StandardAltitude);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Latitude 95 is out of range"));
        setLocation(95, 0, UtcZone);
        QVERIFY(AstroEngine::computeYear(2025, 0, 0, AstroEngine::StandardAltitude) == pole);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Latitude -200 is out of range"));
        setLocation(-200, 0, UtcZone);
        QCOMPARE(text(AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables).days[83].sunset),
                 "24:02");
    }

    void dayOutsideTheYearGivesNothing()
    {
        AstroEngine::setParameters(0, 0, UtcZone, SoWiRuleRecord{}, true, numberedOwnTable());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^No astro values for day 367"));
        QVERIFY(AstroEngine::dayValues(367, 2025, true, 0, 0, 0) == AstroDay{});
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^No astro values for day 0"));
        QVERIFY(AstroEngine::dayValues(0, 2025, true, 0, 0, 0) == AstroDay{});
        // Day 366 of a common year reads the last entry rather than past the table.
        QCOMPARE(ownSunriseEntry(AstroEngine::dayValues(366, 2025, true, 0, 0, 0).sunrise), 366);
    }

    void minutesConversions()
    {
        QCOMPARE(AstroEngine::minutesOf({5, 30, 45, 1}), 330);
        QCOMPARE(AstroEngine::minutesOf({24, 2, 0, 0}), 1442);
        QVERIFY((AstroEngine::splitMinutes(1441) == AstroTimeOfDay{24, 1, 0, 0}));
        QVERIFY((AstroEngine::splitMinutes(719) == AstroTimeOfDay{11, 59, 0, 0}));
        QVERIFY((AstroEngine::splitMinutes(-75) == AstroTimeOfDay{-1, -15, 0, 0}));
    }

    void recordPassesThroughQVariant()
    {
        setLocation(48, 16, CentralEuropeZone, europeRule());
        const TJAstro year = AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
        QVERIFY(QMetaType::fromName("TJAstro").isValid());
        const QVariant variant = QVariant::fromValue(year);
        QCOMPARE(variant.metaType(), QMetaType::fromType<TJAstro>());
        QVERIFY(variant.value<TJAstro>() == year);
    }
};

QTEST_GUILESS_MAIN(TestAstroEngine)
#include "tst_astroengine.moc"
