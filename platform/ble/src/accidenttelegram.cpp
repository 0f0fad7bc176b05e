#include "ble/accidenttelegram.h"

namespace ble {

AccidentTelegram::AccidentTelegram()
    : ChannelTelegram(Characteristic)
{
}

QByteArray AccidentTelegram::arguments() const
{
    return QByteArray(1, char(m_status));
}

} // namespace ble
