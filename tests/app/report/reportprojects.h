#pragma once

#include <QDateTime>

#include <storage/astroproject.h>
#include <storage/project.h>
#include <storage/switchtime.h>

// In-memory projects for the report tests: between them they hold every switch-time type, every
// date-range type and every settings block. Dates are wall-clock values carried in UTC.
namespace reportprojects {

// 2 March 2026 is a Monday.
inline QDateTime wallClock(int year, int month, int day, int hour, int minute) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

// A cycle on Monday at 06:00: pulse 30 s, pause 60 s, end 18:00 on that end day.
storage::SwitchTime mondayCycle(int endDay);

// Plain model with pulse and cycle (43 or 104). Channel 1: program 0 with a switch, a pulse and
// two cycles, program 1 with three switch times (the middle one switched off, 86400) and one
// date range of every type. Channel 2 holds an empty standard program; channel 3 and up are
// missing. Settings: holiday periods off and on, operating hours with signalling, push button
// and switch inputs; the free summer/winter rule (4, 2, 7200 s, 6) and its autumn twin (4, 9,
// 10800 s, 6).
storage::Project plainProject(int model);

// Astronomic model (52 or 112): channel 1 astronomic with astro time 1, offsets -15 and 20 min,
// astro mode 3, fixed times and an extra program "Funktion Ein" (index programs - 2). The
// location is given by the caller.
storage::Project astroProject(int model, double latitude, double longitude, int timezone);

// Twilight model 73 (one lux setting for every day) or 74 (Monday and Wednesday only), delays
// 90 s and 3690 s, and on 74 the lux values of extra program 1.
storage::Project twilightProject(int model);

// Channel-type model 53: channel 1 astronomic, channel 2 a time channel, with the own-table
// summer/winter rule of the custom-rules models.
storage::Project channelTypeProject();

} // namespace reportprojects
