#include "updaterpidfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace {

const QByteArray FinishedMark = " finished";

bool processIsGone(qint64 pid)
{
#ifdef Q_OS_UNIX
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
#else
    // The finished mark alone tells.
    Q_UNUSED(pid)
    return false;
#endif
}

} // namespace

UpdaterPidFile::UpdaterPidFile()
    : m_path(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("updater.pid")))
{
}

bool UpdaterPidFile::writeRunning() const
{
    return write(QByteArray::number(QCoreApplication::applicationPid()));
}

bool UpdaterPidFile::writeFinished() const
{
    return write(QByteArray::number(QCoreApplication::applicationPid()) + FinishedMark);
}

bool UpdaterPidFile::exists() const
{
    return QFile::exists(m_path);
}

bool UpdaterPidFile::updaterEnded() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll().trimmed();
    if (content.endsWith(FinishedMark))
        return true;
    bool isNumber = false;
    const qint64 pid = content.toLongLong(&isNumber);
    return isNumber && processIsGone(pid);
}

bool UpdaterPidFile::write(const QByteArray& content) const
{
    QSaveFile file(m_path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}
