#include "switchtimesfixture.h"

#include "switchcell.h"
#include "switchgrid.h"
#include "switchtimecontroller.h"
#include "switchtimefields.h"

#include <QSignalSpy>

#include <astroengine.h>

using storage::SwitchTime;

namespace {

constexpr int Monday = 128;
constexpr int Tuesday = 64;
constexpr int Sunday = 2;

int hm(int hour, int minute, int second = 0) {
    return hour * 3600 + minute * 60 + second;
}

} // namespace

class TestSwitchTimesViewController : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<SwitchTimesFixture> f;

private slots:
    void init() { f = std::make_unique<SwitchTimesFixture>(); }
    void cleanup() { f.reset(); }

    void gridDrawingCreatesOnce() {
        QSignalSpy count(f->view.get(), &SwitchTimesViewController::switchCountChanged);
        emit f->list()->createSwitchTime(SwitchTime::Switch, SwitchTime::On, hm(8, 0), Monday);
        emit f->list()->createSwitchTime(SwitchTime::Switch, SwitchTime::On, hm(8, 0), Monday);
        QCOMPARE(f->view->switchCount(), 1);
        QCOMPARE(count.last().first().toInt(), 1);
        QVERIFY(f->at(0).id() != 0);
        QCOMPARE(f->owner.program->switches().size(), 1);
        QCOMPARE(f->view->totalSwitchCount(), 1);
    }

    void rangesEndOnTheirDay_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("endDay");
        QTest::addColumn<int>("endTime");
        QTest::newRow("same day") << 3 << Tuesday << hm(8, 0) << hm(9, 0) << Tuesday << hm(9, 0);
        QTest::newRow("over midnight") << 3 << Tuesday << hm(22, 0) << hm(2, 0) << 32 << hm(2, 0);
        QTest::newRow("over the week's end") << 3 << Sunday << hm(22, 0) << hm(2, 0) << Monday << hm(2, 0);
        QTest::newRow("fixed, whole day") << 3 << Tuesday << hm(8, 0) << hm(8, 0) << Tuesday << hm(8, 0, 1);
        QTest::newRow("plain, whole day") << 0 << Tuesday << hm(8, 0) << hm(8, 0) << Tuesday << hm(8, 0);
        QTest::newRow("several days") << 3 << Monday + Tuesday << hm(8, 0) << hm(9, 0) << -1 << hm(9, 0);
    }

    void rangesEndOnTheirDay() {
        QFETCH(int, type);
        QFETCH(int, days);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(int, endDay);
        QFETCH(int, endTime);
        emit f->list()->createSwitchTimeRange(SwitchTime::Type(type), SwitchTime::FixOn, start, end, days);
        QCOMPARE(f->view->switchCount(), 1);
        QCOMPARE(f->at(0).endDay(), endDay);
        QCOMPARE(f->at(0).endTime(), endTime);
    }

    void tableCreatesEachKind() {
        f->view->createFromTable(0, 1, Monday, -1, f->time(8, 0, 30), {}, {}, {});
        f->view->createFromTable(1, 1, Monday, -1, f->time(9, 0), {}, f->time(0, 0, 20), {});
        f->view->createFromTable(2, 0, Monday, Monday, f->time(10, 0), f->time(10, 0), f->time(0, 5),
                                 f->time(0, 10));
        f->view->createFromTable(3, 3, Tuesday, -1, f->time(22, 0), f->time(2, 0), {}, {});
        f->view->createFromTable(3, 2, Tuesday, 16, f->time(12, 0), f->time(13, 0), {}, {});
        f->view->createFromTable(7, 0, Monday, -1, f->time(8, 0), {}, {}, {});
        QCOMPARE(f->view->switchCount(), 5);
        QCOMPARE(f->at(0).startTime(), hm(8, 0, 30));
        QCOMPARE(f->at(1).pulsTime(), 20);
        QCOMPARE(f->at(2).endDay(), 1);
        QCOMPARE(f->at(2).pauseTime(), 600);
        QCOMPARE(f->at(3).endDay(), 32);
        QCOMPARE(f->at(4).endDay(), 16);
        f->view->createFromTable(1, 1, Monday, -1, f->time(9, 0), {}, f->time(0, 0, 20), {});
        QCOMPARE(f->view->switchCount(), 5);
    }

    void editorCreatesNewSwitchTimes() {
        std::unique_ptr<SwitchTimeController> editor(f->view->createSwitchTime(1, 1));
        editor->setTime(f->time(2, 30, 15));
        editor->setSelectedDays({false, true, false, false, false, false, false});
        editor->setPulsTime(f->time(1, 0, 30));
        editor->saveModifications();
        QCOMPARE(f->view->switchCount(), 1);
        // 02:30 exists on the day summer time begins; the hour of a pulse is never kept.
        QCOMPARE(f->at(0).startTime(), hm(2, 30, 15));
        QCOMPARE(f->at(0).startDays(), Tuesday);
        QCOMPARE(f->at(0).pulsTime(), 30);
        editor->saveModifications();
        QCOMPARE(f->view->switchCount(), 1);
    }

    // QML hands over local date-times; a zone ahead of UTC must not shift the time of day.
    void editorKeepsTheWallClockOfZonedTimes() {
        std::unique_ptr<SwitchTimeController> editor(f->view->createSwitchTime(1, 1));
        const QDateTime zoned(QDate(2026, 3, 29), QTime(6, 45, 10), Qt::OffsetFromUTC, 2 * 3600);
        editor->setTime(zoned);
        editor->setPulsTime(QDateTime(QDate(2026, 3, 29), QTime(0, 1, 5), Qt::OffsetFromUTC, 2 * 3600));
        QCOMPARE(editor->time(), QDateTime(QDate(2026, 3, 29), QTime(6, 45, 10), Qt::UTC));
        editor->setSelectedDays({true, false, false, false, false, false, false});
        editor->saveModifications();
        QCOMPARE(f->at(0).startTime(), hm(6, 45, 10));
        QCOMPARE(f->at(0).pulsTime(), 65);
    }

    void savingUnchangedDropsSecondsOnly() {
        f->view->createFromTable(3, 3, Tuesday, -1, f->time(22, 0, 40), f->time(2, 0, 10), {}, {});
        const SwitchTimeFields before = SwitchTimeFields::of(f->at(0));
        std::unique_ptr<SwitchTimeController> editor(f->view->openSwitchTime(0));
        QCOMPARE(editor->endDay(), 2);
        editor->saveModifications();
        SwitchTimeFields expected = before;
        expected.startTime = hm(22, 0);
        expected.endTime = hm(2, 0);
        QCOMPARE(SwitchTimeFields::of(f->at(0)), expected);
    }

    void cycleEnds_data() {
        QTest::addColumn<int>("endDay");
        QTest::addColumn<int>("endHour");
        QTest::addColumn<int>("stored");
        QTest::newRow("back at its start: endless") << 0 << 8 << 1;
        QTest::newRow("another day") << 2 << 8 << 32;
        QTest::newRow("endless with another end time") << 7 << 9 << Monday;
        QTest::newRow("no end day") << -1 << 9 << 0;
    }

    void cycleEnds() {
        QFETCH(int, endDay);
        QFETCH(int, endHour);
        QFETCH(int, stored);
        std::unique_ptr<SwitchTimeController> editor(f->view->createSwitchTime(2, 0));
        editor->setTime(f->time(8, 0));
        editor->setSelectedDays({true, false, false, false, false, false, false});
        editor->setPulsTime(f->time(0, 1));
        editor->setPauseTime(f->time(0, 2));
        editor->setEndDay(endDay);
        editor->setEndTime(f->time(endHour, 0));
        editor->saveModifications();
        QCOMPARE(f->view->switchCount(), 1);
        QCOMPARE(f->at(0).endDay(), stored);
        QCOMPARE(f->at(0).endTime(), hm(endHour, 0));
    }

    void endlessFollowsTheStart() {
        std::unique_ptr<SwitchTimeController> editor(f->view->createSwitchTime(2, 0));
        QSignalSpy endless(editor.get(), &SwitchTimeController::endlessChanged);
        editor->setEndless(true);
        QVERIFY(editor->endless());
        editor->setTime(f->time(7, 15));
        QCOMPARE(editor->endTime(), f->time(7, 15));
        editor->setEndless(false);
        QCOMPARE(editor->endDay(), -1);
        QCOMPARE(endless.count(), 2);
    }

    void fixedEndAtItsStartIsInvalid() {
        f->view->createFromTable(3, 3, Tuesday + 32, -1, f->time(8, 0), f->time(9, 0), {}, {});
        std::unique_ptr<SwitchTimeController> editor(f->view->openSwitchTime(0));
        QVERIFY(!editor->isEndDateValide(1, f->time(8, 0)));
        QVERIFY(editor->isEndDateValide(2, f->time(8, 0)));
        QVERIFY(editor->isEndDateValide(1, f->time(8, 1)));
        QVERIFY(editor->isEndDateValide(-1, f->time(8, 0)));
        editor->setEndDay(-1);
        editor->saveModifications();
        QCOMPARE(f->at(0).endDay(), -1);
    }

    void saveWithoutDaysRemovesAndUndoRestores() {
        f->view->createFromTable(0, 1, Monday, -1, f->time(8, 0), {}, {}, {});
        f->view->createFromTable(0, 0, Monday, -1, f->time(9, 0), {}, {}, {});
        const SwitchTime second = f->at(1);
        const SwitchTimeFields before = SwitchTimeFields::of(second);
        std::unique_ptr<SwitchTimeController> editor(f->view->openSwitchTime(1));
        // The row moves before the save; the editor still saves its own switch time.
        f->view->remove(0);
        QCOMPARE(f->at(0), second);
        editor->setTime(f->time(10, 0));
        editor->setState(1);
        editor->setSelectedDays(QList<bool>(7, false));
        editor->saveModifications();
        QCOMPARE(f->view->switchCount(), 0);
        QCOMPARE(f->owner.program->switches().size(), 0);
        f->list()->undo();
        QCOMPARE(f->view->switchCount(), 1);
        QCOMPARE(SwitchTimeFields::of(f->at(0)), before);
        QCOMPARE(f->owner.program->switches().size(), 1);
        f->list()->undo();
        QCOMPARE(f->view->switchCount(), 2);
    }

    void editorOfARemovedSwitchTimeSavesNothing() {
        f->view->createFromTable(0, 1, Monday, -1, f->time(8, 0), {}, {}, {});
        const SwitchTime removed = f->at(0);
        std::unique_ptr<SwitchTimeController> editor(f->view->openSwitchTime(0));
        f->view->remove(0);
        editor->setTime(f->time(11, 0));
        editor->saveModifications();
        QCOMPARE(f->view->switchCount(), 0);
        QCOMPARE(removed.startTime(), hm(8, 0));

        std::unique_ptr<SwitchTimeController> orphan(f->view->createSwitchTime(0, 1));
        f->view.reset();
        orphan->setSelectedDays({true, false, false, false, false, false, false});
        orphan->saveModifications();
        QCOMPARE(f->owner.program->switches().size(), 0);
    }

    void openAndRemoveCheckTheirRows() {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no switch time in row 3"));
        QVERIFY(!f->view->openSwitchTime(3));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no switch time in row -1"));
        f->view->remove(-1);
    }

    void sortedRowsOpenTheirSwitchTime() {
        f->view->createFromTable(0, 1, Monday, -1, f->time(12, 0), {}, {}, {});
        f->view->createFromTable(0, 1, Monday, -1, f->time(6, 0), {}, {}, {});
        std::unique_ptr<SwitchTimeController> editor(f->view->openSwitchTime(0, true));
        QCOMPARE(editor->time().time(), QTime(6, 0));
    }

    void removeIsOneUndoStep() {
        f->view->createFromTable(0, 1, Monday + Tuesday, -1, f->time(8, 0), {}, {}, {});
        f->view->createFromTable(0, 0, Monday, -1, f->time(9, 0), {}, {}, {});
        f->view->remove(0);
        QCOMPARE(f->view->switchCount(), 1);
        f->list()->undo();
        QCOMPARE(f->view->switchCount(), 2);
        const int restored = f->at(0).startTime() == hm(8, 0) ? 0 : 1;
        QCOMPARE(f->at(restored).startDays(), Monday + Tuesday);
        f->view->deleteArea(5, 0, {0, 1});
        QCOMPARE(f->view->switchCount(), 0);
        f->list()->undo();
        QCOMPARE(f->view->switchCount(), 2);
        f->view->removeAll();
        QCOMPARE(f->view->switchCount(), 0);
        QVERIFY(!f->list()->canUndo());
        QCOMPARE(f->owner.program->switches().size(), 0);
    }

    void gridControllerIsOneObject() {
        QObject* grid = f->view->gridController();
        QVERIFY(grid);
        QCOMPARE(f->view->gridController(), grid);
        QCOMPARE(grid->parent(), f->view.get());
    }

    void editModes_data() {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<int>("astro");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("follow");
        QTest::addColumn<int>("priority");
        const int range = SwitchGridEdit::RangeEditMode;
        const int simple = SwitchGridEdit::SimpleEditMode;
        QTest::newRow("on, astro") << "on" << 1 << range << int(SwitchCell::GreenStart)
                                   << int(SwitchCell::GreenEnd) << int(SwitchCell::GreenDot) << 100;
        QTest::newRow("on") << "on" << 0 << simple << int(SwitchCell::Green) << -1
                            << int(SwitchCell::GreenDot) << 0;
        QTest::newRow("off, astro") << "off" << 1 << range << int(SwitchCell::RedStart)
                                    << int(SwitchCell::RedEnd) << int(SwitchCell::RedDot) << 101;
        QTest::newRow("off") << "off" << 0 << simple << int(SwitchCell::Red) << -1 << -1 << 100;
        QTest::newRow("on-off") << "onoff" << -1 << range << int(SwitchCell::Green) << int(SwitchCell::Red)
                                << int(SwitchCell::GreenDot) << 101;
        QTest::newRow("impulse on") << "impon" << -1 << simple << int(SwitchCell::YellowOn) << -1 << -1 << -2;
        QTest::newRow("impulse off") << "impoff" << -1 << simple << int(SwitchCell::YellowOff) << -1 << -1
                                     << -2;
        QTest::newRow("cycle") << "cycle" << -1 << range << int(SwitchCell::BlueStart)
                               << int(SwitchCell::BlueEnd) << int(SwitchCell::BlueDot) << -2;
    }

    void editModes() {
        QFETCH(QString, slot);
        QFETCH(int, astro);
        QFETCH(int, mode);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(int, follow);
        QFETCH(int, priority);
        SwitchGrid grid;
        const QHash<QString, std::function<void()>> enable{
            {"on", [&] { f->view->enableOnSwitchMode(&grid, astro == 1); }},
            {"off", [&] { f->view->enableOffSwitchMode(&grid, astro == 1); }},
            {"onoff", [&] { f->view->enableOnOffSwitchMode(&grid); }},
            {"impon", [&] { f->view->enableImpulsOnSwitchMode(&grid); }},
            {"impoff", [&] { f->view->enableImpulsOffSwitchMode(&grid); }},
            {"cycle", [&] { f->view->enableCycleSwitchMode(&grid); }},
        };
        enable.value(slot)();
        const auto code = [](const SwitchGridEdit::CellPtr& cell) { return cell ? cell->typeCode() : -1; };
        const SwitchGridEdit& edit = grid.edit();
        QCOMPARE(int(edit.mode), mode);
        QCOMPARE(code(edit.model), start);
        QCOMPARE(code(edit.endModel), end);
        QCOMPARE(code(edit.followModel), follow);
        QCOMPARE(edit.priority, priority);
    }

    void astroBoundsFollowTheYear_data() {
        QTest::addColumn<int>("latitude");
        QTest::newRow("Munich") << 48;
        QTest::newRow("Tromsø") << 69;
    }

    void astroBoundsFollowTheYear() {
        QFETCH(int, latitude);
        QSignalSpy changed(f->view.get(), &SwitchTimesViewController::astroChanged);
        f->view->updateAstroTimes();
        QCOMPARE(changed.count(), 0);
        QCOMPARE(f->view->astroMin(), -1);
        QVERIFY(f->view->astroTableForYear(2026) == TJAstro());

        AstroYearParameters parameters;
        parameters.latitude = latitude;
        parameters.longitude = 11;
        parameters.timezone = 13;
        parameters.offsetSunrise = 10;
        f->owner.astro = parameters;
        f->view->updateAstroTimes();
        QCOMPARE(changed.count(), 1);
        AstroEngine::setParameters(latitude, 11, 13, {}, false, {});
        const TJAstro year = AstroEngine::computeYear(QDate::currentDate().year(), 10, 0, 0);
        if (year.hasNoSunDays) {
            QCOMPARE(f->view->astroMin(), -1);
            QCOMPARE(f->view->astroMax(), -1);
            QCOMPARE(f->view->astroMinLight(), 0);
            QCOMPARE(f->view->astroMaxLight(), 1440);
        } else {
            QCOMPARE(f->view->astroMin(), AstroEngine::minutesOf(year.latestSunrise));
            QCOMPARE(f->view->astroMax(), AstroEngine::minutesOf(year.earliestSunset));
            QCOMPARE(f->view->astroMinLight(), AstroEngine::minutesOf(year.earliestSunrise));
            QCOMPARE(f->view->astroMaxLight(), AstroEngine::minutesOf(year.latestSunset));
        }
        QCOMPARE(bool(year.hasNoSunDays), latitude > 66);
    }

    void astroImpulseModeShowsOnlyLight() {
        f->view->updateAstroMode(3);
        QVERIFY(f->view->onlyShowLightAstro());
        f->view->updateAstroMode(2);
        QVERIFY(!f->view->onlyShowLightAstro());
        f->owner.controls = true;
        f->view->updateAstroMode(2);
        QVERIFY(f->view->onlyShowLightAstro());
    }

    void selectionModeSignalsChanges() {
        QSignalSpy mode(f->view.get(), &SwitchTimesViewController::selectionModeChanged);
        f->view->setSelectionMode(1);
        f->view->setSelectionMode(1);
        QCOMPARE(mode.count(), 1);
        std::unique_ptr<SwitchTimeController> editor(f->view->createSwitchTime());
        QCOMPARE(f->view->selectionMode(), 0);
        QCOMPARE(mode.count(), 2);
    }
};

QTEST_MAIN(TestSwitchTimesViewController)
#include "tst_switchtimesviewcontroller.moc"
