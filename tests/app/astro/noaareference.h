#pragma once

#include <QDate>

#include <cmath>
#include <numbers>
#include <optional>

// An independent reference for the astro engine tests: the NOAA solar calculator's series
// (Meeus, Astronomical Algorithms, ch. 25 and 28), evaluated at the time of the event itself.
namespace noaa {

inline constexpr double DegToRad = std::numbers::pi / 180.0;

struct SolarState {
    double declinationDeg = 0;
    double equationOfTimeMin = 0;
};

inline SolarState noaaSun(double julianDay) {
    const double t = (julianDay - 2451545.0) / 36525.0;
    const double meanLongitude = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360.0);
    const double meanAnomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
    const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double m = meanAnomaly * DegToRad;
    const double center = std::sin(m) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                          std::sin(2 * m) * (0.019993 - 0.000101 * t) + std::sin(3 * m) * 0.000289;
    const double omega = (125.04 - 1934.136 * t) * DegToRad;
    const double apparentLongitude =
        (meanLongitude + center - 0.00569 - 0.00478 * std::sin(omega)) * DegToRad;
    const double meanObliquity =
        23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0;
    const double obliquity = (meanObliquity + 0.00256 * std::cos(omega)) * DegToRad;
    const double y = std::pow(std::tan(obliquity / 2), 2);
    const double l0 = meanLongitude * DegToRad;
    const double eot = y * std::sin(2 * l0) - 2 * eccentricity * std::sin(m) +
                       4 * eccentricity * y * std::sin(m) * std::cos(2 * l0) -
                       0.5 * y * y * std::sin(4 * l0) - 1.25 * eccentricity * eccentricity * std::sin(2 * m);
    return {std::asin(std::sin(obliquity) * std::sin(apparentLongitude)) / DegToRad, 4 * eot / DegToRad};
}

inline double cosHourAngle(double latitudeDeg, double declinationDeg, double altitudeDeg) {
    const double phi = latitudeDeg * DegToRad;
    const double delta = declinationDeg * DegToRad;
    return (std::sin(altitudeDeg * DegToRad) - std::sin(phi) * std::sin(delta)) /
           (std::cos(phi) * std::cos(delta));
}

struct Reference {
    double utcMinutes = 0;
    double x = 0; // cosine of the hour angle at the event
};

// Sunrise or sunset in UTC minutes of the day; nothing when the sun does not cross the altitude.
inline std::optional<Reference> referenceEvent(const QDate& date, double latitudeDeg, double longitudeDeg,
                                               double altitudeDeg, bool rising) {
    double minutes = 720;
    double x = 0;
    for (int i = 0; i < 4; ++i) {
        const SolarState sun = noaaSun(double(date.toJulianDay()) - 0.5 + minutes / 1440.0);
        x = cosHourAngle(latitudeDeg, sun.declinationDeg, altitudeDeg);
        if (x < -1 || x > 1)
            return std::nullopt;
        const double hourAngleMin = 4 * std::acos(x) / DegToRad;
        minutes = 720 - 4 * longitudeDeg - sun.equationOfTimeMin + (rising ? -hourAngleMin : hourAngleMin);
    }
    return Reference{minutes, x};
}

} // namespace noaa
