#pragma once

#include <astroengine.h>
#include <timezonequarterhours.h>

#include <QTest>

// Small builders shared by the astro engine tests.
namespace astrotest {

inline constexpr int UtcZone = 12;
inline constexpr int CentralEuropeZone = 13; // UTC+1

inline SoWiRuleRecord weekdayRule(int ruleType, int startMonth, int startWeek, int endMonth, int endWeek,
                                  int hour = 2, int weekday = 6)
{
    SoWiRuleRecord rule;
    rule.ruleType = ruleType;
    rule.wiSo.month = quint16(startMonth);
    rule.wiSo.week = quint16(startWeek);
    rule.wiSo.hour = hour;
    rule.wiSo.weekday = quint8(weekday);
    rule.soWi.month = quint16(endMonth);
    rule.soWi.week = quint16(endWeek);
    // The end switches at the start's hour and weekday; other values here must not matter.
    rule.soWi.hour = hour + 1;
    rule.soWi.weekday = quint8((weekday + 3) % 7);
    return rule;
}

// Last Sunday of March to last Sunday of October at 02:00.
inline SoWiRuleRecord europeRule()
{
    return weekdayRule(SoWiRules::EUROPE, 3, 5, 10, 5);
}

inline SoWiRuleRecord dateRule(int ruleType, int startMonth, int startDay, int endMonth, int endDay, int hour)
{
    return weekdayRule(ruleType, startMonth, startDay, endMonth, endDay, hour, 0);
}

inline void setLocation(int latitude, int longitude, int zone, const SoWiRuleRecord& rule = {})
{
    AstroEngine::setParameters(latitude, longitude, zone, rule, false, OwnAstroDayTable{});
}

inline QString text(const AstroTimeOfDay& time)
{
    return QStringLiteral("%1:%2")
        .arg(time.hour, 2, 10, QLatin1Char('0'))
        .arg(time.minute, 2, 10, QLatin1Char('0'));
}

inline int dayOfYear(int year, int month, int day)
{
    return QDate(year, month, day).dayOfYear();
}

} // namespace astrotest
