#include "updatelog.h"

#include <QDateTime>
#include <QDir>

namespace {

QFile* logFile = nullptr;
QtMessageHandler consoleHandler = nullptr;

} // namespace

UpdateLog::~UpdateLog()
{
    if (logFile != &m_file)
        return;
    qInstallMessageHandler(consoleHandler);
    logFile = nullptr;
}

bool UpdateLog::open(const QString& folder)
{
    m_file.setFileName(QDir(folder).filePath(QStringLiteral("updateLog.txt")));
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    logFile = &m_file;
    consoleHandler = qInstallMessageHandler(&UpdateLog::record);
    return true;
}

void UpdateLog::record(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (logFile) {
        const QString line =
            QStringLiteral("%1 %2\n").arg(QDateTime::currentDateTime().toString(Qt::ISODate), message);
        logFile->write(line.toUtf8());
        // Written at once, so the log tells how far an update got even when it ends abruptly.
        logFile->flush();
    }
    if (consoleHandler)
        consoleHandler(type, context, message);
}
