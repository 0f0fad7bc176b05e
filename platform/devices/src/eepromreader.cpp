#include "eepromreader.h"

#include "devices/eepromutils.h"
#include "devices/ot2file.h"

#include <QTime>

#include <utils/wallclock.h>

#include <limits>

namespace devices {

EepromReader::EepromReader(const QByteArray& bytes, qsizetype pos)
    : m_bytes(bytes)
    , m_pos(pos)
{
}

quint32 EepromReader::take(int width)
{
    if (m_pos < 0 || m_pos + width > m_bytes.size()) {
        m_overrun = true;
        return 0;
    }
    const quint32 value = EepromUtils::readUInt(m_bytes, m_pos, width);
    m_pos += width;
    return value;
}

void EepromReader::u32(int& value)
{
    const quint32 raw = take(4);
    value = raw > quint32(std::numeric_limits<int>::max()) ? 0 : int(raw);
}

void EepromReader::nibbles(int& high, int& low)
{
    const int both = u8();
    high = both >> 4;
    low = both & 0xF;
}

void EepromReader::coordinate(double& degrees)
{
    degrees = qint32(take(4)) / Ot2File::CoordinateScale;
}

void EepromReader::date(QDate& date)
{
    const int year = u8();
    const int month = u8();
    const int day = u8();
    // QDate rejects impossible days and months, so a damaged date reads as none.
    date = QDate(Ot2File::FirstYear + year, month, day);
}

void EepromReader::dateTime(QDateTime& dateTime)
{
    QDate day;
    date(day);
    int seconds = 0;
    dayTime(seconds);
    dateTime = seconds < Ot2File::SecondsPerDay ? utils::WallClock::at(day, QTime(0, 0).addSecs(seconds)) : QDateTime();
}

void EepromReader::skip(qsizetype count)
{
    if (m_pos + count > m_bytes.size())
        m_overrun = true;
    else
        m_pos += count;
}

} // namespace devices
