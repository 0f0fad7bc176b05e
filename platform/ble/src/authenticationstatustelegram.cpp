#include "ble/authenticationstatustelegram.h"

#include <devices/eepromutils.h>

namespace ble {

namespace {
constexpr int PayloadSize = 7;
}

AuthenticationStatusTelegram::AuthenticationStatusTelegram()
    : BaseTelegram(Characteristic, false)
{
}

bool AuthenticationStatusTelegram::fromData(const QByteArray& payload)
{
    if (payload.size() != PayloadSize || quint8(payload.at(2)) > PinLock)
        return false;
    m_needsAuthentication = payload.at(0) != 0;
    m_needsPin = payload.at(1) != 0;
    m_lock = LockKind(quint8(payload.at(2)));
    m_remainingSeconds = int(devices::EepromUtils::readUInt(payload, 3, 4));
    return true;
}

} // namespace ble
