#pragma once

#include "ble/channellisttelegram.h"

namespace ble {

// Reads the relay state and mode of every channel (characteristic 38).
class ReadChannelStateTelegram : public ChannelListTelegram {
public:
    static constexpr int Characteristic = 38;

    ReadChannelStateTelegram();

protected:
    ChannelInfo entry(const QByteArray& payload, qsizetype pos) const override;
};

} // namespace ble
