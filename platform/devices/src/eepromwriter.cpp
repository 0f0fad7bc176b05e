#include "eepromwriter.h"

#include "devices/eepromutils.h"
#include "devices/ot2file.h"

#include <cmath>

namespace devices {

namespace {
constexpr quint32 NoValue = 0xFFFFFF;
}

EepromWriter::EepromWriter(QByteArray& bytes, qsizetype pos)
    : m_bytes(bytes)
    , m_pos(pos)
{
}

void EepromWriter::put(quint32 value, int width)
{
    if (m_pos < 0 || m_pos + width > m_bytes.size()) {
        m_overflowed = true;
        return;
    }
    EepromUtils::writeUInt(m_bytes, m_pos, value, width);
    m_pos += width;
}

void EepromWriter::coordinate(double degrees)
{
    put(quint32(qint32(std::lround(degrees * Ot2File::CoordinateScale))), 4);
}

void EepromWriter::date(const QDate& date)
{
    if (!date.isValid()) {
        put(NoValue, 3);
        return;
    }
    u8(date.year() - Ot2File::FirstYear);
    u8(date.month());
    u8(date.day());
}

void EepromWriter::dateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid()) {
        put(NoValue, 3);
        put(NoValue, 3);
        return;
    }
    date(dateTime.date());
    dayTime(dateTime.time().msecsSinceStartOfDay() / 1000);
}

void EepromWriter::skip(qsizetype count)
{
    if (m_pos + count > m_bytes.size())
        m_overflowed = true;
    else
        m_pos += count;
}

} // namespace devices
