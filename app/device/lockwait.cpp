#include "lockwait.h"

#include <QCoreApplication>

namespace {

constexpr qint64 SecondsPerMinute = 60;
constexpr qint64 SecondsPerHour = 3600;
constexpr qint64 MillisecondsPerSecond = 1000;

QString withWait(const QString& text, qint64 seconds)
{
    return text.arg(seconds / SecondsPerHour).arg(seconds % SecondsPerHour / SecondsPerMinute).arg(seconds % SecondsPerMinute);
}

QString reason(int status)
{
    switch (status) {
    case 1: return QCoreApplication::translate("Scan", "aufgrund eines falschen Verbindungscodes verriegelt");
    case 2: return QCoreApplication::translate("Scan", "aufgrund eines falschen PIN-Codes verriegelt");
    default: return QCoreApplication::translate("Scan", "locked");
    }
}

} // namespace

qint64 LockWait::remainingSeconds(const QDateTime& unlockTime, const QDateTime& now)
{
    const qint64 milliseconds = now.msecsTo(unlockTime);
    return milliseconds <= 0 ? 0 : (milliseconds + MillisecondsPerSecond - 1) / MillisecondsPerSecond;
}

QString LockWait::text(int status, const QDateTime& unlockTime, const QDateTime& now)
{
    const qint64 seconds = remainingSeconds(unlockTime, now);
    if (seconds == 0)
        return {};
    const QString text = QCoreApplication::translate("Scan", "Das Gerät ist %1, Sie müssen %2 h %3 min %4 s warten");
    return withWait(text.arg(reason(status)), seconds);
}

QString LockWait::pinText(const QDateTime& unlockTime, const QDateTime& now)
{
    const qint64 seconds = remainingSeconds(unlockTime, now);
    if (seconds == 0)
        return {};
    return withWait(QCoreApplication::translate("Scan", "Das Gerät ist verriegelt, Sie müssen %2 h %3 min %4 s warten"),
                    seconds);
}
