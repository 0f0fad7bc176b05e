#include "ble/holidaytelegram.h"

#include "ble/synctelegram.h"

#include <QDateTime>

namespace ble {

namespace {
constexpr int MomentSize = 5;
} // namespace

HolidayTelegram::HolidayTelegram()
    : ChannelTelegram(Characteristic)
{
}

QByteArray HolidayTelegram::moment(const QDate& date, const QTime& time)
{
    // The clock's layout without the seconds.
    return SyncTelegram::dateTimeBytes(QDateTime(date, time, Qt::UTC)).left(MomentSize);
}

QByteArray HolidayTelegram::arguments() const
{
    return QByteArray(1, char(m_status)) + moment(m_beginDate, m_beginTime) + moment(m_endDate, m_endTime);
}

QByteArray HolidayTelegram::bytes() const
{
    if (moment(m_beginDate, m_beginTime).isEmpty() || moment(m_endDate, m_endTime).isEmpty())
        return {};
    return ChannelTelegram::bytes();
}

} // namespace ble
