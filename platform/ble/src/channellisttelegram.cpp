#include "ble/channellisttelegram.h"

namespace ble {

ChannelListTelegram::ChannelListTelegram(int characteristic, int entrySize)
    : BaseTelegram(characteristic, false)
    , m_entrySize(entrySize)
{
}

bool ChannelListTelegram::fromData(const QByteArray& payload)
{
    if (payload.isEmpty() || payload.size() != 1 + quint8(payload.at(0)) * m_entrySize)
        return false;
    QList<ChannelInfo> channels;
    for (qsizetype pos = 1; pos < payload.size(); pos += m_entrySize)
        channels.append(entry(payload, pos));
    m_channels = channels;
    return true;
}

} // namespace ble
