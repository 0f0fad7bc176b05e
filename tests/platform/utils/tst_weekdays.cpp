#include <utils/weekdays.h>

#include <QTest>

using utils::Weekdays;

class TestWeekdays : public QObject {
    Q_OBJECT

private slots:
    void conversions_data() {
        QTest::addColumn<int>("dayIndex");
        QTest::addColumn<int>("bit");
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("next");
        QTest::addRow("Monday, week from Monday") << 0 << 128 << 0 << 0 << 64;
        QTest::addRow("Friday, week from Monday") << 4 << 8 << 0 << 4 << 4;
        QTest::addRow("Sunday, week from Monday") << 6 << 2 << 0 << 6 << 128;
        QTest::addRow("Sunday, week from Sunday") << 6 << 2 << 6 << 0 << 128;
        QTest::addRow("Monday, week from Sunday") << 0 << 128 << 6 << 1 << 64;
        QTest::addRow("Saturday, week from Sunday") << 5 << 4 << 6 << 6 << 2;
        QTest::addRow("Wednesday, week from Saturday") << 2 << 32 << 5 << 4 << 16;
    }

    void conversions() {
        QFETCH(int, dayIndex);
        QFETCH(int, bit);
        QFETCH(int, firstDay);
        QFETCH(int, row);
        QFETCH(int, next);
        QCOMPARE(Weekdays::bitOfIndex(dayIndex), bit);
        QCOMPARE(Weekdays::indexOfBit(bit), dayIndex);
        QCOMPARE(Weekdays::rowOfDay(dayIndex, firstDay), row);
        QCOMPARE(Weekdays::dayOfRow(row, firstDay), dayIndex);
        QCOMPARE(Weekdays::bitOfRow(row, firstDay), bit);
        QCOMPARE(Weekdays::nextDay(bit), next);
        QCOMPARE(Weekdays::endDayOfIndex(dayIndex), bit);
        QCOMPARE(Weekdays::indexOfEndDay(bit), dayIndex);
    }

    void daySets_data() {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("rotated");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("firstIndex");
        QTest::addRow("empty") << 0 << 1 << 0 << 0 << -1;
        QTest::addRow("endless bit is no day") << 1 << 3 << 0 << 0 << -1;
        QTest::addRow("whole week") << 254 << 3 << 254 << 7 << 0;
        QTest::addRow("Saturday and Sunday one later") << 6 << 1 << 130 << 2 << 5;
        QTest::addRow("Monday one earlier") << 128 << -1 << 2 << 1 << 0;
        QTest::addRow("a full turn") << 168 << 7 << 168 << 3 << 0;
        QTest::addRow("two weeks back") << 42 << -14 << 42 << 3 << 2;
        QTest::addRow("stray high bits ignored") << (256 | 64) << 1 << 32 << 1 << 1;
    }

    void daySets() {
        QFETCH(int, days);
        QFETCH(int, steps);
        QFETCH(int, rotated);
        QFETCH(int, count);
        QFETCH(int, firstIndex);
        QCOMPARE(Weekdays::rotate(days, steps), rotated);
        QCOMPARE(Weekdays::count(days), count);
        QCOMPARE(Weekdays::indexOfBit(days), firstIndex);
    }

    void endDays_data() {
        QTest::addColumn<int>("endDay");
        QTest::addColumn<int>("index");
        QTest::addRow("endless") << 1 << 7;
        QTest::addRow("Thursday") << 16 << 3;
        QTest::addRow("none") << 0 << -1;
        QTest::addRow("several end days") << -1 << -1;
        QTest::addRow("two days") << 24 << -1;
        QTest::addRow("beyond the week") << 256 << -1;
    }

    void endDays() {
        QFETCH(int, endDay);
        QFETCH(int, index);
        QCOMPARE(Weekdays::indexOfEndDay(endDay), index);
    }

    void outOfRangeIndexesGiveNoDay() {
        QCOMPARE(Weekdays::bitOfIndex(-1), 0);
        QCOMPARE(Weekdays::bitOfIndex(7), 0);
        QCOMPARE(Weekdays::endDayOfIndex(7), 1);
        QCOMPARE(Weekdays::endDayOfIndex(8), 0);
        QCOMPARE(Weekdays::endDayOfIndex(-1), 0);
    }

    void rowBlocks_data() {
        QTest::addColumn<int>("fromRow");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<int>("days");
        QTest::addRow("whole week") << 0 << 6 << 0 << 254;
        QTest::addRow("first row from Sunday") << 0 << 0 << 6 << 2;
        QTest::addRow("weekend from Monday") << 5 << 6 << 0 << 6;
        QTest::addRow("upside down") << 4 << 1 << 0 << 0;
    }

    void rowBlocks() {
        QFETCH(int, fromRow);
        QFETCH(int, toRow);
        QFETCH(int, firstDay);
        QFETCH(int, days);
        QCOMPARE(Weekdays::daysOfRows(fromRow, toRow, firstDay), days);
    }
};

QTEST_GUILESS_MAIN(TestWeekdays)
#include "tst_weekdays.moc"
