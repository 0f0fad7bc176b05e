#pragma once

#include "storage/daterange.h"
#include "storage/storablerecord.h"

#include <utils/wallclock.h>

namespace storage {

struct DateRange::Record : StorableRecord {
    int type = FixYear;
    // Wall-clock readings (see utils::WallClock).
    QDateTime startDate = utils::WallClock::todayAt(QTime(0, 0));
    QDateTime endDate = utils::WallClock::at(QDate::currentDate().addDays(1), QTime(0, 0));
    int startDay = NotSet;
    int endDay = NotSet;
    int duration = 1;
    int repeat = 2;
    int weekRuleDay = 1;
    int weekRuleWeekDay = 1;
    int weekRuleMonth = 0;
};

} // namespace storage
