#include "ble/readchannelstatetelegram.h"

namespace ble {

namespace {
// The channel number, its relay state and its mode.
constexpr int EntrySize = 3;
} // namespace

ReadChannelStateTelegram::ReadChannelStateTelegram()
    : ChannelListTelegram(Characteristic, EntrySize)
{
}

ChannelInfo ReadChannelStateTelegram::entry(const QByteArray& payload, qsizetype pos) const
{
    return {quint8(payload.at(pos)), quint8(payload.at(pos + 1)), quint8(payload.at(pos + 2)), 0};
}

} // namespace ble
