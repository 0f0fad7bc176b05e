#pragma once

#include "ble/basetelegram.h"

namespace ble {

// The device's time zone (characteristic 48), read or written: 0 is UTC -11 h, 12 UTC, 31 UTC +12 h.
class TimezoneTelegram : public BaseTelegram {
public:
    static constexpr int Characteristic = 48;
    static constexpr int LastTimezone = 31;

    TimezoneTelegram();

    void setReadState() { setWrite(false); }
    void setWriteState() { setWrite(true); }
    void setTimezone(int timezone) { m_timezone = timezone; }
    int timezone() const { return m_timezone; }

    QByteArray data() const override;
    bool fromData(const QByteArray& payload) override;

private:
    int m_timezone = 12;
};

} // namespace ble
