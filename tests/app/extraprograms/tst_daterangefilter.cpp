#include "daterangefilter.h"
#include "daterangelistmodel.h"

#include <storage/daterange.h>

#include <QtTest>
#include <utils/wallclock.h>

using storage::DateRange;
using M = DateRangeListModel;

namespace {

QDateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return utils::WallClock::at(QDate(year, month, day), QTime(hour, minute, second));
}

// A range named by its repeat value, so that the sorted order can be read back.
DateRange makeRange(int name, int type, const QDateTime& start, int startDay = 0) {
    DateRange range(static_cast<DateRange::Type>(type));
    range.setStartDate(start);
    range.setEndDate(start.addDays(1));
    range.setStartDay(startDay);
    range.setRepeat(name);
    return range;
}

QList<int> sortedNames(const DateRangeFilter& filter) {
    QList<int> names;
    for (int row = 0; row < filter.rowCount(); ++row)
        names.append(filter.data(filter.index(row, 0), M::RepeatRole).toInt());
    return names;
}

} // namespace

class TestDateRangeFilter : public QObject {
    Q_OBJECT

private slots:
    void order_data() {
        QTest::addColumn<QList<DateRange>>("ranges");
        QTest::addColumn<QList<int>>("order");

        QTest::newRow("fixed by full date")
            << QList<DateRange>{makeRange(1, 0, at(2027, 1, 5)), makeRange(2, 0, at(2026, 12, 5)),
                                makeRange(3, 0, at(2026, 12, 5, 0, 1))}
            << QList<int>{2, 3, 1};
        QTest::newRow("yearly ignores the year")
            << QList<DateRange>{makeRange(1, 1, at(2015, 3, 2)), makeRange(2, 1, at(2016, 3, 1))}
            << QList<int>{2, 1};
        QTest::newRow("yearly 29 February between 28 February and 1 March")
            << QList<DateRange>{makeRange(1, 1, at(2008, 3, 1)), makeRange(2, 1, at(2009, 2, 28)),
                                makeRange(3, 1, at(2008, 2, 29))}
            << QList<int>{2, 3, 1};
        QTest::newRow("yearly same day by time") << QList<DateRange>{makeRange(1, 1, at(2008, 6, 1, 9, 30)),
                                                                     makeRange(2, 1, at(2010, 6, 1, 9, 15))}
                                                 << QList<int>{2, 1};
        QTest::newRow("easter by offset")
            << QList<DateRange>{makeRange(1, 2, at(2008, 1, 1), 1), makeRange(2, 2, at(2009, 1, 1), -2),
                                makeRange(3, 2, at(2007, 1, 1), 39)}
            << QList<int>{2, 1, 3};
        QTest::newRow("chinese new year by offset")
            << QList<DateRange>{makeRange(1, 5, at(2008, 1, 1), 3), makeRange(2, 5, at(2009, 1, 1), -4),
                                makeRange(3, 5, at(2007, 1, 1), 0)}
            << QList<int>{2, 3, 1};
        QTest::newRow("series by full date")
            << QList<DateRange>{makeRange(1, 3, at(2026, 5, 1, 8)), makeRange(2, 3, at(2026, 5, 1, 7)),
                                makeRange(3, 3, at(2025, 9, 1))}
            << QList<int>{3, 2, 1};
        QTest::newRow("week rule by full date")
            << QList<DateRange>{makeRange(1, 4, at(2026, 5, 1, 8)), makeRange(2, 4, at(2026, 4, 1, 9))}
            << QList<int>{2, 1};
        QTest::newRow("types first, whatever the dates")
            << QList<DateRange>{makeRange(1, 5, at(2000, 1, 1), -20), makeRange(2, 4, at(2001, 1, 1)),
                                makeRange(3, 3, at(2002, 1, 1)),      makeRange(4, 2, at(2003, 1, 1), -81),
                                makeRange(5, 1, at(2008, 1, 1)),      makeRange(6, 0, at(2099, 12, 31)),
                                makeRange(7, 0, at(2098, 12, 31)),    makeRange(8, 1, at(2008, 12, 31))}
            << QList<int>{7, 6, 5, 8, 4, 3, 2, 1};
    }

    void order() {
        QFETCH(QList<DateRange>, ranges);
        QFETCH(QList<int>, order);
        auto* model = new M;
        model->setDateRanges(ranges);
        auto* filter = new DateRangeFilter(model);
        QCOMPARE(filter->parent(), model);
        QCOMPARE(sortedNames(*filter), order);
        delete model;
    }

    void editsSortAgainAtOnce() {
        M model;
        model.setDateRanges({makeRange(1, 0, at(2026, 1, 1)), makeRange(2, 0, at(2026, 2, 1)),
                             makeRange(3, 0, at(2026, 3, 1))});
        DateRangeFilter filter(&model);
        QCOMPARE(sortedNames(filter), (QList<int>{1, 2, 3}));

        QVERIFY(model.setData(model.index(0), QDate(2026, 2, 15), M::StartDateRole));
        QCOMPARE(sortedNames(filter), (QList<int>{2, 1, 3}));

        QVERIFY(model.setData(model.index(2), int(DateRange::Easter), M::TypeRole));
        QCOMPARE(sortedNames(filter), (QList<int>{2, 1, 3}));
        QVERIFY(model.setData(model.index(1), int(DateRange::Yearly), M::TypeRole));
        QCOMPARE(sortedNames(filter), (QList<int>{1, 2, 3}));

        model.insertDateRange(makeRange(4, 0, at(2020, 1, 1)));
        QCOMPARE(sortedNames(filter), (QList<int>{4, 1, 2, 3}));
        model.undo();
        QCOMPARE(sortedNames(filter), (QList<int>{1, 2, 3}));
    }
};

QTEST_GUILESS_MAIN(TestDateRangeFilter)
#include "tst_daterangefilter.moc"
