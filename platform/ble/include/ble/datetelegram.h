#pragma once

#include "ble/basetelegram.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace ble {

// Sets the device's wall-clock date and time (characteristic 34), and takes them from a read reply
// (parseReadReply); a clock without a date reads as an invalid date. The seconds byte of a reply
// also carries the radio-clock flags.
class DateTelegram : public BaseTelegram {
public:
    static constexpr int Characteristic = 34;

    DateTelegram();

    void setDate(const QDate& date) { m_date = date; }
    void setTime(const QTime& time) { m_time = time; }
    // The PC's local date and time as they read.
    void setCurrentDateTime();
    QDate date() const { return m_date; }
    QTime time() const { return m_time; }

    // The date and time as one zone-less value (Qt::UTC as carrier).
    QDateTime dateTime() const;

    QByteArray data() const override;
    bool fromData(const QByteArray& payload) override;
    // The clock from the first six bytes of a reply's payload, which may go on; false (the
    // telegram unchanged) when they are fewer or make no date and time.
    bool readClock(const QByteArray& payload);
    bool radioConnected() const { return m_radioConnected; }
    bool radioSynchronised() const { return m_radioSynchronised; }
    // Empty when the date or time is invalid or the year does not fit.
    QByteArray bytes() const override;

private:
    QDate m_date;
    QTime m_time;
    bool m_radioConnected = false;
    bool m_radioSynchronised = false;
};

} // namespace ble
