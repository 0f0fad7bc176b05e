#include "projectsample.h"

#include <utils/wallclock.h>

#include <QJsonArray>
#include <QJsonDocument>

using namespace storage;

namespace projectsample {

namespace {
constexpr int SettingChannel = 1;

QString jsonText(const QJsonArray& array)
{
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

StorableRef<Program> program(const AstroProject& project, int channel, int number)
{
    return project.constData()->constChannel(channel)->constProgram(number);
}

QString switchesOf(const AstroProject& project, int channel, int number)
{
    QJsonArray list;
    for (const SwitchTime& s : program(project, channel, number)->switches())
        list.append(s.toJsonObject(SwitchTime::AllDays));
    return jsonText(list);
}

QString rangesOf(const AstroProject& project, int channel, int number)
{
    QJsonArray list;
    for (const DateRange& r : program(project, channel, number)->dateRanges())
        list.append(r.toJsonObject());
    return jsonText(list);
}

StorableRef<ChannelSetting> setting(const AstroProject& project)
{
    return AstroProject(project).setting(SettingChannel);
}

SwitchTime storedSwitch(SwitchTime::Type type, SwitchTime::State state, int start, int days, int endDay, int end,
                        int puls, int pause)
{
    SwitchTime s(type, state, start, days);
    s.setEndDay(endDay);
    s.setEndTime(end);
    s.setPulsTime(puls);
    s.setPauseTime(pause);
    s.store();
    return s;
}

DateRange storedRange(DateRange::Type type, const QDateTime& start, const QDateTime& end, int startDay, int endDay)
{
    DateRange r(type);
    r.setStartDate(start);
    r.setEndDate(end);
    r.setStartDay(startDay);
    r.setEndDay(endDay);
    r.setDuration(30);
    r.setRepeat(9);
    r.setWeekRuleDay(3);
    r.setWeekRuleWeekDay(5);
    r.setWeekRuleMonth(11);
    r.store();
    return r;
}

void fillSettings(ChannelSetting& s)
{
    s.setExternalInputFunction(1);
    s.setExternalSwitchFunction(2);
    s.setExternalTasterFunction(1);
    s.setExternalStatus(1);
    s.setExternalResettable(1);
    s.setExternalInputTime(630);
    s.setHolidayStatus(2);
    s.setHolidayBegin(utils::WallClock::at(QDate(2026, 7, 1), QTime(8, 30)));
    s.setHolidayEnd(utils::WallClock::at(QDate(2026, 7, 21), QTime(18, 15)));
    s.setOperatingHours(1200);
    s.setEarthHour(1);
    s.setSignaling(3);
    s.setOffsetSunrise(-15);
    s.setOffsetSunset(20);
    s.setAstroMode(3);
    s.setAstroPulseUsage(2);
    s.setAstroPulseDuration(123);
    s.setAstroTime(2);
    s.setDelaySunrise(1230);
    s.setDelaySunset(600);
    for (int day = 0; day < 7; ++day) {
        s.luxValuesByDay(day)->setLuxOnValue(10 + day);
        s.luxValuesByDay(day)->setLuxOffValue(40 + day);
    }
}

void fillContent(AstroProject& project)
{
    const StorableRef<ProgramData> data = project.data();
    const StorableRef<Program> weekly = data->channel(0)->program(0);
    weekly->setSwitches({
        storedSwitch(SwitchTime::Switch, SwitchTime::On, 28800, 248, SwitchTime::NoSingleEndDay, 0, 0, 0),
        storedSwitch(SwitchTime::Impuls, SwitchTime::Off, 3600, 6, SwitchTime::NoSingleEndDay, 0, 45, 0),
        storedSwitch(SwitchTime::Cycle, SwitchTime::Off, 600, 128, 8, 7200, 30, 90),
        storedSwitch(SwitchTime::Cycle, SwitchTime::Off, 100, 64, SwitchTime::EndlessDay, 100, 5, 5),
    });
    const StorableRef<Channel> astro = data->channel(2);
    astro->setFunction(Channel::AstroFunction);
    astro->program(0)->setSwitches({
        storedSwitch(SwitchTime::FixSwitch, SwitchTime::FixOn, 3600, 254, SwitchTime::NoSingleEndDay, 7200, 0, 0),
        storedSwitch(SwitchTime::FixSwitch, SwitchTime::FixOff, 80000, 2, 128, 3600, 0, 0),
    });
    const StorableRef<Program> extra = data->channel(0)->program(3);
    extra->setDateRanges({
        storedRange(DateRange::FixYear, utils::WallClock::at(QDate(2026, 5, 10), QTime(8, 0)), utils::WallClock::at(QDate(2026, 5, 12), QTime(9, 30)),
                    -1, -1),
        storedRange(DateRange::Yearly, utils::WallClock::at(QDate(2008, 12, 20), QTime(0, 0)), utils::WallClock::at(QDate(2008, 1, 6), QTime(0, 0)),
                    0, 1),
        storedRange(DateRange::Easter, utils::WallClock::at(QDate(2026, 1, 1), QTime(6, 0)), utils::WallClock::at(QDate(2026, 1, 1), QTime(22, 0)),
                    -2, 1),
        storedRange(DateRange::Holiday, utils::WallClock::at(QDate(2026, 12, 24), QTime(0, 0)), utils::WallClock::at(QDate(2026, 12, 27), QTime(0, 0)),
                    -1, -1),
    });
    extra->setSwitches({ storedSwitch(SwitchTime::Switch, SwitchTime::On, 86400, 254, SwitchTime::NoSingleEndDay, 0, 0, 0) });
    extra->setLuxOnValue(7);
    extra->setLuxOffValue(70);
}

void fillAstro(AstroProject& project)
{
    project.setLatitude(48.75);
    project.setLongitude(9.25);
    project.setTimezone(14);
    project.setFirstChar(83);
    project.setChecksum(201);
    const StorableRef<FavoriteLocation> home = project.addFavoriteLocation();
    home->setCity("STUTTGART");
    home->setLatitude(48);
    home->setLongitude(9);
    home->setTimezone(13);
    home->setFirstChar(83);
    home->setChecksum(17);
    project.addFavoriteLocation()->setCity("OSLO");
    const StorableRef<OwnAstroTable> table = project.ownAstroTable();
    table->setEnabled(true);
    table->setName("GARDEN");
    table->setTimezone(12);
    table->setSunriseTime(QTime(7, 45), 0);
    table->setSunsetTime(QTime(16, 30), 0);
    table->setSunriseTime(QTime(7, 1), 59);
    table->setSunsetTime(QTime(18, 2), 365);
}
} // namespace

void fill(AstroProject& project)
{
    project.setProjectTitle("Hall");
    project.setProjectDesc("Lights of the hall");
    project.setClientName("Client");
    project.setClientAddress("Street 1\nTown");
    project.setAuthorName("Author");
    project.setAuthorAddress("Road 2");
    project.setChannelsDesc({ "front", "", "back" });
    project.setDeviceChans({ "FRONT", "", "BACK" });
    project.setLcdState(1);
    project.setFirstDayOfWeek(6);
    project.setTimeFormat(1);
    project.setDateFormat(2);
    project.setSoWiRuleType(8);
    project.setWiSoWeek(1);
    project.setWiSoMonth(3);
    project.setWiSoHour(3 * 3600);
    project.setWiSoWeekDay(5);
    project.setWiSoDate(QDate(2026, 3, 27));
    project.setSoWiWeek(2);
    project.setSoWiMonth(8);
    project.setSoWiHour(4 * 3600);
    project.setSoWiWeekDay(4);
    project.setSoWiDate(QDate(2026, 10, 30));
    project.setCustomWiSo(1);
    project.setCustomSoWi(2);
    project.setChannelCombination(2);
    project.setChannelChangeover(3);
    project.setChannelChangeoverTime(45296);
    project.setEasterRule(1);
    project.setSummerWinterTableName("OWN TABLE");
    project.setExtensionModule(true);
    project.setSummerWinterDateTimes({ { 0, SummerWinterDateTimeValues(2008, QDate(2008, 3, 28), 2, QDate(2008, 10, 26), 3, true) },
                                       { 1, SummerWinterDateTimeValues(2009, QDate(2009, 3, 1), 1, QDate(2009, 10, 1), 4, false) } });
    fillSettings(*project.setting(SettingChannel));
    fillContent(project);
    fillAstro(project);
}

const QList<Field>& fields()
{
    static const QList<Field> table {
        { "name", [](const AstroProject& p) { return QVariant(p.name()); } },
        { "device", [](const AstroProject& p) { return QVariant(p.device()); } },
        { "projectTitle", [](const AstroProject& p) { return QVariant(p.projectTitle()); } },
        { "projectDesc", [](const AstroProject& p) { return QVariant(p.projectDesc()); } },
        { "clientName", [](const AstroProject& p) { return QVariant(p.clientName()); } },
        { "clientAddress", [](const AstroProject& p) { return QVariant(p.clientAddress()); } },
        { "authorName", [](const AstroProject& p) { return QVariant(p.authorName()); } },
        { "authorAddress", [](const AstroProject& p) { return QVariant(p.authorAddress()); } },
        { "channelsDesc", [](const AstroProject& p) { return QVariant(p.channelsDesc()); } },
        { "deviceChans", [](const AstroProject& p) { return QVariant(p.deviceChans()); } },
        { "lcdState", [](const AstroProject& p) { return QVariant(p.lcdState()); } },
        { "firstDayOfWeek", [](const AstroProject& p) { return QVariant(p.firstDayOfWeek()); } },
        { "timeFormat", [](const AstroProject& p) { return QVariant(p.timeFormat()); } },
        { "dateFormat", [](const AstroProject& p) { return QVariant(p.dateFormat()); } },
        { "soWiRuleType", [](const AstroProject& p) { return QVariant(p.soWiRuleType()); } },
        { "wiSoWeek", [](const AstroProject& p) { return QVariant(p.wiSoWeek()); } },
        { "wiSoMonth", [](const AstroProject& p) { return QVariant(p.wiSoMonth()); } },
        { "wiSoHour", [](const AstroProject& p) { return QVariant(p.wiSoHour()); } },
        { "wiSoWeekDay", [](const AstroProject& p) { return QVariant(p.wiSoWeekDay()); } },
        { "wiSoDate", [](const AstroProject& p) { return QVariant(p.wiSoDate()); } },
        { "soWiWeek", [](const AstroProject& p) { return QVariant(p.soWiWeek()); } },
        { "soWiMonth", [](const AstroProject& p) { return QVariant(p.soWiMonth()); } },
        { "soWiHour", [](const AstroProject& p) { return QVariant(p.soWiHour()); } },
        { "soWiWeekDay", [](const AstroProject& p) { return QVariant(p.soWiWeekDay()); } },
        { "soWiDate", [](const AstroProject& p) { return QVariant(p.soWiDate()); } },
        { "customWiSo", [](const AstroProject& p) { return QVariant(p.customWiSo()); } },
        { "customSoWi", [](const AstroProject& p) { return QVariant(p.customSoWi()); } },
        { "channelCombination", [](const AstroProject& p) { return QVariant(p.channelCombination()); } },
        { "channelChangeover", [](const AstroProject& p) { return QVariant(p.channelChangeover()); } },
        { "channelChangeoverTime", [](const AstroProject& p) { return QVariant(p.channelChangeoverTime()); } },
        { "easterRule", [](const AstroProject& p) { return QVariant(p.easterRule()); } },
        { "summerWinterTableName", [](const AstroProject& p) { return QVariant(p.summerWinterTableName()); } },
        { "extensionModule", [](const AstroProject& p) { return QVariant(p.extensionModule()); } },
        { "summerWinterDateTimes",
          [](const AstroProject& p) {
              QStringList rows;
              const auto table = p.summerWinterDateTimes();
              for (auto it = table.cbegin(); it != table.cend(); ++it)
                  rows.append(QStringLiteral("%1:%2 %3 %4 %5 %6 %7")
                                  .arg(it.key())
                                  .arg(it->year())
                                  .arg(it->wiSoDate().toString(Qt::ISODate))
                                  .arg(it->wiSoHour())
                                  .arg(it->soWiDate().toString(Qt::ISODate))
                                  .arg(it->soWiHour())
                                  .arg(it->enabled()));
              rows.sort();
              return QVariant(rows);
          } },
        { "latitude", [](const AstroProject& p) { return QVariant(p.latitude()); } },
        { "longitude", [](const AstroProject& p) { return QVariant(p.longitude()); } },
        { "timezone", [](const AstroProject& p) { return QVariant(p.timezone()); } },
        { "firstChar", [](const AstroProject& p) { return QVariant(p.firstChar()); } },
        { "checksum", [](const AstroProject& p) { return QVariant(p.checksum()); } },
        { "astroTableEnabled", [](const AstroProject& p) { return QVariant(p.astroTableEnabled()); } },
        { "ownAstroTable name", [](const AstroProject& p) { return QVariant(p.ownAstroTable()->name()); } },
        { "ownAstroTable timezone", [](const AstroProject& p) { return QVariant(p.ownAstroTable()->timezone()); } },
        { "ownAstroTable times",
          [](const AstroProject& p) {
              QStringList times;
              for (const auto& entry : p.ownAstroTable()->entries())
                  times.append(entry->sunriseTime().toString() + entry->sunsetTime().toString());
              return QVariant(times);
          } },
        { "favourite names and places",
          [](const AstroProject& p) {
              QStringList favorites;
              for (const auto& f : p.favoriteLocations())
                  favorites.append(QStringLiteral("%1 %2 %3 %4").arg(f->city()).arg(f->latitude()).arg(f->longitude()).arg(f->timezone()));
              return QVariant(favorites);
          } },
        { "favourite city keys",
          [](const AstroProject& p) {
              QStringList keys;
              for (const auto& f : p.favoriteLocations())
                  keys.append(QStringLiteral("%1 %2").arg(f->firstChar()).arg(f->checksum()));
              return QVariant(keys);
          } },
        { "externalInputFunction", [](const AstroProject& p) { return QVariant(setting(p)->externalInputFunction()); } },
        { "externalSwitchFunction", [](const AstroProject& p) { return QVariant(setting(p)->externalSwitchFunction()); } },
        { "externalTasterFunction", [](const AstroProject& p) { return QVariant(setting(p)->externalTasterFunction()); } },
        { "externalStatus", [](const AstroProject& p) { return QVariant(setting(p)->externalStatus()); } },
        { "externalResettable", [](const AstroProject& p) { return QVariant(setting(p)->externalResettable()); } },
        { "externalInputTime", [](const AstroProject& p) { return QVariant(setting(p)->externalInputTime()); } },
        { "holidayStatus", [](const AstroProject& p) { return QVariant(setting(p)->holidayStatus()); } },
        { "holidayBegin", [](const AstroProject& p) { return QVariant(setting(p)->holidayBegin()); } },
        { "holidayEnd", [](const AstroProject& p) { return QVariant(setting(p)->holidayEnd()); } },
        { "operatingHours", [](const AstroProject& p) { return QVariant(setting(p)->operatingHours()); } },
        { "earthHour", [](const AstroProject& p) { return QVariant(setting(p)->earthHour()); } },
        { "signaling", [](const AstroProject& p) { return QVariant(setting(p)->signaling()); } },
        { "offsetSunrise", [](const AstroProject& p) { return QVariant(setting(p)->offsetSunrise()); } },
        { "offsetSunset", [](const AstroProject& p) { return QVariant(setting(p)->offsetSunset()); } },
        { "astroMode", [](const AstroProject& p) { return QVariant(setting(p)->astroMode()); } },
        { "astroPulseUsage", [](const AstroProject& p) { return QVariant(setting(p)->astroPulseUsage()); } },
        { "astroPulseDuration", [](const AstroProject& p) { return QVariant(setting(p)->astroPulseDuration()); } },
        { "astroTime", [](const AstroProject& p) { return QVariant(setting(p)->astroTime()); } },
        { "delaySunrise", [](const AstroProject& p) { return QVariant(setting(p)->delaySunrise()); } },
        { "delaySunset", [](const AstroProject& p) { return QVariant(setting(p)->delaySunset()); } },
        { "lux values",
          [](const AstroProject& p) {
              QStringList values;
              for (int day = 0; day < 7; ++day)
                  values.append(QStringLiteral("%1/%2").arg(setting(p)->luxValuesByDay(day)->luxOnValue()).arg(setting(p)->luxValuesByDay(day)->luxOffValue()));
              return QVariant(values);
          } },
        { "channel functions",
          [](const AstroProject& p) {
              return QVariant(QVariantList { p.constData()->constChannel(0)->function(), p.constData()->constChannel(2)->function() });
          } },
        { "weekly switch times", [](const AstroProject& p) { return QVariant(switchesOf(p, 0, 0)); } },
        { "astro switch times", [](const AstroProject& p) { return QVariant(switchesOf(p, 2, 0)); } },
        { "extra switch times", [](const AstroProject& p) { return QVariant(switchesOf(p, 0, 3)); } },
        { "date ranges", [](const AstroProject& p) { return QVariant(rangesOf(p, 0, 3)); } },
        { "program lux values",
          [](const AstroProject& p) {
              return QVariant(QVariantList { program(p, 0, 3)->luxOnValue(), program(p, 0, 3)->luxOffValue() });
          } },
        { "memoryCount", [](const AstroProject& p) { return QVariant(p.memoryCount()); } },
        { "szCount", [](const AstroProject& p) { return QVariant(p.constData()->szCount()); } },
    };
    return table;
}

} // namespace projectsample
