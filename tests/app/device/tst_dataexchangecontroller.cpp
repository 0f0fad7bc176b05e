#include "blefixture.h"
#include "projectfixture.h"
#include "projectsfixture.h"

#include "dataexchangecontroller.h"
#include "exportedproject.h"
#include "readprojectowner.h"

#include <ble/transferplan.h>
#include <devices/eepromconfiguration.h>
#include <devices/eepromservice.h>

#include <QSqlDatabase>
#include <QSqlQuery>

using devicesim::Fault;

namespace {

// Keeps the projects an import hands over.
struct TakenProjects : ReadProjectOwner {
    bool openReadProject(const QString& name, const devices::Ot2File& file) override
    {
        names.append(name);
        files.append(file);
        return true;
    }
    QStringList names;
    QList<devices::Ot2File> files;
};

// Exactly one of the transfer's ending signals.
struct Ending {
    explicit Ending(DataExchangeController* controller)
        : controller(controller)
        , written(controller, &DataExchangeController::writeFinished)
        , imported(controller, &DataExchangeController::importFinished)
        , aborted(controller, &DataExchangeController::requestAborted)
        , progress(controller, &DataExchangeController::progressionChanged)
    {
    }
    // An event loop of its own: polling would sleep between the packets.
    bool wait()
    {
        QEventLoop loop;
        for (auto signal : {&DataExchangeController::writeFinished, &DataExchangeController::importFinished})
            QObject::connect(controller, signal, &loop, &QEventLoop::quit, Qt::QueuedConnection);
        QObject::connect(controller, &DataExchangeController::requestAborted, &loop, &QEventLoop::quit,
                         Qt::QueuedConnection);
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        if (count() == 0)
            loop.exec();
        return count() == 1;
    }
    int count() const { return int(written.size() + imported.size() + aborted.size()); }
    bool succeeded() const
    {
        return (written.size() == 1 && written.first().first().toBool())
            || (imported.size() == 1 && imported.first().first().toBool());
    }
    // Progress calls after the reset at the start.
    int steps() const { return int(progress.size()) - 1; }
    double last() const { return progress.last().first().toDouble(); }

    DataExchangeController* controller;
    QSignalSpy written;
    QSignalSpy imported;
    QSignalSpy aborted;
    QSignalSpy progress;
};

} // namespace

class TestDataExchangeController : public QObject {
    Q_OBJECT

private slots:
    void init() { projects = std::make_unique<ProjectsFixture>(); }
    void cleanup()
    {
        link.reset();
        projects.reset();
    }

    void fullExportThenImportGivesTheProject_data() { models(); }
    void fullExportThenImportGivesTheProject()
    {
        QFETCH(int, ot2);
        connectTo(ot2);
        const devices::Device model = device(ot2);
        const devices::Ot2File original = projectfixture::fullProject(model);
        const QString name = QStringLiteral("Garten Süd");
        const QByteArray image = memory.projectToBytes(original);

        auto exporter = controller();
        exporter->setProjectName(name);
        ExportedProject project(original);
        Ending written(exporter.get());
        exporter->exportProject(&project, true);
        QVERIFY(written.wait());
        QVERIFY2(written.succeeded(), qPrintable(exporter->errorString()));
        QCOMPARE(exporter->project(), &project);
        const int steps = expectedSteps(int(image.size()), model, true);
        QCOMPARE(exporter->totalSteps(), steps);
        QCOMPARE(written.steps(), steps);
        QCOMPARE(written.last(), 100.0);
        QCOMPARE(link->device->activeImage(), image);
        QCOMPARE(link->device->projectName(), name);
        QVERIFY(reconnect());

        auto importer = controller();
        Ending imported(importer.get());
        importer->readAdditionalInfo();
        importer->importProject();
        QVERIFY(imported.wait());
        QVERIFY2(imported.succeeded(), qPrintable(importer->errorString()));
        QCOMPARE(imported.steps(), expectedSteps(int(image.size()), model, false));
        QCOMPARE(imported.last(), 100.0);
        QCOMPARE(importer->projectName(), name);
        importer->openReadProject(name);
        QCOMPARE(taken.names, QStringList{name});
        const devices::Ot2File read = taken.files.first();
        const devices::Ot2File expected = projectfixture::imageView(original, model);
        QCOMPARE(read.settings(), expected.settings());
        QCOMPARE(read.summerWinterDateTimes(), expected.summerWinterDateTimes());
        QCOMPARE(read.channelSettings(), expected.channelSettings());
        QCOMPARE(read.channels(), expected.channels());
        QCOMPARE(read.astro(), expected.astro());
        QVERIFY(importer->logs().contains(QStringLiteral("Import Finished")));
    }

    void switchTimesOnlyLeaveTheSettingsAndTheName_data() { models(); }
    void switchTimesOnlyLeaveTheSettingsAndTheName()
    {
        QFETCH(int, ot2);
        connectTo(ot2);
        const devices::Device model = device(ot2);
        const devices::Ot2File first = projectfixture::fullProject(model);
        QVERIFY(exportProject(first, true, QStringLiteral("Erstes")));
        const QByteArray firstImage = link->device->activeImage();
        QVERIFY(reconnect());

        devices::Ot2File second = first;
        second.settings().lcdState = !first.settings().lcdState;
        second.channels().first().programs.first().switches.removeLast();
        link->device->clearReceivedTelegrams();
        auto exporter = controller();
        ExportedProject project(second);
        Ending written(exporter.get());
        exporter->exportProject(&project, false);
        QVERIFY(written.wait());
        QVERIFY2(written.succeeded(), qPrintable(exporter->errorString()));

        devices::EepromConfiguration layout;
        layout.init(model);
        const QByteArray tail = memory.projectSZToBytes(second);
        QCOMPARE(link->device->activeImage(), firstImage.left(layout.settingsSize()) + tail);
        QCOMPARE(written.steps(), expectedSteps(int(tail.size()), model, true));
        QCOMPARE(written.last(), 100.0);
        QCOMPARE(link->device->projectName(), QStringLiteral("Erstes"));
        QVERIFY(!codes(link->device->receivedTelegrams()).contains(quint8(0x92)));
    }

    void oneFaultIsMendedByRetry_data() { faults(); }
    void oneFaultIsMendedByRetry()
    {
        QFETCH(int, kind);
        QFETCH(bool, exporting);
        connectTo(121);
        const devices::Ot2File file = projectfixture::fullProject(device(121));
        if (!exporting)
            link->device->setMemory(0, memory.projectToBytes(file));
        link->device->setFault({Fault::Kind(kind), 5, false});
        if (exporting) {
            QVERIFY(exportProject(file, true, QStringLiteral("Retry")));
            QCOMPARE(link->device->activeImage(), memory.projectToBytes(file));
        } else {
            auto importer = controller();
            QVERIFY(importProject(importer.get()));
            importer->openReadProject(QStringLiteral("Retry"));
            QCOMPARE(taken.files.size(), 1);
        }
    }

    void aFaultThatLastsFails_data() { faults(); }
    void aFaultThatLastsFails()
    {
        QFETCH(int, kind);
        QFETCH(bool, exporting);
        connectTo(121);
        const devices::Device model = device(121);
        const QByteArray running = memory.projectToBytes(projectfixture::fullProject(model));
        link->device->setMemory(0, running);
        link->device->setFault({Fault::Kind(kind), 5, true});
        auto exchange = controller();
        Ending ending(exchange.get());
        devices::Ot2File other = projectfixture::fullProject(model);
        other.settings().lcdState = !other.settings().lcdState;
        ExportedProject project(other);
        if (exporting) {
            exchange->exportProject(&project, true);
        } else {
            exchange->readAdditionalInfo();
            exchange->importProject();
        }
        QVERIFY(ending.wait());
        QCOMPARE(ending.aborted.size(), 1);
        QVERIFY(!exchange->errorString().isEmpty());
        QVERIFY(exchange->logs().contains(QStringLiteral("Retry 3 of 3")));
        // The two-bank device still runs its project; nothing was stored.
        QCOMPARE(link->device->activeBankAddress(), 0);
        QCOMPARE(link->device->activeImage(), running);
        exchange->openReadProject(QStringLiteral("Nothing"));
        QVERIFY(taken.files.isEmpty());
    }

    void aRefusedImageKeepsTheOpenProject_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("error");
        QTest::newRow("empty") << "empty" << int(devices::EepromService::EmptyMemory);
        QTest::newRow("language") << "language" << int(devices::EepromService::LanguageImage);
        QTest::newRow("another model") << "another model" << int(devices::EepromService::WrongModel);
        QTest::newRow("bad CRC") << "bad CRC" << int(devices::EepromService::CorruptImage);
    }
    void aRefusedImageKeepsTheOpenProject()
    {
        QFETCH(QString, content);
        QFETCH(int, error);
        connectTo(42);
        QByteArray image = memory.projectToBytes(projectfixture::fullProject(device(42)));
        if (content == QLatin1String("language"))
            image[5] = image[6] = char(0x81);
        else if (content == QLatin1String("another model"))
            image = memory.projectToBytes(projectfixture::fullProject(device(41)));
        else if (content == QLatin1String("bad CRC"))
            image[image.size() - 30] = char(image.at(image.size() - 30) ^ 0x10);
        if (content != QLatin1String("empty"))
            link->device->setMemory(0, image);
        image = link->device->activeImage();

        MainController* main = projects->mainController.get();
        QVERIFY(main->createProject(42, QStringLiteral("Offen")));
        ProjectController* open = main->currentProject();
        open->setLcdState(open->lcdState() + 1);
        const int lcd = open->lcdState();
        QVERIFY(main->dirty());
        const int stored = main->nbProjects();

        DataExchangeController importer(42, main);
        Ending imported(&importer);
        importer.readAdditionalInfo();
        importer.importProject();
        QVERIFY(imported.wait());
        QCOMPARE(imported.imported.size(), 1);
        QVERIFY(!imported.succeeded());
        QCOMPARE(importer.errorString(), devices::EepromService::errorString(devices::EepromService::EepromError(error)));
        importer.openReadProject(QStringLiteral("Nicht"));
        main->openReadProject(QStringLiteral("Nicht"), memory.bytesToOt2(image, 42));
        main->openProjectFromBytes(image, 42);
        QCOMPARE(main->nbProjects(), stored);
        QCOMPARE(main->currentProject(), open);
        QCOMPARE(open->lcdState(), lcd);
        QVERIFY(main->dirty());
    }

    // A store that fails after the read is the import's failure: nothing opens, and the
    // controller says why.
    void aReadThatCannotBeStoredIsReported()
    {
        connectTo(42);
        link->device->setMemory(0, memory.projectToBytes(projectfixture::fullProject(device(42))));
        MainController* main = projects->mainController.get();
        {
            QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("refuse"));
            raw.setDatabaseName(projects->folder.filePath(QStringLiteral("projects.sqlite")));
            QVERIFY(raw.open());
            QVERIFY(QSqlQuery(raw).exec(QStringLiteral(
                "CREATE TRIGGER refuse BEFORE INSERT ON projects BEGIN SELECT RAISE(ABORT, 'disk full'); END")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("refuse"));
        DataExchangeController importer(42, main);
        QVERIFY(importProject(&importer));
        QVERIFY(!importer.openReadProject(QStringLiteral("Voll")));
        QCOMPARE(importer.errorString(), QStringLiteral("Das gelesene Projekt konnte nicht gespeichert werden."));
        QCOMPARE(main->nbProjects(), 0);
        QVERIFY(!main->currentProject());

        // The serial link's read takes the same store and says so.
        QSignalSpy notStored(main, &MainController::readProjectNotStored);
        main->openProjectFromBytes(memory.projectToBytes(projectfixture::fullProject(device(42))), 42);
        QCOMPARE(notStored.size(), 1);
        QVERIFY(notStored.first().first().toString().contains(QStringLiteral("disk full")));
        QCOMPARE(main->nbProjects(), 0);
    }

    void aDeviceReadOpensAsANewProject()
    {
        connectTo(42);
        link->device->setMemory(0, memory.projectToBytes(projectfixture::fullProject(device(42))));
        link->device->setProjectName(QStringLiteral("Vom Gerät"));
        MainController* main = projects->mainController.get();
        DataExchangeController importer(42, main);
        QVERIFY(importProject(&importer));
        importer.openReadProject(importer.projectName());
        QVERIFY(main->currentProject());
        QCOMPARE(main->currentProject()->name(), QStringLiteral("Vom Gerät"));
        QCOMPARE(main->nbProjects(), 1);

        // The opened project goes back into the device through its project controller.
        const QByteArray read = link->device->activeImage();
        QVERIFY(reconnect());
        link->device->setMemory(0, QByteArray(read.size(), char(0xFF)));
        auto exporter = controller();
        Ending written(exporter.get());
        exporter->exportProject(main->currentProject(), true);
        QVERIFY(written.wait());
        QVERIFY2(written.succeeded(), qPrintable(exporter->errorString()));
        // The store keeps the entries in its own order; header, settings and entry count come back.
        devices::EepromConfiguration layout;
        layout.init(device(42));
        QCOMPARE(link->device->activeImage().left(layout.settingsSize() + 2), read.left(layout.settingsSize() + 2));
    }

    void aLostLinkAndTheUsersAbortEndTheTransfer()
    {
        connectTo(121);
        const devices::Device model = device(121);
        const QByteArray running = memory.projectToBytes(projectfixture::fullProject(model));
        link->device->setMemory(0, running);
        devices::Ot2File other = projectfixture::fullProject(model);
        other.settings().lcdState = !other.settings().lcdState;
        ExportedProject project(other);

        QSignalSpy lost(link->service.get(), &ble::BLEService::deviceDisconnected);
        link->device->setFault({Fault::Disconnect, 10, false});
        auto exporter = controller();
        Ending cut(exporter.get());
        exporter->exportProject(&project, true);
        QVERIFY(cut.wait());
        QCOMPARE(cut.aborted.size(), 1);
        QCOMPARE(lost.size(), 1);
        QCOMPARE(link->device->activeImage(), running);

        link->device->setFault({Fault::DroppedReply, 10, true});
        QVERIFY(link->connectDevice());
        link->device->clearReceivedTelegrams();
        auto aborted = controller();
        Ending byUser(aborted.get());
        QSignalSpy transferAborted(link->service.get(), &ble::BLEService::transferAborted);
        aborted->exportProject(&project, true);
        QTRY_COMPARE(link->device->receivedTelegrams().size(), 10);
        link->service->abortTransfer();
        QCOMPARE(byUser.count(), 1);
        QCOMPARE(byUser.aborted.size(), 1);
        QCOMPARE(transferAborted.size(), 1);
        QCOMPARE(aborted->errorString(), QStringLiteral("Übertragung durch Benutzer abgebrochen"));
        link->device->setFault({});
        // The device is disconnected 300 ms later and nothing more is sent.
        QVERIFY(lost.wait());
        QCOMPARE(link->device->receivedTelegrams().size(), 10);
        QCOMPARE(link->device->activeImage(), running);
    }

    // A model with one bank is written in place: a write that breaks off leaves no valid program.
    void aBrokenWriteSaysWhetherTheDeviceStillHasAProgram_data()
    {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<bool>("lost");
        QTest::newRow("one bank") << 42 << true;
        QTest::newRow("two banks") << 121 << false;
    }

    void aBrokenWriteSaysWhetherTheDeviceStillHasAProgram()
    {
        QFETCH(int, ot2);
        QFETCH(bool, lost);
        connectTo(ot2);
        link->device->setFault({Fault::DroppedReply, 10, true});
        auto exporter = controller();
        Ending ending(exporter.get());
        ExportedProject project(projectfixture::fullProject(device(ot2)));
        exporter->exportProject(&project, true);
        QVERIFY(ending.wait());
        QVERIFY(!ending.succeeded());
        const QString warning = QStringLiteral("Das Gerät enthält jetzt kein gültiges Programm. Übertragen Sie das Projekt erneut.");
        QCOMPARE(exporter->errorString().endsWith(warning), lost);
    }

    void aFailedNameWriteFailsTheExport()
    {
        connectTo(42);
        const devices::Ot2File file = projectfixture::fullProject(device(42));
        const int packets = expectedSteps(int(memory.projectToBytes(file).size()), device(42), true);
        // Start, packets, commit; then the name, whose form is never sent again.
        link->device->setFault({Fault::DroppedReply, packets + 3, false});
        auto exporter = controller();
        exporter->setProjectName(QStringLiteral("Name"));
        ExportedProject project(file);
        Ending written(exporter.get());
        exporter->exportProject(&project, true);
        QVERIFY(written.wait());
        QCOMPARE(written.written.size(), 1);
        QVERIFY(!written.succeeded());
        QVERIFY(exporter->errorString().contains(QStringLiteral("Projektname")));
        QVERIFY(exporter->logs().contains(QStringLiteral("ProjectNameWritten Error: 1")));
    }

    void aProjectTheModelCannotHoldSendsNothing()
    {
        connectTo(42);
        devices::Ot2File file = projectfixture::fullProject(device(42));
        file.channels().first().programs.first().switches.append(
            file.channels().first().programs.first().switches.first());
        QSignalSpy lost(link->service.get(), &ble::BLEService::deviceDisconnected);
        auto exporter = controller();
        ExportedProject project(file);
        Ending written(exporter.get());
        exporter->exportProject(&project, true);
        QCOMPARE(written.written.size(), 1);
        QVERIFY(!written.succeeded());
        QCOMPARE(exporter->errorString(), devices::EepromService::errorString(devices::EepromService::ProjectTooLarge));
        QVERIFY(lost.wait());
        QVERIFY(link->device->receivedTelegrams().isEmpty());

        auto withoutProject = controller();
        Ending nothing(withoutProject.get());
        withoutProject->exportProject(nullptr, true);
        QObject notAProject;
        withoutProject->exportProject(&notAProject, false);
        QCOMPARE(nothing.written.size(), 2);
        QVERIFY(!nothing.written.at(0).first().toBool() && !nothing.written.at(1).first().toBool());
        QVERIFY(!withoutProject->errorString().isEmpty());
    }

    void theDisconnectOutlivesTheController()
    {
        connectTo(42);
        QSignalSpy lost(link->service.get(), &ble::BLEService::deviceDisconnected);
        auto exporter = controller();
        ExportedProject project(projectfixture::fullProject(device(42)));
        Ending written(exporter.get());
        exporter->exportProject(&project, true);
        QVERIFY(written.wait());
        QVERIFY(written.succeeded());
        exporter.reset();
        QVERIFY(link->service->connectedDevice());
        QVERIFY(lost.wait());
        QCOMPARE(lost.size(), 1);

        // A link made since is left alone.
        QVERIFY(link->connectDevice());
        auto again = controller();
        Ending writtenAgain(again.get());
        again->exportProject(&project, true);
        QVERIFY(writtenAgain.wait());
        link->service->disconnectFromDevice();
        again.reset();
        QVERIFY(link->connectDevice());
        QTest::qWait(2 * DataExchangeController::DisconnectDelay);
        QVERIFY(link->service->connectedDevice());
    }

    void stepsNeverDivideByZero()
    {
        QCOMPARE(DataExchangeController::progressSteps(200, 69, true), 3);
        QCOMPARE(DataExchangeController::progressSteps(200, 37, false), 7);
        QCOMPARE(DataExchangeController::progressSteps(0, 37, false), 0);
        QCOMPARE(DataExchangeController::progressSteps(-5, 69, true), 0);
        QCOMPARE(DataExchangeController::progressSteps(200, 5, false), 0);
        QCOMPARE(DataExchangeController::progressSteps(200, 0, true), 0);

        connectTo(42);
        DataExchangeController unknown(999, &taken);
        Ending ending(&unknown);
        unknown.importProject();
        QCOMPARE(ending.aborted.size(), 1);
        QCOMPARE(unknown.totalSteps(), 0);
        unknown.onIntermediaryWrite({});
        QCOMPARE(unknown.progression(), 0.0);
    }

    void theCityComesFromTheDevice_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("deviceCity");
        QTest::newRow("city reply") << int(Fault::None) << true;
        QTest::newRow("8 bytes") << int(Fault::ShortReply) << false;
        QTest::newRow("10 bytes") << int(Fault::LongReply) << false;
    }
    void theCityComesFromTheDevice()
    {
        QFETCH(int, fault);
        QFETCH(bool, deviceCity);
        connectTo(111);
        const devices::Ot2File file = projectfixture::fullProject(device(111));
        link->device->setMemory(0, memory.projectToBytes(file));
        link->device->setCity({48, 16, 13, 'W', 0x42});
        // Frame 1 is the name, frame 2 the city.
        link->device->setFault({Fault::Kind(fault), 2, false});
        auto importer = controller();
        QVERIFY(importProject(importer.get()));
        importer->openReadProject(QStringLiteral("Stadt"));
        const devices::Ot2File::Astro astro = taken.files.first().astro();
        const devices::Ot2File::Astro imageAstro = projectfixture::imageView(file, device(111)).astro();
        QCOMPARE(astro.firstChar, deviceCity ? int('W') : imageAstro.firstChar);
        QCOMPARE(astro.checksum, deviceCity ? 0x42 : imageAstro.checksum);
        QCOMPARE(astro.latitude, imageAstro.latitude);
    }

    void withoutANameTheImportIsNamedByTheClock_data()
    {
        QTest::addColumn<bool>("lost");
        QTest::newRow("no name on the device") << false;
        QTest::newRow("name reply lost") << true;
    }
    void withoutANameTheImportIsNamedByTheClock()
    {
        QFETCH(bool, lost);
        connectTo(42);
        link->device->setMemory(0, memory.projectToBytes(projectfixture::fullProject(device(42))));
        if (lost)
            link->device->setFault({Fault::DroppedReply, 1, false});
        auto importer = controller();
        QSignalSpy named(importer.get(), &DataExchangeController::projectNameChanged);
        QVERIFY(importProject(importer.get()));
        QCOMPARE(named.size(), 1);
        QVERIFY(importer->projectName().startsWith(QStringLiteral("Import_")));
        QCOMPARE(importer->projectName().size(), QStringLiteral("Import_dd-MM-yyyy_hh.mm.ss").size());
    }

private:
    static void models()
    {
        QTest::addColumn<int>("ot2");
        QTest::newRow("121 hybrid, internal module") << 121;
        QTest::newRow("111 astronomic, internal module") << 111;
        QTest::newRow("42 weekly, adapter") << 42;
        QTest::newRow("74 twilight, adapter") << 74;
        QTest::newRow("21 astronomic, adapter") << 21;
    }

    static void faults()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("exporting");
        const QList<QPair<const char*, Fault::Kind>> kinds{
            {"error reply", Fault::ErrorReply}, {"NAK", Fault::Nak},
            {"short reply", Fault::ShortReply}, {"long reply", Fault::LongReply},
            {"malformed reply", Fault::MalformedReply}, {"dropped reply", Fault::DroppedReply},
            {"late reply", Fault::LateReply}};
        for (const auto& [name, kind] : kinds) {
            QTest::addRow("export, %s", name) << int(kind) << true;
            QTest::addRow("import, %s", name) << int(kind) << false;
        }
    }

    devices::Device device(int ot2) const { return projects->devices->deviceByOt2Number(ot2); }

    // The step formula counted the way the data exchange counts it.
    static int expectedSteps(int bytes, const devices::Device& model, bool exporting)
    {
        const bool module = model.hasInternalBleModule();
        const int divisor = exporting && !module ? devices::Device::ExternalAdapterPacketSize : model.maxBlePacketSize();
        if (!module) {
            int steps = 0;
            for (int chunk = 0; chunk < bytes; chunk += 69)
                steps += (qMin(69, bytes - chunk) + divisor - 1) / divisor;
            return steps;
        }
        return (bytes + divisor - 6) / (divisor - 5);
    }

    void connectTo(int ot2)
    {
        devices::EepromService::m_instance = &memory;
        link = std::make_unique<SimulatedLink>(ot2);
        QVERIFY(link->connectDevice());
        taken = {};
    }

    std::unique_ptr<DataExchangeController> controller()
    {
        return std::make_unique<DataExchangeController>(link->device->model().ot2Number(), &taken);
    }

    // Every transfer ends its connection: waits for that and connects again.
    bool reconnect()
    {
        QSignalSpy lost(link->service.get(), &ble::BLEService::deviceDisconnected);
        return (link->service->connectedDevice() == nullptr || lost.wait()) && link->connectDevice();
    }

    bool exportProject(const devices::Ot2File& file, bool full, const QString& name)
    {
        auto exporter = controller();
        exporter->setProjectName(name);
        ExportedProject project(file);
        Ending written(exporter.get());
        exporter->exportProject(&project, full);
        return written.wait() && written.succeeded();
    }

    static bool importProject(DataExchangeController* importer)
    {
        Ending imported(importer);
        importer->readAdditionalInfo();
        importer->importProject();
        return imported.wait() && imported.succeeded();
    }

    std::unique_ptr<ProjectsFixture> projects;
    devices::EepromService memory;
    std::unique_ptr<SimulatedLink> link;
    TakenProjects taken;
};

QTEST_MAIN(TestDataExchangeController)
#include "tst_dataexchangecontroller.moc"
