#pragma once

#include "ble/channeltelegram.h"

#include <QTime>

namespace ble {

// The timer of a channel (characteristic 54): status 0 off, 1 on, 2 end the timer; the time is the
// timer's duration (hours and minutes).
class TimerTelegram : public ChannelTelegram {
public:
    static constexpr int Characteristic = 54;

    TimerTelegram();

    void setTime(const QTime& time) { m_time = time; }
    void setStatus(int status) { m_status = status; }
    QTime time() const { return m_time; }
    int status() const { return m_status; }

protected:
    QByteArray arguments() const override;

private:
    QTime m_time{0, 1};
    int m_status = 0;
};

} // namespace ble
