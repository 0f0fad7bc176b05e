#pragma once

#include "ble/basetelegram.h"

#include <QList>

namespace ble {

// Reads the service intervals of all channels in one request (characteristic 66, internal
// module): the number of channels, then one u32 of hours per channel.
class ReadServiceTimeV2Telegram : public BaseTelegram {
public:
    static constexpr int Characteristic = 66;

    ReadServiceTimeV2Telegram();

    QList<int> serviceTimes() const { return m_times; }

    ResponseType responseType() const override { return LongReply; }
    bool fromData(const QByteArray& payload) override;

private:
    QList<int> m_times;
};

} // namespace ble
