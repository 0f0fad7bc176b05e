#pragma once

#include "ble/channellisttelegram.h"

namespace ble {

// Reads the operating-hours counters of every channel (characteristic 40).
class ReadOperatingTimeTelegram : public ChannelListTelegram {
public:
    static constexpr int Characteristic = 40;

    ReadOperatingTimeTelegram();

protected:
    ChannelInfo entry(const QByteArray& payload, qsizetype pos) const override;
};

} // namespace ble
