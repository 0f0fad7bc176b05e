#include "ble/readactivebankaddress.h"

#include <devices/eepromutils.h>

namespace ble {

ReadActiveBankAddress::ReadActiveBankAddress()
    : BaseTelegram(Characteristic, false)
{
}

bool ReadActiveBankAddress::fromData(const QByteArray& payload)
{
    if (payload.size() != 2)
        return false;
    m_bankAddress = int(devices::EepromUtils::readUInt(payload, 0, 2));
    return true;
}

} // namespace ble
