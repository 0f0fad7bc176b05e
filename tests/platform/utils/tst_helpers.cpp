#include <utils/helpers.h>

#include <QTest>

using utils::Helpers;

namespace {

// Every date of the month that falls on the weekday (0 = Monday), found by walking the month.
QList<QDate> occurrences(int year, int month, int weekday)
{
    QList<QDate> dates;
    for (QDate date(year, month, 1); date.month() == month; date = date.addDays(1)) {
        if (date.dayOfWeek() == weekday + 1)
            dates.append(date);
    }
    return dates;
}

} // namespace

class TestHelpers : public QObject {
    Q_OBJECT

private slots:
    void everyMonthMatchesTheCalendar_data()
    {
        QTest::addColumn<int>("year");
        // Common and leap years, a century year that is not a leap year, and 2000 which is.
        for (int year : {1999, 2000, 2023, 2024, 2025, 2026, 2028, 2099, 2100})
            QTest::addRow("%d", year) << year;
    }

    void everyMonthMatchesTheCalendar()
    {
        QFETCH(int, year);
        for (int month = 1; month <= 12; ++month) {
            for (int weekday = 0; weekday < 7; ++weekday) {
                const QList<QDate> expected = occurrences(year, month, weekday);
                for (int week = 0; week < 4; ++week)
                    QCOMPARE(Helpers::getWeekDay(week, year, month, weekday), expected.at(week));
                QCOMPARE(Helpers::getWeekDay(Helpers::LastWeek, year, month, weekday), expected.last());
            }
        }
    }

    void knownSwitchDates_data()
    {
        QTest::addColumn<int>("week");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("weekday");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("Europe start 2024, last Sunday of March") << 4 << 2024 << 3 << 6 << QDate(2024, 3, 31);
        QTest::newRow("Europe end 2025, last Sunday of October")
            << 4 << 2025 << 10 << 6 << QDate(2025, 10, 26);
        QTest::newRow("USA start 2025, second Sunday of March") << 1 << 2025 << 3 << 6 << QDate(2025, 3, 9);
        QTest::newRow("USA end 2025, first Sunday of November") << 0 << 2025 << 11 << 6 << QDate(2025, 11, 2);
        // February 2021 has exactly four of every weekday: the last is the fourth.
        QTest::newRow("last Monday of a four-week February") << 4 << 2021 << 2 << 0 << QDate(2021, 2, 22);
        QTest::newRow("fourth Monday of the same February") << 3 << 2021 << 2 << 0 << QDate(2021, 2, 22);
        QTest::newRow("last Thursday of leap February 2024") << 4 << 2024 << 2 << 3 << QDate(2024, 2, 29);
    }

    void knownSwitchDates()
    {
        QFETCH(int, week);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, weekday);
        QFETCH(QDate, expected);
        QCOMPARE(Helpers::getWeekDay(week, year, month, weekday), expected);
    }

    void outOfRangeGivesInvalidDate_data()
    {
        QTest::addColumn<int>("week");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("weekday");
        QTest::newRow("week -1 (fixed date marker)") << -1 << 2025 << 3 << 6;
        QTest::newRow("week 5") << 5 << 2025 << 3 << 6;
        QTest::newRow("weekday -1") << 0 << 2025 << 3 << -1;
        QTest::newRow("weekday 7") << 0 << 2025 << 3 << 7;
        QTest::newRow("month 0") << 0 << 2025 << 0 << 6;
        QTest::newRow("month 13") << 0 << 2025 << 13 << 6;
        QTest::newRow("year 0") << 0 << 0 << 3 << 6;
    }

    void outOfRangeGivesInvalidDate()
    {
        QFETCH(int, week);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, weekday);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^No weekday date"));
        QVERIFY(!Helpers::getWeekDay(week, year, month, weekday).isValid());
    }
};

QTEST_GUILESS_MAIN(TestHelpers)
#include "tst_helpers.moc"
