#pragma once

#include "ble/basetelegram.h"
#include "ble/channelinfo.h"

#include <QList>

namespace ble {

// Reads the relay state and mode of every channel (characteristic 38).
class ReadChannelStateTelegram : public BaseTelegram {
public:
    static constexpr int Characteristic = 38;

    ReadChannelStateTelegram();

    QList<ChannelInfo> channels() const { return m_channels; }

    ResponseType responseType() const override { return LongReply; }
    // A payload cut short, or longer than its count, is refused and changes nothing.
    bool fromData(const QByteArray& payload) override;

private:
    QList<ChannelInfo> m_channels;
};

} // namespace ble
