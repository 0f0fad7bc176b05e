#include "projectsample.h"
#include "storagefixture.h"

#include <devices/deviceservice.h>
#include <devices/iniwritter.h>
#include <devices/ot2file.h>
#include <storage/astroproject.h>

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace storage;

class TstProjectFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyFieldRoundTrips_data();
    void everyFieldRoundTrips();
    void duplicateGetsNewIds();
    void importedNameThatIsTakenGetsANumber();
    void memoryEntriesCountAsInTheFile();
    void plainBuildLeavesTheLocationOut();
    void optimizedBuildLeavesTheProjectAsItIs();
    void unknownProjectGivesACancelledFuture();
    void invalidFileIsNotImported();
    void newProjectTakesTheModelDefaults();

private:
    devices::DeviceService m_devices;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<StorageFixture> m_fixture;
};

void TstProjectFile::initTestCase()
{
    devices::DeviceService::m_instance = &m_devices;
    QVERIFY(m_devices.init(":/data/devices.json"));
    QVERIFY(m_devices.exists(projectsample::Device));
}

void TstProjectFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_fixture = std::make_unique<StorageFixture>(m_dir->filePath("projects.sqlite"));
    QVERIFY(m_fixture->isOpen());
}

void TstProjectFile::cleanup()
{
    m_fixture.reset();
}

void TstProjectFile::everyFieldRoundTrips_data()
{
    QTest::addColumn<int>("field");
    for (int i = 0; i < projectsample::fields().size(); ++i) {
        if (!projectsample::fields().at(i).onlyInDatabase)
            QTest::newRow(projectsample::fields().at(i).name) << i;
    }
}

void TstProjectFile::everyFieldRoundTrips()
{
    QFETCH(int, field);
    AstroProject original(Project(projectsample::Device, "Sample"));
    projectsample::fill(original);
    QVERIFY(original.store());
    QString name;
    QFuture<devices::Ot2File> future = m_fixture->projects().exportProject(original.id(), &name);
    QVERIFY(future.isFinished());
    QCOMPARE(name, QString("Sample"));
    const AstroProject imported(m_fixture->projects().importOt2File("", future.result()));
    QVERIFY(!imported.isNull());
    const auto& value = projectsample::fields().at(field).value;
    // The original keeps its name in the store, so every import of it gets the next number.
    const bool isName = QByteArray(projectsample::fields().at(field).name) == "name";
    QCOMPARE(value(imported), isName ? QVariant(QString("Sample (2)")) : value(original));

    // Through the text of a project file, as another computer reads it: what reading fits to the
    // model (the sample's model has no extension module) and nothing else changes.
    const QString path = m_dir->filePath("Sample.ot2");
    devices::IniWritter writer(path);
    future.result().save(writer);
    QVERIFY(writer.end());
    QSettings text(path, QSettings::IniFormat);
    devices::Ot2File read;
    QVERIFY(read.restore(text));
    devices::Ot2File fitted = future.result();
    fitted.fitToDevice(m_devices.deviceByOt2Number(projectsample::Device));
    const AstroProject throughText(m_fixture->projects().importOt2File("", read));
    const AstroProject fittedOnly(m_fixture->projects().importOt2File("", fitted));
    if (isName) {
        QCOMPARE(value(throughText), QVariant(QString("Sample (3)")));
        QCOMPARE(value(fittedOnly), QVariant(QString("Sample (4)")));
        return;
    }
    QCOMPARE(value(throughText), value(fittedOnly));
    if (QByteArray(projectsample::fields().at(field).name) != "extensionModule")
        QCOMPARE(value(throughText), value(original));
}

void TstProjectFile::duplicateGetsNewIds()
{
    AstroProject original(Project(projectsample::Device, "Sample"));
    projectsample::fill(original);
    QVERIFY(original.store());
    const Project copy = m_fixture->projects().importOt2File(
        "Sample_Copy", m_fixture->projects().exportProject(original.id()).result());
    QVERIFY(copy.id() > original.id());
    QCOMPARE(copy.name(), QString("Sample_Copy"));
    QCOMPARE(m_fixture->projects().projets().size(), 2);
    const SwitchTime first = original.constData()->constChannel(0)->constProgram(0)->switches().first();
    const SwitchTime copied = copy.constData()->constChannel(0)->constProgram(0)->switches().first();
    QVERIFY(copied.id() > 0);
    QVERIFY(copied.id() != first.id());
    QCOMPARE(copied.toJsonObject(SwitchTime::AllDays), first.toJsonObject(SwitchTime::AllDays));
    QVERIFY(!m_fixture->storage().isDirty());
}

void TstProjectFile::importedNameThatIsTakenGetsANumber()
{
    Project original(projectsample::Device, "Sample");
    QVERIFY(original.store());
    const devices::Ot2File file = m_fixture->projects().exportProject(original.id()).result();
    QCOMPARE(m_fixture->projects().importOt2File("Sample", file).name(), QString("Sample (2)"));
    QCOMPARE(m_fixture->projects().importOt2File("Sample", file).name(), QString("Sample (3)"));
    QCOMPARE(m_fixture->projects().importOt2File("Other", file).name(), QString("Other"));
}

void TstProjectFile::memoryEntriesCountAsInTheFile()
{
    AstroProject project(Project(projectsample::Device, "Sample"));
    projectsample::fill(project);
    QCOMPARE(project.memoryCount(), 11);
    QCOMPARE(project.constData()->szCount(), 7);
    QCOMPARE(project.constData()->dateRangeCount(), 4);
    QCOMPARE(project.buildFile(false).result().memoryCount(), project.memoryCount());
}

void TstProjectFile::plainBuildLeavesTheLocationOut()
{
    AstroProject project(Project(projectsample::Device, "Sample"));
    project.setLatitude(48.75);
    const Project plain = project;
    QCOMPARE(plain.buildFile(false).result().astro().latitude, 0.0);
    QCOMPARE(project.buildFile(false).result().astro().latitude, 48.75);
}

void TstProjectFile::optimizedBuildLeavesTheProjectAsItIs()
{
    Project project(projectsample::Device, "Sample");
    QVERIFY(project.store());
    const StorableRef<Program> weekly = project.data()->channel(0)->program(0);
    weekly->setSwitches({
        SwitchTime(SwitchTime::Switch, SwitchTime::On, 28800, 128),
        SwitchTime(SwitchTime::Switch, SwitchTime::On, 28800, 64),
        SwitchTime(SwitchTime::Switch, SwitchTime::Off, 28800, 64),
        SwitchTime(SwitchTime::Switch, SwitchTime::On, 28800, 128),
        SwitchTime(SwitchTime::Switch, SwitchTime::On, 600, 0),
    });
    QVERIFY(m_fixture->storage().save());
    const QList<QJsonObject> before = [&] {
        QList<QJsonObject> forms;
        for (const SwitchTime& s : weekly->switches())
            forms.append(s.toJsonObject(SwitchTime::AllDays));
        return forms;
    }();

    const devices::Ot2File file = project.buildFile(true).result();
    const QList<devices::Ot2File::SwitchTime> written = file.channels().value(0).programs.value(0).switches;
    QCOMPARE(written.size(), 2);
    QCOMPARE(written.at(0).startDays, 128 | 64);
    QCOMPARE(written.at(1).state, int(SwitchTime::Off));

    QCOMPARE(weekly->switches().size(), before.size());
    for (int i = 0; i < before.size(); ++i)
        QCOMPARE(weekly->switches().at(i).toJsonObject(SwitchTime::AllDays), before.at(i));
    QVERIFY(!m_fixture->storage().isDirty());

    project.optimize();
    QCOMPARE(weekly->switches().size(), 2);
    QCOMPARE(project.memoryCount(), 2);
    QVERIFY(m_fixture->storage().isDirty());
}

void TstProjectFile::unknownProjectGivesACancelledFuture()
{
    QString name("untouched");
    const QFuture<devices::Ot2File> future = m_fixture->projects().exportProject(4711, &name);
    QVERIFY(future.isFinished());
    QVERIFY(future.isCanceled());
    QCOMPARE(name, QString("untouched"));
}

void TstProjectFile::invalidFileIsNotImported()
{
    QVERIFY(m_fixture->projects().importOt2File("Nothing", devices::Ot2File()).isNull());
    QVERIFY(m_fixture->projects().projets().isEmpty());
}

void TstProjectFile::newProjectTakesTheModelDefaults()
{
    const devices::Device model = m_devices.deviceByOt2Number(projectsample::Device);
    AstroProject project(Project(projectsample::Device, "New"));
    project.loadDefaultExternalInputValues();
    project.loadDefaultLocation();
    QCOMPARE(project.setting(model.kanals() - 1)->externalInputFunction(), std::max(0, model.defaultExternalInput()));
    if (model.hasDefaultLocation()) {
        QCOMPARE(project.latitude(), double(model.defaultLatitude()));
        QCOMPARE(project.timezone(), model.defaultTimezone());
        QCOMPARE(project.checksum(), model.defaultChecksum());
    }
    QVERIFY(project.store());
    QVERIFY(!m_fixture->storage().isDirty());
}

QTEST_GUILESS_MAIN(TstProjectFile)
#include "tst_projectfile.moc"
