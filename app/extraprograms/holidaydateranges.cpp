#include "holidaydateranges.h"

#include <storage/daterange.h>
#include <utils/wallclock.h>

using holidays::Holiday;
using storage::DateRange;

namespace {

// Day offsets of the ranges made from weekday rules: not used by fixed ranges.
constexpr int NoOffset = -1;

// The stored dates of a relative rule carry only its hours; rules made in the holiday editor
// have none, and take today instead.
QDate dateOrToday(int year, int month, int day) {
    const QDate date(year, month, day);
    return date.isValid() ? date : QDate::currentDate();
}

} // namespace

QList<DateRangeFields> HolidayDateRanges::fromRules(const QList<Holiday>& rules, int firstYear, int lastYear) {
    QList<DateRangeFields> ranges;
    for (const Holiday& rule : rules)
        appendRanges(ranges, rule, firstYear, lastYear);
    return ranges;
}

void HolidayDateRanges::appendRanges(QList<DateRangeFields>& ranges, const Holiday& rule, int firstYear,
                                     int lastYear) {
    const auto append = [&ranges](const std::optional<DateRangeFields>& range) {
        if (range)
            ranges.append(*range);
    };
    switch (rule.type()) {
    case Holiday::YearlyFixed:
        // Both dates in the reference year, also when the holiday runs into the next year.
        append(range(DateRange::Yearly, QDate(DateRange::LeapReferenceYear, rule.startMonth(), rule.startDay()),
                     rule.startHour(), QDate(DateRange::LeapReferenceYear, rule.endMonth(), rule.endDay()),
                     rule.endHour(), rule.startOffset(), rule.endOffset()));
        break;
    case Holiday::EasterRelative:
    case Holiday::ChineseNewYearRelative:
        append(range(rule.type() == Holiday::EasterRelative ? DateRange::Easter : DateRange::ChineseNewYear,
                     dateOrToday(rule.startYear(), rule.startMonth(), rule.startDay()), rule.startHour(),
                     dateOrToday(rule.endYear(), rule.endMonth(), rule.endDay()), rule.endHour(), rule.startOffset(),
                     rule.endOffset()));
        break;
    case Holiday::FixedOnce:
        append(range(DateRange::FixYear, QDate(rule.startYear(), rule.startMonth(), rule.startDay()),
                     rule.startHour(), QDate(rule.endYear(), rule.endMonth(), rule.endDay()), rule.endHour(),
                     rule.startOffset(), rule.endOffset()));
        break;
    case Holiday::FreeRule:
    case Holiday::WeekOfMonth:
        for (int year = firstYear; year <= lastYear; ++year) {
            const QDate day = rule.dateInYear(year);
            if (day.isValid())
                append(range(DateRange::FixYear, day, rule.startHour(), day.addDays(rule.endOffset()),
                             rule.endHour(), NoOffset, NoOffset));
        }
        break;
    default:
        break;
    }
}

std::optional<DateRangeFields> HolidayDateRanges::range(int type, const QDate& startDay, int startHour,
                                                        const QDate& endDay, int endHour, int startOffset,
                                                        int endOffset) {
    const QDateTime start = utils::WallClock::at(startDay, QTime(startHour, 0));
    const QDateTime end = utils::WallClock::at(endDay, QTime(endHour, 0));
    if (!start.isValid() || !end.isValid())
        return std::nullopt;
    return DateRangeFields::ofNewRange(type, start, end, startOffset, endOffset);
}
