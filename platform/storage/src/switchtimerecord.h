#pragma once

#include "storage/storablerecord.h"
#include "storage/switchtime.h"

namespace storage {

struct SwitchTime::Record : StorableRecord {
    int type = Switch;
    int state = Off;
    int startDays = 0;
    int endDay = NoSingleEndDay;
    int startTime = 0;
    int endTime = 0;
    int pulsTime = 0;
    int pauseTime = 0;
};

} // namespace storage
