#include "daterangefields.h"

#include <utils/wallclock.h>

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
    return utils::WallClock::at(day.isValid() ? day : fallback.date(), clock.isValid() ? clock : fallback.time());
}

} // namespace

DateRangeFields DateRangeFields::of(const DateRange& range) {
    return {range.type(),         range.startDate(),   range.endDate(),
            range.startDay(),     range.endDay(),      range.duration(),
            range.repeat(),       range.weekRuleDay(), range.weekRuleWeekDay(),
            range.weekRuleMonth()};
}

DateRangeFields DateRangeFields::ofNewRange(int type, const QDateTime& start, const QDateTime& end, int startDay,
                                            int endDay) {
    DateRangeFields fields = of(DateRange());
    fields.type = type;
    fields.startDate = start;
    fields.endDate = end;
    fields.startDay = startDay;
    fields.endDay = endDay;
    return fields;
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
    write(range, nullptr);
}

void DateRangeFields::writeChangesTo(DateRange& range, const DateRangeFields& other) const {
    write(range, &other);
}

void DateRangeFields::write(DateRange& range, const DateRangeFields* other) const {
    const auto differs = [&](auto DateRangeFields::*field) { return !other || this->*field != other->*field; };
    if (differs(&DateRangeFields::type))
        range.setType(type);
    if (differs(&DateRangeFields::startDate))
        range.setStartDate(startDate);
    if (differs(&DateRangeFields::endDate))
        range.setEndDate(endDate);
    if (differs(&DateRangeFields::startDay))
        range.setStartDay(startDay);
    if (differs(&DateRangeFields::endDay))
        range.setEndDay(endDay);
    if (differs(&DateRangeFields::duration))
        range.setDuration(duration);
    if (differs(&DateRangeFields::repeat))
        range.setRepeat(repeat);
    if (differs(&DateRangeFields::weekRuleDay))
        range.setWeekRuleDay(weekRuleDay);
    if (differs(&DateRangeFields::weekRuleWeekDay))
        range.setWeekRuleWeekDay(weekRuleWeekDay);
    if (differs(&DateRangeFields::weekRuleMonth))
        range.setWeekRuleMonth(weekRuleMonth);
}
