#include "daterangefields.h"

using storage::DateRange;

namespace {

int typeOf(const QJsonValue& value) {
    for (int type = DateRange::FixYear; type < DateRange::Holiday; ++type) {
        if (value.toString() == DateRange::typeName(type))
            return type;
    }
    return DateRange::FixYear;
}

int intOr(const QJsonObject& object, const QString& key, int fallback) {
    const QJsonValue value = object.value(key);
    return value.isDouble() ? value.toInt(fallback) : fallback;
}

QDateTime dateTimeOr(const QJsonObject& object, const QString& dateKey, const QString& timeKey,
                     const QDateTime& fallback) {
    const QJsonValue date = object.value(dateKey);
    const QJsonValue time = object.value(timeKey);
    const QDate day = date.isDouble() ? QDate::fromJulianDay(date.toInteger()) : fallback.date();
    const QTime clock = time.isDouble() ? QTime::fromMSecsSinceStartOfDay(time.toInt(-1)) : fallback.time();
    return QDateTime(day.isValid() ? day : fallback.date(), clock.isValid() ? clock : fallback.time());
}

} // namespace

DateRangeFields DateRangeFields::of(const DateRange& range) {
    return {range.type(),         range.startDate(),   range.endDate(),
            range.startDay(),     range.endDay(),      range.duration(),
            range.repeat(),       range.weekRuleDay(), range.weekRuleWeekDay(),
            range.weekRuleMonth()};
}

DateRangeFields DateRangeFields::fromJsonObject(const QJsonObject& object) {
    DateRange range;
    const DateRangeFields fresh = of(range);
    const DateRangeFields read{
        typeOf(object.value(QStringLiteral("type"))),
        dateTimeOr(object, QStringLiteral("start-date"), QStringLiteral("start-time"), fresh.startDate),
        dateTimeOr(object, QStringLiteral("end-date"), QStringLiteral("end-time"), fresh.endDate),
        intOr(object, QStringLiteral("start-day"), fresh.startDay),
        intOr(object, QStringLiteral("end-day"), fresh.endDay),
        intOr(object, QStringLiteral("duration"), fresh.duration),
        intOr(object, QStringLiteral("repeat"), fresh.repeat),
        intOr(object, QStringLiteral("week-rule-day"), fresh.weekRuleDay),
        intOr(object, QStringLiteral("week-rule-week-day"), fresh.weekRuleWeekDay),
        intOr(object, QStringLiteral("week-rule-month"), fresh.weekRuleMonth),
    };
    read.writeTo(range);
    if (read.type == DateRange::Yearly)
        range.setLeapYear();
    return of(range);
}

void DateRangeFields::writeTo(DateRange& range) const {
    range.setType(type);
    range.setStartDate(startDate);
    range.setEndDate(endDate);
    range.setStartDay(startDay);
    range.setEndDay(endDay);
    range.setDuration(duration);
    range.setRepeat(repeat);
    range.setWeekRuleDay(weekRuleDay);
    range.setWeekRuleWeekDay(weekRuleWeekDay);
    range.setWeekRuleMonth(weekRuleMonth);
}
