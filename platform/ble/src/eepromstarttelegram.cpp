#include "ble/eepromstarttelegram.h"

namespace ble {

EepromStartTelegram::EepromStartTelegram(int start, int length, bool wholeImage)
    : TransferTelegram(StartCharacteristic, true)
    , m_start(start)
    , m_length(length)
    , m_wholeImage(wholeImage)
{
}

QByteArray EepromStartTelegram::data() const
{
    return address(m_start) + address(m_length) + char(m_wholeImage ? 0 : 1);
}

} // namespace ble
