#pragma once

#include <QList>
#include <QMutex>
#include <QString>
#include <QtGlobal>

// Records every message of the process while it lives and hands each on to the handler that
// was installed before (Qt Test's, so ignoreMessage and failOnWarning keep working).
class MessageLog {
public:
    MessageLog();
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    // How many recorded messages contain the text.
    int count(const QString& text) const;
    void clear();

private:
    static void record(QtMsgType type, const QMessageLogContext& context, const QString& message);

    mutable QMutex m_lock;
    QList<QString> m_messages;
    QtMessageHandler m_previous = nullptr;
};
