#pragma once

#include "ble/abstractblerequest.h"

#include <functional>

namespace ble {

class BaseTelegram;

// One telegram and its reply, delivered to named slots or to callbacks. The request frame is taken
// when the request is made; the reply is judged with the telegram's parseTelegram.
class TelegramRequest : public AbstractBLERequest {
public:
    using Done = std::function<void(bool ok)>;
    using Failure = std::function<void(int error, const QByteArray& reply)>;

    TelegramRequest(BaseTelegram* telegram, QObject* receiver, const char* okSlot, const char* errorSlot,
                    bool extended, bool logPackets, bool retry);
    // context: the telegram's owner; its destruction drops the request.
    TelegramRequest(BaseTelegram* telegram, QObject* context, Done done, Failure error, bool logPackets, bool retry);

    bool isCritical() const override { return m_critical; }
    bool isExtended() const override { return m_extended; }
    QByteArray frame() const override { return m_frame; }
    Verdict take(const QByteArray& reply) override;
    bool next() override { return false; }
    void finish(const BLERequestResponse& response) override;
    QString describe() const override;

private:
    BaseTelegram* m_telegram;
    QByteArray m_frame;
    bool m_critical;
    bool m_extended = false;
    QByteArray m_okSlot;
    QByteArray m_errorSlot;
    Done m_done;
    Failure m_error;
};

} // namespace ble
