#!/usr/bin/env python3
"""Generates app/astro/astrotables.cpp: the built-in sunrise/sunset tables of the astro engine.

Latitude table: whole latitudes -72..+72, 24 samples (sample k = day of year 1 + 16 k),
minutes of the day in UTC at longitude 0 for the standard altitude of -0.833 degrees.
The engine interpolates linearly between samples and reads
  sunrise < 0       as "sun does not set" (polar day),
  sunrise >= 720    as "sun does not rise" (polar night),
  sunset  >= 1440   as "sun does not set".
On polar days and nights the samples therefore continue the day-length curve beyond its
limits, and next to a transition the polar-side sample is fitted so that the interpolated
value crosses the threshold exactly on the first (or last) polar day.

Polar tables: latitudes 73..90 and -90..-73, four day numbers (a, b, c, d) per row:
  north: a first day with sunlight after the polar night, b first day of midnight sun,
         c last day of midnight sun, d last day with sunlight before the polar night;
  south: a last day of midnight sun, b last day with sunlight before the polar night,
         c first day with sunlight after it, d first day of midnight sun.

A few rows are known exactly from the time switches' own tables; they are kept literally,
and the generator checks its own values for them first (see FIXED_* below): within one
minute for the latitude rows, within one day for the polar rows. Run:
  python3 tools/astro/generate_astro_tables.py app/astro/astrotables.cpp
Standard library only.
"""

import math
import sys

ALTITUDE_DEG = -0.833
SAMPLES = 24
SAMPLE_STEP = 16
# The tables hold one value per day of the year for every year. Within a leap cycle the
# sun's position on a given day of the year drifts by about a quarter of a day; 2003, the
# year before a leap year, is the one whose values agree best with the fixed rows.
REFERENCE_YEAR = 2003
# The engine reads days 1 .. 366 only; later days merely shape the last interval.
LAST_DAY = 366

FIXED_LATITUDE_ROWS = {
    0: ([360, 366, 370, 370, 368, 364, 359, 355, 353, 353, 356, 359,
         362, 363, 362, 358, 353, 347, 343, 340, 342, 346, 353, 361],
        [1087, 1093, 1097, 1097, 1094, 1090, 1085, 1082, 1080, 1080, 1083, 1086,
         1089, 1090, 1088, 1084, 1079, 1074, 1069, 1067, 1069, 1074, 1081, 1088]),
    48: ([470, 464, 447, 422, 392, 360, 328, 297, 270, 251, 241, 242,
          253, 270, 291, 313, 335, 357, 380, 404, 429, 451, 466, 470],
         [977, 996, 1021, 1047, 1071, 1095, 1118, 1141, 1164, 1184, 1198, 1204,
          1198, 1182, 1158, 1128, 1095, 1063, 1031, 1002, 980, 968, 968, 980]),
}
FIXED_POLAR_ROWS = {
    73: (30, 125, 220, 316),
    90: (77, 77, 268, 268),
    -73: (35, 130, 214, 311),
    -90: (82, 82, 264, 264),
}
# Extreme samples quoted for the last table rows: (latitude, lowest sunrise, highest sunset).
# Their exact values depend on how the curve is continued; sign and size must agree.
QUOTED_EXTREMES = ((72, -100, 1515), (-72, -736, 1728))

# Latitudes whose short polar days the engine sets by fixed day ranges; their table rows
# stay inside the day so that interpolation never marks other days.
LATITUDES_WITH_FIXED_EXCEPTIONS = (-66, 66)

SUNRISE_POLAR_NIGHT = 720 * 16
SUNSET_POLAR_DAY = 1440 * 16


# --- NOAA solar position ---------------------------------------------------------------

def julian_day(year, day_of_year, minutes_utc):
    """Julian day of a day of the year (may run past the year's end) and a UTC time."""
    a = (14 - 1) // 12
    y = year + 4800 - a
    m = 1 + 12 * a - 3
    jdn_jan1 = 1 + (153 * m + 2) // 5 + 365 * y + y // 4 - y // 100 + y // 400 - 32045
    return jdn_jan1 - 0.5 + (day_of_year - 1) + minutes_utc / 1440.0


def solar_position(jd):
    """Declination (degrees) and equation of time (minutes)."""
    t = (jd - 2451545.0) / 36525.0
    l0 = math.fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360.0)
    m = 357.52911 + t * (35999.05029 - 0.0001537 * t)
    e = 0.016708634 - t * (0.000042037 + 0.0000001267 * t)
    mr = math.radians(m)
    c = (math.sin(mr) * (1.914602 - t * (0.004817 + 0.000014 * t))
         + math.sin(2 * mr) * (0.019993 - 0.000101 * t)
         + math.sin(3 * mr) * 0.000289)
    true_long = l0 + c
    omega = 125.04 - 1934.136 * t
    apparent_long = true_long - 0.00569 - 0.00478 * math.sin(math.radians(omega))
    mean_obliq = 23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0
    obliq = mean_obliq + 0.00256 * math.cos(math.radians(omega))
    decl = math.degrees(math.asin(math.sin(math.radians(obliq)) * math.sin(math.radians(apparent_long))))
    y = math.tan(math.radians(obliq / 2)) ** 2
    l0r = math.radians(l0)
    eot = 4 * math.degrees(y * math.sin(2 * l0r) - 2 * e * math.sin(mr)
                           + 4 * e * y * math.sin(mr) * math.cos(2 * l0r)
                           - 0.5 * y * y * math.sin(4 * l0r) - 1.25 * e * e * math.sin(2 * mr))
    return decl, eot


def cos_hour_angle(latitude, decl):
    """x = cos of the hour angle at the standard altitude; beyond +-1 the sun never crosses it."""
    phi = math.radians(latitude)
    d = math.radians(decl)
    denominator = math.cos(phi) * math.cos(d)
    numerator = math.sin(math.radians(ALTITUDE_DEG)) - math.sin(phi) * math.sin(d)
    if abs(denominator) < 1e-12:
        return -math.inf if numerator < 0 else math.inf
    return numerator / denominator


def extended_hour_angle(x):
    """Hour angle in radians; continued linearly in x beyond the polar limits."""
    if x < -1:
        return math.pi + (-1 - x)
    if x > 1:
        return -(x - 1)
    return math.acos(x)


def day_state(latitude, day, year=REFERENCE_YEAR):
    """'day' (sun never sets), 'night' (sun never rises) or 'normal', from noon declination."""
    decl, _ = solar_position(julian_day(year, day, 720))
    x = cos_hour_angle(latitude, decl)
    if x < -1:
        return 'day'
    if x > 1:
        return 'night'
    return 'normal'


def event_minutes(latitude, day, rising, year=REFERENCE_YEAR):
    """Sunrise or sunset in UTC minutes at longitude 0, refined at the event's own time."""
    minutes = 720.0
    for _ in range(3):
        decl, eot = solar_position(julian_day(year, day, minutes))
        h = math.degrees(extended_hour_angle(cos_hour_angle(latitude, decl)))
        minutes = 720 - eot + (-4 * h if rising else 4 * h)
    return minutes


def noon_extended(latitude, day, year=REFERENCE_YEAR):
    """Sunrise and sunset continued beyond the polar limits, from noon values."""
    decl, eot = solar_position(julian_day(year, day, 720))
    h = math.degrees(extended_hour_angle(cos_hour_angle(latitude, decl))) * 4
    return 720 - eot - h, 720 - eot + h


# --- latitude table --------------------------------------------------------------------

def sample_day(k):
    return 1 + SAMPLE_STEP * k


def states_for(latitude):
    """State of every day 1 .. 369 (days past 365 are those of the next year)."""
    if latitude in LATITUDES_WITH_FIXED_EXCEPTIONS:
        return {d: 'normal' for d in range(1, sample_day(SAMPLES - 1) + 1)}
    return {d: day_state(latitude, d) for d in range(1, sample_day(SAMPLES - 1) + 1)}


def sunrise_range(state):
    """Allowed range of the interpolated sunrise value v (minutes x 16)."""
    if state == 'day':
        return (-10**9, -1)
    if state == 'night':
        return (SUNRISE_POLAR_NIGHT, 10**9)
    return (0, SUNRISE_POLAR_NIGHT - 1)


def sunset_range(state):
    if state == 'day':
        return (SUNSET_POLAR_DAY, 10**9)
    if state == 'night':
        return (-10**9, 10**9)          # not read on days of polar night
    return (-10**9, SUNSET_POLAR_DAY - 1)


def interval_bounds(k, free_is_left, fixed_value, states, allowed):
    """Bounds on the free sample of interval k from each of its 16 days."""
    lo, hi = -10**9, 10**9
    for f in range(SAMPLE_STEP):
        if sample_day(k) + f > LAST_DAY:
            break
        low, high = allowed(states[sample_day(k) + f])
        alpha = SAMPLE_STEP - f if free_is_left else f
        beta = f * fixed_value if free_is_left else (SAMPLE_STEP - f) * fixed_value
        if alpha == 0:
            continue
        lo = max(lo, math.ceil((low - beta) / alpha))
        hi = min(hi, math.floor((high - beta) / alpha))
    return lo, hi


def violations(samples, states, allowed):
    bad = []
    for k in range(SAMPLES - 1):
        for f in range(min(SAMPLE_STEP, LAST_DAY + 1 - sample_day(k))):
            v = (samples[k + 1] - samples[k]) * f + SAMPLE_STEP * samples[k]
            low, high = allowed(states[sample_day(k) + f])
            if not low <= v <= high:
                bad.append(sample_day(k) + f)
    return bad


def fit_samples(values, is_free, states, allowed):
    """Moves every free (polar) sample next to a fixed one so all days classify correctly."""
    samples = list(values)
    for k in range(SAMPLES):
        if not is_free[k]:
            continue
        lo, hi = -10**9, 10**9
        if k > 0 and not is_free[k - 1]:
            l, h = interval_bounds(k - 1, False, samples[k - 1], states, allowed)
            lo, hi = max(lo, l), min(hi, h)
        if k < SAMPLES - 1 and not is_free[k + 1]:
            l, h = interval_bounds(k, True, samples[k + 1], states, allowed)
            lo, hi = max(lo, l), min(hi, h)
        if lo <= hi:
            samples[k] = min(max(samples[k], lo), hi)
    return samples


def clamp_to_state(value, state, normal_range, polar_ranges):
    low, high = polar_ranges.get(state, normal_range)
    return min(max(value, low), high)


def latitude_row(latitude):
    states = states_for(latitude)
    sunrise, sunset, rise_free, set_free = [], [], [], []
    for k in range(SAMPLES):
        day = sample_day(k)
        state = states[day]
        if state == 'normal':
            rise = round(event_minutes(latitude, day, True))
            fall = round(event_minutes(latitude, day, False))
        else:
            r, s = noon_extended(latitude, day)
            rise, fall = round(r), round(s)
        sunrise.append(clamp_to_state(rise, state, (0, 719), {'day': (-10**6, -1), 'night': (720, 10**6)}))
        sunset.append(clamp_to_state(fall, state, (0, 1439), {'day': (1440, 10**6)}))
        rise_free.append(state != 'normal')
        set_free.append(state == 'day')
    sunrise = fit_samples(sunrise, rise_free, states, sunrise_range)
    sunset = fit_samples(sunset, set_free, states, sunset_range)
    problems = violations(sunrise, states, sunrise_range) + violations(sunset, states, sunset_range)
    return sunrise, sunset, sorted(set(problems))


# --- polar tables ----------------------------------------------------------------------

def polar_row(latitude):
    states = [day_state(latitude, d) for d in range(1, 367)]
    days = lambda s: [i + 1 for i, st in enumerate(states) if st == s]
    sun_days = [i + 1 for i, st in enumerate(states) if st != 'night']
    midnight_sun = days('day')
    if latitude > 0:
        # Polar night spans the new year, midnight sun lies in the middle.
        return (min(sun_days), min(midnight_sun), max(midnight_sun), max(sun_days))
    night = days('night')
    first_half = [d for d in midnight_sun if d < 183]
    second_half = [d for d in midnight_sun if d >= 183]
    return (max(first_half), min(night) - 1, max(night) + 1, min(second_half))


# --- checks and output -----------------------------------------------------------------

def check_fixed(rows, polar):
    worst_minutes = 0
    for latitude, (fixed_rise, fixed_set) in FIXED_LATITUDE_ROWS.items():
        rise, fall, _ = rows[latitude]
        worst_minutes = max(worst_minutes, max(abs(a - b) for a, b in zip(rise + fall, fixed_rise + fixed_set)))
    worst_days = max(abs(a - b) for latitude, fixed in FIXED_POLAR_ROWS.items()
                     for a, b in zip(polar[latitude], fixed))
    return worst_minutes, worst_days


def same_sign_and_size(value, quoted, limit):
    """Both beyond the limit on the same side, by amounts within a factor of three."""
    a, b = value - limit, quoted - limit
    return a * b > 0 and max(abs(a), abs(b)) <= 3 * min(abs(a), abs(b))


def check_quoted_extremes(rows):
    ok = True
    for latitude, sunrise, sunset in QUOTED_EXTREMES:
        lowest, highest = min(rows[latitude][0]), max(rows[latitude][1])
        print(f'row {latitude:+d}: lowest sunrise {lowest} (quoted {sunrise}), highest sunset {highest} (quoted {sunset})')
        ok = ok and same_sign_and_size(lowest, sunrise, 0) and same_sign_and_size(highest, sunset, 1440)
    return ok


def transitions(rise):
    """Days marked polar day (sunrise < 0) and polar night by the interpolated row."""
    day, night = [], []
    for d in range(1, 366):
        k, f = divmod(d - 1, SAMPLE_STEP)
        v = (rise[k + 1] - rise[k]) * f + SAMPLE_STEP * rise[k]
        if v >= SUNRISE_POLAR_NIGHT:
            night.append(d)
        elif v < 0:
            day.append(d)
    return day, night


def format_rows(rows):
    lines = []
    for row in rows:
        lines.append('    {{' + ', '.join(str(v) for v in row) + '}},')
    return '\n'.join(lines)


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else 'astrotables.cpp'
    rows = {lat: latitude_row(lat) for lat in range(-72, 73)}
    polar = {lat: polar_row(lat) for lat in list(range(-90, -72)) + list(range(73, 91))}

    worst_minutes, worst_days = check_fixed(rows, polar)
    print(f'fixed latitude rows: largest difference {worst_minutes} min')
    print(f'fixed polar rows: largest difference {worst_days} days')
    misclassified = {lat: rows[lat][2] for lat in range(-72, 73) if rows[lat][2]}
    for lat, days in misclassified.items():
        print(f'row {lat}: interpolation misses the polar state on days {days}')
    north_day, _ = transitions(rows[72][0])
    _, south_night = transitions(rows[-72][0])
    print(f'seam north: table 72 polar day {north_day[0]}..{north_day[-1]}, polar 73 row {polar[73]}')
    print(f'seam south: table -72 polar night {south_night[0]}..{south_night[-1]}, polar -73 row {polar[-73]}')
    if worst_minutes > 1 or worst_days > 1 or not check_quoted_extremes(rows):
        sys.exit('generated values differ from the fixed rows')
    if misclassified:
        sys.exit('the latitude table does not reproduce the polar days and nights')

    for latitude, (rise, fall) in FIXED_LATITUDE_ROWS.items():
        rows[latitude] = (rise, fall, [])
    polar.update(FIXED_POLAR_ROWS)

    with open(output, 'w', encoding='utf-8') as out:
        out.write('// Generated by tools/astro/generate_astro_tables.py; do not edit by hand.\n')
        out.write('#include "astrotables.h"\n\n')
        out.write('const AstroTables::LatitudeTable AstroTables::latitudeSunrise = {{\n')
        out.write(format_rows(rows[lat][0] for lat in range(-72, 73)) + '\n}};\n\n')
        out.write('const AstroTables::LatitudeTable AstroTables::latitudeSunset = {{\n')
        out.write(format_rows(rows[lat][1] for lat in range(-72, 73)) + '\n}};\n\n')
        out.write('const AstroTables::PolarTable AstroTables::polarSouth = {{\n')
        out.write(format_rows(polar[lat] for lat in range(-90, -72)) + '\n}};\n\n')
        out.write('const AstroTables::PolarTable AstroTables::polarNorth = {{\n')
        out.write(format_rows(polar[lat] for lat in range(73, 91)) + '\n}};\n')


if __name__ == '__main__':
    main()
