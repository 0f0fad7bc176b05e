#include "summerwinterrule.h"

#include "tarvinologging.h"

#include <astroengine.h>
#include <devices/device.h>
#include <devices/deviceservice.h>
#include <storage/project.h>

namespace {

constexpr int SecondsPerHour = 3600;
constexpr int LastWeek = 5;
// Iran: 1 Farwardin and 30 Shahriwar, at midnight; the engine moves both a day earlier in leap years.
constexpr int IranStartMonth = 3;
constexpr int IranEndMonth = 9;
constexpr int IranDay = 22;
// The own rule chooses per direction between a weekday rule (0) and a fixed date (1).
constexpr int CustomFixedDate = 1;

struct Direction {
    int custom = 0;
    int week = 0;  // 0 .. 4, 4 the last
    int month = 0; // 0 January .. 11
    int weekDay = 0;
    QDate date;
};

Direction wiSoOf(const storage::Project& project) {
    return {project.customWiSo(), project.wiSoWeek(), project.wiSoMonth(), project.wiSoWeekDay(),
            project.wiSoDate()};
}

Direction soWiOf(const storage::Project& project) {
    return {project.customSoWi(), project.soWiWeek(), project.soWiMonth(), project.soWiWeekDay(),
            project.soWiDate()};
}

SoWiSwitchRecord byWeek(const Direction& direction, int hour) {
    SoWiSwitchRecord record;
    record.custom = direction.custom;
    record.year = quint16(direction.date.year());
    record.month = quint16(direction.month + 1);
    record.week = quint16(direction.week + 1);
    record.hour = hour;
    record.weekday = quint8(direction.weekDay);
    return record;
}

SoWiSwitchRecord byDate(int custom, const QDate& date, int hour, int weekDay) {
    SoWiSwitchRecord record;
    record.custom = custom;
    record.year = quint16(date.year());
    record.month = quint16(date.month());
    record.week = quint16(date.day());
    record.hour = hour;
    record.weekday = quint8(weekDay);
    return record;
}

// The day a weekday rule or a fixed date names in the year.
QDate switchDate(const Direction& direction, bool fixedDate, int year) {
    if (fixedDate)
        return QDate(year, direction.date.month(), direction.date.day());
    const int day = AstroEngine::nthWeekdayOfMonth(year, direction.month + 1,
                                                   std::min(direction.week + 1, LastWeek), direction.weekDay);
    return day > 0 ? QDate(year, direction.month + 1, day) : QDate();
}

SoWiRuleRecord datesOfYear(const storage::Project& project, bool wiSoFixed, bool soWiFixed, int year) {
    const Direction wiSo = wiSoOf(project);
    const Direction soWi = soWiOf(project);
    const int hour = project.wiSoHour() / SecondsPerHour;
    SoWiRuleRecord record;
    record.ruleType = SoWiRules::FIX_DATE;
    record.wiSo = byDate(wiSo.custom, switchDate(wiSo, wiSoFixed, year), hour, wiSo.weekDay);
    record.soWi = byDate(soWi.custom, switchDate(soWi, soWiFixed, year), hour + 1, soWi.weekDay);
    return record;
}

SoWiRuleRecord tableYear(const storage::Project& project, int year) {
    const auto rows = project.summerWinterDateTimes();
    for (const storage::SummerWinterDateTimeValues& row : rows) {
        if (row.year() != year || !row.enabled())
            continue;
        SoWiRuleRecord record;
        record.ruleType = SoWiRules::FIX_DATE;
        record.wiSo = byDate(0, row.wiSoDate(), row.wiSoHour(), 0);
        record.soWi = byDate(0, row.soWiDate(), row.soWiHour() + 1, 0);
        return record;
    }
    return {};
}

} // namespace

SummerWinterRule::Choice SummerWinterRule::choiceOf(int rule, const devices::Device& device) {
    if (rule <= SoWiRules::NO_SO_WI)
        return Choice::None;
    if (rule == device.soWiOwnRuleIndex())
        return Choice::OwnRule;
    if (rule == device.soWiCreateTableIndex())
        return Choice::OwnTable;
    if (rule == device.soWiAustraliaIndex() || rule == device.soWiNewZealandIndex())
        return Choice::Southern;
    if (rule <= SoWiRules::USA)
        return Choice::Standard;
    if (rule == SoWiRules::IRAN && (device.hasIranDaylightSavingsRules() || !device.isValid()))
        return Choice::Iran;
    if (!device.hasCustomDaylightSavingsRules()) {
        if (rule == SoWiRules::FREE_RULE)
            return Choice::FreeRule;
        if (rule == SoWiRules::FIX_DATE)
            return Choice::FixedDate;
        if (rule == SoWiRules::AUSTRALIA)
            return Choice::Southern;
    }
    qCWarning(tarvinoLog) << ">> Summer/winter rule" << rule
                          << "is not one of the model's rules; no summer time";
    return Choice::None;
}

SoWiRuleRecord SummerWinterRule::record(const storage::Project& project, const devices::Device& device,
                                        int year) {
    const int hour = project.wiSoHour() / SecondsPerHour;
    SoWiRuleRecord record;
    switch (choiceOf(project.soWiRuleType(), device)) {
    case Choice::None:
        return record;
    case Choice::Standard:
        record.ruleType = project.soWiRuleType();
        record.wiSo = byWeek(wiSoOf(project), hour);
        record.soWi = byWeek(soWiOf(project), hour + 1);
        return record;
    case Choice::Iran:
        record.ruleType = SoWiRules::IRAN;
        record.wiSo = byDate(project.customWiSo(), QDate(year, IranStartMonth, IranDay), 0, 0);
        record.soWi = byDate(project.customSoWi(), QDate(year, IranEndMonth, IranDay), 1, 0);
        return record;
    case Choice::FixedDate:
        record.ruleType = SoWiRules::FIX_DATE;
        record.wiSo = byDate(project.customWiSo(), project.wiSoDate(), hour, project.wiSoWeekDay());
        record.soWi = byDate(project.customSoWi(), project.soWiDate(), hour + 1, project.soWiWeekDay());
        return record;
    case Choice::FreeRule:
    case Choice::Southern:
        return datesOfYear(project, false, false, year);
    case Choice::OwnRule:
        return datesOfYear(project, project.customWiSo() == CustomFixedDate,
                           project.customSoWi() == CustomFixedDate, year);
    case Choice::OwnTable:
        return tableYear(project, year);
    }
    return record;
}

int SummerWinterRule::kindOf(int rule, int deviceOt2) const {
    return static_cast<int>(choiceOf(rule, devices::DeviceService::instance().deviceByOt2Number(deviceOt2)));
}
