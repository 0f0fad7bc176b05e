#pragma once

namespace utils {

// Weekdays of a switch time as a bit set: day index d (0 Monday .. 6 Sunday) is bit 1 << (7 - d),
// so Monday is 128, Sunday 2 and the whole week 254; bit 0 is never a day. As an end day, bit 0
// alone (1) means "endless". Grid rows follow a first day of the week f: row r shows day (f + r) mod 7.
class Weekdays {
public:
    static constexpr int DaysPerWeek = 7;
    static constexpr int AllDays = 254;
    static constexpr int Endless = 1;
    static constexpr int EndlessIndex = 7;

    // Bit of a day index; 0 for an index outside 0..6.
    static int bitOfIndex(int dayIndex);
    // Index of the highest day bit of days (the earliest day); -1 when no day bit is set.
    static int indexOfBit(int days);
    // End day of an end-day index: 0..6 a day bit, 7 endless; 0 for any other index.
    static int endDayOfIndex(int endIndex);
    // End-day index of an end day: 7 for endless, 0..6 for a single day bit, -1 otherwise.
    static int indexOfEndDay(int endDay);

    // Day index shown in a grid row, and the row of a day index.
    static int dayOfRow(int row, int firstDayOfWeek);
    static int rowOfDay(int dayIndex, int firstDayOfWeek);
    static int bitOfRow(int row, int firstDayOfWeek);
    // Days of the rows from..to; 0 when from > to.
    static int daysOfRows(int fromRow, int toRow, int firstDayOfWeek);

    // The day after a single day bit (Sunday is followed by Monday).
    static int nextDay(int dayBit);
    // Every day of days moved by steps days (positive: later), wrapping around the week.
    static int rotate(int days, int steps);
    // Number of days set.
    static int count(int days);
};

} // namespace utils
