#include "ble/switchstatetelegram.h"

namespace ble {

SwitchStateTelegram::SwitchStateTelegram()
    : ChannelTelegram(Characteristic)
{
}

QByteArray SwitchStateTelegram::arguments() const
{
    return QByteArray(1, char(m_state));
}

} // namespace ble
