// Opening and saving the largest project a model holds: 800 switch times and 200 date ranges.
#include <storage/projectservice.h>
#include <storage/storageservice.h>

#include <benchmark/benchmark.h>
#include <devices/ot2file.h>

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <memory>

using namespace storage;

namespace {
constexpr int Channels = 4;
constexpr int SwitchesPerChannel = 200;
constexpr int ExtraPrograms = 10;
constexpr int RangesPerProgram = 5;

// The services of one program run on a database file.
struct Services {
    explicit Services(const QString& path)
    {
        StorageService::m_instance = &storage;
        ProjectService::m_instance = &projects;
        storage.open(path);
        projects.init();
    }
    // Declared first, destroyed last, as at the end of the program.
    StorageService storage;
    ProjectService projects;
};

Project largeProject()
{
    Project project(104, "Large");
    const StorableRef<ProgramData> data = project.data();
    for (int channel = 0; channel < Channels; ++channel) {
        QList<SwitchTime> switches;
        for (int i = 0; i < SwitchesPerChannel; ++i) {
            SwitchTime s(SwitchTime::Switch, i % 2 ? SwitchTime::On : SwitchTime::Off, i * 300, 254);
            s.store();
            switches.append(s);
        }
        data->channel(channel)->program(0)->setSwitches(switches);
    }
    for (int number = 1; number <= ExtraPrograms; ++number) {
        QList<DateRange> ranges;
        for (int i = 0; i < RangesPerProgram * Channels; ++i) {
            DateRange r(DateRange::FixYear);
            r.setStartDate(QDateTime(QDate(2026, 1, 1).addDays(i), QTime(8, 0)));
            r.setEndDate(QDateTime(QDate(2026, 1, 2).addDays(i), QTime(8, 0)));
            r.store();
            ranges.append(r);
        }
        data->channel(number % Channels)->program(number)->setDateRanges(ranges);
    }
    return project;
}

class LargeProjectFile {
public:
    LargeProjectFile()
    {
        Services services(path());
        Project project = largeProject();
        project.store();
        m_id = project.id();
    }
    QString path() const { return m_dir.filePath("projects.sqlite"); }
    qint64 id() const { return m_id; }

private:
    QTemporaryDir m_dir;
    qint64 m_id = 0;
};

LargeProjectFile& file()
{
    static LargeProjectFile large;
    return large;
}

// From nothing to a project whose switch times the editor can show: open the file, read the
// project list and the project's content.
void BM_OpenLargeProject(benchmark::State& state)
{
    for (auto _ : state) {
        Services services(file().path());
        const Project project = services.projects.byId(file().id());
        benchmark::DoNotOptimize(project.constData()->memoryCount());
    }
}
BENCHMARK(BM_OpenLargeProject)->Unit(benchmark::kMillisecond);

// Reading the content alone, as the first call of Project::data() does.
void BM_ReadLargeProjectContent(benchmark::State& state)
{
    Services services(file().path());
    for (auto _ : state) {
        state.PauseTiming();
        services.projects.init();
        const Project project = services.projects.byId(file().id());
        state.ResumeTiming();
        benchmark::DoNotOptimize(project.constData()->memoryCount());
    }
}
BENCHMARK(BM_ReadLargeProjectContent)->Unit(benchmark::kMillisecond);

// The usual save: one switch time edited.
void BM_SaveOneEdit(benchmark::State& state)
{
    Services services(file().path());
    const Project project = services.projects.byId(file().id());
    SwitchTime edited = project.constData()->constChannel(0)->constProgram(0)->switches().first();
    int start = 0;
    for (auto _ : state) {
        edited.setStartTime(++start % 86400);
        services.storage.save();
    }
}
BENCHMARK(BM_SaveOneEdit)->Unit(benchmark::kMillisecond);

// The heaviest save: every row of the project rewritten (a sort of every program reorders all).
void BM_SaveAllRows(benchmark::State& state)
{
    Services services(file().path());
    Project project = services.projects.byId(file().id());
    int order = 0;
    for (auto _ : state) {
        order = 1 - order;
        project.sortData({ 1 }, { order });
        services.storage.save();
    }
}
BENCHMARK(BM_SaveAllRows)->Unit(benchmark::kMillisecond);

// Storing a new project of that size (its records stored one by one first, as the editors do).
void BM_StoreNewLargeProject(benchmark::State& state)
{
    QTemporaryDir dir;
    Services services(dir.filePath("projects.sqlite"));
    for (auto _ : state) {
        Project project = largeProject();
        project.store();
    }
}
BENCHMARK(BM_StoreNewLargeProject)->Unit(benchmark::kMillisecond);
// Importing a project file of that size, as a duplicate or a device read does: one transaction.
void BM_ImportLargeProject(benchmark::State& state)
{
    Services services(file().path());
    const devices::Ot2File exported = services.projects.exportProject(file().id()).result();
    for (auto _ : state) {
        Project copy = services.projects.importOt2File(QStringLiteral("Copy"), exported);
        state.PauseTiming();
        copy.remove();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportLargeProject)->Unit(benchmark::kMillisecond);

// Gives every switch time and date range of the project new values.
void rewriteEveryRow(Project project, int round)
{
    const StorableRef<ProgramData> data = project.data();
    for (int channel = 0; channel < Channels; ++channel) {
        for (int number = 0; number <= ExtraPrograms; ++number) {
            const auto program = data->channel(channel)->program(number);
            for (SwitchTime s : program->switches())
                s.setStartTime((s.startTime() + 60 + round) % 86400);
            for (DateRange r : program->dateRanges())
                r.setStartDate(r.startDate().addSecs(60));
        }
    }
}

// From nothing to the saved project: open the file, read the project, rewrite every row, save.
void BM_OpenSave(benchmark::State& state)
{
    int round = 0;
    for (auto _ : state) {
        Services services(file().path());
        const Project project = services.projects.byId(file().id());
        rewriteEveryRow(project, ++round);
        if (!services.storage.save())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_OpenSave)->Unit(benchmark::kMillisecond);

// The rows of one table as stored, without their ids.
struct TableRows {
    QString insert;
    QList<QVariantList> rows;
};

TableRows rowsOf(QSqlDatabase& db, const QString& table)
{
    TableRows result;
    QSqlQuery query(db);
    query.exec(QStringLiteral("SELECT * FROM %1").arg(table));
    QStringList columns;
    for (int i = 1; i < query.record().count(); ++i)
        columns.append(query.record().fieldName(i));
    result.insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                        .arg(table, columns.join(u','), QStringList(columns.size(), QStringLiteral("?")).join(u','));
    while (query.next()) {
        QVariantList row;
        for (int i = 1; i < query.record().count(); ++i)
            row.append(query.value(i));
        result.rows.append(row);
    }
    return result;
}

void insertRows(QSqlDatabase& db, const TableRows& table)
{
    QSqlQuery insert(db);
    insert.prepare(table.insert);
    for (const QVariantList& row : table.rows) {
        for (int i = 0; i < row.size(); ++i)
            insert.bindValue(i, row.at(i));
        insert.exec();
    }
}

// The same rows written raw: prepared INSERTs into the same schema in one transaction, on a
// connection opened anew each time.
void BM_OpenSaveBaseline(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("raw.sqlite"));
    QFile::copy(file().path(), path);
    TableRows switches;
    TableRows ranges;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("read"));
        db.setDatabaseName(path);
        db.open();
        switches = rowsOf(db, QStringLiteral("switch_times"));
        ranges = rowsOf(db, QStringLiteral("date_ranges"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("read"));
    for (auto _ : state) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            db.setDatabaseName(path);
            db.open();
            state.PauseTiming();
            db.exec(QStringLiteral("DELETE FROM switch_times"));
            db.exec(QStringLiteral("DELETE FROM date_ranges"));
            state.ResumeTiming();
            db.transaction();
            insertRows(db, switches);
            insertRows(db, ranges);
            if (!db.commit())
                state.SkipWithError("commit failed");
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    }
    state.counters["rows"] = double(switches.rows.size() + ranges.rows.size());
}
BENCHMARK(BM_OpenSaveBaseline)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
