#include "ble/readoperatingtimetelegram.h"

#include <devices/eepromutils.h>

namespace ble {

namespace {
// The channel number and its counter in minutes (u32).
constexpr int EntrySize = 5;
constexpr double MinutesPerHour = 60.0;
} // namespace

ReadOperatingTimeTelegram::ReadOperatingTimeTelegram()
    : ChannelListTelegram(Characteristic, EntrySize)
{
}

ChannelInfo ReadOperatingTimeTelegram::entry(const QByteArray& payload, qsizetype pos) const
{
    const quint32 minutes = devices::EepromUtils::readUInt(payload, pos + 1, 4);
    return {quint8(payload.at(pos)), -1, -1, minutes / MinutesPerHour};
}

} // namespace ble
