#pragma once

#include <array>

namespace countries {

// UTC offset of each device time-zone number, in quarter hours (12 is UTC, 13 is UTC+1).
inline constexpr std::array<int, 33> deviceTimeZoneQuarterHours{
    -44, -40, -36, -32, -28, -24, -20, -16, -14, -12, -8, -4, 0,  4,  8,  12, 14,
    16,  18,  20,  22,  24,  26,  28,  32,  36,  38,  40, 42, 44, 46, 48, 52};

// The numbers that devices and the program offer by name: 0 (UTC-11) to 31 (UTC+12).
inline constexpr int lastNamedTimeZoneNumber = 31;

// The device time-zone number for a UTC offset in seconds: the named number (0 to 31) whose
// offset lies nearest. A tie goes to the offset nearer to UTC: +5:45 gives 20 (+5:30) and
// -9:30 gives 2 (-9). Offsets beyond the named range give its ends: -12 gives 0 (-11);
// +12:45, +13 and +14 give 31 (+12). +8:45 gives 25 (+9).
int timeZoneNumberForOffset(int offsetSeconds);

} // namespace countries

// The same for tools that load the library without C++ (the data generator).
extern "C" int countries_timeZoneNumberForOffset(int offsetSeconds);
