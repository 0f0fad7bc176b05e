#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace utils {

// A time switch knows no time zone: its date-times are wall-clock readings. They travel as
// QDateTime in UTC, used as a mere carrier, so that every reading exists (02:30 on the day summer
// time begins included) and the PC's time zone never shifts one. Only the PC's own clock is local.
class WallClock {
public:
    // The reading date at time; invalid when either is.
    static QDateTime at(const QDate& date, const QTime& time);
    // The PC's date today at that time of day.
    static QDateTime todayAt(const QTime& time);
    // The text "<date>T<time>" in the two formats; invalid when either part does not read.
    static QDateTime fromString(const QString& text, const QString& dateFormat, const QString& timeFormat);
};

} // namespace utils
