#include "ble/citytelegram.h"

#include "ble/timezonetelegram.h"

#include <cstdlib>

namespace ble {

namespace {
constexpr int Payload = 6;
constexpr int MaxLatitude = 90;
constexpr int MaxLongitude = 180;
constexpr int SouthBit = 0x01;
constexpr int WestBit = 0x02;
} // namespace

CityTelegram::CityTelegram()
    : BaseTelegram(Characteristic, true)
{
}

void CityTelegram::setCity(int longitude, int latitude, int timezone, int firstChar, int checksum)
{
    m_longitude = longitude;
    m_latitude = latitude;
    m_timezone = timezone;
    m_firstChar = firstChar;
    m_checksum = checksum;
}

bool CityTelegram::isValid() const
{
    const auto isByte = [](int value) { return value >= 0 && value <= NoKey; };
    return std::abs(m_latitude) <= MaxLatitude && std::abs(m_longitude) <= MaxLongitude && m_timezone >= 0
        && m_timezone <= TimezoneTelegram::LastTimezone && isByte(m_firstChar) && isByte(m_checksum);
}

QByteArray CityTelegram::data() const
{
    QByteArray bytes;
    for (int part : {std::abs(m_latitude), std::abs(m_longitude), m_timezone, m_firstChar, m_checksum})
        bytes.append(char(part));
    bytes.append(char((m_latitude < 0 ? SouthBit : 0) | (m_longitude < 0 ? WestBit : 0)));
    return bytes;
}

QByteArray CityTelegram::bytes() const
{
    return isValid() ? BaseTelegram::bytes() : QByteArray();
}

bool CityTelegram::fromData(const QByteArray& payload)
{
    if (payload.size() != Payload)
        return false;
    const auto at = [&](int pos) { return int(quint8(payload.at(pos))); };
    const int signs = at(5);
    const int latitude = signs & SouthBit ? -at(0) : at(0);
    const int longitude = signs & WestBit ? -at(1) : at(1);
    if (at(0) > MaxLatitude || at(1) > MaxLongitude || at(2) > TimezoneTelegram::LastTimezone)
        return false;
    setCity(longitude, latitude, at(2), at(3), at(4));
    return true;
}

} // namespace ble
