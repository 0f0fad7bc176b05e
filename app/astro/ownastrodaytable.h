#pragma once

#include <array>

// A project's own sunrise and sunset of one day, in local standard time.
struct OwnAstroDayEntry {
    int sunriseHour = 0;
    int sunriseMinute = 0;
    int sunriseSecond = 0;
    int sunsetHour = 0;
    int sunsetMinute = 0;
    int sunsetSecond = 0;

    friend bool operator==(const OwnAstroDayEntry&, const OwnAstroDayEntry&) = default;
};

// The project's own astro table, indexed by the day number of a leap year (1 = 1 January,
// 60 = 29 February, 366 = 31 December); entry 0 is unused.
struct OwnAstroDayTable {
    static constexpr int DayCount = 367;
    static constexpr int FirstOfMarch = 61;

    std::array<OwnAstroDayEntry, DayCount> days{};

    friend bool operator==(const OwnAstroDayTable&, const OwnAstroDayTable&) = default;
};
