#pragma once

#include "ble/channeltelegram.h"

namespace ble {

// Clears the operating-hours counter of a channel (write of characteristic 40).
class ResetOperatingTimeTelegram : public ChannelTelegram {
public:
    static constexpr int Characteristic = 40;

    ResetOperatingTimeTelegram();

protected:
    QByteArray arguments() const override { return {}; }
};

} // namespace ble
