#include "sommerwintertablemodel.h"

#include <QSignalSpy>
#include <QtTest>

using M = SommerWinterTableModel;

namespace {

constexpr int Rows = 92;

// The days of a month that fall on a weekday (0 Monday .. 6 Sunday), counted one by one.
QList<QDate> occurrences(int year, int month, int weekday) {
    QList<QDate> days;
    for (QDate day(year, month, 1); day.month() == month; day = day.addDays(1)) {
        if (day.dayOfWeek() == weekday + 1)
            days.append(day);
    }
    return days;
}

// week 0..3 the n-th, 4 the last occurrence.
QDate expectedRuleDate(int week, int year, int month, int weekday) {
    const QList<QDate> days = occurrences(year, month, weekday);
    return week == 4 ? days.last() : days.at(week);
}

QList<SoWiDateTime> blankTable() {
    QList<SoWiDateTime> rows;
    for (int row = 0; row < Rows; ++row)
        rows.append({2008 + row, QDate(2008 + row, 3, 1), 2, QDate(2008 + row, 10, 1), 3, false});
    return rows;
}

} // namespace

class TestSommerWinterTable : public QObject {
    Q_OBJECT

private slots:
    void startsBlank() {
        M model;
        QCOMPARE(model.rowCount(), Rows);
        QCOMPARE(model.dateTimes(), blankTable());
        QCOMPARE(model.selectionCount(), 0);
        QVERIFY(!model.canCopy());
        QCOMPARE(model.data(model.index(10), M::WiSoDateRole).toDate(), QDate(2018, 3, 1));
        QCOMPARE(model.data(model.index(10), M::SoWiHourRole).toInt(), 3);
        QVERIFY(!model.data(model.index(Rows), M::WiSoDateRole).isValid());
        QVERIFY(!model.data(model.index(0), M::SelectedRole + 1).isValid());
    }

    void hourLists() {
        M model;
        QCOMPARE(model.wiSoList().size(), 24);
        QCOMPARE(model.soWiList().size(), 24);
        QCOMPARE(model.wiSoList().at(2), QStringLiteral("2h > 3h"));
        QCOMPARE(model.soWiList().at(2), QStringLiteral("3h > 2h"));
        QCOMPARE(model.wiSoList().first(), QStringLiteral("0h > 1h"));
        QCOMPARE(model.wiSoList().last(), QStringLiteral("23h > 24h"));
        QCOMPARE(model.soWiList().first(), QStringLiteral("1h > 0h"));
        QCOMPARE(model.soWiList().last(), QStringLiteral("24h > 23h"));
    }

    void ruleFillEveryYear_data() {
        QTest::addColumn<int>("wiSoWeek");
        QTest::addColumn<int>("wiSoMonth");
        QTest::addColumn<int>("wiSoDay");
        QTest::addColumn<int>("soWiWeek");
        QTest::addColumn<int>("soWiMonth");
        QTest::addColumn<int>("soWiDay");
        QTest::newRow("europe: last sundays of march and october") << 4 << 3 << 6 << 4 << 10 << 6;
        QTest::newRow("usa: second sunday of march, first of november") << 1 << 3 << 6 << 0 << 11 << 6;
        // February has only four of most weekdays: the last is the fourth.
        QTest::newRow("last and fourth thursday of february") << 4 << 2 << 3 << 3 << 2 << 3;
        QTest::newRow("third saturday of april, last monday of september") << 2 << 4 << 5 << 4 << 9 << 0;
    }

    void ruleFillEveryYear() {
        QFETCH(int, wiSoWeek);
        QFETCH(int, wiSoMonth);
        QFETCH(int, wiSoDay);
        QFETCH(int, soWiWeek);
        QFETCH(int, soWiMonth);
        QFETCH(int, soWiDay);
        M model;
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(model.automaticFill(2008, 2099, wiSoWeek, QDate(2030, wiSoMonth, 17), 2, wiSoDay, soWiWeek,
                                    QDate(2001, soWiMonth, 2), 3, soWiDay));
        QCOMPARE(changed.count(), 1);
        for (int row = 0; row < Rows; ++row) {
            const int year = 2008 + row;
            const SoWiDateTime expected{year, expectedRuleDate(wiSoWeek, year, wiSoMonth, wiSoDay),
                                        2,    expectedRuleDate(soWiWeek, year, soWiMonth, soWiDay),
                                        3,    true};
            QCOMPARE(model.at(row), expected);
        }
    }

    void fixedDateFillEveryYear() {
        M model;
        QVERIFY(model.automaticFill(2008, 2099, M::FixedDateWeek, QDate(2008, 2, 29), 1, -1, M::FixedDateWeek,
                                    QDate(1990, 11, 15), 4, -1));
        for (int row = 0; row < Rows; ++row) {
            const int year = 2008 + row;
            const QDate wiSo = QDate::isLeapYear(year) ? QDate(year, 2, 29) : QDate(year, 3, 1);
            QCOMPARE(model.at(row), (SoWiDateTime{year, wiSo, 1, QDate(year, 11, 15), 4, true}));
        }
    }

    void fillSpan_data() {
        QTest::addColumn<int>("firstYear");
        QTest::addColumn<int>("lastYear");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("firstFilled");
        QTest::addColumn<int>("lastFilled");
        QTest::newRow("two years") << 2025 << 2026 << true << 2025 << 2026;
        QTest::newRow("a single year") << 2025 << 2025 << true << 2025 << 2025;
        QTest::newRow("starts before the table") << 1999 << 2010 << true << 2008 << 2010;
        QTest::newRow("ends after the table") << 2097 << 2150 << true << 2097 << 2099;
        QTest::newRow("wholly after the table") << 2100 << 2200 << false << 0 << -1;
        QTest::newRow("wholly before the table") << 1990 << 2007 << false << 0 << -1;
        QTest::newRow("reversed") << 2030 << 2020 << false << 0 << -1;
    }

    void fillSpan() {
        QFETCH(int, firstYear);
        QFETCH(int, lastYear);
        QFETCH(bool, result);
        QFETCH(int, firstFilled);
        QFETCH(int, lastFilled);
        for (bool israel : {false, true}) {
            M model;
            const bool filled = israel ? model.automaticFillIsrael(firstYear, lastYear)
                                       : model.automaticFill(firstYear, lastYear, 4, QDate(2020, 3, 1), 2, 6,
                                                             4, QDate(2020, 10, 1), 2, 6);
            QCOMPARE(filled, result);
            for (int row = 0; row < Rows; ++row) {
                const int year = 2008 + row;
                QCOMPARE(model.at(row).enabled, year >= firstFilled && year <= lastFilled);
            }
        }
    }

    void badRulesWriteNothing_data() {
        QTest::addColumn<int>("wiSoWeek");
        QTest::addColumn<QDate>("wiSoMonth");
        QTest::addColumn<int>("wiSoHour");
        QTest::addColumn<int>("wiSoDay");
        QTest::newRow("hour 24") << 4 << QDate(2020, 3, 1) << 24 << 6;
        QTest::newRow("negative hour") << 4 << QDate(2020, 3, 1) << -1 << 6;
        QTest::newRow("week 5") << 5 << QDate(2020, 3, 1) << 2 << 6;
        QTest::newRow("week -2") << -2 << QDate(2020, 3, 1) << 2 << 6;
        QTest::newRow("weekday 7") << 4 << QDate(2020, 3, 1) << 2 << 7;
        QTest::newRow("no month") << 4 << QDate() << 2 << 6;
        QTest::newRow("no fixed date") << -1 << QDate() << 2 << -1;
    }

    void badRulesWriteNothing() {
        QFETCH(int, wiSoWeek);
        QFETCH(QDate, wiSoMonth);
        QFETCH(int, wiSoHour);
        QFETCH(int, wiSoDay);
        M model;
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(!model.automaticFill(2010, 2020, wiSoWeek, wiSoMonth, wiSoHour, wiSoDay, 4,
                                     QDate(2020, 10, 1), 2, 6));
        QCOMPARE(model.dateTimes(), blankTable());
        QCOMPARE(changed.count(), 0);
    }

    void israelEveryYear() {
        M model;
        QVERIFY(model.automaticFillIsrael(2008, 2099));
        for (int row = 0; row < Rows; ++row) {
            const int year = 2008 + row;
            const QDate lastSundayOfMarch = occurrences(year, 3, 6).last();
            // Summer time starts on the Friday before that Sunday, on the Saturday in 2044 and 2045.
            const int daysBefore = year == 2044 || year == 2045 ? 1 : 2;
            const SoWiDateTime expected{
                year, lastSundayOfMarch.addDays(-daysBefore), 2, occurrences(year, 10, 6).last(), 2, true};
            QCOMPARE(model.at(row), expected);
        }
        QCOMPARE(model.at(2044 - 2008).wiSoDate, QDate(2044, 3, 26));
        QCOMPARE(model.at(2045 - 2008).wiSoDate, QDate(2045, 3, 25));
        QCOMPARE(model.at(2044 - 2008).soWiDate, QDate(2044, 10, 30));
        QCOMPARE(model.at(2045 - 2008).soWiDate, QDate(2045, 10, 29));
        QCOMPARE(model.at(0).wiSoDate, QDate(2008, 3, 28));
        QCOMPARE(model.at(2024 - 2008).wiSoDate, QDate(2024, 3, 29));
        QCOMPARE(model.at(Rows - 1).soWiDate, QDate(2099, 10, 25));
    }

    void selection() {
        M model;
        QSignalSpy selectionSpy(&model, &M::hasSelectionChanged);
        model.select(5, true);
        model.select(3, false);
        QCOMPARE(model.selectionCount(), 1);
        QVERIFY(model.data(model.index(3), M::SelectedRole).toBool());
        QVERIFY(!model.data(model.index(5), M::SelectedRole).toBool());
        model.select(4, true);
        model.select(4, true);
        QCOMPARE(model.selectionCount(), 1);
        QCOMPARE(selectionSpy.count(), 4);

        model.selectRange(12, 7);
        QCOMPARE(model.selectionCount(), 6);
        QVERIFY(model.data(model.index(7), M::SelectedRole).toBool());
        QVERIFY(model.data(model.index(12), M::SelectedRole).toBool());
        model.selectRange(-4, 200);
        QCOMPARE(model.selectionCount(), Rows);
        model.clearSelected();
        QCOMPARE(model.selectionCount(), 0);
        model.selectAll();
        QCOMPARE(model.selectionCount(), Rows);
        QVERIFY(model.canCopy());
        model.select(Rows, false);
        QCOMPARE(model.selectionCount(), Rows);
    }

    void selectedRole() {
        M model;
        model.select(2, true);
        model.select(6, true);
        // true: the row becomes the only selected one; false: the row leaves the selection.
        QVERIFY(model.setData(model.index(9), true, M::SelectedRole));
        QCOMPARE(model.selectionCount(), 1);
        QVERIFY(model.data(model.index(9), M::SelectedRole).toBool());
        model.select(4, true);
        QVERIFY(model.setData(model.index(9), false, M::SelectedRole));
        QCOMPARE(model.selectionCount(), 1);
        QVERIFY(model.data(model.index(4), M::SelectedRole).toBool());
        QVERIFY(!model.data(model.index(9), M::SelectedRole).toBool());
    }

    void removeSelectedAndClearAll() {
        M model;
        QVERIFY(model.automaticFillIsrael(2008, 2099));
        model.select(10, false);
        model.removeSelected();
        QCOMPARE(model.at(10), (SoWiDateTime{2018, QDate(2018, 3, 1), 2, QDate(2018, 10, 1), 3, false}));
        QCOMPARE(model.at(11).enabled, true);
        QCOMPARE(model.selectionCount(), 0);

        model.select(20, false);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.clearAll();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.dateTimes(), blankTable());
        QCOMPARE(model.selectionCount(), 1);
    }

    void setDataWritesChecked_data() {
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("wiSo date") << int(M::WiSoDateRole) << QVariant(QDate(2012, 3, 25)) << true
                                   << QVariant(QDate(2012, 3, 25));
        QTest::newRow("date of another year")
            << int(M::SoWiDateRole) << QVariant(QDate(2099, 10, 28)) << true << QVariant(QDate(2012, 10, 28));
        QTest::newRow("29 february") << int(M::WiSoDateRole) << QVariant(QDate(2016, 2, 29)) << true
                                     << QVariant(QDate(2012, 2, 29));
        QTest::newRow("wiSo hour") << int(M::WiSoHourRole) << QVariant(23) << true << QVariant(23);
        QTest::newRow("soWi hour") << int(M::SoWiHourRole) << QVariant(0) << true << QVariant(0);
        QTest::newRow("enabled") << int(M::EnabledRole) << QVariant(true) << true << QVariant(true);
        QTest::newRow("hour 24") << int(M::WiSoHourRole) << QVariant(24) << false << QVariant(2);
        QTest::newRow("negative hour") << int(M::SoWiHourRole) << QVariant(-1) << false << QVariant(3);
        QTest::newRow("no date") << int(M::WiSoDateRole) << QVariant(QDate()) << false
                                 << QVariant(QDate(2012, 3, 1));
    }

    void setDataWritesChecked() {
        QFETCH(int, role);
        QFETCH(QVariant, value);
        QFETCH(bool, accepted);
        QFETCH(QVariant, stored);
        M model;
        const QModelIndex index = model.index(2012 - 2008);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QCOMPARE(model.setData(index, value, role), accepted);
        QCOMPARE(model.data(index, role), stored);
        QCOMPARE(changed.count(), accepted ? 2 : 0);
        if (accepted)
            QCOMPARE(changed.first().at(2).value<QList<int>>(), QList<int>{role});
    }

    void setDataOutsideTheTable() {
        M model;
        QVERIFY(!model.setData(model.index(Rows), 4, M::WiSoHourRole));
        QVERIFY(!model.setData(model.index(0), 4, M::SelectedRole + 1));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(model.setData(model.index(0), 2, M::WiSoHourRole));
        QCOMPARE(changed.count(), 0);
    }

    void setWhileLoading_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("wiSoDate");
        QTest::addColumn<int>("wiSoHour");
        QTest::addColumn<bool>("written");
        QTest::newRow("a row") << 5 << 2013 << QDate(2013, 3, 31) << 2 << true;
        QTest::newRow("the last row") << 91 << 2099 << QDate(2099, 3, 29) << 2 << true;
        QTest::newRow("year of another row") << 5 << 2014 << QDate(2013, 3, 31) << 2 << false;
        QTest::newRow("after the table") << 92 << 2100 << QDate(2100, 3, 28) << 2 << false;
        QTest::newRow("negative row") << -1 << 2007 << QDate(2007, 3, 25) << 2 << false;
        QTest::newRow("hour 24") << 5 << 2013 << QDate(2013, 3, 31) << 24 << false;
        QTest::newRow("no date") << 5 << 2013 << QDate() << 2 << false;
    }

    void setWhileLoading() {
        QFETCH(int, index);
        QFETCH(int, year);
        QFETCH(QDate, wiSoDate);
        QFETCH(int, wiSoHour);
        QFETCH(bool, written);
        M model;
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        const SoWiDateTime row{year, wiSoDate, wiSoHour, QDate(year, 10, 27), 2, true};
        QCOMPARE(model.set(index, year, wiSoDate, wiSoHour, QDate(year, 10, 27), 2, true), written);
        QCOMPARE(changed.count(), 0);
        if (written)
            QCOMPARE(model.at(index), row);
        else
            QCOMPARE(model.dateTimes(), blankTable());
    }

    void atOutsideTheTable() {
        M model;
        QCOMPARE(model.at(Rows), SoWiDateTime());
        QCOMPARE(model.at(-1), SoWiDateTime());
        QCOMPARE(model.at(Rows).year, 0);
    }

    void getWeekDay() {
        M model;
        QCOMPARE(model.getWeekDay(4, 2025, 3, 6), QDate(2025, 3, 30));
        QCOMPARE(model.getWeekDay(0, 2025, 11, 6), QDate(2025, 11, 2));
    }
};

QTEST_GUILESS_MAIN(TestSommerWinterTable)
#include "tst_sommerwintertable.moc"
