#pragma once

#include <QFile>
#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

namespace logger {

// Collects every Qt log message of the process into a log file in the application data
// location while it runs, and keeps the latest lines for the on-screen log view.
class LogService : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created by the application")
    Q_PROPERTY(bool running READ isRunning NOTIFY runningChanged)
    Q_PROPERTY(QStringList recentMessages READ recentMessages NOTIFY recentMessagesChanged)
    Q_PROPERTY(QString logFilePath READ logFilePath CONSTANT)

public:
    // With writeToFile false the messages are only kept in memory.
    explicit LogService(bool writeToFile, QObject* parent = nullptr);
    ~LogService() override;

    inline static LogService* m_instance = nullptr;

    bool isRunning() const;
    QStringList recentMessages() const;
    QString logFilePath() const;

    static constexpr int RecentMessageLimit = 200;

public slots:
    void start();
    void stop();
    // Hands the content of the current log file out through currentLogFileContent().
    void transmitLogs();

signals:
    void runningChanged(bool running);
    void recentMessagesChanged();
    void currentLogFileContent(const QByteArray& content);

private:
    static void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message);
    void record(const QString& line);
    void publishRecent();

    const bool m_writeToFile;
    QString m_logFilePath;
    mutable QMutex m_mutex;
    QFile m_file;
    QStringList m_recent;
    bool m_running = false;
    bool m_publishPending = false;
};

} // namespace logger
