#include "logservice.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QMutexLocker>
#include <QStandardPaths>
#include <atomic>

namespace logger {

namespace {

// The handler is installed process-wide; these say where messages go while a service runs.
std::atomic<LogService*> activeService{nullptr};
QtMessageHandler previousHandler = nullptr;

QString typeName(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return QStringLiteral("debug");
    case QtInfoMsg:
        return QStringLiteral("info");
    case QtWarningMsg:
        return QStringLiteral("warning");
    case QtCriticalMsg:
        return QStringLiteral("critical");
    case QtFatalMsg:
        return QStringLiteral("fatal");
    }
    return QString();
}

} // namespace

LogService::LogService(bool writeToFile, QObject* parent)
    : QObject(parent)
    , m_writeToFile(writeToFile)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    m_logFilePath = QDir(folder).filePath(QStringLiteral("logs/%1.log").arg(
        QCoreApplication::applicationName().isEmpty() ? QStringLiteral("log")
                                                      : QCoreApplication::applicationName()));
}

LogService::~LogService()
{
    stop();
    if (m_instance == this)
        m_instance = nullptr;
}

bool LogService::isRunning() const
{
    return m_running;
}

QStringList LogService::recentMessages() const
{
    QMutexLocker lock(&m_mutex);
    return m_recent;
}

QString LogService::logFilePath() const
{
    return m_logFilePath;
}

void LogService::start()
{
    if (m_running)
        return;
    {
        QMutexLocker lock(&m_mutex);
        if (m_writeToFile) {
            QDir().mkpath(QFileInfo(m_logFilePath).absolutePath());
            m_file.setFileName(m_logFilePath);
            // A new run starts a new log; a file that cannot be opened leaves the memory log.
            if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
                m_file.setFileName(QString());
        }
    }
    LogService* expected = nullptr;
    if (activeService.compare_exchange_strong(expected, this))
        previousHandler = qInstallMessageHandler(&LogService::handleMessage);
    m_running = true;
    emit runningChanged(true);
}

void LogService::stop()
{
    if (!m_running)
        return;
    LogService* expected = this;
    if (activeService.compare_exchange_strong(expected, nullptr))
        qInstallMessageHandler(previousHandler);
    {
        QMutexLocker lock(&m_mutex);
        m_file.close();
    }
    m_running = false;
    emit runningChanged(false);
}

void LogService::transmitLogs()
{
    QByteArray content;
    {
        QMutexLocker lock(&m_mutex);
        if (m_file.isOpen())
            m_file.flush();
        QFile file(m_logFilePath);
        if (m_writeToFile && file.open(QIODevice::ReadOnly))
            content = file.readAll();
        else
            content = m_recent.join(QLatin1Char('\n')).toUtf8();
    }
    emit currentLogFileContent(content);
}

void LogService::handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (LogService* service = activeService.load()) {
        const QString line = QStringLiteral("%1 [%2] %3: %4")
                                 .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs),
                                      typeName(type),
                                      QString::fromUtf8(context.category ? context.category : "default"),
                                      message);
        service->record(line);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

void LogService::record(const QString& line)
{
    bool schedule = false;
    {
        QMutexLocker lock(&m_mutex);
        if (m_file.isOpen()) {
            m_file.write(line.toUtf8());
            m_file.write("\n");
            m_file.flush();
        }
        m_recent.append(line);
        if (m_recent.size() > RecentMessageLimit)
            m_recent.removeFirst();
        schedule = !m_publishPending;
        m_publishPending = true;
    }
    // Messages come from any thread; the view learns of them once per event-loop turn.
    if (schedule)
        QMetaObject::invokeMethod(this, &LogService::publishRecent, Qt::QueuedConnection);
}

void LogService::publishRecent()
{
    {
        QMutexLocker lock(&m_mutex);
        m_publishPending = false;
    }
    emit recentMessagesChanged();
}

} // namespace logger
