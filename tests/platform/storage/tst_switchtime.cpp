#include <storage/switchtime.h>

#include <QJsonArray>
#include <QSet>
#include <QTest>

using storage::SwitchTime;

namespace {
constexpr int Monday = 128;
constexpr int Tuesday = 64;
constexpr int Friday = 8;
constexpr int Sunday = 2;
constexpr int Day = SwitchTime::SecondsPerDay;
} // namespace

class TstSwitchTime : public QObject {
    Q_OBJECT

private slots:
    void copiesShareTheRecord();
    void setFindsTheRecordAfterItChanged();
    void rangePassingMidnight_data();
    void rangePassingMidnight();
    void rangesOverlap_data();
    void rangesOverlap();
    void rows_data();
    void rows();
    void fixStartAndEnd_data();
    void fixStartAndEnd();
    void endDayIndex_data();
    void endDayIndex();
    void endDaysList();
    void jsonFormLeavesTheIdOutAndMasksStartDays();
    void sortByKeys();
};

void TstSwitchTime::copiesShareTheRecord()
{
    SwitchTime original(SwitchTime::Switch, SwitchTime::On, 3600, Monday);
    QList<SwitchTime> listA { original };
    QList<SwitchTime> listB { original };
    SwitchTime copy = listA.first();
    copy.setStartTime(7200);
    copy.setStartDays(Monday | Friday);
    QCOMPARE(listB.first().startTime(), 7200);
    QCOMPARE(original.startDays(), Monday | Friday);
    QVERIFY(listA.first() == listB.first());
    QVERIFY(!(SwitchTime() == SwitchTime()));
}

void TstSwitchTime::setFindsTheRecordAfterItChanged()
{
    SwitchTime s(SwitchTime::Switch, SwitchTime::On, 3600, Monday);
    const QSet<SwitchTime> set { s, SwitchTime(SwitchTime::Switch, SwitchTime::On, 3600, Monday) };
    QCOMPARE(set.size(), 2);
    SwitchTime copy = s;
    copy.setStartTime(7200);
    QVERIFY(set.contains(s));
    QVERIFY(!set.contains(SwitchTime(SwitchTime::Switch, SwitchTime::On, 7200, Monday)));
}

void TstSwitchTime::rangePassingMidnight_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("duration");
    QTest::addColumn<bool>("endBeforeStart");
    QTest::newRow("23:59:30 for 60 s") << 86370 << 60 << true;
    QTest::newRow("ends at midnight") << 86340 << 60 << true;
    QTest::newRow("ends before midnight") << 86330 << 60 << false;
    QTest::newRow("08:00 for an hour") << 28800 << 3600 << false;
}

void TstSwitchTime::rangePassingMidnight()
{
    QFETCH(int, start);
    QFETCH(int, duration);
    QFETCH(bool, endBeforeStart);
    const SwitchTime::Range range(Sunday, start, duration);
    QCOMPARE(range.end() < range.start(), endBeforeStart);
}

void TstSwitchTime::rangesOverlap_data()
{
    QTest::addColumn<int>("dayA");
    QTest::addColumn<int>("startA");
    QTest::addColumn<int>("lengthA");
    QTest::addColumn<int>("dayB");
    QTest::addColumn<int>("startB");
    QTest::addColumn<int>("lengthB");
    QTest::addColumn<bool>("overlapping");
    QTest::newRow("same day, overlapping") << Monday << 3600 << 600 << Monday << 3900 << 600 << true;
    QTest::newRow("other weekday, same time") << Monday << 3600 << 600 << Tuesday << 3600 << 600 << false;
    QTest::newRow("touching ranges") << Monday << 3600 << 600 << Monday << 4200 << 600 << false;
    QTest::newRow("one inside the other") << Monday << 0 << Day << Monday << 4200 << 1 << true;
    QTest::newRow("Sunday night into Monday") << Sunday << Day - 60 << 120 << Monday << 30 << 10 << true;
    QTest::newRow("empty range") << Monday << 3600 << 0 << Monday << 3600 << 600 << false;
}

void TstSwitchTime::rangesOverlap()
{
    QFETCH(int, dayA);
    QFETCH(int, startA);
    QFETCH(int, lengthA);
    QFETCH(int, dayB);
    QFETCH(int, startB);
    QFETCH(int, lengthB);
    QFETCH(bool, overlapping);
    const SwitchTime::Range a(dayA, startA, lengthA);
    const SwitchTime::Range b(dayB, startB, lengthB);
    QCOMPARE(a.isOverlapping(b), overlapping);
    QCOMPARE(b.isOverlapping(a), overlapping);
}

void TstSwitchTime::rows_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("firstDay");
    QTest::addColumn<QSet<int>>("rows");
    QTest::newRow("Monday, week from Monday") << Monday << 0 << QSet<int> { 0 };
    QTest::newRow("Sunday, week from Sunday") << Sunday << 6 << QSet<int> { 0 };
    QTest::newRow("Monday, week from Sunday") << Monday << 6 << QSet<int> { 1 };
    QTest::newRow("whole week") << SwitchTime::AllDays << 3 << QSet<int> { 0, 1, 2, 3, 4, 5, 6 };
    QTest::newRow("bit 0 is no day") << 1 << 0 << QSet<int> {};
}

void TstSwitchTime::rows()
{
    QFETCH(int, days);
    QFETCH(int, firstDay);
    QFETCH(QSet<int>, rows);
    QCOMPARE(SwitchTime(SwitchTime::Switch, SwitchTime::On, 0, days).rows(firstDay), rows);
}

void TstSwitchTime::fixStartAndEnd_data()
{
    QTest::addColumn<int>("startDays");
    QTest::addColumn<int>("endDay");
    QTest::addColumn<int>("firstDay");
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("endRow");
    QTest::newRow("Friday to Tuesday") << Friday << Tuesday << 0 << 4 << 1;
    QTest::newRow("Friday to Tuesday, week from Tuesday") << Friday << Tuesday << 1 << 3 << 0;
    QTest::newRow("endless ends on the last row") << Monday << SwitchTime::EndlessDay << 2 << 5 << 6;
    QTest::newRow("no end day ends on the start row") << Tuesday << 0 << 0 << 1 << 1;
    QTest::newRow("several end days end on the start row") << Tuesday << SwitchTime::NoSingleEndDay << 0 << 1 << 1;
}

void TstSwitchTime::fixStartAndEnd()
{
    QFETCH(int, startDays);
    QFETCH(int, endDay);
    QFETCH(int, firstDay);
    QFETCH(int, startRow);
    QFETCH(int, endRow);
    SwitchTime s(SwitchTime::FixSwitch, SwitchTime::FixOn, 0, startDays);
    s.setEndDay(endDay);
    QCOMPARE(s.fixStart(firstDay), startRow);
    QCOMPARE(s.fixEnd(firstDay), endRow);
}

void TstSwitchTime::endDayIndex_data()
{
    QTest::addColumn<int>("endDay");
    QTest::addColumn<int>("index");
    QTest::newRow("Monday") << Monday << 0;
    QTest::newRow("Sunday") << Sunday << 6;
    QTest::newRow("endless") << SwitchTime::EndlessDay << 7;
    QTest::newRow("several") << SwitchTime::NoSingleEndDay << -1;
    QTest::newRow("two bits") << (Monday | Sunday) << -1;
}

void TstSwitchTime::endDayIndex()
{
    QFETCH(int, endDay);
    QFETCH(int, index);
    SwitchTime s;
    s.setEndDay(endDay);
    QCOMPARE(s.endDayIndex(), index);
}

void TstSwitchTime::endDaysList()
{
    SwitchTime s(SwitchTime::FixSwitch, SwitchTime::FixOn, 0, Monday | Friday);
    s.setEndDay(Tuesday);
    QCOMPARE(s.endDaysList(), (QList<bool> { false, true, false, false, false, false, false }));
    s.setMultipleEndDays();
    QCOMPARE(s.endDay(), SwitchTime::NoSingleEndDay);
    QCOMPARE(s.endDaysList(), s.startDaysList());
    QCOMPARE(s.numDays(), 2);
}

void TstSwitchTime::jsonFormLeavesTheIdOutAndMasksStartDays()
{
    SwitchTime s(SwitchTime::Cycle, SwitchTime::On, 3600, Monday | Friday);
    s.setEndDay(Sunday);
    s.setEndTime(7200);
    s.setPulsTime(5);
    s.setPauseTime(7);
    const QJsonObject json = s.toJsonObject(Friday | Tuesday);
    QCOMPARE(json.value("type").toString(), QString("cycle"));
    QCOMPARE(json.value("state").toString(), QString("on"));
    QCOMPARE(json.value("start-days").toInt(), Friday);
    QCOMPARE(json.value("end-day").toInt(), Sunday);
    QCOMPARE(json.value("start-time").toInt(), 3600);
    QCOMPARE(json.value("end-time").toInt(), 7200);
    QCOMPARE(json.value("puls-time").toInt(), 5);
    QCOMPARE(json.value("pause-time").toInt(), 7);
    QVERIFY(!json.contains("id"));

    SwitchTime twin(SwitchTime::Cycle, SwitchTime::On, 3600, Monday | Friday);
    twin.setEndDay(Sunday);
    twin.setEndTime(7200);
    twin.setPulsTime(5);
    twin.setPauseTime(7);
    QCOMPARE(twin.toJsonObject(SwitchTime::AllDays), s.toJsonObject(SwitchTime::AllDays));
    QCOMPARE(s.tooltipInfo().value("days").toArray(), (QJsonArray { 0, 4 }));
}

void TstSwitchTime::sortByKeys()
{
    const SwitchTime a(SwitchTime::Impuls, SwitchTime::On, 600, Tuesday);
    const SwitchTime b(SwitchTime::Switch, SwitchTime::Off, 300, Monday);
    const SwitchTime c(SwitchTime::Switch, SwitchTime::On, 300, Friday);
    const SwitchTime d(SwitchTime::Impuls, SwitchTime::Off, 100, Monday);
    QList<SwitchTime> list { a, b, c, d };
    SwitchTime::sort(list, { 4, 1, 3 }, { 0, 0, 0 });
    QCOMPARE(list, (QList<SwitchTime> { b, c, d, a }));
    SwitchTime::sort(list, { 2, 1 }, { 1, 0 });
    QCOMPARE(list, (QList<SwitchTime> { c, a, d, b }));
    SwitchTime::sort(list, { 0 }, {});
    QCOMPARE(list, (QList<SwitchTime> { c, a, d, b }));
}

QTEST_GUILESS_MAIN(TstSwitchTime)
#include "tst_switchtime.moc"
