#include "ble/timezonetelegram.h"

namespace ble {

TimezoneTelegram::TimezoneTelegram()
    : BaseTelegram(Characteristic, false)
{
}

QByteArray TimezoneTelegram::data() const
{
    return isWrite() ? QByteArray(1, char(m_timezone)) : QByteArray();
}

bool TimezoneTelegram::fromData(const QByteArray& payload)
{
    if (payload.size() != 1 || quint8(payload.at(0)) > LastTimezone)
        return false;
    m_timezone = quint8(payload.at(0));
    return true;
}

} // namespace ble
