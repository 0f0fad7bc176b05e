#include "astroengine.h"

#include "astrotables.h"
#include "timezonequarterhours.h"

#include <utils/helpers.h>

#include <QLoggingCategory>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
Q_LOGGING_CATEGORY(astroLog, "tarvino.astro")

constexpr int MinutesPerDay = 1440;
constexpr int Noon = 720;
constexpr int SummerTimeShift = 60;
constexpr int LastDayOfYear = 366;
constexpr int MaxLatitude = 90;
constexpr double Pi = std::numbers::pi;
constexpr double TwoPi = 2 * std::numbers::pi;
constexpr double Degree = 0.017453292519943295;

// Rule numbers as the engine reads them: Australia (9) means no summer time here, 10 and
// 11 read as 1 and 2. Numbers outside the table mean no summer time.
constexpr std::array<int, 12> RuleTypeMapping = {0, 1, 2, 3, 4, 5, 6, 7, 8, 0, 1, 2};

struct Parameters {
    int latitude = 0;
    int longitude = 0;
    int zoneQuarterHours = TimeZoneQuarterHours.front();
    SoWiRuleRecord rule;
    bool useOwnTable = false;
    OwnAstroDayTable ownTable;
};

// The rule's two switches for one year. Inactive when the rule has no summer time or gives
// no valid date that year.
struct SummerTimeDates {
    int year = -1; // -1: not worked out yet
    bool active = false;
    QDate start;
    QDate end;
    int hour = 0; // both switches happen at the start's hour, in standard time
};

struct RawDay {
    AstroEngine::SunTimes times;
    int zoneCorrection = 0; // minutes from UTC at longitude 0 to local standard time
};

Parameters parameters;
TJAstro workingRecord;
SummerTimeDates summerTime;

void registerAstroTypes()
{
    qRegisterMetaType<TJAstro>();
}
Q_CONSTRUCTOR_FUNCTION(registerAstroTypes)

bool isKnownRuleType(int ruleType)
{
    return ruleType >= 0 && ruleType < int(RuleTypeMapping.size());
}

int mappedRuleType(int ruleType)
{
    return isKnownRuleType(ruleType) ? RuleTypeMapping[ruleType] : int(SoWiRules::NO_SO_WI);
}

int clampedLatitude(int latitude)
{
    const int clamped = std::clamp(latitude, -MaxLatitude, MaxLatitude);
    if (clamped != latitude)
        qCWarning(astroLog) << "Latitude" << latitude << "is out of range; using" << clamped;
    return clamped;
}

// A number outside the table (such as -1 from a failed look-up) falls back to the zone of
// the longitude rather than reading past the table.
int zoneQuarterHours(int timeZoneNumber, int longitude)
{
    if (timeZoneNumber >= 0 && timeZoneNumber < int(TimeZoneQuarterHours.size()))
        return TimeZoneQuarterHours[timeZoneNumber];
    const int fromLongitude = 4 * int(std::lround(longitude / 15.0));
    const int clamped = std::clamp(fromLongitude, TimeZoneQuarterHours.front(), TimeZoneQuarterHours.back());
    qCWarning(astroLog) << "Unknown time-zone number" << timeZoneNumber << "; using" << clamped
                        << "quarter hours from the longitude";
    return clamped;
}

SummerTimeDates summerTimeDates(const SoWiRuleRecord& rule, int year)
{
    SummerTimeDates dates;
    dates.year = year;
    dates.hour = rule.wiSo.hour;
    const int type = mappedRuleType(rule.ruleType);
    if (type == SoWiRules::NO_SO_WI)
        return dates;
    if (type == SoWiRules::FIX_DATE || type == SoWiRules::IRAN) {
        dates.start = QDate(year, rule.wiSo.month, rule.wiSo.week);
        dates.end = QDate(year, rule.soWi.month, rule.soWi.week);
        if (type == SoWiRules::IRAN && year % 4 == 0) {
            dates.start = dates.start.addDays(-1);
            dates.end = dates.end.addDays(-1);
        }
    } else {
        const int weekday = rule.wiSo.weekday;
        const int startDay = AstroEngine::nthWeekdayOfMonth(year, rule.wiSo.month, rule.wiSo.week, weekday);
        const int endDay = AstroEngine::nthWeekdayOfMonth(year, rule.soWi.month, rule.soWi.week, weekday);
        dates.start = startDay > 0 ? QDate(year, rule.wiSo.month, startDay) : QDate();
        dates.end = endDay > 0 ? QDate(year, rule.soWi.month, endDay) : QDate();
    }
    dates.active = dates.start.isValid() && dates.end.isValid();
    if (!dates.active)
        qCWarning(astroLog) << "Summer/winter rule" << rule.ruleType << "gives no valid switch date in"
                            << year << "; no summer time that year";
    return dates;
}

// --- sun position ------------------------------------------------------------------------

double fraction(double x)
{
    return x - std::trunc(x);
}

// 2 pi times the fraction of x, brought into [0, 2 pi).
double turns(double x)
{
    const double angle = TwoPi * fraction(x);
    return angle < 0 ? angle + TwoPi : angle;
}

double altitudeFor(int astroTime)
{
    switch (astroTime) {
    case AstroEngine::CivilTwilight:
        return -0.10471975511965978;
    case AstroEngine::NauticalTwilight:
        return -0.20943951023931956;
    default:
        return -0.01454441043328608;
    }
}

// Cosine of the hour angle at which the sun reaches the altitude; beyond -1 it never goes
// down to it, beyond 1 it never comes up to it.
struct HourAngle {
    double x = 0;
    double correction = 0;
};

HourAngle hourAngle(quint16 n, double altitude, double latitude)
{
    const AstroEngine::SunPosition sun = AstroEngine::sunPosition(n);
    const double x = (std::sin(altitude) - std::sin(sun.declination) * std::sin(latitude)) /
                     (std::cos(sun.declination) * std::cos(latitude));
    return {x, sun.correction};
}

int minutesFromHours(double hours)
{
    if (hours < 0)
        hours += 24;
    else if (hours >= 24)
        hours -= 24;
    return int(std::trunc(hours * 60 + 0.5)) % MinutesPerDay;
}

AstroEngine::SunTimes timesFromX(double x, double correction)
{
    const double halfDay = std::acos(std::clamp(x, -1.0, 1.0)) * 12 / Pi;
    return {minutesFromHours(12 - halfDay - correction), minutesFromHours(12 + halfDay - correction)};
}

// A day on which the sun does not go down: the neighbouring days decide whether it rises
// or sets at all.
AstroEngine::SunTimes sunUpTimes(double before, double after, double correction)
{
    const bool beforeUp = before < -1;
    const bool afterUp = after < -1;
    const bool beforeDown = before > 1;
    const bool afterDown = after > 1;
    if (beforeUp && afterUp)
        return {AstroEngine::SunStaysUp, AstroEngine::SunStaysUp};
    if (beforeDown && afterUp)
        return {timesFromX(0, correction).sunrise, AstroEngine::SunStaysUp};
    if (beforeUp && afterDown)
        return {AstroEngine::SunStaysUp, timesFromX(0, correction).sunset};
    if (afterUp)
        return {timesFromX((before - 1) / 2, correction).sunrise, AstroEngine::SunStaysUp};
    if (beforeUp)
        return {AstroEngine::SunStaysUp, timesFromX((after - 1) / 2, correction).sunset};
    return timesFromX((before + after - 2) / 4, correction);
}

// --- built-in tables ---------------------------------------------------------------------

int interpolated(const std::array<qint32, AstroTables::SampleCount>& samples, int day)
{
    const int k = (day - 1) / AstroTables::SampleStep;
    const int f = (day - 1) % AstroTables::SampleStep;
    return (samples[k + 1] - samples[k]) * f + AstroTables::SampleStep * samples[k];
}

AstroEngine::SunTimes latitudeTableTimes(int latitude, int day)
{
    const int row = latitude + AstroTables::MaxTableLatitude;
    const int sunrise = interpolated(AstroTables::latitudeSunrise[row], day);
    if (sunrise >= Noon * AstroTables::SampleStep)
        return {AstroEngine::SunStaysDown, AstroEngine::SunStaysDown};
    const int sunset = interpolated(AstroTables::latitudeSunset[row], day);
    AstroEngine::SunTimes times{sunrise < 0 ? AstroEngine::SunStaysUp : sunrise / AstroTables::SampleStep,
                                sunset >= MinutesPerDay * AstroTables::SampleStep
                                    ? AstroEngine::SunStaysUp
                                    : sunset / AstroTables::SampleStep};
    // Short midnight-sun periods that the 16-day samples cannot show.
    if (latitude == -66 && day >= 343 && day <= 345)
        times.sunset = AstroEngine::SunStaysUp;
    if (latitude == 66 && day >= 163 && day <= 180) {
        times.sunset = AstroEngine::SunStaysUp;
        if (day >= 164)
            times.sunrise = AstroEngine::SunStaysUp;
    }
    return times;
}

AstroEngine::SunTimes polarTableTimes(int latitude, int day)
{
    constexpr int FirstPolarLatitude = AstroTables::MaxTableLatitude + 1;
    const bool north = latitude > 0;
    const auto& row = north ? AstroTables::polarNorth[latitude - FirstPolarLatitude]
                            : AstroTables::polarSouth[latitude + MaxLatitude];
    const int a = row[0], b = row[1], c = row[2], d = row[3];
    const int between = north ? AstroEngine::SunStaysUp : AstroEngine::SunStaysDown;
    const int outside = north ? AstroEngine::SunStaysDown : AstroEngine::SunStaysUp;
    if (b < day && day < c)
        return {between, between};
    if (day < a || day > d)
        return {outside, outside};
    if (day == (north ? b : d))
        return {60, AstroEngine::SunStaysUp};
    if (day == (north ? c : a))
        return {AstroEngine::SunStaysUp, 1380};
    // The sunrise moves linearly between 11:00 on the shortest and 01:00 on the longest day.
    int sunrise = 0;
    if (day <= b)
        sunrise = (north ? b - day : day - a) * 600 / (b - a) + 60;
    else
        sunrise = (north ? day - c : d - day) * 600 / (d - c) + 60;
    return {sunrise, MinutesPerDay - sunrise};
}

int ownTableMinutes(int hour, int minute)
{
    // Values from a file may be anything; keep them within the day.
    return int(std::clamp<qint64>(qint64(hour) * 60 + minute, 0, MinutesPerDay - 1));
}

// Minutes from UTC at longitude 0 to the device's standard time, brought into (-720, 720]. Near
// the date line the device zone (+12 at most) and the longitude differ by more than half a day;
// the time of day is the same one day earlier or later, and unreduced it would push every time
// out of its half of the day.
int zoneCorrection()
{
    const int minutes = parameters.zoneQuarterHours * 15 - parameters.longitude * 4;
    const int reduced = (minutes + Noon - 1) % MinutesPerDay;
    return (reduced < 0 ? reduced + MinutesPerDay : reduced) - (Noon - 1);
}

RawDay rawTimes(int day, int year, int astroTime)
{
    if (parameters.useOwnTable) {
        // The own table is laid out for a leap year: 1 March is always entry 61.
        const int entry = std::min(year % 4 != 0 && day >= 60 ? day + 1 : day, LastDayOfYear);
        const OwnAstroDayEntry& own = parameters.ownTable.days[entry];
        return {{ownTableMinutes(own.sunriseHour, own.sunriseMinute),
                 ownTableMinutes(own.sunsetHour, own.sunsetMinute)},
                0};
    }
    const int correction = zoneCorrection();
    if (astroTime != AstroEngine::BuiltInTables)
        return {AstroEngine::sunriseSunset(day, year, astroTime), correction};
    if (std::abs(parameters.latitude) > AstroTables::MaxTableLatitude)
        return {polarTableTimes(parameters.latitude, day), correction};
    return {latitudeTableTimes(parameters.latitude, day), correction};
}

// --- local times -------------------------------------------------------------------------

bool addSummerTime(int& minutes, const QDate& date)
{
    if (!AstroEngine::isSummerTime(date, AstroEngine::splitMinutes(minutes).hour))
        return false;
    minutes += SummerTimeShift;
    return true;
}

AstroTimeOfDay localTime(int minutes, bool summer, int earliest, int latest)
{
    AstroTimeOfDay time = AstroEngine::splitMinutes(std::clamp(minutes, earliest, latest));
    time.summerTime = summer ? 1 : 0;
    return time;
}

// A sunrise that does not happen ends up as 11:59.
AstroTimeOfDay localSunrise(int raw, int shift, const QDate& date, bool applySummerTime)
{
    int minutes = raw < MinutesPerDay ? raw + shift : raw;
    const bool summer = applySummerTime && addSummerTime(minutes, date);
    return localTime(minutes, summer, 0, Noon - 1);
}

// A sunset that does not happen keeps its marker (hour 24).
AstroTimeOfDay localSunset(int raw, int shift, const QDate& date, bool applySummerTime)
{
    if (raw >= MinutesPerDay)
        return AstroEngine::splitMinutes(raw);
    int minutes = raw + shift;
    const bool summer = applySummerTime && addSummerTime(minutes, date);
    return localTime(minutes, summer, Noon, MinutesPerDay - 1);
}

bool isMarker(const AstroTimeOfDay& time)
{
    return time.hour == 24;
}

// The first of several equal days stays the extreme; a sunset marker freezes the earliest.
void keepEarliest(AstroTimeOfDay& earliest, const AstroTimeOfDay& value)
{
    if (isMarker(earliest))
        return;
    if (isMarker(value) || AstroEngine::minutesOf(value) < AstroEngine::minutesOf(earliest))
        earliest = value;
}

void keepLatest(AstroTimeOfDay& latest, const AstroTimeOfDay& value)
{
    if (AstroEngine::minutesOf(value) > AstroEngine::minutesOf(latest))
        latest = value;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString timeRange(const AstroTimeOfDay& from, const AstroTimeOfDay& to)
{
    return QStringLiteral("%1:%2 to %3:%4")
        .arg(twoDigits(from.hour), twoDigits(from.minute), twoDigits(to.hour), twoDigits(to.minute));
}

void logExtremes(const TJAstro& record)
{
    qCDebug(astroLog).noquote() << "min:  " + timeRange(record.earliestSunrise, record.earliestSunset);
    qCDebug(astroLog).noquote() << "max:  " + timeRange(record.latestSunrise, record.latestSunset);
}

} // namespace

namespace AstroEngine {

void setParameters(int latitudeDeg, int longitudeDeg, int timeZoneNumber, const SoWiRuleRecord& rule,
                   bool useOwnTable, const OwnAstroDayTable& ownTable)
{
    if (!isKnownRuleType(rule.ruleType))
        qCWarning(astroLog) << "Unknown summer/winter rule" << rule.ruleType << "; no summer time";
    parameters.latitude = clampedLatitude(latitudeDeg);
    parameters.longitude = longitudeDeg;
    parameters.zoneQuarterHours = zoneQuarterHours(timeZoneNumber, longitudeDeg);
    parameters.rule = rule;
    parameters.useOwnTable = useOwnTable;
    parameters.ownTable = ownTable;
    summerTime = {};
}

TJAstro computeYear(int year, int sunriseOffset, int sunsetOffset, int astroTime)
{
    const int fullYear = static_cast<quint16>(year);
    updateSummerTime(fullYear);
    workingRecord.earliestSunrise = workingRecord.earliestSunset = splitMinutes(MinutesPerDay - 1);
    workingRecord.latestSunrise = workingRecord.latestSunset = splitMinutes(0);
    // Every fourth year is a leap year, as in the time switch.
    const int lastDay = fullYear % 4 == 0 ? LastDayOfYear : LastDayOfYear - 1;
    for (int day = 1; day <= lastDay; ++day) {
        const AstroDay values = dayValues(day, fullYear, true, sunriseOffset, sunsetOffset, astroTime);
        workingRecord.days[day] = values;
        keepEarliest(workingRecord.earliestSunrise, values.sunrise);
        keepEarliest(workingRecord.earliestSunset, values.sunset);
        keepLatest(workingRecord.latestSunrise, values.sunrise);
        keepLatest(workingRecord.latestSunset, values.sunset);
    }
    logExtremes(workingRecord);
    const bool noSun = isMarker(workingRecord.earliestSunrise) || isMarker(workingRecord.earliestSunset) ||
                       isMarker(workingRecord.latestSunrise) || isMarker(workingRecord.latestSunset);
    workingRecord.hasNoSunDays = noSun ? 1 : 0;
    return workingRecord;
}

AstroDay dayValues(int day, int year, bool applySummerTime, int sunriseOffset, int sunsetOffset,
                   int astroTime)
{
    if (day < 1 || day > LastDayOfYear) {
        qCWarning(astroLog) << "No astro values for day" << day;
        return {};
    }
    const RawDay raw = rawTimes(day, year, astroTime);
    const QDate date = QDate(year, 1, 1).addDays(std::min(day, LastDayOfYear - 1) - 1);
    return {localSunrise(raw.times.sunrise, sunriseOffset + raw.zoneCorrection, date, applySummerTime),
            localSunset(raw.times.sunset, sunsetOffset + raw.zoneCorrection, date, applySummerTime)};
}

SunTimes sunriseSunset(int day, int year, int astroTime)
{
    // Noon of the day, counted from 1 January 2000 12:00 UTC; 1 January 2001 is n = 366.
    const auto n = static_cast<quint16>(day + 365 * (year - 2001) + (year - 2001) / 4 + 365);
    const double altitude = altitudeFor(astroTime);
    const double latitude = parameters.latitude * Degree;
    const HourAngle today = hourAngle(n, altitude, latitude);
    if (today.x > 1)
        return {SunStaysDown, SunStaysDown};
    if (today.x >= -1)
        return timesFromX(today.x, today.correction);
    return sunUpTimes(hourAngle(quint16(n - 1), altitude, latitude).x,
                      hourAngle(quint16(n + 1), altitude, latitude).x, today.correction);
}

SunPosition sunPosition(quint16 n)
{
    const double t = n / 36525.0;
    const double anomaly = turns(0.993133 + 99.997361 * t);
    const double longitude =
        turns(0.7859453 + anomaly / TwoPi +
              (6893.0 * std::sin(anomaly) + 72.0 * std::sin(2 * anomaly) + 6191.2 * t) / 1296000.0);
    const double obliquity =
        (23.43929111 + (-46.815 * t - 0.00059 * t * t + 0.001813 * t * t * t) / 3600.0) * Degree;
    double rightAscension = std::atan(std::cos(obliquity) * std::tan(longitude));
    if (rightAscension < 0)
        rightAscension += Pi;
    if (longitude > Pi)
        rightAscension += Pi;
    const double declination = std::asin(std::sin(obliquity) * std::sin(longitude));
    const double siderealTime =
        turns((18.71506921 + 2400.0513369 * t + (2.5862e-5 - 1.72e-9 * t) * t * t) / 24.0);
    double correction = (siderealTime - rightAscension) * 24 / TwoPi;
    if (correction < -12)
        correction += 24;
    if (correction > 12)
        correction -= 24;
    return {declination, correction * 1.0027379};
}

void updateSummerTime(int year)
{
    summerTime = summerTimeDates(parameters.rule, year);
}

bool isSummerTime(const QDate& date, int hour)
{
    if (!date.isValid())
        return false;
    if (summerTime.year != date.year())
        updateSummerTime(date.year());
    if (!summerTime.active || summerTime.start == summerTime.end)
        return false;
    const bool afterStart = date > summerTime.start || (date == summerTime.start && hour >= summerTime.hour);
    const bool beforeEnd = date < summerTime.end || (date == summerTime.end && hour < summerTime.hour);
    // A southern rule starts later in the year than it ends and spans the new year.
    const bool southern = summerTime.start > summerTime.end;
    if (beforeEnd)
        return southern || afterStart;
    return southern && afterStart;
}

int nthWeekdayOfMonth(int year, int month, int n, int weekday)
{
    const QDate date = utils::Helpers::getWeekDay(n - 1, year, month, weekday);
    return date.isValid() ? date.day() : 0;
}

int minutesOf(const AstroTimeOfDay& time)
{
    return time.hour * 60 + time.minute;
}

AstroTimeOfDay splitMinutes(int minutes)
{
    return {minutes / 60, minutes % 60, 0, 0};
}

} // namespace AstroEngine
