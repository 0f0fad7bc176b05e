#include "ble/telegramrequest.h"

#include "ble/basetelegram.h"

namespace ble {

TelegramRequest::TelegramRequest(BaseTelegram* telegram, QObject* receiver, const char* okSlot,
                                 const char* errorSlot, bool extended, bool logPackets, bool retry)
    : AbstractBLERequest(receiver, logPackets, retry)
    , m_telegram(telegram)
    , m_frame(telegram->bytes())
    , m_critical(telegram->isCritical())
    , m_extended(extended || telegram->responseType() == BaseTelegram::LongReply)
    , m_okSlot(okSlot)
    , m_errorSlot(errorSlot)
{
}

TelegramRequest::TelegramRequest(BaseTelegram* telegram, QObject* context, Done done, Failure error,
                                 bool logPackets, bool retry)
    : AbstractBLERequest(context, logPackets, retry)
    , m_telegram(telegram)
    , m_frame(telegram->bytes())
    , m_critical(telegram->isCritical())
    , m_extended(telegram->responseType() == BaseTelegram::LongReply)
    , m_done(std::move(done))
    , m_error(std::move(error))
{
}

AbstractBLERequest::Verdict TelegramRequest::take(const QByteArray& reply)
{
    return m_telegram->parseTelegram(reply) ? Verdict::Accepted : Verdict::Rejected;
}

void TelegramRequest::finish(const BLERequestResponse& response)
{
    if (response.error() == NoError) {
        invoke(m_okSlot, response);
        if (m_done)
            m_done(true);
        return;
    }
    invoke(m_errorSlot, response);
    if (m_error)
        m_error(response.error(), response.data());
    if (m_done)
        m_done(false);
}

QString TelegramRequest::describe() const
{
    return QStringLiteral("telegram %1").arg(QString::fromLatin1(m_frame.toHex(' ')));
}

} // namespace ble
