#include "ble/datetimeformattelegram.h"

namespace ble {

DateTimeFormatTelegram::DateTimeFormatTelegram()
    : BaseTelegram(Characteristic, true)
{
}

QByteArray DateTimeFormatTelegram::data() const
{
    return QByteArray(1, char(m_dateFormat)) + char(m_timeFormat);
}

bool DateTimeFormatTelegram::fromData(const QByteArray& payload)
{
    if (payload.size() != 2 || quint8(payload.at(0)) > LastDateFormat || quint8(payload.at(1)) > LastTimeFormat)
        return false;
    m_dateFormat = quint8(payload.at(0));
    m_timeFormat = quint8(payload.at(1));
    return true;
}

} // namespace ble
