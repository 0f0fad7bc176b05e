#pragma once

#include "daterangefields.h"

#include <holidays/holiday.h>

#include <QList>
#include <optional>

// Turns the rules of a holiday set into date ranges of an extra program: yearly rules into yearly
// ranges, Easter and Chinese New Year rules into ranges relative to them, a one-off rule into a
// fixed range of its own year, and weekday rules into one fixed range per year.
class HolidayDateRanges {
public:
    // In rule order; weekday rules for every year from firstYear to lastYear (none when firstYear
    // is later). A rule with no date in a year gives no range for it.
    static QList<DateRangeFields> fromRules(const QList<holidays::Holiday>& rules, int firstYear, int lastYear);

private:
    static void appendRanges(QList<DateRangeFields>& ranges, const holidays::Holiday& rule, int firstYear,
                             int lastYear);
    static std::optional<DateRangeFields> range(int type, const QDate& startDay, int startHour, const QDate& endDay,
                                                int endHour, int startOffset, int endOffset);
};
