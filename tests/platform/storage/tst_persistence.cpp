#include "database.h"
#include "projectsample.h"
#include "storagefixture.h"
#include "summertimegaps.h"

#include <storage/astroproject.h>

#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace storage;

namespace {
// A second program's look at the file, through a plain connection.
class RawConnection {
public:
    explicit RawConnection(const QString& path)
        : m_name(QStringLiteral("raw-%1").arg(++s_count))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.open();
    }
    ~RawConnection() { QSqlDatabase::removeDatabase(m_name); }

    bool exec(const QString& statement)
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        return query.exec(statement);
    }

    QVariant value(const QString& statement)
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        if (!query.exec(statement) || !query.next())
            return {};
        return query.value(0);
    }

private:
    QString m_name;
    inline static int s_count = 0;
};

qint64 storedSampleId(StorageFixture& fixture)
{
    AstroProject project(Project(projectsample::Device, "Sample"));
    projectsample::fill(project);
    if (!project.store())
        return 0;
    Q_UNUSED(fixture)
    return project.id();
}
} // namespace

class TstPersistence : public QObject {
    Q_OBJECT

private slots:
    void init();
    void everyFieldRoundTrips_data();
    void everyFieldRoundTrips();
    void idsStayAcrossARestart();
    void newProjectDefaults();
    void editsMarkUnsavedUntilSaved();
    void savedFromTheProgramWritesPendingEdits();
    void setterOnACopyChangesEveryList();
    void removedRecordStaysWhileReferenced();
    void failedSaveKeepsThePreviousState();
    void twoProgramsSaveTheSameProject();
    void newerDatabaseIsRefusedUntouched();
    void projectListFollowsStoreRenameAndRemove();
    void renameWithoutReadingTheContentKeepsIt();
    void pendingEditsAreWrittenAtTheEnd();
    void projectRemovedElsewhereIsWrittenWhole();
    void gapDateTimesSurviveStoreAndReload_data();
    void gapDateTimesSurviveStoreAndReload();

private:
    QString path() const { return m_dir->filePath("projects.sqlite"); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TstPersistence::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TstPersistence::everyFieldRoundTrips_data()
{
    QTest::addColumn<int>("field");
    for (int i = 0; i < projectsample::fields().size(); ++i)
        QTest::newRow(projectsample::fields().at(i).name) << i;
}

void TstPersistence::everyFieldRoundTrips()
{
    QFETCH(int, field);
    const auto& value = projectsample::fields().at(field).value;
    qint64 id = 0;
    QVariant written;
    {
        StorageFixture fixture(path());
        QVERIFY(fixture.isOpen());
        id = storedSampleId(fixture);
        QVERIFY(id > 0);
        written = value(AstroProject(fixture.projects().byId(id)));
    }
    StorageFixture restarted(path());
    const AstroProject read(restarted.projects().byId(id));
    QVERIFY(!read.isNull());
    QCOMPARE(value(read), written);
}

void TstPersistence::idsStayAcrossARestart()
{
    qint64 projectId = 0;
    QList<qint64> switchIds;
    QList<qint64> rangeIds;
    {
        StorageFixture fixture(path());
        projectId = storedSampleId(fixture);
        const Project project = fixture.projects().byId(projectId);
        for (const SwitchTime& s : project.constData()->constChannel(0)->constProgram(0)->switches())
            switchIds.append(s.id());
        for (const DateRange& r : project.constData()->constChannel(0)->constProgram(3)->dateRanges())
            rangeIds.append(r.id());
    }
    QCOMPARE(QSet<qint64>(switchIds.cbegin(), switchIds.cend()).size(), switchIds.size());
    QVERIFY(!switchIds.contains(0));
    StorageFixture restarted(path());
    const Project project = restarted.projects().byId(projectId);
    QList<qint64> readSwitchIds;
    for (const SwitchTime& s : project.constData()->constChannel(0)->constProgram(0)->switches())
        readSwitchIds.append(s.id());
    QList<qint64> readRangeIds;
    for (const DateRange& r : project.constData()->constChannel(0)->constProgram(3)->dateRanges())
        readRangeIds.append(r.id());
    QCOMPARE(readSwitchIds, switchIds);
    QCOMPARE(readRangeIds, rangeIds);
    QVERIFY(!restarted.storage().isDirty());

    SwitchTime fresh;
    QVERIFY(fresh.store());
    QVERIFY(!switchIds.contains(fresh.id()));
    QVERIFY(fresh.id() > *std::max_element(switchIds.cbegin(), switchIds.cend()));
}

void TstPersistence::newProjectDefaults()
{
    StorageFixture fixture(path());
    AstroProject project(Project(11, "New"));
    QCOMPARE(project.id(), 0);
    QCOMPARE(project.soWiRuleType(), 1);
    QCOMPARE(project.wiSoDate().month(), 3);
    QCOMPARE(project.wiSoDate().dayOfWeek(), 7);
    QCOMPARE(project.soWiDate().month(), 10);
    QCOMPARE(project.soWiDate().dayOfWeek(), 7);
    QCOMPARE(project.checksum(), 255);
    QVERIFY(project.hasProgramData());
    QCOMPARE(project.memoryCount(), 0);
    QVERIFY(!project.hasChannelSetting(0));
    QCOMPARE(project.setting(0)->holidayBegin(), utils::WallClock::todayAt(QTime(0, 0)));
    QVERIFY(project.hasChannelSetting(0));
    QCOMPARE(project.ownAstroTable()->entries().size(), 366);
    QVERIFY(project.store());
    QVERIFY(project.id() > 0);
    QVERIFY(!fixture.storage().isDirty());
}

void TstPersistence::editsMarkUnsavedUntilSaved()
{
    StorageFixture fixture(path());
    const qint64 id = storedSampleId(fixture);
    QVERIFY(!fixture.storage().isDirty());
    QSignalSpy saved(&fixture.storage(), &StorageService::saved);
    Project project = fixture.projects().byId(id);
    project.setProjectTitle("Hall"); // unchanged value
    QVERIFY(!fixture.storage().isDirty());
    project.setProjectTitle("Barn");
    QVERIFY(fixture.storage().isDirty());
    QVERIFY(fixture.storage().save());
    QCOMPARE(saved.size(), 1);
    QVERIFY(!fixture.storage().isDirty());
    RawConnection raw(path());
    QVERIFY(raw.value(QStringLiteral("SELECT settings FROM projects WHERE id = %1").arg(id)).toString().contains("Barn"));
}

void TstPersistence::savedFromTheProgramWritesPendingEdits()
{
    qint64 id = 0;
    {
        StorageFixture fixture(path());
        id = storedSampleId(fixture);
        Project project = fixture.projects().byId(id);
        project.data()->channel(0)->program(0)->switches().first().setStartTime(12345);
        QVERIFY(fixture.storage().isDirty());
        emit fixture.storage().saved();
        QVERIFY(!fixture.storage().isDirty());
        RawConnection raw(path());
        QCOMPARE(raw.value(QStringLiteral("SELECT COUNT(*) FROM switch_times WHERE start_time = 12345")).toInt(), 1);
    }
}

void TstPersistence::setterOnACopyChangesEveryList()
{
    qint64 id = 0;
    {
        StorageFixture fixture(path());
        id = storedSampleId(fixture);
        Project project = fixture.projects().byId(id);
        const StorableRef<Program> weekly = project.data()->channel(0)->program(0);
        QList<SwitchTime> modelList = weekly->switches();
        QList<SwitchTime> undoList { modelList.at(1) };
        undoList.first().setPulsTime(99);
        QCOMPARE(weekly->switches().at(1).pulsTime(), 99);
        QCOMPARE(modelList.at(1).pulsTime(), 99);
        QVERIFY(fixture.storage().save());
    }
    StorageFixture restarted(path());
    QCOMPARE(restarted.projects().byId(id).constData()->constChannel(0)->constProgram(0)->switches().at(1).pulsTime(), 99);
}

void TstPersistence::removedRecordStaysWhileReferenced()
{
    StorageFixture fixture(path());
    const qint64 id = storedSampleId(fixture);
    Project project = fixture.projects().byId(id);
    const StorableRef<Program> weekly = project.data()->channel(0)->program(0);
    QList<SwitchTime> switches = weekly->switches();
    std::optional<SwitchTime> undoStack = switches.takeFirst();
    const qint64 removedId = undoStack->id();
    weekly->setSwitches(switches);
    QVERIFY(fixture.storage().save());
    RawConnection raw(path());
    const QString countRow = QStringLiteral("SELECT COUNT(*) FROM switch_times WHERE id = %1").arg(removedId);
    QCOMPARE(raw.value(countRow).toInt(), 1);

    // Undo puts the same record back.
    switches.prepend(*undoStack);
    weekly->setSwitches(switches);
    QVERIFY(fixture.storage().save());
    QCOMPARE(raw.value(QStringLiteral("SELECT channel FROM switch_times WHERE id = %1").arg(removedId)).toInt(), 0);

    switches.removeFirst();
    weekly->setSwitches(switches);
    undoStack.reset();
    QVERIFY(fixture.storage().save());
    QCOMPARE(raw.value(countRow).toInt(), 0);
}

void TstPersistence::failedSaveKeepsThePreviousState()
{
    StorageFixture fixture(path());
    const qint64 id = storedSampleId(fixture);
    RawConnection raw(path());
    QVERIFY(raw.exec("CREATE TRIGGER refuse BEFORE UPDATE ON switch_times BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    QSignalSpy failed(&fixture.storage(), &StorageService::saveFailed);
    QSignalSpy saved(&fixture.storage(), &StorageService::saved);
    Project project = fixture.projects().byId(id);
    project.rename("Renamed");
    project.data()->channel(0)->program(0)->switches().first().setStartTime(4242);
    SwitchTime added(SwitchTime::Switch, SwitchTime::On, 60, 254);
    QList<SwitchTime> switches = project.data()->channel(0)->program(0)->switches();
    switches.append(added);
    project.data()->channel(0)->program(0)->setSwitches(switches);

    QVERIFY(!fixture.storage().save());
    QCOMPARE(failed.size(), 1);
    QVERIFY(failed.first().first().toString().contains("disk full"));
    QCOMPARE(saved.size(), 0);
    QVERIFY(fixture.storage().isDirty());
    QCOMPARE(added.id(), 0);
    QCOMPARE(raw.value(QStringLiteral("SELECT name FROM projects WHERE id = %1").arg(id)).toString(), QString("Sample"));
    QCOMPARE(raw.value("SELECT COUNT(*) FROM switch_times WHERE start_time = 4242").toInt(), 0);

    QVERIFY(raw.exec("DROP TRIGGER refuse"));
    QVERIFY(fixture.storage().save());
    QVERIFY(!fixture.storage().isDirty());
    QVERIFY(added.id() > 0);
    QCOMPARE(raw.value(QStringLiteral("SELECT name FROM projects WHERE id = %1").arg(id)).toString(), QString("Renamed"));
    QCOMPARE(raw.value("SELECT COUNT(*) FROM switch_times WHERE start_time = 4242").toInt(), 1);
}

void TstPersistence::twoProgramsSaveTheSameProject()
{
    StorageFixture first(path());
    const qint64 id = storedSampleId(first);
    Database second;
    QVERIFY(second.open(path()));
    Project mine = first.projects().byId(id);
    mine.data();
    Project theirs;
    for (const Project& p : second.loadProjects()) {
        if (p.id() == id)
            theirs = p;
    }
    QVERIFY(!theirs.isNull());
    second.makeCurrent();
    theirs.data();

    // Different records: both edits survive.
    mine.data()->channel(0)->program(0)->switches().first().setStartTime(111);
    theirs.setProjectTitle("Theirs");
    QVERIFY(first.storage().save());
    QVERIFY(second.save({ theirs }));
    // The same record: the later save wins.
    mine.setClientName("Mine");
    theirs.setClientName("Later");
    QVERIFY(first.storage().save());
    QVERIFY(second.save({ theirs }));

    Database reader;
    QVERIFY(reader.open(path()));
    reader.makeCurrent();
    Project read;
    for (const Project& p : reader.loadProjects()) {
        if (p.id() == id)
            read = p;
    }
    QCOMPARE(read.projectTitle(), QString("Theirs"));
    QCOMPARE(read.clientName(), QString("Later"));
    QCOMPARE(read.constData()->constChannel(0)->constProgram(0)->switches().first().startTime(), 111);
}

void TstPersistence::newerDatabaseIsRefusedUntouched()
{
    {
        RawConnection raw(path());
        QVERIFY(raw.exec("CREATE TABLE projects (id INTEGER PRIMARY KEY, future TEXT)"));
        QVERIFY(raw.exec("INSERT INTO projects (future) VALUES ('kept')"));
        QVERIFY(raw.exec(QStringLiteral("PRAGMA user_version = %1").arg(Database::SchemaVersion + 1)));
    }
    QFile file(path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    StorageService service;
    StorageService::m_instance = &service;
    QSignalSpy errorChanged(&service, &StorageService::errorStringChanged);
    QVERIFY(!service.open(path()));
    QVERIFY(service.errorString().contains("newer version"));
    QCOMPARE(errorChanged.size(), 1);
    QVERIFY(!service.save());

    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QVERIFY(!QFile::exists(path() + "-wal"));
}

void TstPersistence::projectListFollowsStoreRenameAndRemove()
{
    StorageFixture fixture(path());
    ProjectListModel* model = fixture.projects().model();
    Project first(11, "First");
    QVERIFY(first.store());
    Project second(101, "Second");
    QVERIFY(second.store());
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(fixture.projects().projets().size(), 2);
    QCOMPARE(model->data(model->index(1), ProjectListModel::NameRole).toString(), QString("Second"));
    QCOMPARE(model->data(model->index(1), ProjectListModel::DeviceRole).toInt(), 101);
    QCOMPARE(model->data(model->index(1), ProjectListModel::IdRole).toLongLong(), second.id());

    model->setSelected(second.id(), true);
    QCOMPARE(model->selectedIds(), QList<qint64> { second.id() });
    QVERIFY(model->data(model->index(1), ProjectListModel::SelectedRole).toBool());

    fixture.projects().byId(first.id()).rename("Renamed");
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    QVERIFY(fixture.projects().updateProject(first.id()));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(model->data(model->index(0), ProjectListModel::NameRole).toString(), QString("Renamed"));

    QVERIFY(second.remove());
    QCOMPARE(model->rowCount(), 1);
    QVERIFY(model->selectedIds().isEmpty());
    QVERIFY(fixture.projects().byId(second.id()).isNull());
    model->clearSelection();

    StorageFixture restarted(path());
    QCOMPARE(restarted.projects().projets().size(), 1);
    QCOMPARE(restarted.projects().projets().first().name(), QString("Renamed"));
}

void TstPersistence::renameWithoutReadingTheContentKeepsIt()
{
    qint64 id = 0;
    {
        StorageFixture fixture(path());
        id = storedSampleId(fixture);
    }
    {
        StorageFixture fixture(path());
        fixture.projects().byId(id).rename("Renamed");
        QVERIFY(fixture.projects().updateProject(id));
    }
    StorageFixture restarted(path());
    const Project project = restarted.projects().byId(id);
    QCOMPARE(project.name(), QString("Renamed"));
    QCOMPARE(project.constData()->constChannel(0)->constProgram(0)->switches().size(), 4);
    QCOMPARE(project.memoryCount(), 11);
}

void TstPersistence::pendingEditsAreWrittenAtTheEnd()
{
    qint64 id = 0;
    {
        StorageFixture fixture(path());
        id = storedSampleId(fixture);
        fixture.projects().byId(id).setting(1)->setDelaySunset(77);
        QVERIFY(fixture.storage().isDirty());
    }
    StorageFixture restarted(path());
    QCOMPARE(restarted.projects().byId(id).setting(1)->delaySunset(), 77);
}

void TstPersistence::projectRemovedElsewhereIsWrittenWhole()
{
    StorageFixture fixture(path());
    const qint64 id = storedSampleId(fixture);
    fixture.projects().byId(id).constData();
    {
        RawConnection raw(path());
        QVERIFY(raw.exec("PRAGMA foreign_keys = ON"));
        QVERIFY(raw.exec(QStringLiteral("DELETE FROM projects WHERE id = %1").arg(id)));
        QCOMPARE(raw.value("SELECT COUNT(*) FROM switch_times").toInt(), 0);
    }
    fixture.projects().byId(id).setClientName("Still here");
    QVERIFY(fixture.storage().save());
    RawConnection raw(path());
    QCOMPARE(raw.value("SELECT COUNT(*) FROM switch_times").toInt(), 7);
    QCOMPARE(raw.value("SELECT COUNT(*) FROM date_ranges").toInt(), 4);
    QVERIFY(raw.value(QStringLiteral("SELECT settings FROM projects WHERE id = %1").arg(id)).toString().contains("Still here"));
}

void TstPersistence::gapDateTimesSurviveStoreAndReload_data()
{
    summertimegaps::addRows();
}

// A device date-time the PC's clock skips is stored as it is and reads back as it was.
void TstPersistence::gapDateTimesSurviveStoreAndReload()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, reading);
    const summertimegaps::ZoneScope inZone(zone);
    qint64 id = 0;
    {
        StorageFixture fixture(path());
        Project project(projectsample::Device, "Gap");
        DateRange range;
        range.setStartDate(reading);
        range.setEndDate(reading.addSecs(600));
        QVERIFY(range.store());
        project.data()->channel(1)->program(2)->setDateRanges({ range });
        project.setting(1)->setHolidayBegin(reading);
        QVERIFY(project.store());
        id = project.id();
    }
    {
        RawConnection raw(path());
        QCOMPARE(raw.value("SELECT start_date FROM date_ranges").toLongLong(), reading.date().toJulianDay());
        QCOMPARE(raw.value("SELECT start_msecs FROM date_ranges").toInt(), reading.time().msecsSinceStartOfDay());
    }
    StorageFixture restarted(path());
    Project read = restarted.projects().byId(id);
    const DateRange back = read.constData()->constChannel(1)->constProgram(2)->dateRanges().value(0);
    QCOMPARE(back.startDate(), reading);
    QCOMPARE(back.startDate().time(), reading.time());
    QCOMPARE(back.endDate(), reading.addSecs(600));
    QCOMPARE(read.setting(1)->holidayBegin(), reading);
    // Reading it changed nothing.
    QVERIFY(!restarted.storage().isDirty());
}

QTEST_GUILESS_MAIN(TstPersistence)
#include "tst_persistence.moc"
