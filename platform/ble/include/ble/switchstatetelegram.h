#pragma once

#include "ble/channeltelegram.h"

namespace ble {

// Manual switching of a channel (characteristic 36): 0 starts manual switching, 1 permanently off,
// 2 permanently on, 3 back to the program.
class SwitchStateTelegram : public ChannelTelegram {
public:
    static constexpr int Characteristic = 36;

    SwitchStateTelegram();

    void setState(int state) { m_state = state; }
    int state() const { return m_state; }

protected:
    QByteArray arguments() const override;

private:
    int m_state = 0;
};

} // namespace ble
