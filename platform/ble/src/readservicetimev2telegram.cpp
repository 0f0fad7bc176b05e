#include "ble/readservicetimev2telegram.h"

#include <devices/eepromutils.h>

namespace ble {

namespace {
constexpr int IntervalSize = 4;
} // namespace

ReadServiceTimeV2Telegram::ReadServiceTimeV2Telegram()
    : BaseTelegram(Characteristic, false)
{
}

bool ReadServiceTimeV2Telegram::fromData(const QByteArray& payload)
{
    if (payload.isEmpty() || payload.size() != 1 + quint8(payload.at(0)) * IntervalSize)
        return false;
    QList<int> times;
    for (qsizetype pos = 1; pos < payload.size(); pos += IntervalSize)
        times.append(int(devices::EepromUtils::readUInt(payload, pos, IntervalSize)));
    m_times = times;
    return true;
}

} // namespace ble
