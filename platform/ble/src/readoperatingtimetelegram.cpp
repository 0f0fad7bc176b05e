#include "ble/readoperatingtimetelegram.h"

#include <devices/eepromutils.h>

namespace ble {

namespace {
// The channel number and its counter in minutes (u32).
constexpr int EntrySize = 5;
constexpr double MinutesPerHour = 60.0;
} // namespace

ReadOperatingTimeTelegram::ReadOperatingTimeTelegram()
    : BaseTelegram(Characteristic, false)
{
}

bool ReadOperatingTimeTelegram::fromData(const QByteArray& payload)
{
    if (payload.isEmpty() || payload.size() != 1 + quint8(payload.at(0)) * EntrySize)
        return false;
    QList<ChannelInfo> channels;
    for (qsizetype pos = 1; pos < payload.size(); pos += EntrySize) {
        const quint32 minutes = devices::EepromUtils::readUInt(payload, pos + 1, 4);
        channels.append({quint8(payload.at(pos)), -1, -1, minutes / MinutesPerHour});
    }
    m_channels = channels;
    return true;
}

} // namespace ble
