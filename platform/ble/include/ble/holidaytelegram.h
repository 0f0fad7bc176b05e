#pragma once

#include "ble/channeltelegram.h"

#include <QDate>
#include <QTime>

namespace ble {

// The holiday mode of a channel (characteristic 42): a status (0 inactive) and the wall-clock
// begin and end, each as year - 2000, month, day, hour, minute.
class HolidayTelegram : public ChannelTelegram {
public:
    static constexpr int Characteristic = 42;

    HolidayTelegram();

    void setStatus(int status) { m_status = status; }
    void setBeginDate(const QDate& date) { m_beginDate = date; }
    void setBeginTime(const QTime& time) { m_beginTime = time; }
    void setEndDate(const QDate& date) { m_endDate = date; }
    void setEndTime(const QTime& time) { m_endTime = time; }

    // Empty when a date or time is invalid or a year does not fit.
    QByteArray bytes() const override;

protected:
    QByteArray arguments() const override;

private:
    static QByteArray moment(const QDate& date, const QTime& time);

    int m_status = 0;
    QDate m_beginDate;
    QTime m_beginTime;
    QDate m_endDate;
    QTime m_endTime;
};

} // namespace ble
