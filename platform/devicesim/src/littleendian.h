#pragma once

#include <devices/eepromutils.h>

#include <QByteArray>

namespace devicesim {

// The 16-bit little-endian numbers of the device's frames.
inline QByteArray u16(int value)
{
    QByteArray bytes(2, '\0');
    devices::EepromUtils::writeUInt(bytes, 0, quint32(value), 2);
    return bytes;
}

inline int readU16(const QByteArray& bytes, int pos)
{
    return int(devices::EepromUtils::readUInt(bytes, pos, 2));
}

} // namespace devicesim
