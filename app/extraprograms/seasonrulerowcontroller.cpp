#include "seasonrulerowcontroller.h"

#include "extraprogramslogging.h"

#include <utils/helpers.h>

namespace {
constexpr int LastWeekDay = 6;
constexpr int LastHour = 23;

bool inRange(int value, int first, int last, const char* name) {
    if (value >= first && value <= last)
        return true;
    qCWarning(extraProgramsLog) << ">> Refused season rule" << name << value;
    return false;
}
} // namespace

SeasonRuleRowController::SeasonRuleRowController(int week, int month, int hour, int weekDay,
                                                 const QDate& fixDate, QObject* parent)
    : QObject(parent)
    , m_week(week)
    , m_month(month)
    , m_hour(hour)
    , m_weekDay(weekDay)
    , m_fixDate(fixDate) {
}

void SeasonRuleRowController::setWeek(int week) {
    if (week == m_week || !inRange(week, 0, utils::Helpers::LastWeek, "week"))
        return;
    m_week = week;
    emit weekChanged(week);
}

void SeasonRuleRowController::setMonth(int month) {
    if (month == m_month || !inRange(month, 1, 12, "month"))
        return;
    m_month = month;
    emit monthChanged(month);
}

void SeasonRuleRowController::setHour(int hour) {
    if (hour == m_hour || !inRange(hour, 0, LastHour, "hour"))
        return;
    m_hour = hour;
    emit hourChanged(hour);
}

void SeasonRuleRowController::setWeekDay(int weekDay) {
    if (weekDay == m_weekDay || !inRange(weekDay, 0, LastWeekDay, "weekday"))
        return;
    m_weekDay = weekDay;
    emit weekDayChanged(weekDay);
}

void SeasonRuleRowController::setFixDate(QDate fixDate) {
    if (fixDate == m_fixDate)
        return;
    if (!fixDate.isValid()) {
        qCWarning(extraProgramsLog) << ">> Refused season rule date" << fixDate;
        return;
    }
    m_fixDate = fixDate;
    emit fixDateChanged(fixDate);
}
