#include "holidays/holiday.h"

#include "holidays/easter.h"

#include <QDateTime>
#include <utils/helpers.h>

namespace holidays {

namespace {

int intOf(const QJsonValue& value)
{
    return value.toVariant().toInt();
}

// The views send ISO 8601 texts; a value in UTC (as a JavaScript Date gives it) counts by the
// local day and hour.
QDateTime localDateTime(const QJsonValue& value)
{
    const QString text = value.toString();
    QDateTime dateTime = QDateTime::fromString(text, Qt::ISODate);
    if (!dateTime.isValid())
        dateTime = QDate::fromString(text, Qt::ISODate).startOfDay();
    return dateTime.toLocalTime();
}

QString todayAt(int hour)
{
    return QDateTime(QDate::currentDate(), QTime(hour, 0)).toString(Qt::ISODate);
}

// Days from weekday `from` forward to weekday `to` (1 = Monday), a full week when they are equal.
int daysUntil(int from, int to)
{
    const int days = (to - from + 7) % 7;
    return days == 0 ? 7 : days;
}

bool isWeekdayRule(int type)
{
    return type == Holiday::FreeRule || type == Holiday::WeekOfMonth;
}

bool isAnchoredRule(int type)
{
    return type == Holiday::EasterRelative || type == Holiday::ChineseNewYearRelative;
}

} // namespace

Holiday::Holiday()
    : d(new HolidayData)
{
}

Holiday::Holiday(const QString& name, int type, int startOffset, int startDay, int startMonth, int startYear,
                 int startHour, int endOffset, int endDay, int endYear, int endMonth, int endHour)
    : d(new HolidayData)
{
    d->name = name;
    d->type = type;
    d->startOffset = startOffset;
    d->startDay = startDay;
    d->startMonth = startMonth;
    d->startYear = startYear;
    d->startHour = startHour;
    d->endOffset = endOffset;
    d->endDay = endDay;
    d->endMonth = endMonth;
    d->endYear = endYear;
    d->endHour = endHour;
}

Holiday::Holiday(const QString& name, int type)
    : Holiday(name, type, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)
{
}

Holiday::Holiday(const QJsonObject& viewObject)
    : Holiday(viewObject.value(QLatin1String("name")).toString(),
              intOf(viewObject.value(QLatin1String("type"))))
{
    const auto has = [&viewObject](const char* key) { return viewObject.contains(QLatin1String(key)); };
    const auto value = [&viewObject](const char* key) { return viewObject.value(QLatin1String(key)); };
    if (has("startDate")) {
        const QDate date = localDateTime(value("startDate")).date();
        d->startDay = date.day();
        d->startMonth = date.month();
        d->startYear = date.year();
    }
    if (has("startTime"))
        d->startHour = localDateTime(value("startTime")).time().hour();
    if (has("endTime"))
        d->endHour = localDateTime(value("endTime")).time().hour();
    if (has("endDate")) {
        const QDate date = localDateTime(value("endDate")).date();
        d->endDay = date.day();
        d->endMonth = date.month();
        d->endYear = date.year();
    }
    const char* startKey = isWeekdayRule(d->type) ? "weekday" : "startDay";
    const char* endKey = isWeekdayRule(d->type) ? "duration" : "endDay";
    if (has(startKey))
        d->startOffset = intOf(value(startKey));
    if (has(endKey))
        d->endOffset = intOf(value(endKey));
}

Holiday Holiday::fromJson(const QJsonObject& record)
{
    const auto field = [&record](const char* key) {
        return record.value(QLatin1String(key)).toString().toInt();
    };
    const int type = field("Ty");
    const bool yearly = type == YearlyFixed;
    return Holiday(record.value(QLatin1String("Na")).toString(), type, field("SO"), field("ST"), field("SM"),
                   yearly ? YearlyRuleYear : field("SJ"), field("SS"), field("EO"), field("ET"),
                   yearly ? YearlyRuleYear : field("EJ"), field("EM"), field("ES"));
}

bool Holiday::isValid() const
{
    return d->type >= YearlyFixed && d->type <= WeekOfMonth;
}

QJsonObject Holiday::data() const
{
    if (!isValid())
        return {};
    QJsonObject object{{QStringLiteral("name"), d->name},
                       {QStringLiteral("type"), d->type},
                       {QStringLiteral("startTime"), todayAt(d->startHour)},
                       {QStringLiteral("endTime"), todayAt(d->endHour)}};
    if (!isAnchoredRule(d->type))
        object.insert(QStringLiteral("startDate"),
                      QDate(d->startYear, d->startMonth, d->startDay).toString(Qt::ISODate));
    if (d->type == YearlyFixed || d->type == FixedOnce)
        object.insert(QStringLiteral("endDate"),
                      QDate(d->endYear, d->endMonth, d->endDay).toString(Qt::ISODate));
    if (isAnchoredRule(d->type)) {
        object.insert(QStringLiteral("startDay"), d->startOffset);
        object.insert(QStringLiteral("endDay"), d->endOffset);
    }
    if (isWeekdayRule(d->type)) {
        object.insert(QStringLiteral("weekday"), d->startOffset);
        object.insert(QStringLiteral("duration"), d->endOffset);
    }
    if (d->type == WeekOfMonth) {
        object.insert(QStringLiteral("month"), d->startMonth);
        object.insert(QStringLiteral("startingWeek"), d->startDay / 10);
        object.insert(QStringLiteral("startingDay"), d->startDay % 10);
    }
    return object;
}

QJsonObject Holiday::json() const
{
    const auto text = [](int value) { return QString::number(value); };
    return {{QStringLiteral("Na"), d->name},
            {QStringLiteral("Ty"), text(d->type)},
            {QStringLiteral("SO"), text(d->startOffset)},
            {QStringLiteral("ST"), text(d->startDay)},
            {QStringLiteral("SM"), text(d->startMonth)},
            {QStringLiteral("SJ"), text(d->startYear)},
            {QStringLiteral("SS"), text(d->startHour)},
            {QStringLiteral("EO"), text(d->endOffset)},
            {QStringLiteral("ET"), text(d->endDay)},
            {QStringLiteral("EM"), text(d->endMonth)},
            {QStringLiteral("EJ"), text(d->endYear)},
            {QStringLiteral("ES"), text(d->endHour)}};
}

QJsonArray Holiday::holidays() const
{
    QJsonArray entries;
    const auto appendValid = [this, &entries](const QDate& date, bool yearly) {
        if (date.isValid())
            entries.append(registryEntry(date, yearly));
    };
    switch (d->type) {
    case YearlyFixed:
        appendValid(QDate(YearlyRuleYear, d->startMonth, d->startDay), true);
        break;
    case FixedOnce:
        appendValid(QDate(d->startYear, d->startMonth, d->startDay), false);
        break;
    case FreeRule:
    case EasterRelative:
    case WeekOfMonth:
        for (int year = FirstRegistryYear; year <= LastRegistryYear; ++year)
            appendValid(dateInYear(year), false);
        break;
    default:
        break;
    }
    return entries;
}

QDate Holiday::dateInYear(int year) const
{
    switch (d->type) {
    case YearlyFixed:
        return QDate(year, d->startMonth, d->startDay);
    case FreeRule:
        return weekdayStepFrom(QDate(year, d->startMonth, d->startDay));
    case WeekOfMonth:
        return weekdayStepFrom(
            utils::Helpers::getWeekDay(d->startDay / 10 - 1, year, d->startMonth, d->startDay % 10 - 1));
    case EasterRelative:
        return easterSunday(year).addDays(d->startOffset);
    case FixedOnce:
        return year == d->startYear ? QDate(d->startYear, d->startMonth, d->startDay) : QDate();
    default:
        return {};
    }
}

// Step c >= 0: the weekday c + 1 strictly after the base; c < 0: the weekday -c strictly before.
QDate Holiday::weekdayStepFrom(const QDate& base) const
{
    const int step = d->startOffset;
    const int target = step >= 0 ? step + 1 : -step;
    if (!base.isValid() || target > 7)
        return {};
    if (step >= 0)
        return base.addDays(daysUntil(base.dayOfWeek(), target));
    return base.addDays(-daysUntil(target, base.dayOfWeek()));
}

QJsonObject Holiday::registryEntry(const QDate& date, bool yearly) const
{
    return {{QStringLiteral("name"), d->name},
            {QStringLiteral("yearly"), yearly},
            {QStringLiteral("date"), date.toString(Qt::ISODate)}};
}

} // namespace holidays
