// The update watcher: waits until the updater beside it has ended, then starts the program
// again. Arguments: the installer path, the program path.

#include "updaterpidfile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QProcess>
#include <QThread>

#include <functional>

namespace {

// The updater writes its file at once; an installation may take long.
constexpr int StartTimeoutMs = 60 * 1000;
constexpr int UpdateTimeoutMs = 30 * 60 * 1000;
constexpr int PollIntervalMs = 100;

bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(PollIntervalMs);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() != 2) {
        qWarning() << ">> Wrong argument count: " << arguments.size();
        return 1;
    }
    qInfo() << ">> Watching installer " << arguments.at(0);
    const UpdaterPidFile pidFile;
    if (!waitFor([&pidFile] { return pidFile.exists(); }, StartTimeoutMs) ||
        !waitFor([&pidFile] { return pidFile.updaterEnded(); }, UpdateTimeoutMs)) {
        qWarning() << ">> Timeout reached for starting the app";
        return 1;
    }
    qInfo() << ">> Installation finished, starting app";
    qInfo() << ">> Starting app...";
    const bool started = QProcess::startDetached(arguments.at(1), {});
    qInfo() << ">> Started = " << started;
    return started ? 0 : 1;
}
