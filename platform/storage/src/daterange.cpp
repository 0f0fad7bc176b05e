#include "storage/daterange.h"

#include "changetracker.h"
#include "database.h"
#include "daterangerecord.h"

namespace storage {

namespace {
QDateTime inYear(const QDateTime& dateTime, int year)
{
    const QDate date = dateTime.date();
    QDate moved(year, date.month(), date.day());
    if (!moved.isValid())
        moved = QDate(year, 3, 1);
    return utils::WallClock::at(moved, dateTime.time());
}
} // namespace

DateRange::DateRange(Type type)
    : d(new Record)
{
    d->type = type;
}

DateRange::~DateRange() = default;
DateRange::DateRange(const DateRange& other) = default;
DateRange& DateRange::operator=(const DateRange& other) = default;

qint64 DateRange::id() const { return d->id(); }

bool DateRange::store()
{
    return d->id() != 0 || Database::storeNew(*this);
}

int DateRange::type() const { return d->type; }
void DateRange::setType(int type) { ChangeTracker::assign(d->type, type); }
QDateTime DateRange::startDate() const { return d->startDate; }
void DateRange::setStartDate(const QDateTime& start) { ChangeTracker::assign(d->startDate, start); }
QDateTime DateRange::endDate() const { return d->endDate; }
void DateRange::setEndDate(const QDateTime& end) { ChangeTracker::assign(d->endDate, end); }
int DateRange::startDay() const { return d->startDay; }
void DateRange::setStartDay(int day) { ChangeTracker::assign(d->startDay, day); }
int DateRange::endDay() const { return d->endDay; }
void DateRange::setEndDay(int day) { ChangeTracker::assign(d->endDay, day); }
int DateRange::duration() const { return d->duration; }
void DateRange::setDuration(int hours) { ChangeTracker::assign(d->duration, hours); }
int DateRange::repeat() const { return d->repeat; }
void DateRange::setRepeat(int days) { ChangeTracker::assign(d->repeat, days); }
int DateRange::weekRuleDay() const { return d->weekRuleDay; }
void DateRange::setWeekRuleDay(int day) { ChangeTracker::assign(d->weekRuleDay, day); }
int DateRange::weekRuleWeekDay() const { return d->weekRuleWeekDay; }
void DateRange::setWeekRuleWeekDay(int weekDay) { ChangeTracker::assign(d->weekRuleWeekDay, weekDay); }
int DateRange::weekRuleMonth() const { return d->weekRuleMonth; }
void DateRange::setWeekRuleMonth(int month) { ChangeTracker::assign(d->weekRuleMonth, month); }

void DateRange::setLeapYear()
{
    setStartDate(inYear(d->startDate, LeapReferenceYear));
    setEndDate(inYear(d->endDate, LeapReferenceYear));
}

void DateRange::setCurrentYear()
{
    const int year = QDate::currentDate().year();
    setStartDate(inYear(d->startDate, year));
    setEndDate(inYear(d->endDate, year));
}

QJsonObject DateRange::toJsonObject() const
{
    return QJsonObject {
        { QStringLiteral("type"), typeName(d->type) },
        { QStringLiteral("start-date"), d->startDate.date().toJulianDay() },
        { QStringLiteral("end-date"), d->endDate.date().toJulianDay() },
        { QStringLiteral("start-time"), d->startDate.time().msecsSinceStartOfDay() },
        { QStringLiteral("end-time"), d->endDate.time().msecsSinceStartOfDay() },
        { QStringLiteral("start-day"), d->startDay },
        { QStringLiteral("end-day"), d->endDay },
        { QStringLiteral("duration"), d->duration },
        { QStringLiteral("repeat"), d->repeat },
        { QStringLiteral("week-rule-day"), d->weekRuleDay },
        { QStringLiteral("week-rule-week-day"), d->weekRuleWeekDay },
        { QStringLiteral("week-rule-month"), d->weekRuleMonth },
    };
}

QString DateRange::typeName(int type)
{
    static const QStringList names { QStringLiteral("fix-year"), QStringLiteral("yearly"), QStringLiteral("easter"),
                                     QStringLiteral("serie"),    QStringLiteral("week-rule"), QStringLiteral("cny"),
                                     QStringLiteral("holiday") };
    return names.value(type, names.first());
}

} // namespace storage
