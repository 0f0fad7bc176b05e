// Opening and saving the largest project a model holds: 800 switch times and 200 date ranges.
#include <storage/projectservice.h>
#include <storage/storageservice.h>

#include <benchmark/benchmark.h>
#include <devices/ot2file.h>

#include <QCoreApplication>
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
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
