#pragma once

#include "storage/daterange.h"
#include "storage/switchtime.h"

#include <QHash>
#include <QJsonObject>
#include <QString>

namespace storage {

// One switch-time row as the database holds it: where the record sits and its fields.
struct SwitchRow {
    int channel = 0;
    int program = 0;
    int position = 0;
    int type = 0;
    int state = 0;
    int startDays = 0;
    int endDay = 0;
    int startTime = 0;
    int endTime = 0;
    int pulsTime = 0;
    int pauseTime = 0;

    bool operator==(const SwitchRow& other) const = default;
};

// One date-range row: dates as Julian day numbers, times as milliseconds of the day.
struct RangeRow {
    int channel = 0;
    int program = 0;
    int position = 0;
    int type = 0;
    qint64 startJulianDay = 0;
    int startMsecs = 0;
    qint64 endJulianDay = 0;
    int endMsecs = 0;
    int startDay = 0;
    int endDay = 0;
    int duration = 0;
    int repeat = 0;
    int weekRuleDay = 0;
    int weekRuleWeekDay = 0;
    int weekRuleMonth = 0;

    bool operator==(const RangeRow& other) const = default;
};

// A project as rows: what a save compares with what the database holds, so that it writes only
// what changed. Everything is compared by value (the settings document too), so a project this
// program did not change compares equal whatever order a container handed its parts out in. The
// handles keep the records of the rows, so that a save can tell whether a record that left the
// project is still held elsewhere (an undo stack may put it back).
struct ProjectSnapshot {
    int device = 0;
    QString name;
    QJsonObject settings;
    QHash<qint64, SwitchRow> switches;
    QHash<qint64, RangeRow> ranges;
    QHash<qint64, SwitchTime> switchHandles;
    QHash<qint64, DateRange> rangeHandles;

    // The same project row and the same rows of switch times and date ranges.
    bool holdsTheSameAs(const ProjectSnapshot& other) const
    {
        return device == other.device && name == other.name && settings == other.settings
            && switches == other.switches && ranges == other.ranges;
    }
};

} // namespace storage
