#include "reportprojects.h"

#include <devices/deviceservice.h>
#include <storage/channel.h>
#include <storage/channelsetting.h>
#include <storage/daterange.h>
#include <storage/luxvalues.h>
#include <storage/program.h>
#include <storage/programdata.h>
#include <storage/switchtime.h>

namespace reportprojects {

using namespace storage;

namespace {

constexpr int Monday = 1 << 7;
constexpr int Wednesday = 1 << 5;
constexpr int Saturday = 1 << 2;
constexpr int Sunday = 1 << 1;
constexpr int Hour = 3600;

SwitchTime switchTime(SwitchTime::Type type, SwitchTime::State state, int start, int days) {
    return SwitchTime(type, state, start, days);
}

DateRange range(DateRange::Type type, const QDateTime& start, const QDateTime& end) {
    DateRange range(type);
    range.setStartDate(start);
    range.setEndDate(end);
    return range;
}

// One date range of every type.
QList<DateRange> everyDateRange() {
    DateRange easter = range(DateRange::Easter, wallClock(2026, 4, 3, 0, 0), wallClock(2026, 4, 6, 0, 0));
    easter.setStartDay(-2);
    easter.setEndDay(1);
    DateRange series = range(DateRange::Serie, wallClock(2026, 3, 2, 8, 0), wallClock(2026, 3, 2, 17, 0));
    series.setRepeat(7);
    DateRange weekRule =
        range(DateRange::WeekRule, wallClock(2026, 3, 2, 6, 30), wallClock(2026, 3, 2, 6, 30));
    weekRule.setWeekRuleDay(5);
    weekRule.setWeekRuleWeekDay(1);
    weekRule.setWeekRuleMonth(0);
    weekRule.setDuration(26);
    DateRange newYear =
        range(DateRange::ChineseNewYear, wallClock(2026, 2, 14, 0, 0), wallClock(2026, 2, 21, 0, 0));
    newYear.setStartDay(-3);
    newYear.setEndDay(4);
    return {range(DateRange::FixYear, wallClock(2026, 12, 24, 12, 0), wallClock(2026, 12, 27, 0, 0)),
            range(DateRange::Yearly, wallClock(DateRange::LeapReferenceYear, 1, 1, 0, 0),
                  wallClock(DateRange::LeapReferenceYear, 1, 2, 0, 0)),
            easter,
            series,
            weekRule,
            newYear};
}

} // namespace

SwitchTime mondayCycle(int endDay) {
    SwitchTime cycle = switchTime(SwitchTime::Cycle, SwitchTime::On, 6 * Hour, Monday);
    cycle.setPulsTime(30);
    cycle.setPauseTime(60);
    cycle.setEndTime(18 * Hour);
    cycle.setEndDay(endDay);
    return cycle;
}

Project plainProject(int model) {
    Project project(model, QStringLiteral("Werkhalle"));
    project.setSoWiRuleType(7);
    project.setWiSoWeek(4);
    project.setWiSoMonth(2);
    project.setWiSoHour(2 * Hour);
    project.setWiSoWeekDay(6);
    project.setSoWiWeek(4);
    project.setSoWiMonth(9);
    project.setSoWiHour(3 * Hour);
    project.setSoWiWeekDay(6);
    project.setExtensionModule(true);
    project.setLcdState(1);
    const StorableRef<ProgramData> data = project.data();
    const StorableRef<Channel> first = data->channel(0);
    SwitchTime pulse = switchTime(SwitchTime::Impuls, SwitchTime::On, 7 * Hour + 15, Monday | Wednesday);
    pulse.setPulsTime(5);
    first->program(0)->setSwitches(
        {switchTime(SwitchTime::Switch, SwitchTime::On, 5 * Hour, SwitchTime::AllDays), pulse,
         mondayCycle(128), mondayCycle(SwitchTime::EndlessDay)});
    first->program(1)->setSwitches(
        {switchTime(SwitchTime::Switch, SwitchTime::On, 8 * Hour, Saturday),
         switchTime(SwitchTime::Switch, SwitchTime::Off, SwitchTime::SecondsPerDay, 0),
         switchTime(SwitchTime::Switch, SwitchTime::FixOff, 9 * Hour, Sunday)});
    first->program(1)->setDateRanges(everyDateRange());
    data->channel(1)->program(0);
    const StorableRef<ChannelSetting> off = project.setting(0);
    off->setHolidayStatus(1);
    off->setHolidayBegin(wallClock(2026, 7, 20, 6, 0));
    off->setHolidayEnd(wallClock(2026, 8, 7, 18, 30));
    off->setOperatingHours(1200);
    off->setSignaling(2);
    off->setExternalInputFunction(1);
    const StorableRef<ChannelSetting> on = project.setting(1);
    on->setHolidayStatus(2);
    on->setHolidayBegin(wallClock(2026, 12, 23, 0, 0));
    on->setHolidayEnd(wallClock(2027, 1, 6, 23, 59));
    on->setExternalInputFunction(2);
    return project;
}

Project astroProject(int model, double latitude, double longitude, int timezone) {
    AstroProject project(Project(model, QStringLiteral("Parkplatz")));
    project.setLatitude(latitude);
    project.setLongitude(longitude);
    project.setTimezone(timezone);
    project.setFirstChar(255);
    project.setChecksum(255);
    const int programs = devices::DeviceService::instance().deviceByOt2Number(model).programms();
    const StorableRef<Channel> channel = project.data()->channel(0);
    channel->setFunction(Channel::AstroFunction);
    SwitchTime fixed = switchTime(SwitchTime::FixSwitch, SwitchTime::FixOn, 22 * Hour, Monday | Wednesday);
    fixed.setEndTime(5 * Hour + 30 * 60);
    fixed.setEndDay(Wednesday >> 1);
    channel->program(0)->setSwitches({fixed});
    channel->program(programs - 2)
        ->setSwitches({switchTime(SwitchTime::Switch, SwitchTime::On, 12 * Hour, Sunday)});
    const StorableRef<ChannelSetting> setting = project.setting(0);
    setting->setAstroTime(1);
    setting->setOffsetSunrise(-15);
    setting->setOffsetSunset(20);
    setting->setAstroMode(3);
    return project;
}

Project twilightProject(int model) {
    Project project(model, QStringLiteral("Schaufenster"));
    const StorableRef<ProgramData> data = project.data();
    const StorableRef<Channel> channel = data->channel(0);
    channel->program(0)->setSwitches(
        {switchTime(SwitchTime::Switch, SwitchTime::On, 6 * Hour, SwitchTime::AllDays)});
    const StorableRef<ChannelSetting> setting = project.setting(0);
    setting->setDelaySunrise(90);
    setting->setDelaySunset(3690);
    const bool perDay = model == 74;
    const StorableRef<LuxValues> monday = setting->luxValuesByDay(0);
    monday->setLuxOnValue(20);
    monday->setLuxOffValue(40);
    if (perDay) {
        const StorableRef<LuxValues> wednesday = setting->luxValuesByDay(2);
        wednesday->setLuxOnValue(5);
        wednesday->setLuxOffValue(300);
        const StorableRef<Program> extra = channel->program(1);
        extra->setLuxOnValue(12);
        extra->setLuxOffValue(80);
        extra->setSwitches({switchTime(SwitchTime::Switch, SwitchTime::Off, 23 * Hour, Saturday)});
    }
    return project;
}

Project channelTypeProject() {
    AstroProject project(Project(53, QStringLiteral("Hybrid")));
    project.setSoWiRuleType(devices::DeviceService::instance().deviceByOt2Number(53).soWiCreateTableIndex());
    const StorableRef<ProgramData> data = project.data();
    const StorableRef<Channel> astro = data->channel(0);
    astro->setFunction(Channel::AstroFunction);
    SwitchTime fixed = switchTime(SwitchTime::FixSwitch, SwitchTime::FixOff, 23 * Hour, Sunday);
    fixed.setEndTime(4 * Hour);
    fixed.setEndDay(Monday);
    astro->program(0)->setSwitches({fixed});
    data->channel(1)->program(0)->setSwitches(
        {switchTime(SwitchTime::Switch, SwitchTime::On, 7 * Hour, Monday)});
    return project;
}

} // namespace reportprojects
