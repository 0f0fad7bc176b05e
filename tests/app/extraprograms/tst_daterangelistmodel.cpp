#include "daterangelistmodel.h"

#include <storage/daterange.h>

#include <QSignalSpy>
#include <QtTest>
#include <utils/wallclock.h>

#include "summertimegaps.h"

using storage::DateRange;
using M = DateRangeListModel;

namespace {

QDateTime at(int year, int month, int day, int hour = 0, int minute = 0) {
    return utils::WallClock::at(QDate(year, month, day), QTime(hour, minute));
}

DateRange makeRange(int type, const QDateTime& start, const QDateTime& end) {
    DateRange range(static_cast<DateRange::Type>(type));
    range.setStartDate(start);
    range.setEndDate(end);
    return range;
}

// The role lists of the dataChanged signals a spy caught for one row and for all rows.
struct Changes {
    QList<QList<int>> rowRoles;
    int allRowsErrorSignals = 0;
};

Changes changesOf(const QSignalSpy& spy, int row, int count) {
    Changes changes;
    for (const QList<QVariant>& signal : spy) {
        const auto first = signal.at(0).value<QModelIndex>();
        const auto last = signal.at(1).value<QModelIndex>();
        const auto roles = signal.at(2).value<QList<int>>();
        if (first.row() == 0 && last.row() == count - 1 && roles == QList<int>{M::ErrorRole})
            ++changes.allRowsErrorSignals;
        else if (first.row() == row && last.row() == row)
            changes.rowRoles.append(roles);
    }
    return changes;
}

} // namespace

class TestDateRangeListModel : public QObject {
    Q_OBJECT

private:
    qint64 m_now = 1000;

    // A model with a clock the test steps by hand, and the ranges given.
    void prepare(M& model, const QList<DateRange>& ranges) {
        model.setClock([this] { return m_now; });
        model.setDateRanges(ranges);
    }

    // Leaves the window after an undo or redo in which writes are not recorded.
    void afterGuardWindow() { m_now += 1000; }

    static QList<DateRange> fixedRanges(int n) {
        QList<DateRange> ranges;
        for (int i = 0; i < n; ++i)
            ranges.append(makeRange(DateRange::FixYear, at(2026, 1, 1 + i, 8), at(2026, 1, 1 + i, 9)));
        return ranges;
    }

private slots:
    void readsEveryRole() {
        DateRange range = makeRange(DateRange::WeekRule, at(2026, 4, 2, 6, 30), at(2026, 4, 9, 18, 15));
        range.setStartDay(-3);
        range.setEndDay(4);
        range.setDuration(12);
        range.setRepeat(9);
        range.setWeekRuleDay(2);
        range.setWeekRuleWeekDay(3);
        range.setWeekRuleMonth(11);
        M model;
        prepare(model, {range});
        const QModelIndex index = model.index(0);

        QCOMPARE(model.data(index, M::TypeRole).toInt(), 4);
        QCOMPARE(model.data(index, M::StartDateRole).toDateTime(), at(2026, 4, 2, 6, 30));
        QCOMPARE(model.data(index, M::StartTimeRole).toDateTime(), at(2026, 4, 2, 6, 30));
        QCOMPARE(model.data(index, M::EndDateRole).toDateTime(), at(2026, 4, 9, 18, 15));
        QCOMPARE(model.data(index, M::EndTimeRole).toDateTime(), at(2026, 4, 9, 18, 15));
        QCOMPARE(model.data(index, M::SelectedRole).toBool(), false);
        QCOMPARE(model.data(index, M::StartDayRole).toInt(), -3);
        QCOMPARE(model.data(index, M::EndDayRole).toInt(), 4);
        QCOMPARE(model.data(index, M::DurationRole).toInt(), 12);
        QCOMPARE(model.data(index, M::RepeatRole).toInt(), 9);
        QCOMPARE(model.data(index, M::WeekRuleDayRole).toInt(), 2);
        QCOMPARE(model.data(index, M::WeekRuleWeekDayRole).toInt(), 3);
        QCOMPARE(model.data(index, M::WeekRuleMonthRole).toInt(), 11);
        QCOMPARE(model.data(index, M::ErrorRole).toString(), QString());
        QVERIFY(!model.data(index, M::ErrorRole + 1).isValid());
        QVERIFY(!model.data(model.index(1), M::TypeRole).isValid());

        const QHash<int, QByteArray> names = model.roleNames();
        QCOMPARE(names.value(257), QByteArray("type"));
        QCOMPARE(names.value(262), QByteArray("selected"));
        QCOMPARE(names.value(265), QByteArray("duration"));
        QCOMPARE(names.value(269), QByteArray("weekRuleMonth"));
        QCOMPARE(names.value(270), QByteArray("error"));
        QCOMPARE(names.size(), 14);
    }

    void errorRoleAndCount() {
        M model;
        prepare(model, {makeRange(0, at(2026, 5, 10, 8), at(2026, 5, 9, 8)),
                        makeRange(0, at(2026, 5, 10), at(2026, 5, 11)),
                        makeRange(3, at(2026, 3, 1), at(2026, 3, 8))});
        model.setData(model.index(2), 7, M::RepeatRole);
        QCOMPARE(model.data(model.index(0), M::ErrorRole).toString(),
                 QStringLiteral("Ende muss nach dem Beginn liegen"));
        QCOMPARE(model.data(model.index(2), M::ErrorRole).toString(),
                 QStringLiteral("Überschneidung nicht zulässig"));
        QCOMPARE(model.errorCount(), 2);
    }

    void editIsUndoable_data() {
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("start date") << int(M::StartDateRole) << QVariant(QDate(2026, 2, 3))
                                    << QVariant(at(2026, 2, 3, 8));
        QTest::newRow("start time") << int(M::StartTimeRole) << QVariant(QTime(7, 45))
                                    << QVariant(at(2026, 1, 1, 7, 45));
        QTest::newRow("end date") << int(M::EndDateRole) << QVariant(QDate(2026, 2, 3))
                                  << QVariant(at(2026, 2, 3, 9));
        QTest::newRow("end time") << int(M::EndTimeRole) << QVariant(QTime(22, 10))
                                  << QVariant(at(2026, 1, 1, 22, 10));
        QTest::newRow("start day") << int(M::StartDayRole) << QVariant(-2) << QVariant(-2);
        QTest::newRow("end day") << int(M::EndDayRole) << QVariant(5) << QVariant(5);
        QTest::newRow("duration") << int(M::DurationRole) << QVariant(30) << QVariant(30);
        QTest::newRow("repeat") << int(M::RepeatRole) << QVariant(14) << QVariant(14);
        QTest::newRow("week rule day") << int(M::WeekRuleDayRole) << QVariant(5) << QVariant(5);
        QTest::newRow("week rule weekday") << int(M::WeekRuleWeekDayRole) << QVariant(7) << QVariant(7);
        QTest::newRow("week rule month") << int(M::WeekRuleMonthRole) << QVariant(12) << QVariant(12);
        QTest::newRow("type") << int(M::TypeRole) << QVariant(3) << QVariant(3);
    }

    void editIsUndoable() {
        QFETCH(int, role);
        QFETCH(QVariant, value);
        QFETCH(QVariant, expected);
        M model;
        prepare(model, fixedRanges(2));
        const QVariant before = model.data(model.index(0), role);

        QVERIFY(model.setData(model.index(0), value, role));
        QCOMPARE(model.data(model.index(0), role), expected);
        QVERIFY(model.canUndo());
        model.undo();
        QCOMPARE(model.data(model.index(0), role), before);
        model.redo();
        QCOMPARE(model.data(model.index(0), role), expected);
    }

    // An undo puts back what its step changed; a write behind the model (an editor's save) stays.
    void undoKeepsAWriteBehindTheModel() {
        M model;
        prepare(model, fixedRanges(1));
        QVERIFY(model.setData(model.index(0), QTime(7, 45), M::StartTimeRole));
        DateRange behind = model.dateRanges().first();
        behind.setEndDate(at(2026, 1, 3, 12));
        behind.setRepeat(9);
        model.emitRowChanged(0);
        afterGuardWindow();
        model.undo();
        QCOMPARE(behind.startDate(), at(2026, 1, 1, 8));
        QCOMPARE(behind.endDate(), at(2026, 1, 3, 12));
        QCOMPARE(behind.repeat(), 9);
        afterGuardWindow();
        model.redo();
        QCOMPARE(behind.startDate(), at(2026, 1, 1, 7, 45));
        QCOMPARE(behind.endDate(), at(2026, 1, 3, 12));
        QCOMPARE(behind.repeat(), 9);
    }

    // A write in the window after an undo is not recorded, and the redo does not take it back.
    void redoKeepsAWriteInsideTheWindow() {
        M model;
        prepare(model, fixedRanges(1));
        QVERIFY(model.setData(model.index(0), QTime(7, 45), M::StartTimeRole));
        afterGuardWindow();
        model.undo();
        QVERIFY(model.setData(model.index(0), 9, M::RepeatRole));
        QVERIFY(model.setData(model.index(0), QDate(2026, 1, 2), M::EndDateRole));
        afterGuardWindow();
        model.redo();
        const DateRange range = model.dateRanges().first();
        QCOMPARE(range.startDate(), at(2026, 1, 1, 7, 45));
        QCOMPARE(range.repeat(), 9);
        QCOMPARE(range.endDate(), at(2026, 1, 2, 9));
        afterGuardWindow();
        model.undo();
        QCOMPARE(range.startDate(), at(2026, 1, 1, 8));
        QCOMPARE(range.repeat(), 9);
        QCOMPARE(range.endDate(), at(2026, 1, 2, 9));
    }

    void gapDateTimesAreWrittenAndRead_data() { summertimegaps::addRows(); }

    // Dates and times written in the hour the PC's clock skips read back as written, without an
    // error.
    void gapDateTimesAreWrittenAndRead() {
        QFETCH(QByteArray, zone);
        QFETCH(QDateTime, reading);
        const summertimegaps::ZoneScope inZone(zone);
        M model;
        prepare(model, fixedRanges(1));
        const QModelIndex row = model.index(0);
        QVERIFY(model.setData(row, reading.date(), M::StartDateRole));
        QVERIFY(model.setData(row, reading.time(), M::StartTimeRole));
        QVERIFY(model.setData(row, reading.date(), M::EndDateRole));
        QVERIFY(model.setData(row, reading.time().addSecs(1800), M::EndTimeRole));
        QCOMPARE(model.data(row, M::StartDateRole).toDateTime(), reading);
        QCOMPARE(model.data(row, M::StartTimeRole).toDateTime().time(), reading.time());
        QCOMPARE(model.data(row, M::EndDateRole).toDateTime(), reading.addSecs(1800));
        QCOMPARE(model.data(row, M::ErrorRole).toString(), QString());
        QCOMPARE(model.errorCount(), 0);
        afterGuardWindow();
        model.undo();
        QCOMPARE(model.data(row, M::EndDateRole).toDateTime(), utils::WallClock::at(reading.date(), QTime(9, 0)));
    }

    void sameValueRecordsNothing() {
        M model;
        prepare(model, fixedRanges(1));
        QVERIFY(model.setData(model.index(0), 2, M::RepeatRole));
        QVERIFY(!model.canUndo());
    }

    void badWritesAreRefused_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("row after the list") << 1 << int(M::RepeatRole) << QVariant(3);
        QTest::newRow("negative row") << -1 << int(M::RepeatRole) << QVariant(3);
        QTest::newRow("error role") << 0 << int(M::ErrorRole) << QVariant(QStringLiteral("x"));
        QTest::newRow("unknown role") << 0 << int(M::ErrorRole + 1) << QVariant(3);
        QTest::newRow("no date") << 0 << int(M::StartDateRole) << QVariant(QDate());
        QTest::newRow("text for a date") << 0 << int(M::EndDateRole) << QVariant(QStringLiteral("tomorrow"));
        QTest::newRow("no time") << 0 << int(M::EndTimeRole) << QVariant(QTime());
        QTest::newRow("text for a number") << 0 << int(M::RepeatRole) << QVariant(QStringLiteral("seven"));
        QTest::newRow("unknown type") << 0 << int(M::TypeRole) << QVariant(9);
    }

    void badWritesAreRefused() {
        QFETCH(int, row);
        QFETCH(int, role);
        QFETCH(QVariant, value);
        M model;
        prepare(model, fixedRanges(1));
        const DateRange range = model.dateRanges().first();
        const QJsonObject before = range.toJsonObject();
        QVERIFY(!model.setData(model.index(row), value, role));
        QCOMPARE(range.toJsonObject(), before);
        QVERIFY(!model.canUndo());
    }

    void startDateSignals_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("roles");
        QTest::newRow("week rule") << 4 << QList<int>{M::StartDateRole};
        QTest::newRow("fixed") << 0 << QList<int>{M::StartDateRole, M::DurationRole};
        QTest::newRow("series") << 3 << QList<int>{M::StartDateRole, M::DurationRole};
    }

    void startDateSignals() {
        QFETCH(int, type);
        QFETCH(QList<int>, roles);
        M model;
        QList<DateRange> ranges = fixedRanges(3);
        ranges[1].setType(type);
        prepare(model, ranges);
        QSignalSpy spy(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(model.setData(model.index(1), QDate(2026, 6, 1), M::StartDateRole));
        const Changes changes = changesOf(spy, 1, 3);
        QCOMPARE(changes.rowRoles, QList<QList<int>>{roles});
        QCOMPARE(changes.allRowsErrorSignals, 1);
    }

    void typeChangeSignals_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QList<int>>("roles");
        const QList<int> withDates{M::TypeRole, M::StartDateRole, M::EndDateRole, M::DurationRole};
        QTest::newRow("yearly to fixed") << 1 << 0 << withDates;
        QTest::newRow("fixed to yearly") << 0 << 1 << withDates;
        QTest::newRow("fixed to series") << 0 << 3 << QList<int>{M::TypeRole};
    }

    void typeChangeSignals() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QList<int>, roles);
        M model;
        prepare(model, {makeRange(from, at(2008, 5, 1), at(2008, 5, 2))});
        QSignalSpy spy(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(model.setData(model.index(0), to, M::TypeRole));
        const Changes changes = changesOf(spy, 0, 1);
        QCOMPARE(changes.rowRoles, QList<QList<int>>{roles});
        QCOMPARE(changes.allRowsErrorSignals, 1);
    }

    void yearlyRangesLiveInTheLeapYear() {
        const int thisYear = QDate::currentDate().year();
        M model;
        prepare(model, {makeRange(DateRange::FixYear, at(2027, 2, 28, 6), at(2027, 3, 3, 7))});
        QVERIFY(model.setData(model.index(0), int(DateRange::Yearly), M::TypeRole));
        QCOMPARE(model.data(model.index(0), M::StartDateRole).toDateTime(), at(2008, 2, 28, 6));
        QCOMPARE(model.data(model.index(0), M::EndDateRole).toDateTime(), at(2008, 3, 3, 7));

        // A date the view writes in any year is kept in the leap year.
        QVERIFY(model.setData(model.index(0), QDate(2023, 2, 1), M::StartDateRole));
        QCOMPARE(model.data(model.index(0), M::StartDateRole).toDateTime(), at(2008, 2, 1, 6));

        QVERIFY(model.setData(model.index(0), int(DateRange::FixYear), M::TypeRole));
        QCOMPARE(model.data(model.index(0), M::StartDateRole).toDateTime(), at(thisYear, 2, 1, 6));
        QCOMPARE(model.data(model.index(0), M::EndDateRole).toDateTime(), at(thisYear, 3, 3, 7));
    }

    void undoOfTypeRestoresTheDates() {
        // 29 February leaves the leap year as 1 March when the current year has none.
        M model;
        prepare(model, {makeRange(DateRange::Yearly, at(2008, 2, 29, 6), at(2008, 12, 31, 7))});
        QVERIFY(model.setData(model.index(0), int(DateRange::FixYear), M::TypeRole));
        QCOMPARE(model.data(model.index(0), M::StartDateRole).toDateTime().date().year(),
                 QDate::currentDate().year());
        model.undo();
        QCOMPARE(model.data(model.index(0), M::TypeRole).toInt(), int(DateRange::Yearly));
        QCOMPARE(model.data(model.index(0), M::StartDateRole).toDateTime(), at(2008, 2, 29, 6));
        QCOMPARE(model.data(model.index(0), M::EndDateRole).toDateTime(), at(2008, 12, 31, 7));

        // And the other way: the dates of a fixed range come back out of the leap year.
        M other;
        prepare(other, {makeRange(DateRange::FixYear, at(2031, 7, 4, 6), at(2031, 7, 5, 7))});
        QVERIFY(other.setData(other.index(0), int(DateRange::Yearly), M::TypeRole));
        QCOMPARE(other.data(other.index(0), M::StartDateRole).toDateTime(), at(2008, 7, 4, 6));
        other.undo();
        QCOMPARE(other.data(other.index(0), M::StartDateRole).toDateTime(), at(2031, 7, 4, 6));
        QCOMPARE(other.data(other.index(0), M::EndDateRole).toDateTime(), at(2031, 7, 5, 7));
        other.redo();
        QCOMPARE(other.data(other.index(0), M::StartDateRole).toDateTime(), at(2008, 7, 4, 6));
    }

    void selectedIsNotUndoable() {
        M model;
        prepare(model, fixedRanges(3));
        QSignalSpy selection(&model, &M::selectionChanged);
        QSignalSpy data(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(model.setData(model.index(1), true, M::SelectedRole));
        QVERIFY(!model.canUndo());
        QCOMPARE(model.selectionCount(), 1);
        QCOMPARE(selection.count(), 1);
        QCOMPARE(data.count(), 1);
        QCOMPARE(data.first().at(2).value<QList<int>>(), QList<int>{M::SelectedRole});

        QVERIFY(model.setData(model.index(1), true, M::SelectedRole));
        QCOMPARE(selection.count(), 1);
        QCOMPARE(data.count(), 1);
    }

    void selectRange() {
        M model;
        prepare(model, fixedRanges(8));
        model.selectRange(5, 2);
        QCOMPARE(model.selectionCount(), 4);
        for (int row = 0; row < 8; ++row)
            QCOMPARE(model.data(model.index(row), M::SelectedRole).toBool(), row >= 2 && row <= 5);
        QVERIFY(!model.isAllSelected());

        // A new range replaces the old one, and the rows that leave it are repainted.
        QSignalSpy data(&model, &QAbstractItemModel::dataChanged);
        model.selectRange(6, 7);
        QCOMPARE(model.selectionCount(), 2);
        QCOMPARE(data.count(), 1);
        QCOMPARE(data.first().at(0).value<QModelIndex>().row(), 2);
        QCOMPARE(data.first().at(1).value<QModelIndex>().row(), 7);

        model.selectRange(0, 7);
        QVERIFY(model.isAllSelected());
    }

    void selectRangeChecksItsRows() {
        M model;
        prepare(model, fixedRanges(4));
        model.selectRange(2, 40);
        QCOMPARE(model.selectionCount(), 2);
        model.selectRange(-5, 0);
        QCOMPARE(model.selectionCount(), 1);
        QVERIFY(model.data(model.index(0), M::SelectedRole).toBool());

        M empty;
        prepare(empty, {});
        QSignalSpy data(&empty, &QAbstractItemModel::dataChanged);
        empty.selectRange(0, 3);
        QCOMPARE(empty.selectionCount(), 0);
        QCOMPARE(data.count(), 0);
    }

    void selectAllAndClear() {
        M model;
        prepare(model, fixedRanges(3));
        model.selectAll();
        QCOMPARE(model.selectionCount(), 3);
        QVERIFY(model.isAllSelected());
        QSignalSpy selection(&model, &M::selectionChanged);
        model.selectAll(true);
        QCOMPARE(selection.count(), 0);
        model.clearSelection();
        QCOMPARE(model.selectionCount(), 0);
        QVERIFY(!model.isAllSelected());
        model.setData(model.index(0), true, M::SelectedRole);
        model.setData(model.index(1), true, M::SelectedRole);
        QVERIFY(!model.isAllSelected());
        model.setData(model.index(2), true, M::SelectedRole);
        QVERIFY(model.isAllSelected());
    }

    void removeAndUndoRestoresRows() {
        M model;
        const QList<DateRange> ranges = fixedRanges(5);
        prepare(model, ranges);
        const QJsonObject second = ranges.at(1).toJsonObject();
        const QJsonObject fourth = ranges.at(3).toJsonObject();
        model.setData(model.index(1), true, M::SelectedRole);
        model.setData(model.index(3), true, M::SelectedRole);
        QSignalSpy refresh(&model, &M::needRefresh);
        model.removeSelected();
        QCOMPARE(model.count(), 3);
        QCOMPARE(refresh.count(), 1);
        // The selection forgets the removed ranges.
        QCOMPARE(model.selectionCount(), 0);

        model.undo();
        QCOMPARE(model.count(), 5);
        QCOMPARE(model.getJsonObject(1), second);
        QCOMPARE(model.getJsonObject(3), fourth);
        QCOMPARE(model.dateRanges(), ranges);
        QCOMPARE(model.selectionCount(), 0);
    }

    void removingEverySelectedRowRecountsAll() {
        M model;
        prepare(model, fixedRanges(2));
        model.selectAll();
        model.removeSelected();
        QCOMPARE(model.count(), 0);
        QVERIFY(model.isAllSelected());
        model.undo();
        QCOMPARE(model.count(), 2);
        QVERIFY(!model.isAllSelected());
    }

    void removeSelectedWithoutSelection() {
        M model;
        prepare(model, fixedRanges(2));
        model.removeSelected();
        QCOMPARE(model.count(), 2);
        QVERIFY(!model.canUndo());
    }

    void removeAllCannotBeUndone() {
        M model;
        prepare(model, fixedRanges(3));
        model.setData(model.index(0), 9, M::RepeatRole);
        QVERIFY(model.canUndo());
        QSignalSpy count(&model, &M::countChanged);
        QSignalSpy refresh(&model, &M::needRefresh);
        model.removeAll();
        QCOMPARE(model.count(), 0);
        QCOMPARE(count.count(), 1);
        QCOMPARE(refresh.count(), 1);
        QVERIFY(!model.canUndo());
        QVERIFY(!model.isAllSelected());
    }

    void insertIsUndoable() {
        M model;
        prepare(model, fixedRanges(2));
        const DateRange added = makeRange(DateRange::Easter, at(2008, 1, 1), at(2008, 1, 1));
        QSignalSpy count(&model, &M::countChanged);
        model.insertDateRange(added);
        QCOMPARE(model.count(), 3);
        QCOMPARE(*model.at(2), added);
        QCOMPARE(count.count(), 1);
        model.undo();
        QCOMPARE(model.count(), 2);
        QVERIFY(!model.dateRanges().contains(added));
        model.redo();
        QCOMPARE(model.dateRanges().last(), added);
    }

    void commandsFindTheirRangesAfterTheListMoved() {
        M model;
        const QList<DateRange> ranges = fixedRanges(3);
        prepare(model, ranges);
        // Edit the last range, then remove the one before it: the edit's undo must still reach
        // the range it changed, now one row higher.
        QVERIFY(model.setData(model.index(2), 20, M::RepeatRole));
        model.setData(model.index(1), true, M::SelectedRole);
        model.removeSelected();
        QCOMPARE(model.at(1)->repeat(), 20);
        afterGuardWindow();
        QVERIFY(model.setData(model.index(0), 30, M::RepeatRole));
        model.undo();
        model.undo();
        model.undo();
        QCOMPARE(model.dateRanges(), ranges);
        QCOMPARE(ranges.at(0).repeat(), 2);
        QCOMPARE(ranges.at(2).repeat(), 2);
        model.redo();
        model.redo();
        QCOMPARE(ranges.at(2).repeat(), 20);
        QCOMPARE(model.count(), 2);
    }

    void setDateRangesStartsAfresh() {
        M model;
        prepare(model, fixedRanges(3));
        model.setData(model.index(0), 9, M::RepeatRole);
        model.selectAll();
        QSignalSpy count(&model, &M::countChanged);
        model.setDateRanges(fixedRanges(2));
        QCOMPARE(model.count(), 2);
        QCOMPARE(model.selectionCount(), 0);
        QVERIFY(!model.canUndo());
        QCOMPARE(count.count(), 1);
    }

    void getJsonObjectChecksItsRow() {
        M model;
        const QList<DateRange> ranges = fixedRanges(2);
        prepare(model, ranges);
        QCOMPARE(model.getJsonObject(1), ranges.at(1).toJsonObject());
        QVERIFY(model.getJsonObject(2).isEmpty());
        QVERIFY(model.getJsonObject(-1).isEmpty());
        QVERIFY(!model.at(2));
    }

    void copySelectedInListOrder() {
        M model;
        const QList<DateRange> ranges = fixedRanges(4);
        prepare(model, ranges);
        QSignalSpy fill(&model, &M::fillClipboard);
        model.setData(model.index(3), true, M::SelectedRole);
        model.setData(model.index(0), true, M::SelectedRole);
        model.copySelected();
        QCOMPARE(fill.count(), 1);
        const auto array = fill.first().first().value<QJsonArray>();
        QCOMPARE(array, (QJsonArray{ranges.at(0).toJsonObject(), ranges.at(3).toJsonObject()}));

        model.clearSelection();
        model.copySelected();
        QCOMPARE(fill.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDateRangeListModel)
#include "tst_daterangelistmodel.moc"
