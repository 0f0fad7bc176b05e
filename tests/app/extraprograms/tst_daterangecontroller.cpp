#include "daterangecontroller.h"
#include "daterangefilter.h"
#include "daterangelistmodel.h"
#include "extraprogramfixture.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

using storage::DateRange;

namespace {

DateRange rangeOf(int type, const QDateTime& start, const QDateTime& end, int startDay = DateRange::NotSet,
                  int endDay = DateRange::NotSet, int duration = 1) {
    DateRange range(static_cast<DateRange::Type>(type));
    range.setStartDate(start);
    range.setEndDate(end);
    range.setStartDay(startDay);
    range.setEndDay(endDay);
    range.setDuration(duration);
    return range;
}

int currentYear() {
    return QDate::currentDate().year();
}

// The day a 29 February lands on in the current year.
QDate leapDayThisYear() {
    return QDate::isLeapYear(currentYear()) ? QDate(currentYear(), 2, 29) : QDate(currentYear(), 3, 1);
}

} // namespace

class TestDateRangeController : public QObject {
    Q_OBJECT

private slots:
    void description_data() {
        QTest::addColumn<DateRange>("range");
        QTest::addColumn<QString>("text");

        QTest::newRow("yearly 20.12. -> 6.1.")
            << rangeOf(DateRange::Yearly, at(2008, 12, 20), at(2008, 1, 6)) << QStringLiteral("17d 00h");
        QTest::newRow("week rule 53") << rangeOf(DateRange::WeekRule, at(2026, 1, 1), at(2026, 1, 1), -255, -255, 53)
                                      << QStringLiteral("2d 05h");
        QTest::newRow("week rule -1") << rangeOf(DateRange::WeekRule, at(2026, 1, 1), at(2026, 1, 1), -255, -255, -1)
                                      << QStringLiteral("< 0");
        QTest::newRow("week rule 9000")
            << rangeOf(DateRange::WeekRule, at(2026, 1, 1), at(2026, 1, 1), -255, -255, 9000)
            << QStringLiteral("> 1 Jahr");
        QTest::newRow("Easter -2 to 50") << rangeOf(DateRange::Easter, at(2026, 5, 1), at(2026, 5, 1), -2, 50)
                                         << QStringLiteral("52d 00h");
        QTest::newRow("yearly 1.3. -> 29.2.")
            << rangeOf(DateRange::Yearly, at(2008, 3, 1), at(2008, 2, 29)) << QStringLiteral("364d 00h");
        QTest::newRow("08:00 -> 13:30") << rangeOf(DateRange::FixYear, at(2026, 5, 10, 8), at(2026, 5, 10, 13, 30))
                                        << QStringLiteral("0d 05h30m");
        QTest::newRow("fixed, start equals end")
            << rangeOf(DateRange::FixYear, at(2026, 5, 10, 8), at(2026, 5, 10, 8)) << QStringLiteral("< 0");
        QTest::newRow("seconds do not count")
            << rangeOf(DateRange::FixYear, utils::WallClock::at(QDate(2026, 5, 10), QTime(8, 0, 50)),
                       utils::WallClock::at(QDate(2026, 5, 10), QTime(8, 1, 10)))
            << QStringLiteral("0d 00h1m");
        QTest::newRow("series over a year")
            << rangeOf(DateRange::Serie, at(2026, 1, 1), at(2027, 1, 3)) << QStringLiteral("> 1 Jahr");
        QTest::newRow("Easter ending before its start")
            << rangeOf(DateRange::Easter, at(2026, 5, 1), at(2026, 5, 1), -2, -3) << QStringLiteral("> 1 Jahr");
        QTest::newRow("Chinese New Year ending before its start runs into the next year")
            << rangeOf(DateRange::ChineseNewYear, at(2026, 5, 1, 6), at(2026, 5, 1), 0, 0)
            << QStringLiteral("364d 18h");
        QTest::newRow("Chinese New Year 0 to 1, 06:00 to 18:00")
            << rangeOf(DateRange::ChineseNewYear, at(2026, 5, 1, 6), at(2026, 5, 1, 18), 0, 1)
            << QStringLiteral("1d 12h");
        QTest::newRow("Silvester over the year end")
            << rangeOf(DateRange::Yearly, at(2008, 12, 31), at(2008, 1, 1)) << QStringLiteral("1d 00h");
    }

    void description() {
        QFETCH(DateRange, range);
        QFETCH(QString, text);
        QCOMPARE(DateRangeController::description(range), text);
    }

    void yearlyRangesOpenInTheReferenceYear() {
        const DateRange range = rangeOf(DateRange::Yearly, at(2015, 12, 24, 18), at(2016, 1, 2, 6));
        DateRangeController editor(nullptr, 0, range);
        QCOMPARE(editor.startTime(), at(2008, 12, 24, 18));
        QCOMPARE(editor.endTime(), at(2008, 1, 2, 6));
        // The range itself stays as it is until it is saved.
        QCOMPARE(range.startDate(), at(2015, 12, 24, 18));
    }

    void typeChangesMoveTheDates_data() {
        QTest::addColumn<int>("fromType");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<int>("toType");
        QTest::addColumn<QDate>("startDate");

        QTest::newRow("fixed into yearly") << int(DateRange::FixYear) << at(2026, 7, 14, 9) << int(DateRange::Yearly)
                                           << QDate(2008, 7, 14);
        QTest::newRow("yearly out into fixed")
            << int(DateRange::Yearly) << at(2008, 7, 14, 9) << int(DateRange::FixYear) << QDate(currentYear(), 7, 14);
        QTest::newRow("yearly 29 February into a series")
            << int(DateRange::Yearly) << at(2008, 2, 29, 9) << int(DateRange::Serie) << leapDayThisYear();
        QTest::newRow("fixed 29 February 2016 into series")
            << int(DateRange::FixYear) << at(2016, 2, 29, 9) << int(DateRange::Serie) << leapDayThisYear();
        QTest::newRow("yearly into Easter keeps the date")
            << int(DateRange::Yearly) << at(2008, 7, 14, 9) << int(DateRange::Easter) << QDate(2008, 7, 14);
    }

    void typeChangesMoveTheDates() {
        QFETCH(int, fromType);
        QFETCH(QDateTime, start);
        QFETCH(int, toType);
        QFETCH(QDate, startDate);

        DateRangeController editor(nullptr, 0, rangeOf(fromType, start, start.addDays(1)));
        QSignalSpy startDates(&editor, &DateRangeController::startDateChanged);
        QSignalSpy types(&editor, &DateRangeController::typeChanged);
        editor.setType(toType);
        QCOMPARE(editor.type(), toType);
        QCOMPARE(editor.startDate(), startDate);
        QCOMPARE(editor.startTime().time(), QTime(9, 0));
        QCOMPARE(startDates.size(), startDate == start.date() ? 0 : 1);
        QCOMPARE(types.size(), 1);
        editor.setType(toType);
        QCOMPARE(types.size(), 1);
    }

    void relativeTypesSetTheirDays_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("startDay");
        QTest::addColumn<int>("endDay");
        QTest::addColumn<int>("expectedStart");
        QTest::addColumn<int>("expectedEnd");

        QTest::newRow("Easter, not set") << int(DateRange::Easter) << -255 << -255 << 0 << 1;
        QTest::newRow("Chinese New Year, not set") << int(DateRange::ChineseNewYear) << -255 << -255 << 0 << 1;
        QTest::newRow("Easter keeps set days") << int(DateRange::Easter) << -2 << 5 << -2 << 5;
        QTest::newRow("series leaves them") << int(DateRange::Serie) << -255 << -255 << -255 << -255;
    }

    void relativeTypesSetTheirDays() {
        QFETCH(int, type);
        QFETCH(int, startDay);
        QFETCH(int, endDay);
        QFETCH(int, expectedStart);
        QFETCH(int, expectedEnd);

        DateRangeController editor(nullptr, -1, rangeOf(DateRange::FixYear, at(2026, 1, 1), at(2026, 1, 2),
                                                        startDay, endDay));
        QSignalSpy starts(&editor, &DateRangeController::startOffsetChanged);
        editor.setType(type);
        QCOMPARE(editor.startOffset(), expectedStart);
        QCOMPARE(editor.endOffset(), expectedEnd);
        QCOMPARE(starts.size(), expectedStart == startDay ? 0 : 1);
    }

    void timeSettersKeepTheDate() {
        DateRangeController editor(nullptr, 0, rangeOf(DateRange::FixYear, at(2026, 3, 29), at(2026, 3, 30)));
        QSignalSpy startDates(&editor, &DateRangeController::startDateChanged);
        QSignalSpy startTimes(&editor, &DateRangeController::startTimeChanged);
        editor.setStartTime(QDateTime(QDate(2031, 8, 1), QTime(2, 30)));
        editor.setEndTime(at(1999, 1, 1, 17, 45));
        QCOMPARE(editor.startTime(), at(2026, 3, 29, 2, 30));
        QCOMPARE(editor.endTime(), at(2026, 3, 30, 17, 45));
        QCOMPARE(startDates.size(), 0);
        QCOMPARE(startTimes.size(), 1);

        editor.setStartDate(QDate(2026, 4, 2));
        QCOMPARE(editor.startTime(), at(2026, 4, 2, 2, 30));
        QCOMPARE(startDates.size(), 1);
        editor.setStartDate(QDate());
        QCOMPARE(editor.startDate(), QDate(2026, 4, 2));
    }

    void savingANewRangeIsOneUndoStep() {
        ExtraProgramServices services;
        TestOwner owner;
        ExtraProgramViewController controller(&owner, 1, true);
        controller.reloadDateRanges();
        std::unique_ptr<DateRangeController> editor(controller.createDateRange(DateRange::FixYear));
        editor->setStartDate(QDate(2026, 3, 29));
        editor->setStartTime(at(2026, 3, 29, 2, 30));
        editor->setEndDate(QDate(2026, 3, 29));
        editor->setEndTime(at(2026, 3, 29, 3, 15));
        editor->saveModifications();

        QCOMPARE(controller.dateRangeCount(), 1);
        const DateRange saved = *controller.dateRanges()->at(0);
        // 02:30 exists on the day summer time begins.
        QCOMPARE(saved.startDate(), at(2026, 3, 29, 2, 30));
        QCOMPARE(DateRangeController::description(saved), QStringLiteral("0d 00h45m"));
        QVERIFY(saved.id() != 0);
        QCOMPARE(owner.programOfChannel(1)->dateRanges(), QList<DateRange>{saved});

        // Saving again edits the range it created, rather than adding it twice.
        editor->setEndTime(at(2026, 3, 29, 4, 0));
        editor->saveModifications();
        QCOMPARE(controller.dateRangeCount(), 1);
        QCOMPARE(saved.endDate(), at(2026, 3, 29, 4, 0));

        controller.dateRanges()->undo();
        QCOMPARE(saved.endDate(), at(2026, 3, 29, 3, 15));
        controller.dateRanges()->undo();
        QCOMPARE(controller.dateRangeCount(), 0);
        QVERIFY(owner.programOfChannel(1)->dateRanges().isEmpty());
    }

    void savingAnExistingRangeIsOneUndoStep() {
        ExtraProgramServices services;
        TestOwner owner;
        const DateRange yearly = rangeOf(DateRange::Yearly, at(2008, 5, 1, 8), at(2008, 5, 3, 20));
        const DateRange fixed = rangeOf(DateRange::FixYear, at(2026, 1, 10), at(2026, 1, 12));
        owner.programOfChannel(2)->setDateRanges({yearly, fixed});
        ExtraProgramViewController controller(&owner, 2, true);
        controller.reloadDateRanges();
        DateRangeListModel* model = controller.dateRanges();

        // The fixed range is the first row of the sorted view, the second of the list.
        std::unique_ptr<DateRangeController> editor(controller.openDateRange(0, true));
        QVERIFY(editor);
        QCOMPARE(editor->index(), 1);
        QCOMPARE(editor->startDate(), QDate(2026, 1, 10));
        editor->setType(DateRange::Serie);
        editor->setRepeat(14);
        editor->setStartDate(QDate(currentYear(), 1, 11));

        // The rows move before the dialog is saved: the range is found by its record.
        model->selectRange(0, 0);
        model->removeSelected();
        QSignalSpy changes(model, &DateRangeListModel::dataChanged);
        editor->saveModifications();
        QCOMPARE(model->count(), 1);
        QCOMPARE(*model->at(0), fixed);
        QCOMPARE(fixed.type(), int(DateRange::Serie));
        QCOMPARE(fixed.repeat(), 14);
        QCOMPARE(fixed.startDate(), at(currentYear(), 1, 11));
        QVERIFY(!changes.isEmpty());

        model->undo();
        QCOMPARE(fixed.type(), int(DateRange::FixYear));
        QCOMPARE(fixed.repeat(), 2);
        QCOMPARE(fixed.startDate(), at(2026, 1, 10));
        QCOMPARE(fixed.endDate(), at(2026, 1, 12));
        QCOMPARE(model->count(), 1);
        model->undo();
        QCOMPARE(model->count(), 2);
    }

    void editedYearlyRangesStayInTheReferenceYear() {
        ExtraProgramServices services;
        TestOwner owner;
        const DateRange fixed = rangeOf(DateRange::FixYear, at(2026, 2, 20), at(2026, 3, 2));
        owner.programOfChannel(1)->setDateRanges({fixed});
        ExtraProgramViewController controller(&owner, 1, true);
        controller.reloadDateRanges();
        std::unique_ptr<DateRangeController> editor(controller.openDateRange(0));
        editor->setType(DateRange::Yearly);
        editor->setEndDate(QDate(2027, 2, 28));
        editor->saveModifications();
        QCOMPARE(fixed.startDate(), at(2008, 2, 20));
        QCOMPARE(fixed.endDate(), at(2008, 2, 28));
    }

    void aRangeRemovedMeanwhileIsNotSaved() {
        ExtraProgramServices services;
        TestOwner owner;
        const DateRange fixed = rangeOf(DateRange::FixYear, at(2026, 1, 10), at(2026, 1, 12));
        owner.programOfChannel(1)->setDateRanges({fixed});
        ExtraProgramViewController controller(&owner, 1, true);
        controller.reloadDateRanges();
        std::unique_ptr<DateRangeController> editor(controller.openDateRange(0));
        editor->setRepeat(9);
        controller.remove(0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no longer in the program"));
        editor->saveModifications();
        QCOMPARE(controller.dateRangeCount(), 0);
        QCOMPARE(fixed.repeat(), 2);
    }

    void anEditorWithoutItsViewControllerSavesNothing() {
        ExtraProgramServices services;
        TestOwner owner;
        const DateRange fixed = rangeOf(DateRange::FixYear, at(2026, 1, 10), at(2026, 1, 12));
        owner.programOfChannel(1)->setDateRanges({fixed});
        auto controller = std::make_unique<ExtraProgramViewController>(&owner, 1, true);
        controller->reloadDateRanges();
        std::unique_ptr<DateRangeController> editor(controller->openDateRange(0));
        editor->setRepeat(9);
        controller.reset();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nothing saved"));
        editor->saveModifications();
        QCOMPARE(fixed.repeat(), 2);
        QCOMPARE(owner.programOfChannel(1)->dateRanges(), QList<DateRange>{fixed});
    }

    // A new range of each type starts as a change to that type would leave it.
    void newRangesStartSet_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("startDay");
        QTest::addColumn<int>("endDay");
        QTest::addColumn<int>("year");
        QTest::newRow("fixed") << int(DateRange::FixYear) << -255 << -255 << currentYear();
        QTest::newRow("yearly") << int(DateRange::Yearly) << -255 << -255 << 2008;
        QTest::newRow("Easter") << int(DateRange::Easter) << 0 << 1 << currentYear();
        QTest::newRow("Chinese New Year") << int(DateRange::ChineseNewYear) << 0 << 1 << currentYear();
    }
    void newRangesStartSet() {
        QFETCH(int, type);
        QFETCH(int, startDay);
        QFETCH(int, endDay);
        QFETCH(int, year);
        ExtraProgramServices services;
        TestOwner owner;
        ExtraProgramViewController controller(&owner, 1, true);
        controller.reloadDateRanges();
        std::unique_ptr<DateRangeController> editor(controller.createDateRange(type));
        QCOMPARE(editor->type(), type);
        QCOMPARE(editor->startOffset(), startDay);
        QCOMPARE(editor->endOffset(), endDay);
        QCOMPARE(editor->startDate().year(), year);
        QCOMPARE(editor->index(), -1);
    }

    // The editor tells the length and the fault of what it holds, before anything is saved.
    void textsFollowTheBuffer_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<int>("repeat");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("error");
        QTest::newRow("fixed") << 0 << at(2026, 5, 3, 10) << 2 << QStringLiteral("2d 02h") << QString();
        QTest::newRow("fixed, end first") << 0 << at(2026, 5, 1, 6) << 2 << QStringLiteral("< 0")
                                          << QStringLiteral("Ende muss nach dem Beginn liegen");
        QTest::newRow("fixed, no length") << 0 << at(2026, 5, 1, 8) << 2 << QStringLiteral("< 0")
                                          << QStringLiteral("Start und Ende müssen sich unterscheiden");
        QTest::newRow("series overlapping") << 3 << at(2026, 5, 4, 8) << 3 << QStringLiteral("3d 00h")
                                            << QStringLiteral("Überschneidung nicht zulässig");
        QTest::newRow("series") << 3 << at(2026, 5, 4, 8) << 4 << QStringLiteral("3d 00h") << QString();
    }
    void textsFollowTheBuffer() {
        QFETCH(int, type);
        QFETCH(QDateTime, end);
        QFETCH(int, repeat);
        QFETCH(QString, duration);
        QFETCH(QString, error);
        ExtraProgramServices services;
        TestOwner owner;
        const DateRange fixed = rangeOf(DateRange::FixYear, at(2026, 5, 1, 8), at(2026, 5, 2, 8));
        owner.programOfChannel(1)->setDateRanges({fixed});
        ExtraProgramViewController controller(&owner, 1, true);
        controller.reloadDateRanges();
        std::unique_ptr<DateRangeController> editor(controller.openDateRange(0));
        QCOMPARE(editor->durationText(), QStringLiteral("1d 00h"));
        QSignalSpy changes(editor.get(), &DateRangeController::contentChanged);
        // The type first: it moves the dates into the current year.
        editor->setType(type);
        editor->setStartDate(QDate(2026, 5, 1));
        editor->setEndDate(end.date());
        editor->setEndTime(end);
        editor->setRepeat(repeat);
        QVERIFY(!changes.isEmpty());
        QCOMPARE(editor->durationText(), duration);
        QCOMPARE(editor->errorText(), error);
        QCOMPARE(fixed.endDate(), at(2026, 5, 2, 8));
        QCOMPARE(controller.dateRanges()->dateErrorsController()->errorText(fixed), QString());
    }

    void openingARowOutsideTheListGivesNoEditor() {
        ExtraProgramServices services;
        TestOwner owner;
        ExtraProgramViewController controller(&owner, 1, true);
        controller.reloadDateRanges();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No date range at row 3"));
        QVERIFY(!controller.openDateRange(3, true));
    }
};

QTEST_MAIN(TestDateRangeController)
#include "tst_daterangecontroller.moc"
