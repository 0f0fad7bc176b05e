#include "ble/timertelegram.h"

namespace ble {

TimerTelegram::TimerTelegram()
    : ChannelTelegram(Characteristic)
{
}

QByteArray TimerTelegram::arguments() const
{
    const QTime time = m_time.isValid() ? m_time : QTime(0, 0);
    QByteArray bytes;
    for (int part : {m_status, time.hour(), time.minute()})
        bytes.append(char(part));
    return bytes;
}

} // namespace ble
