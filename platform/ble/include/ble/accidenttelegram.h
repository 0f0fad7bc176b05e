#pragma once

#include "ble/channeltelegram.h"

namespace ble {

// The random mode of a channel (characteristic 64): status 0 off, 1 random 1, 2 random 2.
class AccidentTelegram : public ChannelTelegram {
public:
    static constexpr int Characteristic = 64;

    AccidentTelegram();

    void setStatus(int status) { m_status = status; }
    int status() const { return m_status; }

protected:
    QByteArray arguments() const override;

private:
    int m_status = 0;
};

} // namespace ble
