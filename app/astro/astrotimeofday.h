#pragma once

#include <QtGlobal>

// A time of day as the time switch stores it. In a year record an hour of 24 marks a day
// without sunset: minute 1 when the sun stays up, 2 when it stays down.
struct AstroTimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    quint8 summerTime = 0; // 1 when the time was moved one hour forward for summer time

    friend bool operator==(const AstroTimeOfDay&, const AstroTimeOfDay&) = default;
};
