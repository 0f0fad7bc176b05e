#pragma once

#include <array>

// The UTC offset of each device time-zone number, in quarter hours.
// Number 12 is UTC, number 13 (UTC+1) is the default of a new location.
inline constexpr std::array<int, 33> TimeZoneQuarterHours = {
    -44, -40, -36, -32, -28, -24, -20, -16, -14, -12, -8, -4, 0,  4,  8,  12, 14,
    16,  18,  20,  22,  24,  26,  28,  32,  36,  38,  40, 42, 44, 46, 48, 52,
};
