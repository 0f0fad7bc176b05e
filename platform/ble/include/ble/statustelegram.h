#pragma once

#include "ble/basetelegram.h"

namespace ble {

// The device's transmission status (characteristic 8): read after the authentication of a device
// that announces its reset mode, and written with Ready once its basic settings are given.
class StatusTelegram : public BaseTelegram {
public:
    static constexpr int Characteristic = 8;
    // The device was reset and waits for its formats, summer/winter rule, clock and location.
    static constexpr int ResetMode = 0;
    static constexpr int Ready = 3;

    // A telegram that writes the status given.
    explicit StatusTelegram(int status);

    void setReadState() { setWrite(false); }
    void setWriteState() { setWrite(true); }
    int status() const { return m_status; }

    QByteArray data() const override;
    bool fromData(const QByteArray& payload) override;

private:
    int m_status;
};

} // namespace ble
