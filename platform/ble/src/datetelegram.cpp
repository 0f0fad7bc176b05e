#include "ble/datetelegram.h"

#include "ble/synctelegram.h"

#include <QDateTime>

namespace ble {

namespace {
constexpr int ReadPayload = 6;
constexpr int FirstYear = 2000;
constexpr int SecondMask = 0x3F;
constexpr int RadioConnectedBit = 0x40;
constexpr int RadioSynchronisedBit = 0x80;
} // namespace

DateTelegram::DateTelegram()
    : BaseTelegram(Characteristic, true)
{
}

void DateTelegram::setCurrentDateTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_date = now.date();
    m_time = now.time();
}

QByteArray DateTelegram::data() const
{
    return SyncTelegram::dateTimeBytes(QDateTime(m_date, m_time, Qt::UTC));
}

QDateTime DateTelegram::dateTime() const
{
    return QDateTime(m_date, m_time, Qt::UTC);
}

bool DateTelegram::fromData(const QByteArray& payload)
{
    return payload.size() == ReadPayload && readClock(payload);
}

bool DateTelegram::readClock(const QByteArray& payload)
{
    if (payload.size() < ReadPayload)
        return false;
    const auto at = [&](int pos) { return int(quint8(payload.at(pos))); };
    const QTime time(at(3), at(4), at(5) & SecondMask);
    if (!time.isValid())
        return false;
    // Year byte 0: the clock has no date.
    const QDate date = at(0) == 0 ? QDate() : QDate(FirstYear + at(0), at(1), at(2));
    if (at(0) != 0 && !date.isValid())
        return false;
    m_date = date;
    m_time = time;
    m_radioConnected = at(5) & RadioConnectedBit;
    m_radioSynchronised = at(5) & RadioSynchronisedBit;
    return true;
}

QByteArray DateTelegram::bytes() const
{
    return data().isEmpty() ? QByteArray() : BaseTelegram::bytes();
}

} // namespace ble
