#include "astrotestsupport.h"

using namespace astrotest;

class TestAstroSummerTime : public QObject {
    Q_OBJECT

private slots:
    void nthWeekdayOfMonth_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("weekday");
        QTest::addColumn<int>("day");
        QTest::newRow("last Sunday of March 2025") << 2025 << 3 << 5 << 6 << 30;
        QTest::newRow("last Sunday of October 2025") << 2025 << 10 << 5 << 6 << 26;
        QTest::newRow("second Sunday of March 2026") << 2026 << 3 << 2 << 6 << 8;
        QTest::newRow("first Sunday of November 2026") << 2026 << 11 << 1 << 6 << 1;
        QTest::newRow("first Monday of September 2025") << 2025 << 9 << 1 << 0 << 1;
        QTest::newRow("fifth of four Mondays is the fourth") << 2021 << 2 << 5 << 0 << 22;
        QTest::newRow("week 0 is out of range") << 2025 << 3 << 0 << 6 << 0;
        QTest::newRow("week 6 is out of range") << 2025 << 3 << 6 << 6 << 0;
        QTest::newRow("month 13 is out of range") << 2025 << 13 << 1 << 6 << 0;
    }

    void nthWeekdayOfMonth()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, n);
        QFETCH(int, weekday);
        QFETCH(int, day);
        if (day == 0)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^No weekday date"));
        QCOMPARE(AstroEngine::nthWeekdayOfMonth(year, month, n, weekday), day);
    }

    void isSummerTime_data()
    {
        QTest::addColumn<SoWiRuleRecord>("rule");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("hour");
        QTest::addColumn<bool>("summer");
        const SoWiRuleRecord europe = europeRule();
        QTest::newRow("Europe, winter") << europe << QDate(2025, 1, 15) << 12 << false;
        QTest::newRow("Europe, start day before the hour") << europe << QDate(2025, 3, 30) << 1 << false;
        QTest::newRow("Europe, start day at the hour") << europe << QDate(2025, 3, 30) << 2 << true;
        QTest::newRow("Europe, summer") << europe << QDate(2025, 7, 1) << 0 << true;
        QTest::newRow("Europe, end day before the hour") << europe << QDate(2025, 10, 26) << 1 << true;
        // The end switches at the start's hour (2), not at its own (3).
        QTest::newRow("Europe, end day at the start's hour") << europe << QDate(2025, 10, 26) << 2 << false;
        QTest::newRow("Europe, after the end") << europe << QDate(2025, 11, 1) << 12 << false;
        QTest::newRow("Europe, another year's dates") << europe << QDate(2026, 3, 29) << 2 << true;
        QTest::newRow("rule 10 reads as Europe")
            << weekdayRule(10, 3, 5, 10, 5) << QDate(2025, 7, 1) << 0 << true;

        const SoWiRuleRecord usa = weekdayRule(SoWiRules::USA, 3, 2, 11, 1);
        QTest::newRow("USA, second Sunday of March") << usa << QDate(2025, 3, 9) << 2 << true;
        QTest::newRow("USA, day before") << usa << QDate(2025, 3, 8) << 23 << false;
        QTest::newRow("USA, first Sunday of November") << usa << QDate(2025, 11, 2) << 1 << true;
        QTest::newRow("USA, after") << usa << QDate(2025, 11, 2) << 2 << false;

        // A southern rule: from the first Sunday of October (5 Oct 2025) to the first Sunday
        // of April (6 Apr 2025), across the new year.
        const SoWiRuleRecord south = weekdayRule(SoWiRules::FREE_RULE, 10, 1, 4, 1);
        QTest::newRow("south, 1 January") << south << QDate(2025, 1, 1) << 0 << true;
        QTest::newRow("south, end day before the hour") << south << QDate(2025, 4, 6) << 1 << true;
        QTest::newRow("south, end day at the hour") << south << QDate(2025, 4, 6) << 2 << false;
        QTest::newRow("south, winter") << south << QDate(2025, 7, 1) << 12 << false;
        QTest::newRow("south, start day before the hour") << south << QDate(2025, 10, 5) << 1 << false;
        QTest::newRow("south, start day at the hour") << south << QDate(2025, 10, 5) << 2 << true;
        QTest::newRow("south, 31 December") << south << QDate(2025, 12, 31) << 23 << true;

        const SoWiRuleRecord australia = weekdayRule(SoWiRules::AUSTRALIA, 10, 1, 4, 1);
        QTest::newRow("Australia has none") << australia << QDate(2025, 1, 1) << 12 << false;
        QTest::newRow("no rule") << weekdayRule(SoWiRules::NO_SO_WI, 3, 5, 10, 5) << QDate(2025, 7, 1) << 12
                                 << false;
        QTest::newRow("start and end on one day")
            << weekdayRule(SoWiRules::FREE_RULE, 3, 5, 3, 5) << QDate(2025, 3, 30) << 12 << false;

        const SoWiRuleRecord fixed = dateRule(SoWiRules::FIX_DATE, 4, 10, 9, 20, 3);
        QTest::newRow("fixed date, day before") << fixed << QDate(2025, 4, 9) << 23 << false;
        QTest::newRow("fixed date, start") << fixed << QDate(2025, 4, 10) << 3 << true;
        QTest::newRow("fixed date, end before the hour") << fixed << QDate(2025, 9, 20) << 2 << true;
        QTest::newRow("fixed date, end") << fixed << QDate(2025, 9, 20) << 3 << false;
        QTest::newRow("fixed date on one day")
            << dateRule(SoWiRules::FIX_DATE, 4, 10, 4, 10, 3) << QDate(2025, 4, 10) << 12 << false;

        // Iran: 22 March to 22 September, one day earlier in years divisible by four.
        const SoWiRuleRecord iran = dateRule(SoWiRules::IRAN, 3, 22, 9, 22, 0);
        QTest::newRow("Iran 2025, 21 March") << iran << QDate(2025, 3, 21) << 12 << false;
        QTest::newRow("Iran 2025, 22 March") << iran << QDate(2025, 3, 22) << 0 << true;
        QTest::newRow("Iran 2025, 21 September") << iran << QDate(2025, 9, 21) << 23 << true;
        QTest::newRow("Iran 2025, 22 September") << iran << QDate(2025, 9, 22) << 0 << false;
        QTest::newRow("Iran 2024, 20 March") << iran << QDate(2024, 3, 20) << 12 << false;
        QTest::newRow("Iran 2024, 21 March") << iran << QDate(2024, 3, 21) << 0 << true;
        QTest::newRow("Iran 2024, 21 September") << iran << QDate(2024, 9, 21) << 0 << false;
        QTest::newRow("invalid date") << europe << QDate() << 12 << false;
    }

    void isSummerTime()
    {
        QFETCH(SoWiRuleRecord, rule);
        QFETCH(QDate, date);
        QFETCH(int, hour);
        QFETCH(bool, summer);
        setLocation(48, 16, CentralEuropeZone, rule);
        QCOMPARE(AstroEngine::isSummerTime(date, hour), summer);
    }

    void brokenRulesGiveNoSummerTime_data()
    {
        QTest::addColumn<SoWiRuleRecord>("rule");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("badWeekdays"); // switches the weekday helper rejects
        QTest::newRow("week 0") << weekdayRule(SoWiRules::EUROPE, 3, 0, 10, 5) << 2025 << 1;
        QTest::newRow("week 7") << weekdayRule(SoWiRules::EUROPE, 3, 5, 10, 7) << 2025 << 1;
        QTest::newRow("month 13") << weekdayRule(SoWiRules::USA, 13, 2, 11, 1) << 2025 << 1;
        QTest::newRow("month 0") << weekdayRule(SoWiRules::USA, 3, 2, 0, 1) << 2025 << 1;
        QTest::newRow("weekday 7") << weekdayRule(SoWiRules::EUROPE, 3, 5, 10, 5, 2, 7) << 2025 << 2;
        QTest::newRow("fixed 30 February") << dateRule(SoWiRules::FIX_DATE, 2, 30, 9, 1, 2) << 2025 << 0;
        QTest::newRow("fixed 29 February, common year")
            << dateRule(SoWiRules::FIX_DATE, 2, 29, 9, 1, 2) << 2025 << 0;
        QTest::newRow("Iran, day 32") << dateRule(SoWiRules::IRAN, 3, 32, 9, 22, 0) << 2025 << 0;
    }

    void brokenRulesGiveNoSummerTime()
    {
        QFETCH(SoWiRuleRecord, rule);
        QFETCH(int, year);
        QFETCH(int, badWeekdays);
        setLocation(48, 16, CentralEuropeZone, rule);
        for (int i = 0; i < badWeekdays; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^No weekday date"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("gives no valid switch date in 2025"));
        const TJAstro record = AstroEngine::computeYear(year, 0, 0, AstroEngine::BuiltInTables);
        for (int day = 1; day <= 365; ++day) {
            QCOMPARE(record.days[day].sunrise.summerTime, quint8(0));
            QCOMPARE(record.days[day].sunset.summerTime, quint8(0));
        }
    }

    void fixedTwentyNinthOfFebruaryWorksInLeapYears()
    {
        setLocation(48, 16, CentralEuropeZone, dateRule(SoWiRules::FIX_DATE, 2, 29, 9, 1, 2));
        QVERIFY(AstroEngine::isSummerTime(QDate(2024, 2, 29), 2));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("gives no valid switch date in 2025"));
        QVERIFY(!AstroEngine::isSummerTime(QDate(2025, 6, 1), 2));
    }

    void unknownRuleTypeGivesNoSummerTime_data()
    {
        QTest::addColumn<int>("ruleType");
        QTest::newRow("12") << 12;
        QTest::newRow("-1") << -1;
    }

    void unknownRuleTypeGivesNoSummerTime()
    {
        QFETCH(int, ruleType);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Unknown summer/winter rule"));
        setLocation(48, 16, CentralEuropeZone, weekdayRule(ruleType, 3, 5, 10, 5));
        QVERIFY(!AstroEngine::isSummerTime(QDate(2025, 7, 1), 12));
        const TJAstro record = AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
        QCOMPARE(record.days[182].sunrise.summerTime, quint8(0));
    }

    void switchDaysInTheYearRecord()
    {
        // 48 N 16 E in UTC+1. 30 March 2025 (day 89): 05:40 standard time becomes 06:40.
        setLocation(48, 16, CentralEuropeZone, europeRule());
        const TJAstro year = AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
        QCOMPARE(text(year.days[88].sunrise), "05:42");
        QCOMPARE(year.days[88].sunrise.summerTime, quint8(0));
        QCOMPARE(text(year.days[88].sunset), "18:21");
        QCOMPARE(year.days[88].sunset.summerTime, quint8(0));
        QCOMPARE(text(year.days[89].sunrise), "06:40");
        QCOMPARE(year.days[89].sunrise.summerTime, quint8(1));
        QCOMPARE(text(year.days[89].sunset), "19:22");
        QCOMPARE(year.days[89].sunset.summerTime, quint8(1));
        // 26 October (day 299) is back in standard time, the day before is not.
        QCOMPARE(year.days[298].sunrise.summerTime, quint8(1));
        QCOMPARE(year.days[298].sunset.summerTime, quint8(1));
        QCOMPARE(year.days[299].sunrise.summerTime, quint8(0));
        QCOMPARE(year.days[299].sunset.summerTime, quint8(0));
    }

    void southernRuleInTheYearRecord()
    {
        // Sydney-like: 34 S 151 E in UTC+10 with the southern rule; the record starts and
        // ends in summer time.
        setLocation(-34, 151, 27, weekdayRule(SoWiRules::FREE_RULE, 10, 1, 4, 1));
        const TJAstro year = AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
        const int end = dayOfYear(2025, 4, 6);
        const int start = dayOfYear(2025, 10, 5);
        for (int day = 1; day <= 365; ++day) {
            const quint8 expected = (day < end || day >= start) ? 1 : 0;
            QCOMPARE(year.days[day].sunrise.summerTime, expected);
            QCOMPARE(year.days[day].sunset.summerTime, expected);
        }
    }

    void summerTimeAtTheDayBoundaries()
    {
        // With the switch at 07:00, on the start day (30 March, day 89) the 05:40 sunrise is
        // still standard time and the sunset already summer time; on the end day (26 October)
        // the 06:31 sunrise is still summer time and the sunset no longer.
        SoWiRuleRecord rule = europeRule();
        rule.wiSo.hour = 7;
        setLocation(48, 16, CentralEuropeZone, rule);
        const TJAstro year = AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
        QCOMPARE(text(year.days[89].sunrise), "05:40");
        QCOMPARE(year.days[89].sunrise.summerTime, quint8(0));
        QCOMPARE(year.days[89].sunset.summerTime, quint8(1));
        QCOMPARE(text(year.days[299].sunrise), "07:31");
        QCOMPARE(year.days[299].sunrise.summerTime, quint8(1));
        QCOMPARE(year.days[299].sunset.summerTime, quint8(0));
    }
};

QTEST_GUILESS_MAIN(TestAstroSummerTime)
#include "tst_astrosummertime.moc"
