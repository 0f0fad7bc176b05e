#pragma once

#include <QString>

// What the yearly astro table's CSV and print tell of the place and the channel.
struct YearlyAstroHeading {
    double latitude = 0;
    double longitude = 0;
    QString country;
    QString city;
    QString zone;
    QString rule;
    int channelNumber = 1;
    int offsetSunrise = 0;
    int offsetSunset = 0;
};
