#include "daterangefields.h"
#include "daterangelistmodel.h"

#include <clipboarddocument.h>
#include <storage/daterange.h>

#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>
#include <utils/wallclock.h>

using storage::DateRange;

namespace {

QDateTime at(int year, int month, int day, int hour = 0, int minute = 0) {
    return utils::WallClock::at(QDate(year, month, day), QTime(hour, minute));
}

DateRange makeRange(int type, const QDateTime& start, const QDateTime& end, int startDay, int endDay,
                    int duration, int repeat) {
    DateRange range(static_cast<DateRange::Type>(type));
    range.setStartDate(start);
    range.setEndDate(end);
    range.setStartDay(startDay);
    range.setEndDay(endDay);
    range.setDuration(duration);
    range.setRepeat(repeat);
    range.setWeekRuleDay(3);
    range.setWeekRuleWeekDay(5);
    range.setWeekRuleMonth(7);
    return range;
}

} // namespace

class TestDateRangeClipboard : public QObject {
    Q_OBJECT

private slots:
    void writtenAndReadBack() {
        const QList<DateRange> ranges{
            makeRange(0, at(2026, 5, 10, 8, 15), at(2026, 5, 12, 9), -255, -255, 1, 2),
            makeRange(1, at(2008, 2, 29, 6), at(2008, 3, 2, 7), -255, -255, 1, 2),
            makeRange(2, at(2026, 1, 1), at(2026, 1, 1, 23, 59), -2, 1, 1, 2),
            makeRange(3, at(2026, 3, 1, 6), at(2026, 3, 3, 18), -255, -255, 1, 14),
            makeRange(4, at(2026, 3, 1, 6), at(2026, 3, 1, 6), -255, -255, 36, 2),
            makeRange(5, at(2026, 1, 1, 5), at(2026, 1, 1, 6), -3, 4, 1, 2),
        };
        DateRangeListModel model;
        model.setDateRanges(ranges);
        QObject::connect(&model, &DateRangeListModel::fillClipboard, &model, [](const QJsonArray& array) {
            ClipboardDocument::place(
                ClipboardDocument::wrap(QStringLiteral("dateRanges"), array, QJsonObject()));
        });
        model.selectAll();
        model.copySelected();

        const std::optional<QJsonArray> list =
            ClipboardDocument::listOnClipboard(QStringLiteral("dateRanges"));
        QVERIFY(list);
        QCOMPARE(list->size(), ranges.size());
        for (int i = 0; i < ranges.size(); ++i)
            QCOMPARE(DateRangeFields::fromJsonObject(list->at(i).toObject()),
                     DateRangeFields::of(ranges.at(i)));
    }

    void handWrittenRange_data() {
        const DateRangeFields fresh = DateRangeFields::of(DateRange());
        QTest::addColumn<QJsonObject>("object");
        QTest::addColumn<DateRangeFields>("expected");

        QTest::newRow("empty object") << QJsonObject() << fresh;

        DateRangeFields series = fresh;
        series.type = DateRange::Serie;
        series.startDate = utils::WallClock::at(QDate(2026, 4, 1), fresh.startDate.time());
        series.repeat = 10;
        QTest::newRow("series with a start day and a repeat")
            << QJsonObject{{"type", "serie"}, {"start-date", QDate(2026, 4, 1).toJulianDay()}, {"repeat", 10}}
            << series;

        DateRangeFields holiday = fresh;
        holiday.endDate = utils::WallClock::at(fresh.endDate.date(), QTime(13, 30));
        QTest::newRow("holiday as a fixed range")
            << QJsonObject{{"type", "holiday"}, {"end-time", 13 * 3600000 + 30 * 60000}} << holiday;

        QTest::newRow("unknown type and unreadable members")
            << QJsonObject{{"type", "Yearly"}, {"start-time", 90000000}, {"repeat", "7"}, {"duration", 1.5}}
            << fresh;

        DateRangeFields yearly = fresh;
        yearly.type = DateRange::Yearly;
        yearly.startDate = at(2008, 12, 24, 18);
        yearly.endDate = at(2008, 12, 26, 0);
        QTest::newRow("yearly in another year")
            << QJsonObject{{"type", "yearly"},
                           {"start-date", QDate(2031, 12, 24).toJulianDay()},
                           {"start-time", 18 * 3600000},
                           {"end-date", QDate(2031, 12, 26).toJulianDay()},
                           {"end-time", 0}}
            << yearly;
    }

    void handWrittenRange() {
        QFETCH(QJsonObject, object);
        QFETCH(DateRangeFields, expected);
        QCOMPARE(DateRangeFields::fromJsonObject(object), expected);
    }
};

QTEST_MAIN(TestDateRangeClipboard)
#include "tst_daterangeclipboard.moc"
