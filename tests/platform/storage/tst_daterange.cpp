#include <storage/daterange.h>

#include <QSet>
#include <QTest>

#include <utils/wallclock.h>

using storage::DateRange;

class TstDateRange : public QObject {
    Q_OBJECT

private slots:
    void newRangeDefaults();
    void copiesShareTheRecord();
    void setFindsTheRecordAfterItChanged();
    void leapYear_data();
    void leapYear();
    void currentYearMovesTheLeapDay();
    void jsonForm_data();
    void jsonForm();
};

void TstDateRange::newRangeDefaults()
{
    const DateRange range(DateRange::Easter);
    QCOMPARE(range.type(), int(DateRange::Easter));
    QCOMPARE(range.id(), 0);
    QCOMPARE(range.startDate(), utils::WallClock::at(QDate::currentDate(), QTime(0, 0)));
    QCOMPARE(range.endDate(), utils::WallClock::at(QDate::currentDate().addDays(1), QTime(0, 0)));
    QCOMPARE(range.startDay(), DateRange::NotSet);
    QCOMPARE(range.endDay(), DateRange::NotSet);
    QCOMPARE(range.duration(), 1);
    QCOMPARE(range.repeat(), 2);
    QCOMPARE(range.weekRuleDay(), 1);
    QCOMPARE(range.weekRuleWeekDay(), 1);
    QCOMPARE(range.weekRuleMonth(), 0);
}

void TstDateRange::copiesShareTheRecord()
{
    DateRange range;
    const QList<DateRange> list { range };
    DateRange copy = list.first();
    copy.setRepeat(9);
    QCOMPARE(range.repeat(), 9);
}

void TstDateRange::setFindsTheRecordAfterItChanged()
{
    DateRange range(DateRange::Easter);
    const QSet<DateRange> set { range, DateRange(DateRange::Easter) };
    QCOMPARE(set.size(), 2);
    DateRange copy = range;
    copy.setStartDay(3);
    QVERIFY(set.contains(range));
    QVERIFY(!set.contains(DateRange(DateRange::Easter)));
}

void TstDateRange::leapYear_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("end");
    QTest::addColumn<QDateTime>("leapStart");
    QTest::addColumn<QDateTime>("leapEnd");
    QTest::newRow("over the turn of the year")
        << utils::WallClock::at(QDate(2023, 12, 20), QTime(8, 0)) << utils::WallClock::at(QDate(2024, 1, 6), QTime(17, 30))
        << utils::WallClock::at(QDate(2008, 12, 20), QTime(8, 0)) << utils::WallClock::at(QDate(2008, 1, 6), QTime(17, 30));
    QTest::newRow("29 February stays") << utils::WallClock::at(QDate(2016, 2, 29), QTime(0, 0))
                                       << utils::WallClock::at(QDate(2016, 3, 1), QTime(0, 0))
                                       << utils::WallClock::at(QDate(2008, 2, 29), QTime(0, 0))
                                       << utils::WallClock::at(QDate(2008, 3, 1), QTime(0, 0));
}

void TstDateRange::leapYear()
{
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, end);
    QFETCH(QDateTime, leapStart);
    QFETCH(QDateTime, leapEnd);
    DateRange range(DateRange::Yearly);
    range.setStartDate(start);
    range.setEndDate(end);
    range.setLeapYear();
    QCOMPARE(range.startDate(), leapStart);
    QCOMPARE(range.endDate(), leapEnd);
}

void TstDateRange::currentYearMovesTheLeapDay()
{
    const int year = QDate::currentDate().year();
    DateRange range(DateRange::Yearly);
    range.setStartDate(utils::WallClock::at(QDate(2008, 2, 29), QTime(6, 0)));
    range.setEndDate(utils::WallClock::at(QDate(2008, 5, 1), QTime(7, 0)));
    range.setCurrentYear();
    const QDate expectedStart = QDate::isLeapYear(year) ? QDate(year, 2, 29) : QDate(year, 3, 1);
    QCOMPARE(range.startDate(), utils::WallClock::at(expectedStart, QTime(6, 0)));
    QCOMPARE(range.endDate(), utils::WallClock::at(QDate(year, 5, 1), QTime(7, 0)));
}

void TstDateRange::jsonForm_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("fixed") << 0 << "fix-year";
    QTest::newRow("yearly") << 1 << "yearly";
    QTest::newRow("easter") << 2 << "easter";
    QTest::newRow("series") << 3 << "serie";
    QTest::newRow("week rule") << 4 << "week-rule";
    QTest::newRow("chinese new year") << 5 << "cny";
    QTest::newRow("holiday") << 6 << "holiday";
}

void TstDateRange::jsonForm()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    DateRange range;
    range.setType(type);
    range.setStartDate(utils::WallClock::at(QDate(2025, 4, 3), QTime(10, 20, 30)));
    range.setEndDate(utils::WallClock::at(QDate(2025, 4, 5), QTime(11, 0)));
    range.setStartDay(-2);
    range.setEndDay(3);
    range.setDuration(53);
    range.setRepeat(7);
    range.setWeekRuleDay(5);
    range.setWeekRuleWeekDay(7);
    range.setWeekRuleMonth(12);
    const QJsonObject json = range.toJsonObject();
    QCOMPARE(json.value("type").toString(), name);
    QCOMPARE(json.value("start-date").toInteger(), QDate(2025, 4, 3).toJulianDay());
    QCOMPARE(json.value("end-date").toInteger(), QDate(2025, 4, 5).toJulianDay());
    QCOMPARE(json.value("start-time").toInt(), QTime(10, 20, 30).msecsSinceStartOfDay());
    QCOMPARE(json.value("end-time").toInt(), QTime(11, 0).msecsSinceStartOfDay());
    QCOMPARE(json.value("start-day").toInt(), -2);
    QCOMPARE(json.value("end-day").toInt(), 3);
    QCOMPARE(json.value("duration").toInt(), 53);
    QCOMPARE(json.value("repeat").toInt(), 7);
    QCOMPARE(json.value("week-rule-day").toInt(), 5);
    QCOMPARE(json.value("week-rule-week-day").toInt(), 7);
    QCOMPARE(json.value("week-rule-month").toInt(), 12);
    QVERIFY(!json.contains("id"));
}

QTEST_GUILESS_MAIN(TstDateRange)
#include "tst_daterange.moc"
