#pragma once

#include "ownastrodaytable.h"
#include "sowirulerecord.h"
#include "tjastro.h"

#include <QDate>
#include <QtGlobal>

// Sunrise and sunset of every day of a year as the time switch uses them: local standard
// time plus summer time, shifted by the channel's offsets, sunrises clamped into the first
// half of the day and sunsets into the second.
//
// One parameter set and one working record serve the whole process (GUI thread only);
// callers run setParameters() and computeYear() back to back and keep the returned copy.
namespace AstroEngine {

// Raw minutes of the day that stand for a sunrise or sunset that does not happen.
inline constexpr int SunStaysUp = 1441;
inline constexpr int SunStaysDown = 1442;

// Sources of computeYear(); any other value computes for the standard altitude of -50'.
enum AstroTime { BuiltInTables = 0, CivilTwilight = 1, NauticalTwilight = 2, StandardAltitude = 3 };

struct SunTimes {
    int sunrise = 0; // minutes of the day, or a marker
    int sunset = 0;
};

struct SunPosition {
    double declination = 0; // radians
    double correction = 0;  // hours: sidereal time at noon less right ascension
};

void setParameters(int latitudeDeg, int longitudeDeg, int timeZoneNumber, const SoWiRuleRecord& rule,
                   bool useOwnTable, const OwnAstroDayTable& ownTable);

TJAstro computeYear(int year, int sunriseOffset, int sunsetOffset, int astroTime);

AstroDay dayValues(int day, int year, bool applySummerTime, int sunriseOffset, int sunsetOffset,
                   int astroTime);

// Times computed from the sun's position, in UTC at longitude 0 (before the zone correction).
SunTimes sunriseSunset(int day, int year, int astroTime);

// Low-precision solar coordinates at day count n: days since 1 January 2000 12:00 UTC
// (1 January 2001 at noon is 366).
SunPosition sunPosition(quint16 n);

// Works out the two summer-time switch dates of the year from the rule.
void updateSummerTime(int year);
bool isSummerTime(const QDate& date, int hour);

// Day of the month of the n-th (1 to 5, 5 = last) weekday (0 = Monday); 0 when the
// arguments are out of range.
int nthWeekdayOfMonth(int year, int month, int n, int weekday);

int minutesOf(const AstroTimeOfDay& time);
AstroTimeOfDay splitMinutes(int minutes);

} // namespace AstroEngine
