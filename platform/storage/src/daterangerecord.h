#pragma once

#include "storage/daterange.h"
#include "storage/storablerecord.h"

namespace storage {

struct DateRange::Record : StorableRecord {
    int type = FixYear;
    QDateTime startDate = QDateTime(QDate::currentDate(), QTime(0, 0));
    QDateTime endDate = QDateTime(QDate::currentDate().addDays(1), QTime(0, 0));
    int startDay = NotSet;
    int endDay = NotSet;
    int duration = 1;
    int repeat = 2;
    int weekRuleDay = 1;
    int weekRuleWeekDay = 1;
    int weekRuleMonth = 0;
};

} // namespace storage
