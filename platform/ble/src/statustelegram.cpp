#include "ble/statustelegram.h"

namespace ble {

StatusTelegram::StatusTelegram(int status)
    : BaseTelegram(Characteristic, true)
    , m_status(status)
{
}

QByteArray StatusTelegram::data() const
{
    return isWrite() ? QByteArray(1, char(m_status)) : QByteArray();
}

bool StatusTelegram::fromData(const QByteArray& payload)
{
    if (payload.size() != 1)
        return false;
    m_status = quint8(payload.at(0));
    return true;
}

} // namespace ble
