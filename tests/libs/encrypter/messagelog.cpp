#include "messagelog.h"

#include <QMutexLocker>

namespace {

MessageLog* current = nullptr;

} // namespace

MessageLog::MessageLog()
{
    current = this;
    m_previous = qInstallMessageHandler(&MessageLog::record);
}

MessageLog::~MessageLog()
{
    qInstallMessageHandler(m_previous);
    current = nullptr;
}

int MessageLog::count(const QString& text) const
{
    const QMutexLocker lock(&m_lock);
    return static_cast<int>(std::count_if(m_messages.cbegin(), m_messages.cend(),
                                          [&](const QString& line) { return line.contains(text); }));
}

void MessageLog::clear()
{
    const QMutexLocker lock(&m_lock);
    m_messages.clear();
}

void MessageLog::record(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    {
        const QMutexLocker lock(&current->m_lock);
        current->m_messages.append(message);
    }
    if (current->m_previous)
        current->m_previous(type, context, message);
}
