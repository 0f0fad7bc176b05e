#include "daterangecontroller.h"
#include "daterangefilter.h"
#include "daterangelistmodel.h"
#include "extraprogramfixture.h"
#include "extraprogramswitchtimecontroller.h"

#include <clipboarddocument.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

using storage::DateRange;
using storage::SwitchTime;

namespace {

DateRange rangeOf(int type, const QDateTime& start, const QDateTime& end, int startDay = DateRange::NotSet,
                  int endDay = DateRange::NotSet) {
    DateRange range(static_cast<DateRange::Type>(type));
    range.setStartDate(start);
    range.setEndDate(end);
    range.setStartDay(startDay);
    range.setEndDay(endDay);
    return range;
}

// One range of every type, the fixed one with an end before its start.
QList<DateRange> everyType() {
    DateRange weekRule = rangeOf(DateRange::WeekRule, at(2026, 1, 1, 6), at(2026, 1, 1, 6));
    weekRule.setDuration(36);
    weekRule.setWeekRuleDay(5);
    weekRule.setWeekRuleWeekDay(3);
    weekRule.setWeekRuleMonth(11);
    DateRange series = rangeOf(DateRange::Serie, at(2026, 3, 1), at(2026, 3, 3));
    series.setRepeat(14);
    return {
        rangeOf(DateRange::Yearly, at(2008, 12, 20), at(2008, 1, 6)),
        rangeOf(DateRange::FixYear, at(2026, 5, 10, 8), at(2026, 5, 9, 8)),
        series,
        rangeOf(DateRange::Easter, at(2026, 1, 1), at(2026, 1, 1), -2, 1),
        weekRule,
        rangeOf(DateRange::ChineseNewYear, at(2026, 1, 1), at(2026, 1, 1), 0, 3),
    };
}

void placeText(const QString& text) {
    auto* data = new QMimeData;
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
}

QList<int> typesOf(const QList<DateRange>& ranges) {
    QList<int> types;
    for (const DateRange& range : ranges)
        types.append(range.type());
    return types;
}

} // namespace

class TestExtraProgramViewController : public QObject {
    Q_OBJECT

private slots:
    void extraType_data() {
        QTest::addColumn<int>("programs");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("extraType");

        QTest::newRow("program 0") << 5 << 0 << int(ExtraProgramViewController::Standard);
        QTest::newRow("an extra program") << 5 << 1 << int(ExtraProgramViewController::Standard);
        QTest::newRow("permanent on") << 5 << 3 << int(ExtraProgramViewController::PermOn);
        QTest::newRow("permanent off") << 5 << 4 << int(ExtraProgramViewController::PermOff);
        QTest::newRow("program 0 of two programs") << 2 << 0 << int(ExtraProgramViewController::Standard);
        QTest::newRow("program 1 of two programs") << 2 << 1 << int(ExtraProgramViewController::PermOff);
    }

    void extraType() {
        QFETCH(int, programs);
        QFETCH(int, number);
        QFETCH(int, extraType);
        ExtraProgramServices services;
        TestOwner owner;
        owner.programs = programs;
        ExtraProgramViewController controller(&owner, number, true);
        QCOMPARE(int(controller.extraType()), extraType);
        QCOMPARE(controller.ownerObject(), &owner);
        QCOMPARE(controller.parent(), &owner);
    }

    void isEmpty_data() {
        QTest::addColumn<bool>("withSwitchTimes");
        QTest::addColumn<QList<SwitchTime>>("switches");
        QTest::addColumn<bool>("withRange");
        QTest::addColumn<bool>("empty");

        const QList<SwitchTime> unused{SwitchTime(SwitchTime::Switch, SwitchTime::On, 86400, SwitchTime::AllDays),
                                       SwitchTime(SwitchTime::Switch, SwitchTime::Off, 86400, SwitchTime::AllDays),
                                       SwitchTime(SwitchTime::Switch, SwitchTime::On, 86400, SwitchTime::AllDays),
                                       SwitchTime(SwitchTime::Switch, SwitchTime::Off, 86400, SwitchTime::AllDays)};
        QList<SwitchTime> oneUsed = unused;
        oneUsed[3] = SwitchTime(SwitchTime::Switch, SwitchTime::Off, 3600, SwitchTime::AllDays);

        QTest::newRow("nothing") << false << QList<SwitchTime>() << false << true;
        QTest::newRow("a date range") << false << QList<SwitchTime>() << true << false;
        QTest::newRow("stored switch times") << false << unused << false << false;
        QTest::newRow("extra switch times, all unused") << true << unused << false << true;
        QTest::newRow("extra switch times, one used") << true << oneUsed << false << false;
        QTest::newRow("extra switch times and a date range") << true << unused << true << false;
    }

    void isEmpty() {
        QFETCH(bool, withSwitchTimes);
        QFETCH(QList<SwitchTime>, switches);
        QFETCH(bool, withRange);
        QFETCH(bool, empty);
        ExtraProgramServices services;
        TestOwner owner;
        owner.programOfChannel(1)->setSwitches(switches);
        if (withRange)
            owner.programOfChannel(1)->setDateRanges({rangeOf(DateRange::FixYear, at(2026, 1, 1), at(2026, 1, 2))});
        ExtraProgramViewController controller(&owner, 1, !withSwitchTimes);
        controller.reloadDateRanges();
        QCOMPARE(controller.displayExtraSwitchTimes(), withSwitchTimes);
        QCOMPARE(controller.switchTimes() != nullptr, withSwitchTimes);
        QCOMPARE(controller.isEmpty(), empty);
    }

    void withoutAProgramNothingIsReadOrWritten() {
        ExtraProgramServices services;
        TestOwner owner;
        owner.channel = {};
        ExtraProgramViewController controller(&owner, 1, false);
        controller.reloadDateRanges();
        QVERIFY(controller.isEmpty());
        QCOMPARE(controller.luxValueOn(), 15);
        QVERIFY(controller.programSwitches().isEmpty());
        controller.setSwitchTimes({SwitchTime()});
        controller.createFromTable(0, at(2026, 1, 1), at(2026, 1, 2), at(2000, 1, 1, 8), at(2000, 1, 1, 9), 0, 0);
        QCOMPARE(controller.dateRangeCount(), 1);
        QCOMPARE(controller.totalDateRangeCount(), 0);
    }

    void reloadTakesTheStoredRanges() {
        ExtraProgramServices services;
        TestOwner owner;
        owner.programOfChannel(1)->setDateRanges(everyType());
        owner.programOfChannel(2)->setDateRanges(everyType().mid(0, 2));
        ExtraProgramViewController controller(&owner, 1, true);
        QCOMPARE(controller.totalDateRangeCount(), 0);
        QSignalSpy counts(&controller, &ExtraProgramViewController::dateRangeCountChanged);
        QSignalSpy totals(&controller, &ExtraProgramViewController::totalDateRangeCountChanged);
        controller.reloadDateRanges();
        QCOMPARE(controller.dateRangeCount(), 6);
        QCOMPARE(controller.totalDateRangeCount(), 8);
        QCOMPARE(counts.last().at(0).toInt(), 6);
        QCOMPARE(totals.last().at(0).toInt(), 8);
        QVERIFY(!controller.dateRanges()->canUndo());
    }

    void rangesAreSortedAndChecked() {
        ExtraProgramServices services;
        TestOwner owner;
        owner.programOfChannel(1)->setDateRanges(everyType());
        ExtraProgramViewController controller(&owner, 1, true);
        controller.reloadDateRanges();
        DateRangeFilter* sorted = controller.sortedDateRanges();
        QList<int> types;
        for (int row = 0; row < sorted->rowCount(); ++row)
            types.append(sorted->data(sorted->index(row, 0), DateRangeListModel::TypeRole).toInt());
        QCOMPARE(types, (QList<int>{0, 1, 2, 3, 4, 5}));
        // Only the fixed range, which ends before it starts, is wrong.
        QCOMPARE(controller.dateRanges()->errorCount(), 1);
        QVERIFY(!sorted->data(sorted->index(0, 0), DateRangeListModel::ErrorRole).toString().isEmpty());
    }

    void createdFromTheTableAndTheList() {
        ExtraProgramServices services;
        TestOwner owner;
        ExtraProgramViewController controller(&owner, 1, true);
        controller.reloadDateRanges();
        QSignalSpy totals(&controller, &ExtraProgramViewController::totalDateRangeCountChanged);
        // The table hands dates and times apart, in local time.
        controller.createFromTable(DateRange::Easter, QDateTime(QDate(2026, 3, 29), QTime(17, 0)),
                                   QDateTime(QDate(2026, 3, 29), QTime(0, 0)),
                                   QDateTime(QDate(2001, 1, 1), QTime(2, 30)),
                                   QDateTime(QDate(2001, 1, 1), QTime(23, 15)), -2, 1);
        emit controller.dateRanges()->createDateRange(DateRange::WeekRule, at(2026, 6, 1, 6), at(2026, 6, 1, 7));

        const QList<DateRange> stored = owner.programOfChannel(1)->dateRanges();
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored.at(0).type(), int(DateRange::Easter));
        QCOMPARE(stored.at(0).startDate(), at(2026, 3, 29, 2, 30));
        QCOMPARE(stored.at(0).endDate(), at(2026, 3, 29, 23, 15));
        QCOMPARE(stored.at(0).startDay(), -2);
        QCOMPARE(stored.at(0).endDay(), 1);
        QCOMPARE(stored.at(1).type(), int(DateRange::WeekRule));
        QCOMPARE(stored.at(1).startDay(), -1);
        QCOMPARE(stored.at(1).duration(), 1);
        QCOMPARE(stored.at(1).repeat(), 2);
        QVERIFY(stored.at(1).id() != 0);
        QCOMPARE(totals.last().at(0).toInt(), 2);

        controller.remove(0);
        QCOMPARE(owner.programOfChannel(1)->dateRanges(), QList<DateRange>{stored.at(1)});
        QCOMPARE(totals.last().at(0).toInt(), 1);
        controller.dateRanges()->undo();
        QCOMPARE(owner.programOfChannel(1)->dateRanges().size(), 2);
        controller.removeAll();
        QVERIFY(owner.programOfChannel(1)->dateRanges().isEmpty());
        QVERIFY(!controller.dateRanges()->canUndo());
    }

    void copiedAndPastedIntoAnotherProgram() {
        ExtraProgramServices services;
        TestOwner owner;
        owner.programOfChannel(1)->setDateRanges(everyType());
        ExtraProgramViewController source(&owner, 1, true);
        ExtraProgramViewController target(&owner, 2, true);
        source.reloadDateRanges();
        target.reloadDateRanges();
        QSignalSpy hasCopy(&target, &ExtraProgramViewController::hasCopyChanged);
        source.dateRanges()->selectAll();
        source.dateRanges()->copySelected();
        QVERIFY(target.hasClipboardData());
        QVERIFY(!hasCopy.isEmpty());
        QVERIFY(target.canPaste());

        const QJsonObject document =
            QJsonDocument::fromJson(QGuiApplication::clipboard()->mimeData()->data(ClipboardDocument::mimeType()))
                .object();
        QCOMPARE(document.value("document-version").toInt(), 1);
        QCOMPARE(document.value("clipboard").toObject(), QJsonObject());
        QCOMPARE(document.value("dateRanges").toArray().size(), 6);

        target.paste();
        const QList<DateRange> pasted = owner.programOfChannel(2)->dateRanges();
        QCOMPARE(pasted.size(), 6);
        for (int i = 0; i < pasted.size(); ++i)
            QCOMPARE(DateRangeFields::of(pasted.at(i)), DateRangeFields::of(everyType().at(i)));
        target.dateRanges()->undo();
        QVERIFY(owner.programOfChannel(2)->dateRanges().isEmpty());
        QVERIFY(!target.dateRanges()->canUndo());
    }

    void unsupportedRangesAreSkippedOnce() {
        ExtraProgramServices services;
        TestOwner owner;
        owner.programOfChannel(1)->setDateRanges(everyType());
        ExtraProgramViewController source(&owner, 1, true);
        source.reloadDateRanges();
        source.dateRanges()->selectAll();
        source.dateRanges()->copySelected();

        owner.yearly = false;
        ExtraProgramViewController target(&owner, 2, true);
        target.reloadDateRanges();
        QVERIFY(!target.hasExtendedDateRanges());
        QSignalSpy unsupported(&target, &ExtraProgramViewController::unsupportedDateRanges);
        target.paste();
        QCOMPARE(unsupported.size(), 1);
        QCOMPARE(typesOf(owner.programOfChannel(2)->dateRanges()), (QList<int>{1, 0, 2}));
        target.dateRanges()->undo();
        QCOMPARE(target.dateRangeCount(), 0);
    }

    void handWrittenDocuments() {
        ExtraProgramServices services;
        TestOwner owner;
        ExtraProgramViewController controller(&owner, 1, true);
        controller.reloadDateRanges();
        placeText(QStringLiteral(R"({"type": "APPLICATION/VND.DE.ZORVIK.TARVINO.JSON-DATA",
                                     "dateRanges": [{"type": "holiday", "start-time": 28800000}, 7, "x"]})"));
        QVERIFY(controller.hasClipboardData());
        QVERIFY(controller.canPaste());
        controller.paste();
        QCOMPARE(controller.dateRangeCount(), 1);
        const DateRange pasted = *controller.dateRanges()->at(0);
        QCOMPARE(pasted.type(), int(DateRange::FixYear));
        // Missing members take a new range's values, not Julian day 0.
        QCOMPARE(pasted.startDate(), utils::WallClock::todayAt(QTime(8, 0)));
        QCOMPARE(pasted.endDate(), utils::WallClock::todayAt(QTime(0, 0)).addDays(1));
        QCOMPARE(pasted.startDay(), DateRange::NotSet);
    }

    void otherClipboardContents_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hasData");

        QTest::newRow("plain text") << QStringLiteral("Hello") << false;
        QTest::newRow("malformed") << QStringLiteral(R"({"type": "application/vnd.de.zorvik.tarvino.json-data")")
                                   << false;
        QTest::newRow("switch times")
            << QStringLiteral(R"({"type": "application/vnd.de.zorvik.tarvino.json-data", "switches": []})") << true;
        QTest::newRow("date ranges not a list")
            << QStringLiteral(R"({"type": "application/vnd.de.zorvik.tarvino.json-data", "dateRanges": {}})")
            << true;
    }

    void otherClipboardContents() {
        QFETCH(QString, text);
        QFETCH(bool, hasData);
        ExtraProgramServices services;
        TestOwner owner;
        ExtraProgramViewController controller(&owner, 1, true);
        controller.reloadDateRanges();
        placeText(text);
        QCOMPARE(controller.hasClipboardData(), hasData);
        QVERIFY(!controller.canPaste());
        controller.paste();
        QCOMPARE(controller.dateRangeCount(), 0);
        QVERIFY(!controller.dateRanges()->canUndo());
    }

    void selectionModeAndEditors() {
        ExtraProgramServices services;
        TestOwner owner;
        ExtraProgramViewController controller(&owner, 1, true);
        QSignalSpy modes(&controller, &ExtraProgramViewController::selectionModeChanged);
        controller.setSelectionMode(ExtraProgramViewController::Delete);
        controller.setSelectionMode(ExtraProgramViewController::Delete);
        QCOMPARE(modes.size(), 1);
        std::unique_ptr<DateRangeController> editor(controller.createDateRange(DateRange::Yearly));
        QCOMPARE(controller.selectionMode(), int(ExtraProgramViewController::Normal));
        QCOMPARE(editor->property("type").toInt(), int(DateRange::Yearly));
        QCOMPARE(editor->property("startDate").toDate().year(), 2008);
    }

    void forcedRefreshResetsTheList() {
        ExtraProgramServices services;
        TestOwner owner;
        ExtraProgramViewController controller(&owner, 1, true);
        QSignalSpy resets(controller.dateRanges(), &QAbstractItemModel::modelReset);
        controller.forceRefreshDateRanges();
        QCOMPARE(resets.size(), 0);
        QVERIFY(resets.wait());
    }

    void holidaySetsOfTheService() {
        ExtraProgramServices services;
        TestOwner owner;
        ExtraProgramViewController controller(&owner, 1, true);
        QCOMPARE(controller.holidays(), services.holidayService.holidays());
        QCOMPARE(controller.sortedHolidaySet(), services.holidayService.sortedHolidaySet());
        QSignalSpy indexes(&controller, &ExtraProgramViewController::holidayIndexChanged);
        controller.changeHolidays(3);
        QCOMPARE(controller.holidayIndex(), 3);
        QCOMPARE(indexes.size(), 1);
        controller.setApplyUntilYear(2031);
        QCOMPARE(services.holidayService.applyUntilYear(), 2031);
        QCOMPARE(controller.applyUntilYear(), 2031);
    }
};

QTEST_MAIN(TestExtraProgramViewController)
#include "tst_extraprogramviewcontroller.moc"
