#include "utils/helpers.h"

#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(helpersLog, "tarvino.utils.helpers")

constexpr int DaysPerWeek = 7;
} // namespace

namespace utils {

QDate Helpers::getWeekDay(int week, int year, int month, int weekday)
{
    const QDate firstOfMonth(year, month, 1);
    if (week < 0 || week > LastWeek || weekday < 0 || weekday >= DaysPerWeek || !firstOfMonth.isValid()) {
        qCWarning(helpersLog) << "No weekday date for week" << week << "year" << year << "month" << month
                              << "weekday" << weekday;
        return {};
    }
    // QDate counts weekdays from 1 = Monday; the shift keeps the remainder non-negative.
    const int firstOccurrence = 1 + (weekday + 1 - firstOfMonth.dayOfWeek() + DaysPerWeek) % DaysPerWeek;
    int day = firstOccurrence + DaysPerWeek * week;
    if (day > firstOfMonth.daysInMonth())
        day -= DaysPerWeek;
    return QDate(year, month, day);
}

} // namespace utils
