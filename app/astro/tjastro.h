#pragma once

#include "astroday.h"

#include <QMetaType>

#include <array>

// The astro times of one year for one location and channel.
struct TJAstro {
    static constexpr int DayCount = 367;

    // Indexed by the day of the year (1 = 1 January); entry 0 is unused, and entry 366
    // carries no meaning in a year that is not a leap year.
    std::array<AstroDay, DayCount> days{};
    AstroTimeOfDay earliestSunrise;
    AstroTimeOfDay earliestSunset;
    AstroTimeOfDay latestSunrise;
    AstroTimeOfDay latestSunset;
    int hasNoSunDays = 0; // 1 when one of the four extremes has hour 24

    friend bool operator==(const TJAstro&, const TJAstro&) = default;
};

Q_DECLARE_METATYPE(TJAstro)
