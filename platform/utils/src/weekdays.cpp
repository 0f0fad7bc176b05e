#include "utils/weekdays.h"

#include <bit>

namespace utils {

namespace {
int modWeek(int value) {
    return ((value % Weekdays::DaysPerWeek) + Weekdays::DaysPerWeek) % Weekdays::DaysPerWeek;
}
} // namespace

int Weekdays::bitOfIndex(int dayIndex) {
    if (dayIndex < 0 || dayIndex >= DaysPerWeek)
        return 0;
    return 1 << (7 - dayIndex);
}

int Weekdays::indexOfBit(int days) {
    const unsigned dayBits = static_cast<unsigned>(days & AllDays);
    if (dayBits == 0)
        return -1;
    return 8 - static_cast<int>(std::bit_width(dayBits));
}

int Weekdays::endDayOfIndex(int endIndex) {
    if (endIndex == EndlessIndex)
        return Endless;
    return bitOfIndex(endIndex);
}

int Weekdays::indexOfEndDay(int endDay) {
    if (endDay == Endless)
        return EndlessIndex;
    if (endDay <= 0 || (endDay & ~AllDays) != 0 || std::popcount(static_cast<unsigned>(endDay)) != 1)
        return -1;
    return indexOfBit(endDay);
}

int Weekdays::dayOfRow(int row, int firstDayOfWeek) {
    return modWeek(firstDayOfWeek + row);
}

int Weekdays::rowOfDay(int dayIndex, int firstDayOfWeek) {
    return modWeek(dayIndex - firstDayOfWeek);
}

int Weekdays::bitOfRow(int row, int firstDayOfWeek) {
    return bitOfIndex(dayOfRow(row, firstDayOfWeek));
}

int Weekdays::daysOfRows(int fromRow, int toRow, int firstDayOfWeek) {
    int days = 0;
    for (int row = fromRow; row <= toRow; ++row)
        days |= bitOfRow(row, firstDayOfWeek);
    return days;
}

int Weekdays::nextDay(int dayBit) {
    return rotate(dayBit, 1);
}

int Weekdays::rotate(int days, int steps) {
    int result = 0;
    for (int day = 0; day < DaysPerWeek; ++day) {
        if (days & bitOfIndex(day))
            result |= bitOfIndex(modWeek(day + steps));
    }
    return result;
}

int Weekdays::count(int days) {
    return std::popcount(static_cast<unsigned>(days & AllDays));
}

} // namespace utils
