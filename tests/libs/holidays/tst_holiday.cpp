#include <QJsonArray>
#include <QJsonObject>
#include <QTest>

#include <holidays/easter.h>
#include <holidays/holiday.h>
#include <holidays/holidayset.h>

using holidays::Holiday;
using holidays::HolidaySet;

namespace {

// Gauss's Easter formula with its two exceptions: a different route than the library's.
QDate gaussEaster(int year)
{
    const int a = year % 19;
    const int b = year % 4;
    const int c = year % 7;
    const int k = year / 100;
    const int p = (13 + 8 * k) / 25;
    const int q = k / 4;
    const int m = (15 - p + k - q) % 30;
    const int n = (4 + k - q) % 7;
    const int d = (19 * a + m) % 30;
    const int e = (2 * b + 4 * c + 6 * d + n) % 7;
    if (d == 29 && e == 6)
        return QDate(year, 4, 19);
    if (d == 28 && e == 6 && (11 * m + 11) % 30 < 19)
        return QDate(year, 4, 18);
    return QDate(year, 3, 22).addDays(d + e);
}

// Walks day by day to the weekday strictly after (step >= 0: weekday step + 1) or strictly
// before (step < 0: weekday -step) the base date.
QDate walkToWeekday(const QDate& base, int step)
{
    const int direction = step >= 0 ? 1 : -1;
    const int target = step >= 0 ? step + 1 : -step;
    QDate day = base.addDays(direction);
    while (day.dayOfWeek() != target)
        day = day.addDays(direction);
    return day;
}

// The n-th (1-4) or last (5) weekday (1 = Monday) of a month, found by walking.
QDate walkToNthWeekday(int year, int month, int week, int weekday)
{
    QList<QDate> matches;
    for (QDate day(year, month, 1); day.month() == month; day = day.addDays(1)) {
        if (day.dayOfWeek() == weekday)
            matches.append(day);
    }
    return week == 5 ? matches.last() : matches.at(week - 1);
}

QList<QDate> entryDates(const QJsonArray& entries)
{
    QList<QDate> dates;
    for (const QJsonValue& entry : entries)
        dates.append(QDate::fromString(entry.toObject().value("date").toString(), Qt::ISODate));
    return dates;
}

Holiday weekdayRule(int step, int day, int month)
{
    return Holiday("Weekday", Holiday::FreeRule, step, day, month, 2008, 0, 1, day, 2008, month, 0);
}

constexpr int RegistryYears = Holiday::LastRegistryYear - Holiday::FirstRegistryYear + 1;

} // namespace

class TestHoliday : public QObject {
    Q_OBJECT

private slots:
    void easterSundayMatchesKnownDates_data()
    {
        QTest::addColumn<QDate>("expected");
        QTest::newRow("2008") << QDate(2008, 3, 23);
        QTest::newRow("2011") << QDate(2011, 4, 24);
        QTest::newRow("2019") << QDate(2019, 4, 21);
        QTest::newRow("2024") << QDate(2024, 3, 31);
        QTest::newRow("2025") << QDate(2025, 4, 20);
        QTest::newRow("2038") << QDate(2038, 4, 25);
        QTest::newRow("2099") << QDate(2099, 4, 12);
    }
    void easterSundayMatchesKnownDates()
    {
        QFETCH(QDate, expected);
        QCOMPARE(holidays::easterSunday(expected.year()), expected);
        QCOMPARE(gaussEaster(expected.year()), expected);
    }

    void easterRuleGivesOneDatePerYear_data()
    {
        QTest::addColumn<int>("offset");
        QTest::newRow("Good Friday") << -2;
        QTest::newRow("Easter Sunday") << 0;
        QTest::newRow("Easter Monday") << 1;
        QTest::newRow("Ascension") << 39;
        QTest::newRow("Whit Monday") << 50;
        QTest::newRow("Corpus Christi") << 60;
    }
    void easterRuleGivesOneDatePerYear()
    {
        QFETCH(int, offset);
        const Holiday rule("Easter rule", Holiday::EasterRelative, offset, 23, 3, 2008, 0, offset + 1, 24,
                           2008, 3, 0);
        const QJsonArray entries = rule.holidays();
        QCOMPARE(entries.size(), RegistryYears);
        const QList<QDate> dates = entryDates(entries);
        for (int year = Holiday::FirstRegistryYear; year <= Holiday::LastRegistryYear; ++year)
            QCOMPARE(dates.at(year - Holiday::FirstRegistryYear), gaussEaster(year).addDays(offset));
        QCOMPARE(entries.first().toObject().value("yearly").toBool(), false);
        QCOMPARE(entries.first().toObject().value("name").toString(), QString("Easter rule"));
    }

    void weekdayRuleStepsFromBaseDate_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::newRow("Wednesday before 23 November") << -3 << 23 << 11;
        QTest::newRow("Sunday after 14 September") << 6 << 14 << 9;
        QTest::newRow("Monday after 31 July") << 0 << 31 << 7;
        QTest::newRow("Monday before 1 June") << -1 << 1 << 6;
        QTest::newRow("Sunday before 10 January") << -7 << 10 << 1;
        QTest::newRow("Saturday after 19 June") << 5 << 19 << 6;
    }
    void weekdayRuleStepsFromBaseDate()
    {
        QFETCH(int, step);
        QFETCH(int, day);
        QFETCH(int, month);
        const QList<QDate> dates = entryDates(weekdayRule(step, day, month).holidays());
        QCOMPARE(dates.size(), RegistryYears);
        for (int year = Holiday::FirstRegistryYear; year <= Holiday::LastRegistryYear; ++year)
            QCOMPARE(dates.at(year - Holiday::FirstRegistryYear),
                     walkToWeekday(QDate(year, month, day), step));
    }

    void weekdayRuleKnownDates_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("Repentance Day 2025") << -3 << 23 << 11 << QDate(2025, 11, 19);
        QTest::newRow("Repentance Day 2026") << -3 << 23 << 11 << QDate(2026, 11, 18);
        // 23 November 2022 is a Wednesday itself: the rule moves a full week back.
        QTest::newRow("base on the weekday, backwards") << -3 << 23 << 11 << QDate(2022, 11, 16);
        // 14 September 2025 is a Sunday itself: the rule moves a full week on.
        QTest::newRow("base on the weekday, forwards") << 6 << 14 << 9 << QDate(2025, 9, 21);
        QTest::newRow("Fast Sunday 2024") << 6 << 14 << 9 << QDate(2024, 9, 15);
    }
    void weekdayRuleKnownDates()
    {
        QFETCH(int, step);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(QDate, expected);
        QCOMPARE(weekdayRule(step, day, month).dateInYear(expected.year()), expected);
        QVERIFY(entryDates(weekdayRule(step, day, month).holidays()).contains(expected));
    }

    void weekdayRuleOn29FebruaryOnlyInLeapYears()
    {
        const QList<QDate> dates = entryDates(weekdayRule(0, 29, 2).holidays());
        QList<QDate> expected;
        for (int year = Holiday::FirstRegistryYear; year <= Holiday::LastRegistryYear; ++year) {
            if (QDate::isLeapYear(year))
                expected.append(walkToWeekday(QDate(year, 2, 29), 0));
        }
        QCOMPARE(expected.size(), 23);
        QCOMPARE(dates, expected);
        QVERIFY(!weekdayRule(0, 29, 2).dateInYear(2025).isValid());
    }

    void weekdayStepOutsideTheWeekGivesNoDates()
    {
        QVERIFY(weekdayRule(7, 1, 5).holidays().isEmpty());
        QVERIFY(weekdayRule(-8, 1, 5).holidays().isEmpty());
    }

    void weekOfMonthRule_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("step");
        QTest::newRow("Thursday after the first Sunday of September") << 17 << 9 << 3;
        QTest::newRow("Monday after the last Sunday of March") << 57 << 3 << 0;
        QTest::newRow("Friday before the third Monday of January") << 31 << 1 << -5;
    }
    void weekOfMonthRule()
    {
        QFETCH(int, code);
        QFETCH(int, month);
        QFETCH(int, step);
        const Holiday rule("Week rule", Holiday::WeekOfMonth, step, code, month, 2008, 0, 1, 1, 2008, month,
                           0);
        const QList<QDate> dates = entryDates(rule.holidays());
        QCOMPARE(dates.size(), RegistryYears);
        for (int year = Holiday::FirstRegistryYear; year <= Holiday::LastRegistryYear; ++year) {
            const QDate base = walkToNthWeekday(year, month, code / 10, code % 10);
            QCOMPARE(dates.at(year - Holiday::FirstRegistryYear), walkToWeekday(base, step));
        }
    }

    void genevaFastKnownDates()
    {
        const Holiday rule("Genfer Bettag", Holiday::WeekOfMonth, 3, 17, 9, 2008, 0, 1, 12, 2008, 9, 0);
        QCOMPARE(rule.dateInYear(2024), QDate(2024, 9, 5));
        QCOMPARE(rule.dateInYear(2025), QDate(2025, 9, 11));
    }

    void yearlyRuleGivesOneYearlyEntry()
    {
        const Holiday rule("Neujahr", Holiday::YearlyFixed, 0, 1, 1, 2008, 0, 1, 2, 2008, 1, 0);
        const QJsonArray entries = rule.holidays();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first().toObject(),
                 QJsonObject({{"name", "Neujahr"}, {"yearly", true}, {"date", "2008-01-01"}}));
    }

    void yearlyRuleOn29FebruaryStaysValid()
    {
        const Holiday rule("Schalttag", Holiday::YearlyFixed, 0, 29, 2, 2025, 0, 1, 1, 2025, 3, 0);
        QCOMPARE(entryDates(rule.holidays()), QList<QDate>({QDate(2008, 2, 29)}));
    }

    void oneOffRuleGivesItsOwnDate()
    {
        const Holiday rule("Jubiläum", Holiday::FixedOnce, 0, 3, 10, 2030, 8, 0, 4, 2030, 10, 0);
        const QJsonArray entries = rule.holidays();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first().toObject(),
                 QJsonObject({{"name", "Jubiläum"}, {"yearly", false}, {"date", "2030-10-03"}}));
        QVERIFY(!rule.dateInYear(2031).isValid());
    }

    void chineseNewYearRuleGivesNoEntries()
    {
        QVERIFY(Holiday("CNY", Holiday::ChineseNewYearRelative).holidays().isEmpty());
    }

    // The view object carries what the rule editor shows of each type; the other fields come
    // back as 0 (the end date of weekday rules, the offsets of dated rules).
    void viewObjectRoundTrip_data()
    {
        QTest::addColumn<Holiday>("rule");
        QTest::addColumn<Holiday>("expected");
        QTest::newRow("yearly") << Holiday("Neujahr", 0, 0, 1, 1, 2008, 0, 1, 2, 2008, 1, 0)
                                << Holiday("Neujahr", 0, 0, 1, 1, 2008, 0, 0, 2, 2008, 1, 0);
        QTest::newRow("weekday") << Holiday("Buß und Bettag", 1, -3, 23, 11, 2008, 6, 2, 24, 2008, 11, 18)
                                 << Holiday("Buß und Bettag", 1, -3, 23, 11, 2008, 6, 2, 0, 0, 0, 18);
        QTest::newRow("easter") << Holiday("Karfreitag", 2, -2, 21, 3, 2008, 0, -1, 22, 2008, 3, 0)
                                << Holiday("Karfreitag", 2, -2, 0, 0, 0, 0, -1, 0, 0, 0, 0);
        QTest::newRow("chinese new year") << Holiday("Frühlingsfest", 3, -1, 0, 0, 0, 9, 2, 0, 0, 0, 17)
                                          << Holiday("Frühlingsfest", 3, -1, 0, 0, 0, 9, 2, 0, 0, 0, 17);
        QTest::newRow("once") << Holiday("Messe", 4, 0, 3, 10, 2030, 8, 0, 5, 2030, 10, 20)
                              << Holiday("Messe", 4, 0, 3, 10, 2030, 8, 0, 5, 2030, 10, 20);
        QTest::newRow("week of month") << Holiday("Genfer Bettag", 5, 3, 17, 9, 2008, 0, 1, 12, 2008, 9, 0)
                                       << Holiday("Genfer Bettag", 5, 3, 17, 9, 2008, 0, 1, 0, 0, 0, 0);
    }
    void viewObjectRoundTrip()
    {
        QFETCH(Holiday, rule);
        QFETCH(Holiday, expected);
        QCOMPARE(Holiday(rule.data()).json(), expected.json());
    }

    void viewObjectOfWeekOfMonthRuleSplitsTheCode()
    {
        const QJsonObject object = Holiday("Genfer Bettag", 5, 3, 17, 9, 2008, 0, 1, 0, 0, 0, 0).data();
        QCOMPARE(object.value("startingWeek").toInt(), 1);
        QCOMPARE(object.value("startingDay").toInt(), 7);
        QCOMPARE(object.value("month").toInt(), 9);
        QCOMPARE(object.value("weekday").toInt(), 3);
        QVERIFY(!object.contains("endDate"));
    }

    void viewObjectOfUnknownTypeIsEmpty()
    {
        QVERIFY(Holiday("Kaputt", 9).data().isEmpty());
        QVERIFY(Holiday().data().isEmpty());
        QVERIFY(!Holiday().isValid());
    }

    void viewObjectWithAbsentKeysLeavesZeros()
    {
        const Holiday rule(QJsonObject{{"name", "Nur Name"}});
        QCOMPARE(rule.json(), Holiday("Nur Name", 0).json());
    }

    void viewObjectReadsIsoTexts()
    {
        const Holiday rule(
            QJsonObject{{"name", "Messe"},
                        {"type", 4},
                        {"startDate", "2031-05-06"},
                        {"startTime", QDateTime(QDate(2026, 1, 1), QTime(7, 0)).toString(Qt::ISODate)},
                        {"endDate", QDateTime(QDate(2031, 5, 8), QTime(0, 0)).toString(Qt::ISODate)},
                        {"endTime", "2026-01-01T19:00:00"},
                        {"startDay", 4},
                        {"weekday", 6}});
        QCOMPARE(rule.json(), Holiday("Messe", 4, 4, 6, 5, 2031, 7, 0, 8, 2031, 5, 19).json());
    }

    void fileRecordReadsDecimalStrings()
    {
        const QJsonObject record{{"Na", "Karfreitag"}, {"Ty", "2"},    {"SO", "-2"},   {"ST", "21"},
                                 {"SM", "3"},          {"SJ", "2008"}, {"SS", "0"},    {"EO", "-1"},
                                 {"ET", "22"},         {"EM", "3"},    {"EJ", "2008"}, {"ES", "0"}};
        const Holiday rule = Holiday::fromJson(record);
        QCOMPARE(rule.startOffset(), -2);
        QCOMPARE(rule.endOffset(), -1);
        QCOMPARE(rule.json(), record);
    }

    void fileRecordWithNumbersReadsZeros()
    {
        const Holiday rule =
            Holiday::fromJson({{"Na", "Zahlen"}, {"Ty", 2}, {"SO", -2}, {"ST", 21}, {"ES", 5}});
        QCOMPARE(rule.json(), Holiday("Zahlen", 0, 0, 0, 0, 2008, 0, 0, 0, 2008, 0, 0).json());
    }

    void yearlyFileRecordIgnoresItsYears()
    {
        const Holiday rule = Holiday::fromJson({{"Ty", "0"}, {"SJ", "2015"}, {"EJ", "2016"}});
        QCOMPARE(rule.startYear(), 2008);
        QCOMPARE(rule.endYear(), 2008);
        QCOMPARE(Holiday::fromJson({{"Ty", "4"}, {"SJ", "2015"}}).startYear(), 2015);
    }

    void copiesDoNotShareChanges()
    {
        HolidaySet original("Firma", {}, true);
        original.addHoliday(Holiday("A", 0).data());
        HolidaySet copy = original;
        copy.addHoliday(Holiday("B", 0).data());
        copy.setName("Kopie");
        QCOMPARE(original.holidays().size(), 1);
        QCOMPARE(original.name(), QString("Firma"));
        QCOMPARE(copy.holidays().size(), 2);
    }

    void setReadsEveryRecordWhateverLenHolidaySays()
    {
        QJsonArray records;
        for (int i = 0; i < 14; ++i)
            records.append(Holiday(QString::number(i), Holiday::FixedOnce).json());
        const QJsonObject file{{"Name", "Set"}, {"LenHoliday", "15"}, {"Holidays", records}};
        const HolidaySet set(file.value("Name").toString(), file.value("Holidays").toArray(), false);
        QCOMPARE(set.holidays().size(), 14);
        QCOMPARE(set.json().value("LenHoliday"), QJsonValue(14));
        QCOMPARE(set.json().value("Holidays").toArray(), records);
    }

    void copyMakesACustomSet()
    {
        const HolidaySet shipped("Deutschland", QJsonArray{Holiday("Neujahr", 0).json()}, false);
        const HolidaySet kept = shipped.copy("");
        QCOMPARE(kept.name(), QString("Deutschland"));
        QVERIFY(kept.custom());
        QCOMPARE(kept.holidays().size(), 1);
        QCOMPARE(shipped.copy("Meins").name(), QString("Meins"));
        QVERIFY(!shipped.custom());
    }

    void ruleEditsCheckTheIndex()
    {
        HolidaySet set("Firma", QJsonArray{Holiday("A", 0).json(), Holiday("B", 0).json()}, true);
        QVERIFY(!set.removeHoliday(2));
        QVERIFY(!set.removeHoliday(-1));
        QVERIFY(!set.updateHoliday(2, Holiday("C", 0).data()));
        QCOMPARE(set.holidays().size(), 2);
        QVERIFY(set.updateHoliday(0, Holiday("C", 0).data()));
        QVERIFY(set.removeHoliday(1));
        QCOMPARE(set.holidays().size(), 1);
        QCOMPARE(set.holidays().first().name(), QString("C"));
    }

    void isGermanyIsCaseSensitive()
    {
        QVERIFY(HolidaySet("Deutschland - Bayern", {}, false).isGermany());
        QVERIFY(!HolidaySet("deutschland", {}, false).isGermany());
        QVERIFY(!HolidaySet("Österreich", {}, false).isGermany());
    }
};

QTEST_GUILESS_MAIN(TestHoliday)
#include "tst_holiday.moc"
