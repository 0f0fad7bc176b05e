#include "projectsfixture.h"

#include <QMetaProperty>

#include <devices/eepromservice.h>
#include <filemanager/filemanager.h>
#include <storage/switchtime.h>
#include <utils/wallclock.h>

#include "astrochannelcontroller.h"
#include "channelcontroller.h"
#include "controlsprojectcontroller.h"
#include "metadatacontroller.h"
#include "noctaprojectcontroller.h"
#include "projectcontroller.h"
#include "projectcontrollerfactory.h"

namespace {

constexpr int Weekly1 = 11;      // 1 channel, 56 entries
constexpr int Rix3Weekly2 = 102; // 2 channels, yearly, extension module
constexpr int Rix3Weekly4 = 103; // 4 channels, extension module
constexpr int Lumen1 = 31;       // twilight, one light setting
constexpr int Lumen2 = 74;       // twilight, a light setting per weekday

const char* const IntCapabilities[] = {"channelNumber", "programms", "luxSettingType",
                                       "defaultExternalInput"};
const char* const BoolCapabilities[] = {"hasRandomHolidaysStatus",
                                        "hasTimer",
                                        "hasAccident",
                                        "hasImpuls",
                                        "hasZyclus",
                                        "hasExternalInput",
                                        "hideExternalInput",
                                        "canSetSchalter",
                                        "hasChannelCombination",
                                        "hasEasterRule",
                                        "hasToggleFunction",
                                        "hasDateTimeSettings",
                                        "hasOptionSettings",
                                        "hasVaccancy",
                                        "hasOperatingTime",
                                        "canSelectChannelType",
                                        "cloudDevice",
                                        "extraProgramWithSwitches",
                                        "hasLcdIllumination",
                                        "hasExtensionModule",
                                        "hasSignalFunction",
                                        "yearlyProgram"};

int askInt(devices::DeviceService& service, const char* query, int ot2) {
    int answer = -100;
    QMetaObject::invokeMethod(&service, query, Qt::DirectConnection, Q_RETURN_ARG(int, answer),
                              Q_ARG(int, ot2));
    return answer;
}

bool askBool(devices::DeviceService& service, const char* query, int ot2) {
    bool answer = false;
    if (!QMetaObject::invokeMethod(&service, query, Qt::DirectConnection, Q_RETURN_ARG(bool, answer),
                                   Q_ARG(int, ot2)))
        qFatal("No query %s", query);
    return answer;
}

void fillSwitchTimes(storage::Project project, int count) {
    QList<storage::SwitchTime> switches;
    for (int i = 0; i < count; ++i)
        switches.append(storage::SwitchTime(storage::SwitchTime::Switch, storage::SwitchTime::On, i * 60,
                                            storage::SwitchTime::AllDays));
    project.data()->channel(0)->program(0)->setSwitches(switches);
}

} // namespace

class TestProjectController : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProjectsFixture> f;

    std::unique_ptr<ProjectController> open(int model) {
        return std::unique_ptr<ProjectController>(ProjectControllerFactory::create(
            ProjectsFixture::stored(model, QStringLiteral("P%1").arg(model))));
    }

private slots:
    void init() { f = std::make_unique<ProjectsFixture>(); }
    void cleanup() { f.reset(); }

    void factoryMakesEveryKind() {
        for (const devices::Device& device : f->devices->devices()) {
            const int model = device.ot2Number();
            std::unique_ptr<ProjectController> controller = open(model);
            switch (ProjectControllerFactory::controllerKind(model)) {
            case ProjectControllerFactory::ControllerKind::Project:
                QVERIFY2(controller && !controller->isNocta(), qPrintable(device.name()));
                break;
            case ProjectControllerFactory::ControllerKind::Nocta:
                QVERIFY2(qobject_cast<NoctaProjectController*>(controller.get()), qPrintable(device.name()));
                break;
            case ProjectControllerFactory::ControllerKind::Astro:
                QVERIFY2(controller && controller->isAstro(), qPrintable(device.name()));
                break;
            case ProjectControllerFactory::ControllerKind::Hybrid:
                QVERIFY2(qobject_cast<HybridProjectController*>(controller.get()) && !controller->isControls(),
                         qPrintable(device.name()));
                break;
            case ProjectControllerFactory::ControllerKind::Controls:
                QVERIFY2(qobject_cast<ControlsProjectController*>(controller.get()), qPrintable(device.name()));
                break;
            }
        }
    }

    void capabilitiesComeFromTheCatalogue() {
        int checked = 0;
        for (const devices::Device& device : f->devices->devices()) {
            const int model = device.ot2Number();
            std::unique_ptr<ProjectController> controller = open(model);
            if (!controller)
                continue;
            ++checked;
            for (const char* name : IntCapabilities)
                QCOMPARE(controller->property(name).toInt(), askInt(*f->devices, name, model));
            for (const char* name : BoolCapabilities)
                QCOMPARE(controller->property(name).toBool(), askBool(*f->devices, name, model));
            QCOMPARE(controller->maxMemory(), f->devices->maxSz(model));
            QCOMPARE(controller->deviceOt2(), model);
            QCOMPARE(controller->hasRestrictedSettings(), controller->isNocta() && device.programms() == 0);
        }
        QVERIFY(checked > 10);
    }

    void settersStoreAndSignalOnlyOnChange_data() {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("lcdState") << QByteArray("lcdState") << QVariant(2);
        QTest::newRow("firstDayOfWeek") << QByteArray("firstDayOfWeek") << QVariant(6);
        QTest::newRow("timeFormat") << QByteArray("timeFormat") << QVariant(1);
        QTest::newRow("dateFormat") << QByteArray("dateFormat") << QVariant(2);
        QTest::newRow("soWiRuleType") << QByteArray("soWiRuleType") << QVariant(5);
        QTest::newRow("wiSoWeek") << QByteArray("wiSoWeek") << QVariant(1);
        QTest::newRow("wiSoMonth") << QByteArray("wiSoMonth") << QVariant(3);
        QTest::newRow("wiSoWeekDay") << QByteArray("wiSoWeekDay") << QVariant(2);
        QTest::newRow("soWiWeek") << QByteArray("soWiWeek") << QVariant(0);
        QTest::newRow("soWiMonth") << QByteArray("soWiMonth") << QVariant(10);
        QTest::newRow("soWiWeekDay") << QByteArray("soWiWeekDay") << QVariant(3);
        QTest::newRow("wiSoDate") << QByteArray("wiSoDate") << QVariant(QDate(2026, 4, 2));
        QTest::newRow("soWiDate") << QByteArray("soWiDate") << QVariant(QDate(2026, 9, 20));
        QTest::newRow("customWiSo") << QByteArray("customWiSo") << QVariant(1);
        QTest::newRow("customSoWi") << QByteArray("customSoWi") << QVariant(1);
        QTest::newRow("channelCombination") << QByteArray("channelCombination") << QVariant(1);
        QTest::newRow("channelChangeover") << QByteArray("channelChangeover") << QVariant(4);
        QTest::newRow("easterRule") << QByteArray("easterRule") << QVariant(1);
        QTest::newRow("summerWinterTableName")
            << QByteArray("summerWinterTableName") << QVariant(QStringLiteral("ISRAEL"));
        QTest::newRow("name") << QByteArray("name") << QVariant(QStringLiteral("Renamed"));
    }

    void settersStoreAndSignalOnlyOnChange() {
        QFETCH(QByteArray, property);
        QFETCH(QVariant, value);
        std::unique_ptr<ProjectController> controller = open(Rix3Weekly2);
        const QMetaProperty meta =
            controller->metaObject()->property(controller->metaObject()->indexOfProperty(property));
        QSignalSpy changed(controller.get(), meta.notifySignal());
        QVERIFY(controller->property(property) != value);

        QVERIFY(controller->setProperty(property, value));
        QVERIFY(controller->setProperty(property, value));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(controller->property(property), value);
        // Stored in the project record, which a second controller sees.
        ProjectController second(controller->project());
        QCOMPARE(second.property(property), value);
    }

    void hoursArePublishedAndSecondsStored() {
        std::unique_ptr<ProjectController> controller = open(Weekly1);
        storage::Project project = controller->project();
        project.setWiSoHour(7200);
        project.setSoWiHour(7200);
        QCOMPARE(controller->wiSoHour(), 2);
        QCOMPARE(controller->soWiHour(), 2);

        QSignalSpy wiSo(controller.get(), &ProjectController::wiSoHourChanged);
        QSignalSpy soWi(controller.get(), &ProjectController::soWiHourChanged);
        controller->setWiSoHour(3);
        controller->setWiSoHour(3);
        controller->setSoWiHour(2);
        QCOMPARE(project.wiSoHour(), 10800);
        QCOMPARE(wiSo.count(), 1);
        QCOMPARE(wiSo.first().first().toInt(), 3);
        QCOMPARE(soWi.count(), 0);
    }

    void changeoverTimeIsSecondsOfTheDay() {
        std::unique_ptr<ProjectController> controller = open(Weekly1);
        QSignalSpy changed(controller.get(), &ProjectController::channelChangeoverTimeChanged);
        controller->setChannelChangeoverTime(QDateTime(QDate(2020, 1, 5), QTime(1, 2, 3)));
        controller->setChannelChangeoverTime(QDateTime(QDate(2021, 7, 5), QTime(1, 2, 3)));
        QCOMPARE(controller->project().channelChangeoverTime(), 3723);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(controller->channelChangeoverTime(), utils::WallClock::todayAt(QTime(1, 2, 3)));
    }

    void emptyNameIsIgnored() {
        std::unique_ptr<ProjectController> controller = open(Weekly1);
        QSignalSpy changed(controller.get(), &ProjectController::nameChanged);
        QTest::ignoreMessage(QtWarningMsg, ">> A project cannot be renamed to an empty name");
        controller->rename(QString());
        QTest::ignoreMessage(QtWarningMsg, ">> A project cannot be renamed to an empty name");
        controller->rename(QStringLiteral("   "));
        QCOMPARE(controller->name(), QStringLiteral("P11"));
        QCOMPARE(changed.count(), 0);
        controller->rename(QStringLiteral("  Halle 3 "));
        QCOMPARE(controller->name(), QStringLiteral("Halle 3"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(f->projectService->byId(controller->id()).name(), QStringLiteral("Halle 3"));
    }

    // A reset gives the channel a new setting: a cached controller would go on editing the old one.
    void resetDropsTheCachedChannelController() {
        std::unique_ptr<ProjectController> controller = open(Rix3Weekly2);
        QVERIFY(controller->setSelectedChannel(1));
        ChannelController* before = controller->channel(1);
        before->setExternalStatus(3);
        QSignalSpy selected(controller.get(), &ProjectController::selectedChannelChanged);
        controller->resetChannelSetting(1);
        QCOMPARE(selected.count(), 1);
        ChannelController* after = controller->channel(1);
        QVERIFY(after != before);
        QCOMPARE(after->externalStatus(), 0);
        after->setExternalStatus(2);
        storage::Project project = controller->project();
        QCOMPARE(project.setting(1)->externalStatus(), 2);
        // Channel 0 had no controller: nothing else changes.
        controller->resetChannelSetting(0);
        QCOMPARE(controller->channel(1), after);
    }

    void channelControllersAreCachedPerIndex() {
        std::unique_ptr<ProjectController> controller = open(Rix3Weekly2);
        ChannelController* first = controller->channel(1);
        QCOMPARE(controller->channel(1), first);
        QVERIFY(controller->channel(0) != first);
        QCOMPARE(first->parent(), controller.get());
        QCOMPARE(first->channelIndex(), 1);
        QCOMPARE(controller->channelType(), 0);

        QSignalSpy typeChanged(controller.get(), &ProjectController::channelTypeChanged);
        QSignalSpy typesChanged(controller.get(), &ProjectController::typeOfChannelsChanged);
        controller->setChannelType(1, ChannelController::AstroType);
        QVERIFY(qobject_cast<AstroChannelController*>(controller->channel(1)));
        QCOMPARE(typeChanged.count(), 0); // channel 1 is not the selected one
        QCOMPARE(typesChanged.count(), 1);

        QVERIFY(controller->setSelectedChannel(1));
        QCOMPARE(controller->channelType(), 1);
        QCOMPARE(controller->currentChannel(), controller->channel(1));

        QVERIFY(controller->removeChannelController(1));
        QVERIFY(!controller->removeChannelController(1));
        QCOMPARE(controller->channelType(), 0);
        QVERIFY(!qobject_cast<AstroChannelController*>(controller->channel(1)));
    }

    void selectingTheSelectedChannelChangesNothing() {
        std::unique_ptr<ProjectController> controller = open(Rix3Weekly2);
        QSignalSpy selected(controller.get(), &ProjectController::selectedChannelChanged);
        QVERIFY(!controller->setSelectedChannel(0));
        QCOMPARE(selected.count(), 0);
        QVERIFY(controller->setSelectedChannel(1));
        QCOMPARE(selected.count(), 1);
    }

    void exportLimitIsTheModelsMemory() {
        std::unique_ptr<ProjectController> controller = open(Weekly1);
        storage::Project project = controller->project();
        QSignalSpy tooMany(controller.get(), &ProjectController::tooManySZError);
        fillSwitchTimes(project, controller->maxMemory());
        QVERIFY(controller->isExportable());
        QCOMPARE(tooMany.count(), 0);

        fillSwitchTimes(project, controller->maxMemory() + 1);
        QVERIFY(!controller->isExportable());
        QCOMPARE(tooMany.count(), 1);
        QCOMPARE(tooMany.first().at(0).toInt(), controller->maxMemory() + 1);
        QCOMPARE(tooMany.first().at(1).toInt(), controller->maxMemory());

        fillSwitchTimes(project, 1);
        project.setHasError(true);
        QVERIFY(!controller->isExportable());
        QCOMPARE(tooMany.count(), 1);
    }

    void memoryImageIsWrittenUnderTheSanitizedNameAndOffered() {
        devices::EepromService eeprom;
        devices::EepromService::m_instance = &eeprom;
        QStringList offered;
        QTemporaryDir target;
        filemanager::FileManager::setSaveLocationChooser([&](const QString& suggested, const QString&) {
            offered.append(suggested);
            return target.filePath(QStringLiteral("copy.eep"));
        });
        std::unique_ptr<ProjectController> controller = open(Weekly1);
        controller->rename(QStringLiteral("Hall/../East"));
        fillSwitchTimes(controller->project(), 3);

        QVERIFY(controller->writeProjectToFile());
        QCOMPARE(offered.size(), 1);
        QCOMPARE(QFileInfo(offered.first()).fileName(), QStringLiteral("Hall.East.eep"));
        QFile copy(target.filePath(QStringLiteral("copy.eep")));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), eeprom.projectToBytes(controller->toOt2(true)));

        // Too large for the model: reported, nothing offered.
        fillSwitchTimes(controller->project(), controller->maxMemory() + 1);
        QSignalSpy tooMany(controller.get(), &ProjectController::tooManySZError);
        QVERIFY(!controller->writeProjectToFile());
        QCOMPARE(tooMany.count(), 1);
        QCOMPARE(offered.size(), 1);

        filemanager::FileManager::setSaveLocationChooser({});
        devices::EepromService::m_instance = nullptr;
    }

    void signalingChannelsHoldEachValueOnce() {
        std::unique_ptr<ProjectController> yearly = open(Rix3Weekly2);
        QSignalSpy channel0(yearly->channel(0), &ChannelController::isSignalingChanged);
        QVERIFY(yearly->channel(0)->setSignaling(2));
        QVERIFY(!yearly->channel(0)->setSignaling(2));
        QVERIFY(yearly->channel(1)->setSignaling(2));
        QCOMPARE(yearly->signalingChannels(), QList<int>{2});
        QCOMPARE(yearly->channel(1)->isSignaling(), 1);
        QCOMPARE(yearly->channel(0)->isSignaling(), 0);
        emit yearly->signalingChannelsChanged();
        QCOMPARE(channel0.count(), 1);

        std::unique_ptr<ProjectController> weekly = open(Weekly1);
        weekly->channel(0)->setSignaling(1);
        QVERIFY(weekly->signalingChannels().isEmpty());
    }

    void summerWinterTableSurvivesSaveAndLoad() {
        std::unique_ptr<ProjectController> controller = open(Rix3Weekly2);
        SommerWinterTableModel* table = controller->sommerWinterTable();
        QVERIFY(table->automaticFillIsrael(2030, 2035));
        controller->saveSommerWinterTable();
        const QList<SoWiDateTime> saved = table->dateTimes();

        ProjectController reopened(controller->project());
        QCOMPARE(reopened.sommerWinterTable()->dateTimes(), saved);
        QCOMPARE(reopened.sommerWinterTable()->at(22).wiSoDate, saved.at(22).wiSoDate);
    }

    void storedRowsOutsideTheTableAreIgnored() {
        std::unique_ptr<ProjectController> controller = open(Rix3Weekly2);
        QHash<int, storage::SummerWinterDateTimeValues> rows;
        rows.insert(3, {2011, QDate(2011, 3, 20), 2, QDate(2011, 10, 20), 3, true});
        rows.insert(500, {2508, QDate(2508, 3, 20), 2, QDate(2508, 10, 20), 3, true});
        rows.insert(-1, {2007, QDate(2007, 3, 20), 2, QDate(2007, 10, 20), 3, true});
        storage::Project(controller->project()).setSummerWinterDateTimes(rows);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("summer/winter row 500"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("summer/winter row -1"));
        SommerWinterTableModel* table = controller->sommerWinterTable();
        QCOMPARE(table->at(3).wiSoDate, QDate(2011, 3, 20));
        QVERIFY(table->at(3).enabled);
        QCOMPARE(table->dateTimes().size(), SommerWinterTableModel::YearCount);
    }

    void extraProgramsWithoutDatesAreKeyedByChannelNumber() {
        std::unique_ptr<ProjectController> controller = open(Rix3Weekly2);
        storage::Project project = controller->project();
        const storage::SwitchTime on(storage::SwitchTime::Switch, storage::SwitchTime::On, 60, 254);
        project.data()->channel(1)->program(2)->setSwitches({on});
        project.data()->channel(5)->program(3)->setSwitches({on});
        QVariantMap expected{{QStringLiteral("2"), QVariant::fromValue(QList<int>{2})}};
        QCOMPARE(controller->extraProgramsWithSwitchimesNoDates(), expected);
        controller->setExtensionModule(true);
        expected.insert(QStringLiteral("6"), QVariant::fromValue(QList<int>{3}));
        QCOMPARE(controller->extraProgramsWithSwitchimesNoDates(), expected);
    }

    void firstChannelWithFunction() {
        std::unique_ptr<ProjectController> controller = open(Rix3Weekly4);
        QCOMPARE(controller->firstChannelWithFunction(1), -1);
        controller->programData()->channel(3)->setFunction(1);
        controller->programData()->channel(2)->setFunction(1);
        controller->programData()->channel(0);
        QCOMPARE(controller->firstChannelWithFunction(1), 2);
        QCOMPARE(controller->firstChannelWithFunction(0), 0);
    }

    void metadataStoresAndSignalsOnce() {
        std::unique_ptr<ProjectController> controller = open(Weekly1);
        MetadataController* metadata = controller->metadataController();
        QSignalSpy title(metadata, &MetadataController::projectTitleChanged);
        QSignalSpy chans(metadata, &MetadataController::deviceChansChanged);
        metadata->setProjectTitle(QStringLiteral("Hall"));
        metadata->setProjectTitle(QStringLiteral("Hall"));
        metadata->setDeviceChans({QStringLiteral("A"), QStringLiteral("B")});
        metadata->setDeviceChans({QStringLiteral("A"), QStringLiteral("B")});
        QCOMPARE(title.count(), 1);
        QCOMPARE(chans.count(), 1);
        QCOMPARE(controller->project().projectTitle(), QStringLiteral("Hall"));
        QCOMPARE(controller->project().deviceChans(),
                 (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
        QVERIFY(metadata->filename().isEmpty());
        QVERIFY(metadata->lastChange().isNull());
    }

    void metadataChannelsFollowTheExtensionModule_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QList<int>>("without");
        QTest::addColumn<QList<int>>("with");
        QTest::newRow("two channels") << Rix3Weekly2 << QList<int>{0, 1} << QList<int>{0, 1, 4, 5, 6, 7};
        QTest::newRow("four channels")
            << Rix3Weekly4 << QList<int>{0, 1, 2, 3} << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
    }

    void metadataChannelsFollowTheExtensionModule() {
        QFETCH(int, model);
        QFETCH(QList<int>, without);
        QFETCH(QList<int>, with);
        std::unique_ptr<ProjectController> controller = open(model);
        MetadataController* metadata = controller->metadataController();
        QSignalSpy changed(metadata, &MetadataController::channelIndexesChanged);
        QCOMPARE(metadata->channelIndexes(), without);
        controller->setExtensionModule(true);
        controller->setExtensionModule(true);
        QCOMPARE(metadata->channelIndexes(), with);
        controller->setExtensionModule(false);
        QCOMPARE(metadata->channelIndexes(), without);
        QCOMPARE(changed.count(), 2);
    }
};

QTEST_MAIN(TestProjectController)
#include "tst_projectcontroller.moc"
