#include "daterangecontroller.h"

#include "daterangelistmodel.h"
#include "extraprogramslogging.h"
#include "extraprogramviewcontroller.h"
#include "trfunctions.h"

#include <utils/wallclock.h>

#include <QCoreApplication>

using storage::DateRange;
using utils::WallClock;

namespace {

// Easter and Chinese New Year ranges are measured from this day; their end lies
// (end day - start day) days after it.
const QDate RelativeReferenceDay(2008, 4, 4);
constexpr qint64 SecondsPerDay = 86400;
// 366 days and a second.
constexpr qint64 MoreThanAYear = 366 * SecondsPerDay + 1;
constexpr int MaxDays = 366;

QString lessThanZero() {
    return QStringLiteral("< 0");
}

QString moreThanAYear() {
    return QStringLiteral("> 1 %1").arg(trText("Calendar", "Jahr"));
}

QString daysAndHours(qint64 days, qint64 hours) {
    return QStringLiteral("%1%2 %3%4%5")
        .arg(QString::number(days), trText("Calendar", "d", "d for days"), hours < 10 ? QStringLiteral("0") : QString(),
             QString::number(hours), trText("Calendar", "h", "h for hours"));
}

QString lengthText(qint64 seconds) {
    if (seconds <= 0)
        return lessThanZero();
    if (seconds >= MoreThanAYear)
        return moreThanAYear();
    const qint64 minutes = seconds % 3600 / 60;
    QString text = daysAndHours(seconds / SecondsPerDay, seconds % SecondsPerDay / 3600);
    if (minutes > 0)
        text += QString::number(minutes) + trText("Calendar", "m", "m for minutes");
    return text;
}

QString weekRuleText(int durationHours) {
    if (durationHours < 0)
        return lessThanZero();
    const int days = durationHours / 24;
    if (days > MaxDays)
        return moreThanAYear();
    return daysAndHours(days, durationHours - 24 * days);
}

// The reading on that day at the hour and minute of another; seconds do not count.
QDateTime onDayAt(const QDate& day, const QDateTime& reading) {
    return WallClock::at(day, QTime(reading.time().hour(), reading.time().minute()));
}

// The same month, day and time in another year; 29 February becomes 1 March in a common year.
QDateTime inYear(const QDateTime& reading, int year) {
    QDate moved(year, reading.date().month(), reading.date().day());
    if (!moved.isValid())
        moved = QDate(year, 3, 1);
    return WallClock::at(moved, reading.time());
}

bool isRelative(int type) {
    return type == DateRange::Easter || type == DateRange::ChineseNewYear;
}

} // namespace

DateRangeController::DateRangeController(ExtraProgramViewController* owner, int index, const DateRange& range)
    : m_owner(owner)
    , m_index(index)
    , m_range(range)
    , m_start(range.startDate())
    , m_end(range.endDate())
    , m_startOffset(range.startDay())
    , m_endOffset(range.endDay())
    , m_type(range.type())
    , m_repeat(range.repeat())
    , m_weekRuleDay(range.weekRuleDay())
    , m_weekRuleWeekDay(range.weekRuleWeekDay())
    , m_weekRuleMonth(range.weekRuleMonth())
    , m_duration(range.duration()) {
    if (m_type == DateRange::Yearly) {
        m_start = inYear(m_start, DateRange::LeapReferenceYear);
        m_end = inYear(m_end, DateRange::LeapReferenceYear);
    }
    // The texts read only these fields.
    connect(this, &DateRangeController::startTimeChanged, this, &DateRangeController::contentChanged);
    connect(this, &DateRangeController::endTimeChanged, this, &DateRangeController::contentChanged);
    connect(this, &DateRangeController::startOffsetChanged, this, &DateRangeController::contentChanged);
    connect(this, &DateRangeController::endOffsetChanged, this, &DateRangeController::contentChanged);
    connect(this, &DateRangeController::typeChanged, this, &DateRangeController::contentChanged);
    connect(this, &DateRangeController::repeatChanged, this, &DateRangeController::contentChanged);
    connect(this, &DateRangeController::durationChanged, this, &DateRangeController::contentChanged);
}

QString DateRangeController::description(const DateRange& range) {
    QDateTime start;
    QDateTime end;
    switch (range.type()) {
    case DateRange::WeekRule:
        return weekRuleText(range.duration());
    case DateRange::Easter:
    case DateRange::ChineseNewYear:
        start = onDayAt(RelativeReferenceDay, range.startDate());
        end = onDayAt(RelativeReferenceDay.addDays(range.endDay() - range.startDay()), range.endDate());
        if (end < start) {
            if (range.type() == DateRange::Easter)
                return moreThanAYear();
            end = end.addYears(1);
        }
        break;
    case DateRange::FixYear:
    case DateRange::Serie:
        start = onDayAt(range.startDate().date(), range.startDate());
        end = onDayAt(range.endDate().date(), range.endDate());
        break;
    case DateRange::Yearly:
        start = onDayAt(range.startDate().date(), range.startDate());
        end = onDayAt(range.endDate().date(), range.endDate());
        // Over the turn of the year; 29 February moved on one year is 28 February.
        if (end < start)
            end = end.addYears(1);
        break;
    default:
        return lessThanZero();
    }
    return lengthText(start.secsTo(end));
}

void DateRangeController::setStartTime(const QDateTime& time) {
    if (time.isValid())
        setStart(WallClock::at(m_start.date(), time.time()));
}

void DateRangeController::setEndTime(const QDateTime& time) {
    if (time.isValid())
        setEnd(WallClock::at(m_end.date(), time.time()));
}

void DateRangeController::setStartDate(const QDate& date) {
    if (date.isValid())
        setStart(WallClock::at(date, m_start.time()));
}

void DateRangeController::setEndDate(const QDate& date) {
    if (date.isValid())
        setEnd(WallClock::at(date, m_end.time()));
}

void DateRangeController::setType(int type) {
    if (type == m_type)
        return;
    if (type == DateRange::FixYear || type == DateRange::Serie)
        moveIntoYear(QDate::currentDate().year());
    m_type = type;
    if (isRelative(type)) {
        if (m_startOffset == DateRange::NotSet)
            setStartOffset(0);
        if (m_endOffset == DateRange::NotSet)
            setEndOffset(1);
    }
    if (type == DateRange::Yearly)
        moveIntoYear(DateRange::LeapReferenceYear);
    emit typeChanged(type);
}

void DateRangeController::setStartOffset(int offset) {
    if (offset == m_startOffset)
        return;
    m_startOffset = offset;
    emit startOffsetChanged(offset);
}

void DateRangeController::setEndOffset(int offset) {
    if (offset == m_endOffset)
        return;
    m_endOffset = offset;
    emit endOffsetChanged(offset);
}

void DateRangeController::setRepeat(int repeat) {
    if (repeat == m_repeat)
        return;
    m_repeat = repeat;
    emit repeatChanged();
}

void DateRangeController::setWeekRuleDay(int day) {
    if (day == m_weekRuleDay)
        return;
    m_weekRuleDay = day;
    emit weekRuleDayChanged();
}

void DateRangeController::setWeekRuleWeekDay(int weekDay) {
    if (weekDay == m_weekRuleWeekDay)
        return;
    m_weekRuleWeekDay = weekDay;
    emit weekRuleWeekDayChanged();
}

void DateRangeController::setWeekRuleMonth(int month) {
    if (month == m_weekRuleMonth)
        return;
    m_weekRuleMonth = month;
    emit weekRuleMonthChanged();
}

void DateRangeController::setDuration(int hours) {
    if (hours == m_duration)
        return;
    m_duration = hours;
    emit durationChanged();
}

QString DateRangeController::durationText() const {
    return description(preview());
}

QString DateRangeController::errorText() const {
    return m_owner ? m_owner->dateRanges()->dateErrorsController()->errorText(preview()) : QString();
}

void DateRangeController::saveModifications() {
    if (!m_owner) {
        qCWarning(extraProgramsLog) << ">> The extra program of this date range is gone; nothing saved";
        return;
    }
    m_owner->storeDateRange(m_index, m_range, fields());
}

DateRangeFields DateRangeController::fields() const {
    DateRangeFields fields{m_type,     m_start,  m_end,         m_startOffset,     m_endOffset,
                           m_duration, m_repeat, m_weekRuleDay, m_weekRuleWeekDay, m_weekRuleMonth};
    // Yearly ranges keep their dates in the leap reference year, whatever year the dialog chose.
    if (m_type == DateRange::Yearly) {
        fields.startDate = inYear(m_start, DateRange::LeapReferenceYear);
        fields.endDate = inYear(m_end, DateRange::LeapReferenceYear);
    }
    return fields;
}

// A range of its own, so that the edited one is not touched before saving.
DateRange DateRangeController::preview() const {
    DateRange range;
    fields().writeTo(range);
    return range;
}

void DateRangeController::moveIntoYear(int year) {
    setStart(inYear(m_start, year));
    setEnd(inYear(m_end, year));
}

void DateRangeController::setStart(const QDateTime& start) {
    if (start == m_start)
        return;
    const bool dateChanged = start.date() != m_start.date();
    m_start = start;
    emit startTimeChanged(m_start);
    if (dateChanged)
        emit startDateChanged(m_start.date());
}

void DateRangeController::setEnd(const QDateTime& end) {
    if (end == m_end)
        return;
    const bool dateChanged = end.date() != m_end.date();
    m_end = end;
    emit endTimeChanged(m_end);
    if (dateChanged)
        emit endDateChanged(m_end.date());
}
