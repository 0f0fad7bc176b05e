#include "devices/eepromutils.h"

#include "deviceslogging.h"

namespace devices {

namespace {
constexpr int LuxValueWidth = 3;
}

bool EepromUtils::inside(const QByteArray& bytes, qsizetype pos, qsizetype length)
{
    return pos >= 0 && length >= 0 && pos <= bytes.size() && length <= bytes.size() - pos;
}

quint32 EepromUtils::readUInt(const QByteArray& bytes, qsizetype pos, int width)
{
    if (width < 1 || width > 4 || !inside(bytes, pos, width))
        return 0;
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(pos + i));
    return value;
}

void EepromUtils::writeUInt(QByteArray& bytes, qsizetype pos, quint32 value, int width)
{
    if (width < 1 || width > 4 || !inside(bytes, pos, width))
        return;
    for (int i = 0; i < width; ++i)
        bytes[pos + i] = char((value >> (8 * i)) & 0xFF);
}

int EepromUtils::bytesToSensorLuxValue(const QByteArray& bytes, qsizetype pos)
{
    if (!inside(bytes, pos, LuxValueWidth)) {
        qCWarning(devicesLog) << "A light value needs 3 bytes, got" << bytes.size() - pos;
        return 0;
    }
    return int(readUInt(bytes, pos, LuxValueWidth));
}

quint8 EepromUtils::headerChecksum(const QByteArray& bytes, qsizetype from, qsizetype to)
{
    if (to < from || !inside(bytes, from, to - from + 1))
        return 0xFF;
    quint8 sum = 0;
    for (qsizetype i = from; i <= to; ++i)
        sum = quint8(sum + quint8(bytes.at(i)));
    return quint8(~sum);
}

quint16 EepromUtils::crc16(const QByteArray& bytes, qsizetype pos, qsizetype length)
{
    if (!inside(bytes, pos, length))
        return 0;
    return qChecksum(QByteArrayView(bytes.constData() + pos, length), Qt::ChecksumIso3309);
}

} // namespace devices
