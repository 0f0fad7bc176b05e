#include "dateerrorscontroller.h"

#include <storage/daterange.h>

#include <QtTest>
#include <utils/wallclock.h>

#include "summertimegaps.h"

using storage::DateRange;
using E = DateErrorsController;

Q_DECLARE_METATYPE(DateErrorsController::DateErrors)

class TestDateErrors : public QObject {
    Q_OBJECT

private:
    static DateRange makeRange(int type, const QDateTime& start, const QDateTime& end, int startDay = 0,
                               int endDay = 0, int repeat = 2) {
        DateRange range(static_cast<DateRange::Type>(type));
        range.setStartDate(start);
        range.setEndDate(end);
        range.setStartDay(startDay);
        range.setEndDay(endDay);
        range.setRepeat(repeat);
        return range;
    }

    static QDateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
        return utils::WallClock::at(QDate(year, month, day), QTime(hour, minute, second));
    }

private slots:
    void errorOfRange_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<int>("startDay");
        QTest::addColumn<int>("endDay");
        QTest::addColumn<int>("repeat");
        QTest::addColumn<E::DateErrors>("error");

        QTest::newRow("fixed, valid")
            << 0 << at(2026, 5, 10, 8) << at(2026, 5, 11, 8) << 0 << 0 << 2 << E::DR_NoErrors;
        QTest::newRow("fixed, end before start")
            << 0 << at(2026, 5, 10, 8) << at(2026, 5, 10, 7, 59) << 0 << 0 << 2 << E::DR_EndBeforeStart;
        QTest::newRow("fixed, end a year before")
            << 0 << at(2026, 5, 10) << at(2025, 6, 10) << 0 << 0 << 2 << E::DR_EndBeforeStart;
        QTest::newRow("fixed, in the hour summer time skips in Berlin")
            << 0 << at(2024, 3, 31, 2, 10) << at(2024, 3, 31, 2, 40) << 0 << 0 << 2 << E::DR_NoErrors;
        QTest::newRow("fixed, seconds ignored") << 0 << at(2026, 5, 10, 8, 0, 30) << at(2026, 5, 10, 8, 0, 10)
                                                << 0 << 0 << 2 << E::DR_IdenticalStartAndEnd;
        QTest::newRow("yearly over the turn of the year")
            << 1 << at(2008, 12, 20) << at(2008, 1, 6) << 0 << 0 << 2 << E::DR_NoErrors;
        QTest::newRow("yearly, same moment")
            << 1 << at(2008, 3, 1, 6) << at(2008, 3, 1, 6) << 0 << 0 << 2 << E::DR_IdenticalStartAndEnd;
        QTest::newRow("yearly, same moment in other years")
            << 1 << at(2008, 3, 1, 6) << at(2026, 3, 1, 6) << 0 << 0 << 2 << E::DR_IdenticalStartAndEnd;
        QTest::newRow("yearly, other minute")
            << 1 << at(2008, 3, 1, 6) << at(2008, 3, 1, 6, 1) << 0 << 0 << 2 << E::DR_NoErrors;
        QTest::newRow("easter, start after end")
            << 2 << at(2008, 1, 1, 6) << at(2008, 1, 1, 6) << -2 << -3 << 2 << E::DR_NoErrors;
        QTest::newRow("easter, same day and time")
            << 2 << at(2008, 1, 1, 6) << at(2009, 2, 2, 6) << 1 << 1 << 2 << E::DR_IdenticalStartAndEnd;
        QTest::newRow("easter, same day, other time")
            << 2 << at(2008, 1, 1, 6) << at(2008, 1, 1, 7) << 1 << 1 << 2 << E::DR_NoErrors;
        QTest::newRow("chinese new year, same day and time")
            << 5 << at(2008, 1, 1, 6) << at(2008, 1, 1, 6) << 0 << 0 << 2 << E::DR_IdenticalStartAndEnd;
        QTest::newRow("series, overlaps its next")
            << 3 << at(2026, 3, 1) << at(2026, 3, 8) << 0 << 0 << 7 << E::DR_Overlap;
        QTest::newRow("series, ends before its next")
            << 3 << at(2026, 3, 1) << at(2026, 3, 8) << 0 << 0 << 8 << E::DR_NoErrors;
        QTest::newRow("series, end before start")
            << 3 << at(2026, 3, 8) << at(2026, 3, 1) << 0 << 0 << 8 << E::DR_EndBeforeStart;
        QTest::newRow("series, identical")
            << 3 << at(2026, 3, 8, 5) << at(2026, 3, 8, 5) << 0 << 0 << 8 << E::DR_IdenticalStartAndEnd;
        QTest::newRow("week rule is never wrong")
            << 4 << at(2026, 3, 8) << at(2026, 3, 1) << 0 << 0 << 2 << E::DR_NoErrors;
        QTest::newRow("holiday is never wrong")
            << 6 << at(2026, 3, 8) << at(2026, 3, 1) << 0 << 0 << 2 << E::DR_NoErrors;
    }

    void errorOfRange() {
        QFETCH(int, type);
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        QFETCH(int, startDay);
        QFETCH(int, endDay);
        QFETCH(int, repeat);
        QFETCH(E::DateErrors, error);

        DateErrorsController errors;
        const DateRange range = makeRange(type, start, end, startDay, endDay, repeat);
        QCOMPARE(errors.dateError(range), error);
        QCOMPARE(errors.errorText(range), errors.errorToString(error));
    }

    void gapRangesHaveNoError_data() { summertimegaps::addRows(); }

    // A range that starts in the hour the PC's clock skips is as valid as any other.
    void gapRangesHaveNoError() {
        QFETCH(QByteArray, zone);
        QFETCH(QDateTime, reading);
        const summertimegaps::ZoneScope inZone(zone);
        DateErrorsController errors;
        QCOMPARE(errors.dateError(makeRange(DateRange::FixYear, reading, reading.addSecs(1800))), E::DR_NoErrors);
        QCOMPARE(errors.dateError(makeRange(DateRange::FixYear, reading, reading)), E::DR_IdenticalStartAndEnd);
        QCOMPARE(errors.dateError(makeRange(DateRange::Serie, reading.addSecs(-3600), reading, 0, 0, 2)),
                 E::DR_NoErrors);
    }

    void errorTexts_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << QString();
        QTest::newRow("end before start") << 1 << QStringLiteral("Ende muss nach dem Beginn liegen");
        QTest::newRow("identical") << 2 << QStringLiteral("Start und Ende müssen sich unterscheiden");
        QTest::newRow("overlap") << 3 << QStringLiteral("Überschneidung nicht zulässig");
        QTest::newRow("unknown") << 4 << QString();
        QTest::newRow("negative") << -1 << QString();
    }

    void errorTexts() {
        QFETCH(int, error);
        QFETCH(QString, text);
        DateErrorsController errors;
        QCOMPARE(errors.errorToString(static_cast<E::DateErrors>(error)), text);
    }
};

QTEST_GUILESS_MAIN(TestDateErrors)
#include "tst_dateerrors.moc"
