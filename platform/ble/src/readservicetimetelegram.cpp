#include "ble/readservicetimetelegram.h"

#include <devices/eepromutils.h>

namespace ble {

namespace {
constexpr int IntervalSize = 4;
} // namespace

ReadServiceTimeTelegram::ReadServiceTimeTelegram(quint64 serviceAddress, int channels)
    : m_address(serviceAddress)
    , m_channels(channels)
{
    setRange(int(m_address), IntervalSize);
}

void ReadServiceTimeTelegram::nextChannel()
{
    setRange(int(m_address + quint64(m_times.size()) * IntervalSize), IntervalSize);
}

bool ReadServiceTimeTelegram::parseTelegram(const QByteArray& reply)
{
    if (atEnd() || !EepromReadTelegram::parseTelegram(reply))
        return false;
    m_times.append(int(devices::EepromUtils::readUInt(readBytes(), 0, IntervalSize)));
    return true;
}

} // namespace ble
