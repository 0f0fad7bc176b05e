#pragma once

#include "ble/basetelegram.h"

namespace ble {

// The date and time formats the device shows (characteristic 44): written, and taken from a read
// reply (parseReadReply).
class DateTimeFormatTelegram : public BaseTelegram {
public:
    static constexpr int Characteristic = 44;
    static constexpr int LastDateFormat = 2;
    static constexpr int LastTimeFormat = 1;

    DateTimeFormatTelegram();

    void setDateFormat(int format) { m_dateFormat = format; }
    void setTimeFormat(int format) { m_timeFormat = format; }
    int dateFormat() const { return m_dateFormat; }
    int timeFormat() const { return m_timeFormat; }

    QByteArray data() const override;
    bool fromData(const QByteArray& payload) override;

private:
    int m_dateFormat = 0;
    int m_timeFormat = 0;
};

} // namespace ble
