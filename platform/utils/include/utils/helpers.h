#pragma once

#include <QDate>

namespace utils {

// Calendar helpers shared by the holiday rules, the summer/winter time table and the
// astro engine, so that "the n-th weekday of a month" is computed in one place.
class Helpers {
public:
    // The date of a weekday in a week of a month, everything zero-based except the month:
    // week 0 to 3 is the first to fourth occurrence and 4 the last one (the fourth in a
    // month that has only four), weekday 0 = Monday to 6 = Sunday, month 1 to 12.
    // Any argument out of range gives an invalid date and a warning.
    static QDate getWeekDay(int week, int year, int month, int weekday);

    static constexpr int LastWeek = 4;
};

} // namespace utils
