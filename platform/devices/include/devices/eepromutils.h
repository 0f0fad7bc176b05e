#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace devices {

// Byte-level helpers of the device memory image and of device telegrams. Multi-byte values are
// little-endian (least significant byte first).
class EepromUtils {
public:
    EepromUtils() = delete;

    // The unsigned value of width bytes (1 to 4) at pos; 0 when they are not all inside bytes.
    static quint32 readUInt(const QByteArray& bytes, qsizetype pos, int width);
    // Writes the low width bytes of value at pos; nothing when they do not all fit.
    static void writeUInt(QByteArray& bytes, qsizetype pos, quint32 value, int width);

    // A sensor's light value: 3 bytes, little-endian, at pos. 0 when fewer bytes follow.
    static int bytesToSensorLuxValue(const QByteArray& bytes, qsizetype pos = 0);

    // Bitwise complement of the 8-bit sum of bytes from .. to (inclusive), as in the image
    // header; 0xFF when the range is empty or outside bytes.
    static quint8 headerChecksum(const QByteArray& bytes, qsizetype from, qsizetype to);
    // CRC-16/X-25 (ISO 3309) of length bytes from pos; 0 when they are not all inside bytes.
    static quint16 crc16(const QByteArray& bytes, qsizetype pos, qsizetype length);

private:
    static bool inside(const QByteArray& bytes, qsizetype pos, qsizetype length);
};

} // namespace devices
