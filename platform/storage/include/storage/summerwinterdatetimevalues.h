#pragma once

#include <QDate>

namespace storage {

// One year of a project's summer/winter time table: the days and hours of the switch from winter
// to summer time (wiSo) and back (soWi), and whether the year's switches are in force. A plain
// value: the project keeps a copy (Project::setSummerWinterDateTimes).
class SummerWinterDateTimeValues {
public:
    SummerWinterDateTimeValues() = default;
    SummerWinterDateTimeValues(int year, const QDate& wiSoDate, int wiSoHour, const QDate& soWiDate, int soWiHour,
                               bool enabled);

    int year() const { return m_year; }
    void setYear(int year) { m_year = year; }
    QDate wiSoDate() const { return m_wiSoDate; }
    void setWiSoDate(const QDate& date) { m_wiSoDate = date; }
    int wiSoHour() const { return m_wiSoHour; }
    void setWiSoHour(int hour) { m_wiSoHour = hour; }
    QDate soWiDate() const { return m_soWiDate; }
    void setSoWiDate(const QDate& date) { m_soWiDate = date; }
    int soWiHour() const { return m_soWiHour; }
    void setSoWiHour(int hour) { m_soWiHour = hour; }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

    bool operator==(const SummerWinterDateTimeValues& other) const = default;

private:
    int m_year = 0;
    QDate m_wiSoDate;
    int m_wiSoHour = 0;
    QDate m_soWiDate;
    int m_soWiHour = 0;
    bool m_enabled = false;
};

} // namespace storage
