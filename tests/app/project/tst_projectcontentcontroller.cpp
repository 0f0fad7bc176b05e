#include "contentfixture.h"

#include "astrochannelcontroller.h"
#include "settingscontroller.h"

#include <astroengine.h>
#include <ble/bleservice.h>
#include <channeloverviewmodel.h>
#include <daterangelistmodel.h>
#include <extraprogramswitchtimecontroller.h>
#include <extraprogramviewcontroller.h>
#include <storage/daterange.h>
#include <utils/wallclock.h>

#include <algorithm>

class TestProjectContentController : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ContentFixture> f;

    // Puts a switch time on a channel and selects the first channel again.
    static void fillChannel(ProjectContentController* content, int channel) {
        const int selected = content->selectedChannel();
        content->setSelectedChannel(channel);
        ContentFixture::addSwitch(content->switchTimesViewController(), 128, 8, 0);
        content->setSelectedChannel(selected);
    }

    // A fixed range from the first of one month of 2026 to the first of another, 08:00 to 09:00;
    // it ends before it starts when the second month comes first.
    static void addRange(ExtraProgramViewController* view, int startMonth, int endMonth) {
        view->createFromTable(storage::DateRange::FixYear,
                              utils::WallClock::at(QDate(2026, startMonth, 1), QTime(0, 0)),
                              utils::WallClock::at(QDate(2026, endMonth, 1), QTime(0, 0)),
                              ContentFixture::at(8, 0), ContentFixture::at(9, 0), 0, 0);
    }
    static QList<int> sorted(QList<int> list) {
        std::sort(list.begin(), list.end());
        return list;
    }
    static QList<int> upTo(int count) {
        QList<int> numbers;
        for (int number = 0; number < count; ++number)
            numbers.append(number);
        return numbers;
    }

private slots:
    void init() { f = std::make_unique<ContentFixture>(); }
    void cleanup() { f.reset(); }

    void mainControllerOwnsTheContent() {
        QSignalSpy changed(f->mainController.get(), &MainController::projectContentChanged);
        ProjectContentController* content = f->open(QStringLiteral("Tarvino Rix3 Weekly 2"));
        QVERIFY(content);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(content->project(), f->mainController->currentProject());
        QCOMPARE(content->settingsController()->project(), content->project());
        QCOMPARE(content->settingsController()->projectContent(), content);
        QPointer<ProjectContentController> first = content;
        QVERIFY(f->mainController->openCurrentProject());
        QCOMPARE(changed.count(), 2);
        QVERIFY(f->mainController->projectContent() != first);
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        f->mainController->closeProject();
        QCOMPARE(changed.count(), 3);
        QVERIFY(!f->mainController->projectContent());
    }

    void removingTheOpenProjectDropsItsContent() {
        QVERIFY(f->open(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QSignalSpy changed(f->mainController.get(), &MainController::projectContentChanged);
        f->projectService->model()->setSelected(f->mainController->currentProject()->id(), true);
        f->mainController->remove();
        QCOMPARE(changed.count(), 1);
        QVERIFY(!f->mainController->projectContent());
    }

    void selectionAndUsage() {
        ProjectContentController* content = f->open(QStringLiteral("Tarvino Rix3 Weekly 2"));
        QVERIFY(content);
        SwitchTimesViewController* view = content->switchTimesViewController();
        QCOMPARE(content->selectedChannel(), 0);
        QVERIFY(content->channelController());
        QCOMPARE(content->emptyChannels(), QList<int>({0, 1}));
        QSignalSpy memory(content, &ProjectContentController::totalMemoryCountChanged);
        ContentFixture::addSwitch(view, 128, 8, 0);
        QCOMPARE(content->emptyChannels(), QList<int>({1}));
        QCOMPARE(content->totalMemoryCount(), 1);
        QCOMPARE(memory.last().first().toInt(), 1);
        QVERIFY(content->channelIsUsed(0));
        QVERIFY(!content->channelIsUsed(1));

        QSignalSpy selected(content, &ProjectContentController::selectedChannelChanged);
        content->setSelectedChannel(1);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(content->channelController(), content->project()->channel(1));
        QCOMPARE(view->switchCount(), 0);
        QCOMPARE(view->totalSwitchCount(), 1);
        content->setSelectedChannel(0);
        QCOMPARE(view->switchCount(), 1);
        QTest::ignoreMessage(QtWarningMsg, ">> The project has no channel 5");
        content->setSelectedChannel(5);
        QCOMPARE(content->selectedChannel(), 0);
        QCOMPARE(selected.count(), 2);
    }

    void extensionModuleNeedsConfirmation() {
        ProjectContentController* content = f->open(QStringLiteral("Tarvino Rix3 Weekly 2"));
        QVERIFY(content);
        QVERIFY(content->toggleExtensionModule(true));
        QVERIFY(content->project()->extensionModule());
        QCOMPARE(content->emptyChannels(), QList<int>({0, 1, 4, 5, 6, 7}));
        fillChannel(content, 5);
        content->setSelectedChannel(6);
        QVERIFY(!content->toggleExtensionModule(false));
        QVERIFY(content->project()->extensionModule());
        QCOMPARE(content->selectedChannel(), 6);
        QVERIFY(content->channelIsUsed(5));

        QVERIFY(content->toggleExtensionModule(false, true));
        QVERIFY(!content->project()->extensionModule());
        QCOMPARE(content->selectedChannel(), 0);
        QCOMPARE(content->channelController(), content->project()->channel(0));
        QVERIFY(!content->channelIsUsed(5));
        QCOMPARE(content->totalMemoryCount(), 0);
        QCOMPARE(content->emptyChannels(), QList<int>({0, 1}));
    }

    void signalingClearsItsTarget() {
        ProjectContentController* content = f->open(QStringLiteral("Tarvino Rix3 Weekly 4"));
        QVERIFY(content);
        fillChannel(content, 1);
        fillChannel(content, 2);
        QSignalSpy signaling(content->project(), &ProjectController::signalingChannelsChanged);
        content->setSignaling(0);
        QCOMPARE(signaling.count(), 0);
        QVERIFY(content->channelIsUsed(1) && content->channelIsUsed(2));

        content->setSignaling(3);
        QCOMPARE(signaling.count(), 1);
        QVERIFY(!content->channelIsUsed(2));
        QVERIFY(content->channelIsUsed(1));
        QVERIFY(content->emptyChannels().contains(2));
        QVERIFY(content->project()->signalingChannels().contains(3));
        QCOMPARE(content->totalMemoryCount(), 1);

        QTest::ignoreMessage(QtWarningMsg, ">> Channel 1 cannot signal to channel 1");
        content->setSignaling(1);
        QTest::ignoreMessage(QtWarningMsg, ">> Channel 1 cannot signal to channel 9");
        content->setSignaling(9);
        QCOMPARE(content->channelController()->signaling(), 3);
        QCOMPARE(signaling.count(), 1);
    }

    void channelTypeReplacesTheController() {
        ProjectContentController* content = f->open(QStringLiteral("Tarvino Rix3 Hybrid 4"));
        QVERIFY(content);
        ContentFixture::addSwitch(content->switchTimesViewController(), 128, 8, 0);
        QCOMPARE(content->channelType(), 0);
        QSignalSpy type(content, &ProjectContentController::channelTypeChanged);
        content->setChannelType(0, 1);
        QCOMPARE(type.count(), 1);
        QCOMPARE(content->channelType(), 1);
        QVERIFY(qobject_cast<AstroChannelController*>(content->channelController()));
        QCOMPARE(content->switchTimesViewController()->switchCount(), 0);
        QCOMPARE(content->totalMemoryCount(), 0);
        QCOMPARE(content->project()->programData()->channel(0)->function(), 1);
    }

    void anotherChannelsTypeClearsThatChannelOnly() {
        ProjectContentController* content = f->open(QStringLiteral("Tarvino Rix3 Hybrid 4"));
        QVERIFY(content);
        ContentFixture::addSwitch(content->switchTimesViewController(), 128, 8, 0);
        fillChannel(content, 1);
        content->setChannelType(1, 1);
        QCOMPARE(content->switchTimesViewController()->switchCount(), 1);
        QVERIFY(content->channelIsUsed(0));
        QVERIFY(!content->channelIsUsed(1));
        QCOMPARE(content->channelType(), 0);
        QCOMPARE(content->project()->channel(1)->channelType(), 1);
    }

    void plainProjectsComputeAtZoneThirteen() {
        ProjectContentController* content = f->open(QStringLiteral("Tarvino Rix3 Weekly 2"));
        QVERIFY(content);
        AstroEngine::setParameters(0, 0, 13, content->project()->summerWinterRule(2030), false,
                                   OwnAstroDayTable());
        const TJAstro expected = AstroEngine::computeYear(2030, 0, 0, 0);
        QVERIFY(content->getAstroTimeForYear(2030) == expected);
        QVERIFY(content->switchTimesViewController()->astroTableForYear(2030) == TJAstro());
    }

    void overviewIsNewPerCall_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("module");
        QTest::addColumn<int>("columns");
        QTest::newRow("1") << "Tarvino Rix3 Weekly 1" << false << 1;
        QTest::newRow("2") << "Tarvino Rix3 Weekly 2" << false << 2;
        QTest::newRow("2 + module") << "Tarvino Rix3 Weekly 2" << true << 6;
        QTest::newRow("4 + module") << "Tarvino Rix3 Weekly 4" << true << 8;
        QTest::newRow("8") << "Tarvino Rix3 Weekly 8" << false << 8;
    }

    void overviewIsNewPerCall() {
        QFETCH(QString, model);
        QFETCH(bool, module);
        QFETCH(int, columns);
        ProjectContentController* content = f->open(model);
        QVERIFY(content);
        if (module)
            QVERIFY(content->toggleExtensionModule(true));
        const int last = content->channelSet().constLast();
        fillChannel(content, last);
        content->channelController()->setHolidayStatus(1);
        std::unique_ptr<ChannelOverviewModel> first(content->channelOverview());
        std::unique_ptr<ChannelOverviewModel> second(content->channelOverview());
        QVERIFY(first && second && first != second);
        QVERIFY(!first->parent());
        QCOMPARE(first->columnCount(), columns);
        QCOMPARE(first->rowCount(), 7);
        QCOMPARE(first->data(first->index(ChannelOverviewModel::MemoryRow, columns - 1)).toInt(), 1);
        QCOMPARE(first->data(first->index(ChannelOverviewModel::HolidayRow, 0)).toString(),
                 QStringLiteral("Aktiv"));
        QCOMPARE(first->data(first->index(ChannelOverviewModel::FunctionRow, 0)).toString(),
                 QStringLiteral("Zeitschaltprogramm"));
    }

    void errorsOfTheEditorReachTheProject() {
        ProjectContentController* content = f->open(QStringLiteral("Tarvino Rix3 Weekly 2"));
        QVERIFY(content);
        SwitchTimesViewController* view = content->switchTimesViewController();
        ContentFixture::addSwitch(view, 128, 8, 0);
        QVERIFY(!content->project()->project().hasError());
        // An impulse without a pulse duration.
        view->createFromTable(1, 1, 64, -1, ContentFixture::at(9, 0), {}, {}, {});
        QVERIFY(content->hasSwitchOrDateError());
        QVERIFY(content->project()->project().hasError());
        QVERIFY(!content->project()->isExportable());
        view->switches()->undo();
        QVERIFY(!content->project()->project().hasError());
        QVERIFY(content->project()->isExportable());
    }

    void extraProgramsFollowTheModel_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("programs");
        QTest::addColumn<bool>("switchEditor");
        QTest::addColumn<bool>("extended");
        // The first model edits the extra programs' switch times in the switch-times view.
        QTest::newRow("with switches") << "Tarvino Rix3 Weekly 2" << 17 << false << true;
        QTest::newRow("without switches") << "Tarvino Rix2 Weekly 2" << 4 << true << false;
    }

    void extraProgramsFollowTheModel() {
        QFETCH(QString, model);
        QFETCH(int, programs);
        QFETCH(bool, switchEditor);
        QFETCH(bool, extended);
        ProjectContentController* content = f->open(model);
        QVERIFY(content);
        QCOMPARE(sorted(content->emptyPrograms()), upTo(programs));
        for (int number = 0; number < programs; ++number) {
            ExtraProgramViewController* view = content->extraProgramViewController(number);
            QVERIFY(view);
            QCOMPARE(content->extraProgramViewController(number), view);
            QCOMPARE(view->parent(), content);
            QCOMPARE(view->ownerObject(), content);
            QCOMPARE(view->programNumber(), number);
            QCOMPARE(view->displayExtraSwitchTimes(), switchEditor);
            QCOMPARE(view->switchTimes() != nullptr, switchEditor);
            QCOMPARE(view->hasExtendedDateRanges(), extended);
            QVERIFY(view->isEmpty());
        }
        using V = ExtraProgramViewController;
        QCOMPARE(content->extraProgramViewController(0)->extraType(), V::Standard);
        QCOMPARE(content->extraProgramViewController(1)->extraType(), programs > 3 ? V::Standard : V::PermOn);
        QCOMPARE(content->extraProgramViewController(programs - 2)->extraType(), V::PermOn);
        QCOMPARE(content->extraProgramViewController(programs - 1)->extraType(), V::PermOff);
    }

    void dateRangesMakeProgramsAndChannelsUsed() {
        ProjectContentController* content = f->open(QStringLiteral("Tarvino Rix3 Weekly 2"));
        QVERIFY(content);
        ExtraProgramViewController* view = content->extraProgramViewController(3);
        QSignalSpy programs(content, &ProjectContentController::emptyProgramsChanged);
        addRange(view, 5, 6);
        QCOMPARE(programs.count(), 1);
        QVERIFY(!content->emptyPrograms().contains(3));
        QCOMPARE(content->emptyPrograms().size(), 16);
        QCOMPARE(content->emptyChannels(), QList<int>({1}));
        QCOMPARE(content->totalMemoryCount(), 1);
        QCOMPARE(view->totalDateRangeCount(), 1);

        content->setSelectedChannel(1);
        QCOMPARE(view->dateRangeCount(), 0);
        QVERIFY(content->emptyPrograms().contains(3));
        addRange(view, 7, 8);
        QCOMPARE(view->totalDateRangeCount(), 2);
        QCOMPARE(content->emptyChannels(), QList<int>());
        content->setSelectedChannel(0);
        QCOMPARE(view->dateRangeCount(), 1);
        QVERIFY(!content->emptyPrograms().contains(3));

        view->dateRanges()->removeAll();
        QVERIFY(content->emptyPrograms().contains(3));
        QCOMPARE(content->emptyChannels(), QList<int>({0}));
        QCOMPARE(content->totalMemoryCount(), 1);
    }

    void extraSwitchTimesMakeAProgramUsed() {
        ProjectContentController* content = f->open(QStringLiteral("Tarvino Rix2 Weekly 2"));
        QVERIFY(content);
        ExtraProgramSwitchTimeController* switches = content->extraProgramViewController(1)->switchTimes();
        QVERIFY(switches);
        switches->setOnTimeProg1(ContentFixture::at(7, 0));
        switches->setIsActiveOnProg1(true);
        switches->saveModifications();
        QVERIFY(!content->emptyPrograms().contains(1));
        QVERIFY(content->channelIsUsed(0));
        QVERIFY(!content->emptyChannels().contains(0));
    }

    void weeklySwitchesKeepTheChannelUsed() {
        // The extra switch-time editors of this model do not see the weekly switch times.
        ProjectContentController* content = f->open(QStringLiteral("Tarvino Rix2 Weekly 2"));
        QVERIFY(content);
        ContentFixture::addSwitch(content->switchTimesViewController(), 128, 8, 0);
        QVERIFY(content->channelIsUsed(0));
        QCOMPARE(content->emptyChannels(), QList<int>({1}));
        content->switchTimesViewController()->switches()->undo();
        QCOMPARE(content->emptyChannels(), QList<int>({1, 0}));
    }

    void dateErrorsReachTheProject() {
        ProjectContentController* content = f->open(QStringLiteral("Tarvino Rix3 Weekly 2"));
        QVERIFY(content);
        ExtraProgramViewController* view = content->extraProgramViewController(2);
        addRange(view, 5, 6);
        QVERIFY(!content->hasSwitchOrDateError());
        QVERIFY(!content->project()->project().hasError());
        addRange(view, 9, 8);
        QVERIFY(content->hasSwitchOrDateError());
        QVERIFY(content->project()->project().hasError());
        view->dateRanges()->undo();
        QVERIFY(!content->hasSwitchOrDateError());
        QVERIFY(!content->project()->project().hasError());
    }

    void channelTypeClearsTheChannelsDateRanges() {
        ProjectContentController* content = f->open(QStringLiteral("Tarvino Rix3 Hybrid 4"));
        QVERIFY(content);
        ExtraProgramViewController* view = content->extraProgramViewController(1);
        addRange(view, 5, 6);
        content->setSelectedChannel(1);
        addRange(view, 5, 6);
        addRange(view, 7, 8);
        content->setSelectedChannel(0);

        content->setChannelType(1, 1);
        QCOMPARE(view->dateRangeCount(), 1);
        QVERIFY(!content->channelIsUsed(1));
        QCOMPARE(content->totalMemoryCount(), 1);

        content->setChannelType(0, 1);
        QCOMPARE(view->dateRangeCount(), 0);
        QVERIFY(content->emptyPrograms().contains(1));
        QVERIFY(!content->channelIsUsed(0));
        QCOMPARE(content->totalMemoryCount(), 0);
    }

    void extraSwitchTimesFollowTheChannelType() {
        ProjectContentController* content = f->open(QStringLiteral("Tarvino Rix2 Hybrid 2"));
        QVERIFY(content);
        ExtraProgramSwitchTimeController* switches = content->extraProgramViewController(1)->switchTimes();
        QVERIFY(switches);
        QVERIFY(!switches->isAstro());
        QSignalSpy mode(switches, &ExtraProgramSwitchTimeController::modeChanged);
        content->setChannelType(0, 1);
        QVERIFY(switches->isAstro());
        content->setChannelType(1, 0);
        QVERIFY(switches->isAstro());
        content->setChannelType(0, 0);
        QVERIFY(!switches->isAstro());
        QCOMPARE(mode.count(), 2);
    }

    void astroModeReachesTheExtraSwitchTimes() {
        ProjectContentController* content = f->open(QStringLiteral("Tarvino Rix2 Astro 2"));
        QVERIFY(content);
        auto* channel = qobject_cast<AstroChannelController*>(content->channelController());
        QVERIFY(channel);
        ExtraProgramSwitchTimeController* switches = content->extraProgramViewController(1)->switchTimes();
        QVERIFY(switches);
        QVERIFY(switches->isAstro());
        QVERIFY(switches->onSunset());
        // The mode still arrives after a change of channel.
        content->setSelectedChannel(1);
        content->setSelectedChannel(0);
        QSignalSpy sunset(switches, &ExtraProgramSwitchTimeController::onSunsetChanged);
        channel->setAstroMode(1);
        QVERIFY(!switches->onSunset());
        QCOMPARE(sunset.count(), 1);
        channel->setAstroMode(0);
        QVERIFY(switches->onSunset());
    }

    void tooManyEntriesReachTheBluetoothService() {
        ble::BLEService service;
        ble::BLEService::m_instance = &service;
        QSignalSpy error(&service, &ble::BLEService::tooManySZError);
        ProjectContentController* content = f->open(QStringLiteral("Tarvino Rix3 Weekly 2"));
        QVERIFY(content);
        emit content->project()->tooManySZError(900, 800);
        ble::BLEService::m_instance = nullptr;
        QCOMPARE(error.count(), 1);
        QCOMPARE(error.first(), QVariantList({900, 800}));
    }
};

QTEST_MAIN(TestProjectContentController)
#include "tst_projectcontentcontroller.moc"
