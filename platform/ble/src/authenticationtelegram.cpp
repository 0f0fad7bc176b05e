#include "ble/authenticationtelegram.h"

#include <devices/eepromutils.h>

namespace ble {

namespace {
constexpr int ReplySize = 5;

QByteArray little(quint32 value, int width)
{
    QByteArray bytes(width, '\0');
    devices::EepromUtils::writeUInt(bytes, 0, value, width);
    return bytes;
}
} // namespace

AuthenticationTelegram::AuthenticationTelegram()
    : BaseTelegram(AuthenticationCharacteristic, true)
{
}

void AuthenticationTelegram::setPushButton()
{
    setCharacteristic(AuthenticationCharacteristic);
    m_method = PushButton;
    m_number = 0;
}

void AuthenticationTelegram::setCode(int code)
{
    setCharacteristic(AuthenticationCharacteristic);
    m_method = Code;
    m_number = code;
}

void AuthenticationTelegram::setPin(int pin)
{
    setCharacteristic(PinCharacteristic);
    m_number = pin;
}

QByteArray AuthenticationTelegram::data() const
{
    if (characteristic() == PinCharacteristic)
        return little(quint32(m_number), 2);
    return QByteArray(1, char(m_method)) + little(quint32(m_number), 4);
}

bool AuthenticationTelegram::fromData(const QByteArray& payload)
{
    if (payload.size() != ReplySize || quint8(payload.at(0)) > Locked)
        return false;
    m_result = Result(quint8(payload.at(0)));
    m_value = int(devices::EepromUtils::readUInt(payload, 1, 4));
    return true;
}

} // namespace ble
