#pragma once

#include "ble/basetelegram.h"

#include <QDate>

namespace ble {

// The device's summer/winter rule (characteristic 46): written, and taken from a read reply
// (parseReadReply). Devices with the internal Bluetooth LE clock carry every field of both
// changes; the others carry the rule, the hour of the change to summer time and either the
// weeks, months and weekday or, for the date rules, the two change dates, and change back to
// winter time one hour later in the day on the same weekday. Weeks, months and weekdays count
// from 0, hours are whole hours of the day.
class SoWiTelegram : public BaseTelegram {
public:
    static constexpr int Characteristic = 46;
    static constexpr int IranRule = 6;
    static constexpr int FixedDateRule = 8;
    static constexpr int LastRule = 9;

    SoWiTelegram();

    // Rules 6 and 8 change on dates instead of weekdays.
    static bool isDateRule(int rule) { return rule == IranRule || rule == FixedDateRule; }

    void setInternalBleClock(bool internal) { m_internalBleClock = internal; }
    bool internalBleClock() const { return m_internalBleClock; }

    // With the internal clock: every field.
    void setSoWi(int rule, int wiSoWeekDay, int soWiWeekDay, int wiSoMonth, int soWiMonth, const QDate& wiSoDate,
                 const QDate& soWiDate, int wiSoWeek, int soWiWeek, int wiSoHour, int soWiHour, int customWiSo,
                 int customSoWi);
    // Without it, for the rules on weekdays.
    void setSoWi(int rule, int wiSoHour, int wiSoWeek, int wiSoMonth, int wiSoWeekDay, int soWiWeek, int soWiMonth);
    // Without it, for the date rules.
    void setSoWi(int rule, int wiSoHour, const QDate& wiSoDate, const QDate& soWiDate);

    int rule() const { return m_rule; }
    int wiSoWeek() const { return m_wiSo.week; }
    int wiSoMonth() const { return m_wiSo.month; }
    int wiSoWeekDay() const { return m_wiSo.weekDay; }
    int wiSoHour() const { return m_wiSo.hour; }
    QDate wiSoDate() const { return m_wiSo.date; }
    int soWiWeek() const { return m_soWi.week; }
    int soWiMonth() const { return m_soWi.month; }
    int soWiWeekDay() const { return m_soWi.weekDay; }
    int soWiHour() const { return m_soWi.hour; }
    QDate soWiDate() const { return m_soWi.date; }
    int customWiSo() const { return m_customWiSo; }
    int customSoWi() const { return m_customSoWi; }

    QByteArray data() const override;
    // Empty when a field lies outside its range, or a date rule lacks a date.
    QByteArray bytes() const override;
    bool fromData(const QByteArray& payload) override;

private:
    // One change of the clock.
    struct Change {
        int week = 0;
        int month = 0;
        int weekDay = 0;
        int hour = 0;
        QDate date;
    };

    static QByteArray changeBytes(const Change& change);
    static bool readChange(const QByteArray& payload, int pos, Change& change);
    bool isValid() const;
    bool fromFullData(const QByteArray& payload);
    bool fromShortData(const QByteArray& payload);
    // The change back to winter time of a device without the internal clock.
    void deriveSoWiTimes();

    bool m_internalBleClock = false;
    int m_rule = 0;
    Change m_wiSo;
    Change m_soWi;
    int m_customWiSo = 0;
    int m_customSoWi = 0;
};

} // namespace ble
