#include "ble/channeltelegram.h"

namespace ble {

ChannelTelegram::ChannelTelegram(int characteristic)
    : BaseTelegram(characteristic, true)
{
}

QByteArray ChannelTelegram::data() const
{
    return QByteArray(1, char(m_channel)) + arguments();
}

} // namespace ble
