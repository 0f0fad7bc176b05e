#include "dateerrorscontroller.h"
#include "daterangecontroller.h"
#include "daterangelistmodel.h"
#include "extraprogramfixture.h"
#include "holidaydateranges.h"

#include <holidays/holidaysets.h>

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(holidays::Holiday)

using holidays::Holiday;
using storage::DateRange;

namespace {

int currentYear() {
    return QDate::currentDate().year();
}

// Easter Sunday by Gauss's rule in Lichtenberg's form.
QDate easterSunday(int year) {
    const int k = year / 100;
    const int m = 15 + (3 * k + 3) / 4 - (8 * k + 13) / 25;
    const int s = 2 - (3 * k + 3) / 4;
    const int a = year % 19;
    const int d = (19 * a + m) % 30;
    const int r = (d + a / 11) / 29;
    const int fullMoon = 21 + d - r;
    const int firstSunday = 7 - (year + year / 4 + s) % 7;
    const int sundayAfter = 7 - (fullMoon - firstSunday) % 7;
    // Days after the last day of February.
    return QDate(year, 3, 1).addDays(fullMoon + sundayAfter - 1);
}

// Buß und Bettag: the Wednesday between 16 and 22 November.
QDate dayOfRepentance(int year) {
    for (int day = 16; day <= 22; ++day) {
        if (QDate(year, 11, day).dayOfWeek() == Qt::Wednesday)
            return QDate(year, 11, day);
    }
    return {};
}

// Jeûne genevois: the Thursday after the first Sunday of September.
QDate genevaFast(int year) {
    QDate day(year, 9, 1);
    while (day.dayOfWeek() != Qt::Sunday)
        day = day.addDays(1);
    return day.addDays(4);
}

// The row of a set in the service's sorted view.
int sortedRowOf(holidays::HolidaySetService& service, const QString& name) {
    QAbstractItemModel* sets = service.sortedHolidaySet();
    for (int row = 0; row < sets->rowCount(); ++row) {
        if (sets->data(sets->index(row, 0), holidays::HolidaySets::NameRole).toString() == name)
            return row;
    }
    return -1;
}

QList<DateRange> ofType(const QList<DateRange>& ranges, int type) {
    QList<DateRange> found;
    for (const DateRange& range : ranges) {
        if (range.type() == type)
            found.append(range);
    }
    return found;
}

QList<QDate> startDays(const QList<DateRange>& ranges) {
    QList<QDate> days;
    for (const DateRange& range : ranges)
        days.append(range.startDate().date());
    return days;
}

Holiday rule(int type, int startOffset, int day, int month, int year, int endOffset, int endDay, int endMonth,
             int endYear, int startHour = 0, int endHour = 0) {
    return Holiday(QStringLiteral("Regel"), type, startOffset, day, month, year, startHour, endOffset, endDay,
                   endYear, endMonth, endHour);
}

} // namespace

class TestHolidayDateRanges : public QObject {
    Q_OBJECT

private slots:
    void aShippedSetUpToTwoYearsAhead() {
        ExtraProgramServices services;
        TestOwner owner;
        ExtraProgramViewController controller(&owner, 1, true);
        controller.reloadDateRanges();
        const int row = sortedRowOf(services.holidayService, QStringLiteral("Deutschland - Sachsen"));
        QVERIFY(row >= 0);
        controller.changeHolidays(row);
        controller.setApplyUntilYear(currentYear() + 2);
        controller.createDateRangesForHolidaySet(row);

        const QList<DateRange> ranges = owner.programOfChannel(1)->dateRanges();
        // 6 yearly rules, 4 Easter rules and Buß und Bettag in each of three years.
        QCOMPARE(ofType(ranges, DateRange::Yearly).size(), 6);
        QCOMPARE(ofType(ranges, DateRange::Easter).size(), 4);
        const QList<DateRange> fixed = ofType(ranges, DateRange::FixYear);
        QCOMPARE(startDays(fixed),
                 (QList<QDate>{dayOfRepentance(currentYear()), dayOfRepentance(currentYear() + 1),
                               dayOfRepentance(currentYear() + 2)}));
        for (const DateRange& range : fixed) {
            QCOMPARE(range.endDate(), range.startDate().addDays(1));
            QCOMPARE(range.startDate().time(), QTime(0, 0));
            QCOMPARE(range.startDay(), -1);
        }
        for (const DateRange& range : ofType(ranges, DateRange::Easter)) {
            const QString name = services.holidayService.holidayName(
                QDateTime(easterSunday(currentYear()).addDays(range.startDay()), QTime(12, 0)));
            QVERIFY2(!name.isEmpty(), qPrintable(QString::number(range.startDay())));
        }
        QCOMPARE(controller.dateRanges()->errorCount(), 0);

        controller.dateRanges()->undo();
        QVERIFY(owner.programOfChannel(1)->dateRanges().isEmpty());
        QVERIFY(!controller.dateRanges()->canUndo());
    }

    void weekdayRulesFollowTheirRule() {
        ExtraProgramServices services;
        TestOwner owner;
        ExtraProgramViewController controller(&owner, 1, true);
        controller.reloadDateRanges();
        const int row = sortedRowOf(services.holidayService, QStringLiteral("Schweiz - Genf"));
        QVERIFY(row >= 0);
        controller.setApplyUntilYear(currentYear() + 2);
        controller.createDateRangesForHolidaySet(row);
        const QList<QDate> days = startDays(ofType(owner.programOfChannel(1)->dateRanges(), DateRange::FixYear));
        for (int year = currentYear(); year <= currentYear() + 2; ++year)
            QVERIFY2(days.contains(genevaFast(year)), qPrintable(genevaFast(year).toString()));
    }

    void silvesterCrossesTheYearEnd() {
        ExtraProgramServices services;
        TestOwner owner;
        ExtraProgramViewController controller(&owner, 1, true);
        controller.reloadDateRanges();
        controller.createDateRangesForHolidaySet(sortedRowOf(services.holidayService, QStringLiteral("Lettland")));
        const QList<DateRange> yearly = ofType(owner.programOfChannel(1)->dateRanges(), DateRange::Yearly);
        QVERIFY(!yearly.isEmpty());
        const DateRange silvester = yearly.last();
        QCOMPARE(silvester.startDate(), at(2008, 12, 31));
        QCOMPARE(silvester.endDate(), at(2008, 1, 1));
        QCOMPARE(controller.dateRanges()->dateErrorsController()->dateError(silvester),
                 DateErrorsController::DR_NoErrors);
        QCOMPARE(DateRangeController::description(silvester), QStringLiteral("1d 00h"));
    }

    void anIndexOutsideTheSetsAddsNothing() {
        ExtraProgramServices services;
        TestOwner owner;
        ExtraProgramViewController controller(&owner, 1, true);
        controller.reloadDateRanges();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No holiday set at row 100000"));
        controller.createDateRangesForHolidaySet(100000);
        QCOMPARE(controller.dateRangeCount(), 0);
        QVERIFY(!controller.dateRanges()->canUndo());
    }

    void chineseNewYearNeedsExtendedDateRanges_data() {
        QTest::addColumn<bool>("extended");
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<int>("unsupported");

        QTest::newRow("extended") << true << QList<int>{1, 5} << 0;
        QTest::newRow("not extended") << false << QList<int>{1} << 1;
    }

    void chineseNewYearNeedsExtendedDateRanges() {
        QFETCH(bool, extended);
        QFETCH(QList<int>, types);
        QFETCH(int, unsupported);
        ExtraProgramServices services;
        holidays::HolidaySetService& service = services.holidayService;
        const QString name = QStringLiteral("Eigene Feiertage, ") + QLatin1String(QTest::currentDataTag());
        QVERIFY(service.addCustomHolidaySet(name));
        const int position = service.currentIndex();
        QVERIFY(service.addHoliday(position, Holiday(QStringLiteral("Neujahr"), 0, 0, 1, 1, 2008, 0, 1, 2, 2008, 1, 0).data()));
        QVERIFY(service.addHoliday(position,
                                   Holiday(QStringLiteral("Frühlingsfest"), 3, -1, 1, 1, 2008, 6, 2, 1, 2008, 1, 18).data()));

        TestOwner owner;
        owner.yearly = extended;
        ExtraProgramViewController controller(&owner, 1, true);
        controller.reloadDateRanges();
        QSignalSpy unsupportedSpy(&controller, &ExtraProgramViewController::unsupportedDateRanges);
        controller.createDateRangesForHolidaySet(sortedRowOf(service, name));
        const QList<DateRange> ranges = owner.programOfChannel(1)->dateRanges();
        QList<int> created;
        for (const DateRange& range : ranges)
            created.append(range.type());
        QCOMPARE(created, types);
        QCOMPARE(unsupportedSpy.size(), unsupported);
        if (extended) {
            QCOMPARE(ranges.at(1).startDay(), -1);
            QCOMPARE(ranges.at(1).endDay(), 2);
            QCOMPARE(ranges.at(1).startDate().time(), QTime(6, 0));
            QCOMPARE(ranges.at(1).endDate().time(), QTime(18, 0));
        }
    }

    void rules_data() {
        QTest::addColumn<Holiday>("holiday");
        QTest::addColumn<int>("firstYear");
        QTest::addColumn<int>("lastYear");
        QTest::addColumn<QList<QDateTime>>("starts");
        QTest::addColumn<QList<QDateTime>>("ends");
        QTest::addColumn<int>("type");

        QTest::newRow("one-off keeps its year")
            << rule(Holiday::FixedOnce, 0, 24, 6, 2019, 1, 26, 6, 2019, 8, 20) << 2026 << 2028
            << QList<QDateTime>{at(2019, 6, 24, 8)} << QList<QDateTime>{at(2019, 6, 26, 20)} << int(DateRange::FixYear);
        QTest::newRow("29 February base only in leap years")
            << rule(Holiday::FreeRule, 0, 29, 2, 2008, 1, 1, 3, 2008) << 2027 << 2029
            << QList<QDateTime>{at(2028, 3, 6)} << QList<QDateTime>{at(2028, 3, 7)} << int(DateRange::FixYear);
        QTest::newRow("weekday rule over two days at hours")
            << rule(Holiday::FreeRule, -3, 23, 11, 2008, 2, 1, 1, 2008, 6, 18) << 2025 << 2026
            << QList<QDateTime>{at(2025, 11, 19, 6), at(2026, 11, 18, 6)}
            << QList<QDateTime>{at(2025, 11, 21, 18), at(2026, 11, 20, 18)} << int(DateRange::FixYear);
        QTest::newRow("no weekday ranges before the first year")
            << rule(Holiday::FreeRule, -3, 23, 11, 2008, 1, 1, 1, 2008) << 2026 << 2025 << QList<QDateTime>()
            << QList<QDateTime>() << int(DateRange::FixYear);
        QTest::newRow("yearly 29 February")
            << rule(Holiday::YearlyFixed, 0, 29, 2, 2008, 1, 1, 3, 2008) << 2026 << 2026
            << QList<QDateTime>{at(2008, 2, 29)} << QList<QDateTime>{at(2008, 3, 1)} << int(DateRange::Yearly);
        QTest::newRow("Easter made in the editor, without dates")
            << rule(Holiday::EasterRelative, 39, 0, 0, 0, 40, 0, 0, 0, 0, 12) << 2026 << 2026
            << QList<QDateTime>{utils::WallClock::todayAt(QTime(0, 0))}
            << QList<QDateTime>{utils::WallClock::todayAt(QTime(12, 0))} << int(DateRange::Easter);
        QTest::newRow("an hour that does not exist")
            << rule(Holiday::YearlyFixed, 0, 1, 5, 2008, 1, 2, 5, 2008, 25, 0) << 2026 << 2026 << QList<QDateTime>()
            << QList<QDateTime>() << int(DateRange::Yearly);
    }

    void rules() {
        QFETCH(Holiday, holiday);
        QFETCH(int, firstYear);
        QFETCH(int, lastYear);
        QFETCH(QList<QDateTime>, starts);
        QFETCH(QList<QDateTime>, ends);
        QFETCH(int, type);
        const QList<DateRangeFields> ranges = HolidayDateRanges::fromRules({holiday}, firstYear, lastYear);
        QCOMPARE(ranges.size(), starts.size());
        for (int i = 0; i < ranges.size(); ++i) {
            QCOMPARE(ranges.at(i).type, type);
            QCOMPARE(ranges.at(i).startDate, starts.at(i));
            QCOMPARE(ranges.at(i).endDate, ends.at(i));
            QCOMPARE(ranges.at(i).duration, 1);
            QCOMPARE(ranges.at(i).repeat, 2);
        }
    }
};

QTEST_MAIN(TestHolidayDateRanges)
#include "tst_holidaydateranges.moc"
