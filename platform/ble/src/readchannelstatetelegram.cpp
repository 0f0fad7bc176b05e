#include "ble/readchannelstatetelegram.h"

namespace ble {

namespace {
constexpr int EntrySize = 3;
} // namespace

ReadChannelStateTelegram::ReadChannelStateTelegram()
    : BaseTelegram(Characteristic, false)
{
}

bool ReadChannelStateTelegram::fromData(const QByteArray& payload)
{
    if (payload.isEmpty() || payload.size() != 1 + quint8(payload.at(0)) * EntrySize)
        return false;
    QList<ChannelInfo> channels;
    for (qsizetype pos = 1; pos < payload.size(); pos += EntrySize)
        channels.append({quint8(payload.at(pos)), quint8(payload.at(pos + 1)), quint8(payload.at(pos + 2)), 0});
    m_channels = channels;
    return true;
}

} // namespace ble
