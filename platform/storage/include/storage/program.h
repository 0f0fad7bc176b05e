#pragma once

#include "storage/daterange.h"
#include "storage/storablerecord.h"
#include "storage/switchtime.h"

#include <QList>

namespace storage {

// One program of a channel: program 0 is the weekly program, the others are extra programs that
// apply on their date ranges (the last two of a model are its permanent on and off programs).
// Its lists hold handles, so a switch time or date range may sit in other lists as well (an undo
// stack, a list model) and stay the same record.
class Program : public StorableRecord {
public:
    explicit Program(int number);

    int number() const { return m_number; }

    QList<SwitchTime> switches() const { return m_switches; }
    void setSwitches(const QList<SwitchTime>& switches);
    void removeAllSwitches();
    QList<DateRange> dateRanges() const { return m_dateRanges; }
    void setDateRanges(const QList<DateRange>& dateRanges);

    // Light thresholds of an extra program of a twilight project (lux); 15 in a new program.
    int luxOnValue() const { return m_luxOn; }
    void setLuxOnValue(int lux);
    int luxOffValue() const { return m_luxOff; }
    void setLuxOffValue(int lux);

    // Memory entries: every switch time (entries marked off included: the device keeps their
    // slot) and every date range takes one.
    int memoryCount() const { return static_cast<int>(m_switches.size() + m_dateRanges.size()); }
    // No switch time and no date range.
    bool isEmpty() const { return m_switches.isEmpty() && m_dateRanges.isEmpty(); }

    // Saves memory without changing what the program does: drops repeated switch times (equal
    // clipboard forms), joins switches and impulses that differ only in their weekdays into the
    // first of them, and drops switches and impulses without a weekday. Entries marked off (start
    // time 86400) keep their place, since extra programs read them by position.
    void optimize();

private:
    int m_number = 0;
    QList<SwitchTime> m_switches;
    QList<DateRange> m_dateRanges;
    int m_luxOn = 15;
    int m_luxOff = 15;
};

} // namespace storage
