// Start-up to the first frame: the program beside a bare Qt Quick window that imports the same
// QML modules (startupbare). Each iteration starts a fresh process in a home of its own, on the
// platform plugin of the caller (offscreen when none is set), and takes the time until Qt Quick
// reports the first frame as rendered and swapped (the scene graph's render-loop timing log).

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr int TimeoutMs = 60000;

QProcessEnvironment environmentIn(const QTemporaryDir& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* folder : {"home", "config", "data", "cache", "runtime"})
        QDir(home.path()).mkpath(QLatin1String(folder));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert(QStringLiteral("HOME"), home.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.scenegraph.time.renderloop=true"));
    return env;
}

// Seconds from the start of the process to its first frame; negative when none came.
double secondsToFirstFrame(const QString& program)
{
    QTemporaryDir home;
    QProcess process;
    process.setProcessEnvironment(environmentIn(home));
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    double seconds = -1;
    while (seconds < 0 && process.waitForReadyRead(TimeoutMs)) {
        while (process.canReadLine()) {
            if (process.readLine().contains("Frame rendered")) {
                seconds = double(timer.nsecsElapsed()) / 1e9;
                break;
            }
        }
    }
    process.kill();
    process.waitForFinished(TimeoutMs);
    return seconds;
}

void startUp(benchmark::State& state, const char* program)
{
    for (auto _ : state) {
        const double seconds = secondsToFirstFrame(QString::fromUtf8(program));
        if (seconds < 0) {
            state.SkipWithError("no frame was rendered");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_Startup(benchmark::State& state)
{
    startUp(state, TARVINO_PROGRAM);
}

void BM_StartupBaseline(benchmark::State& state)
{
    startUp(state, BARE_PROGRAM);
}

// One start per repetition; the median of twenty counts.
BENCHMARK(BM_Startup)->UseManualTime()->Iterations(1)->Repetitions(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupBaseline)->UseManualTime()->Iterations(1)->Repetitions(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
