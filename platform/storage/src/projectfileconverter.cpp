#include "projectfileconverter.h"

#include "changetracker.h"
#include "channelsettingfields.h"
#include "projectrecord.h"

#include <utility>

namespace storage {

namespace {
using File = devices::Ot2File;

const std::pair<int File::Settings::*, int ProjectRecord::*> IntSettings[] = {
    { &File::Settings::dateFormat, &ProjectRecord::dateFormat },
    { &File::Settings::timeFormat, &ProjectRecord::timeFormat },
    { &File::Settings::firstDayOfWeek, &ProjectRecord::firstDayOfWeek },
    { &File::Settings::lcdState, &ProjectRecord::lcdState },
    { &File::Settings::soWiRuleType, &ProjectRecord::soWiRuleType },
    { &File::Settings::wiSoWeek, &ProjectRecord::wiSoWeek },
    { &File::Settings::wiSoMonth, &ProjectRecord::wiSoMonth },
    { &File::Settings::wiSoWeekDay, &ProjectRecord::wiSoWeekDay },
    { &File::Settings::wiSoHour, &ProjectRecord::wiSoHour },
    { &File::Settings::soWiWeek, &ProjectRecord::soWiWeek },
    { &File::Settings::soWiMonth, &ProjectRecord::soWiMonth },
    { &File::Settings::soWiWeekDay, &ProjectRecord::soWiWeekDay },
    { &File::Settings::soWiHour, &ProjectRecord::soWiHour },
    { &File::Settings::customWiSo, &ProjectRecord::customWiSo },
    { &File::Settings::customSoWi, &ProjectRecord::customSoWi },
    { &File::Settings::channelCombination, &ProjectRecord::channelCombination },
    { &File::Settings::channelChangeover, &ProjectRecord::channelChangeover },
    { &File::Settings::channelChangeoverTime, &ProjectRecord::channelChangeoverTime },
    { &File::Settings::easterRule, &ProjectRecord::easterRule },
};

const std::pair<QString File::Metadata::*, QString ProjectRecord::*> TextMetadata[] = {
    { &File::Metadata::projectTitle, &ProjectRecord::projectTitle },
    { &File::Metadata::projectDesc, &ProjectRecord::projectDesc },
    { &File::Metadata::clientName, &ProjectRecord::clientName },
    { &File::Metadata::clientAddress, &ProjectRecord::clientAddress },
    { &File::Metadata::authorName, &ProjectRecord::authorName },
    { &File::Metadata::authorAddress, &ProjectRecord::authorAddress },
};

// The file writes several end days as minus their weekday bits; this project ends such a fixed
// switch time on each of its start days.
int fileEndDay(const SwitchTime& s)
{
    if (s.endDay() >= 0)
        return s.endDay();
    const int days = s.startDays() & SwitchTime::AllDays;
    return days != 0 ? -days : SwitchTime::NoSingleEndDay;
}

File::SwitchTime fileSwitch(const SwitchTime& s)
{
    return { s.type(), s.state(), s.startDays(), s.startTime(), fileEndDay(s), s.endTime(), s.pulsTime(), s.pauseTime() };
}

SwitchTime switchOf(const File::SwitchTime& f)
{
    SwitchTime s(SwitchTime::Type(f.type), SwitchTime::State(f.state), f.startTime, f.startDays);
    s.setEndDay(f.endDay < 0 ? SwitchTime::NoSingleEndDay : f.endDay);
    s.setEndTime(f.endTime);
    s.setPulsTime(f.pulsTime);
    s.setPauseTime(f.pauseTime);
    return s;
}

File::DateRange fileRange(const DateRange& r)
{
    return { r.type(),     r.startDate(), r.endDate(),     r.startDay(),        r.endDay(),
             r.duration(), r.repeat(),    r.weekRuleDay(), r.weekRuleWeekDay(), r.weekRuleMonth() };
}

DateRange rangeOf(const File::DateRange& f)
{
    DateRange r(DateRange::Type(f.type));
    r.setStartDate(f.startDate);
    r.setEndDate(f.endDate);
    r.setStartDay(f.startDay);
    r.setEndDay(f.endDay);
    r.setDuration(f.duration);
    r.setRepeat(f.repeat);
    r.setWeekRuleDay(f.weekRuleDay);
    r.setWeekRuleWeekDay(f.weekRuleWeekDay);
    r.setWeekRuleMonth(f.weekRuleMonth);
    return r;
}

// The switch times as they go into the file: optimised on copies, so that the project stays as
// it is.
QList<File::SwitchTime> fileSwitches(const Program& program, bool optimize)
{
    QList<SwitchTime> switches = program.switches();
    if (optimize) {
        const ChangeTracker::Pause copies;
        Program copy(program.number());
        QList<SwitchTime> copied;
        for (const SwitchTime& s : std::as_const(switches))
            copied.append(switchOf(fileSwitch(s)));
        copy.setSwitches(copied);
        copy.optimize();
        switches = copy.switches();
    }
    QList<File::SwitchTime> result;
    for (const SwitchTime& s : std::as_const(switches))
        result.append(fileSwitch(s));
    return result;
}

File::Program fileProgram(const Program& program, bool optimize)
{
    File::Program result;
    result.switches = fileSwitches(program, optimize);
    for (const DateRange& r : program.dateRanges())
        result.dateRanges.append(fileRange(r));
    result.luxOnValue = program.luxOnValue();
    result.luxOffValue = program.luxOffValue();
    return result;
}

File::ChannelSetting fileSetting(const ChannelSetting& setting)
{
    File::ChannelSetting result;
    for (const ChannelSettingField& field : ChannelSettingFields)
        result.*field.fileMember = (setting.*field.get)();
    result.holidayBegin = setting.holidayBegin();
    result.holidayEnd = setting.holidayEnd();
    const auto lux = setting.luxValuesConst();
    for (int day = 0; day < File::WeekDays; ++day) {
        const StorableRef<LuxValues> values = lux.value(day);
        result.luxValues[day] = values.isNull() ? File::LuxValues { LuxValues::DefaultLux, LuxValues::DefaultLux }
                                                : File::LuxValues { values->luxOnValue(), values->luxOffValue() };
    }
    return result;
}

void readSetting(const File::ChannelSetting& file, ChannelSetting& setting)
{
    for (const ChannelSettingField& field : ChannelSettingFields)
        (setting.*field.set)(file.*field.fileMember);
    setting.setHolidayBegin(file.holidayBegin);
    setting.setHolidayEnd(file.holidayEnd);
    for (int day = 0; day < file.luxValues.size(); ++day) {
        const StorableRef<LuxValues> values = setting.luxValuesByDay(day);
        values->setLuxOnValue(file.luxValues.at(day).luxOnValue);
        values->setLuxOffValue(file.luxValues.at(day).luxOffValue);
    }
}

File::Astro fileAstro(const ProjectRecord& record)
{
    File::Astro astro;
    astro.latitude = record.latitude;
    astro.longitude = record.longitude;
    astro.timezone = record.timezone;
    astro.firstChar = record.firstChar;
    astro.checksum = record.checksum;
    const OwnAstroTable& table = *record.ownAstroTable;
    astro.astroTableEnabled = table.enabled();
    for (const auto& favorite : record.favoriteLocations)
        astro.favorites.append({ favorite->city(), int(favorite->latitude()), int(favorite->longitude()),
                                 favorite->timezone(), favorite->firstChar(), favorite->checksum() });
    astro.ownAstroTable.enabled = table.enabled();
    astro.ownAstroTable.name = table.name();
    astro.ownAstroTable.timezone = table.timezone();
    for (int row = 0; row < OwnAstroTable::DayCount; ++row) {
        astro.ownAstroTable.sunrise[row] = table.sunriseTime(row).msecsSinceStartOfDay() / 1000;
        astro.ownAstroTable.sunset[row] = table.sunsetTime(row).msecsSinceStartOfDay() / 1000;
    }
    return astro;
}

void readAstro(const File::Astro& astro, ProjectRecord& record)
{
    record.latitude = astro.latitude;
    record.longitude = astro.longitude;
    record.timezone = astro.timezone;
    record.firstChar = astro.firstChar;
    record.checksum = astro.checksum;
    for (const File::FavoriteLocation& favorite : astro.favorites) {
        StorableRef<FavoriteLocation> location(new FavoriteLocation);
        location->setCity(favorite.city);
        location->setLatitude(favorite.latitude);
        location->setLongitude(favorite.longitude);
        location->setTimezone(favorite.timezone);
        location->setFirstChar(favorite.firstChar);
        location->setChecksum(favorite.checksum);
        record.favoriteLocations.append(location);
    }
    OwnAstroTable& table = *record.ownAstroTable;
    table.setEnabled(astro.astroTableEnabled);
    table.setName(astro.ownAstroTable.name);
    table.setTimezone(astro.ownAstroTable.timezone);
    for (int row = 0; row < astro.ownAstroTable.sunrise.size() && row < astro.ownAstroTable.sunset.size(); ++row) {
        table.setSunriseTime(QTime(0, 0).addSecs(astro.ownAstroTable.sunrise.at(row)), row);
        table.setSunsetTime(QTime(0, 0).addSecs(astro.ownAstroTable.sunset.at(row)), row);
    }
}
} // namespace

devices::Ot2File ProjectFileConverter::toFile(const ProjectRecord& record, bool withAstro, bool optimize)
{
    File file(record.device);
    file.setName(record.name);
    for (const auto& [fileMember, member] : TextMetadata)
        file.metadata().*fileMember = record.*member;
    file.metadata().channelsDesc = record.channelsDesc;
    file.metadata().deviceChans = record.deviceChans;
    for (const auto& [fileMember, member] : IntSettings)
        file.settings().*fileMember = record.*member;
    file.settings().wiSoDate = record.wiSoDate;
    file.settings().soWiDate = record.soWiDate;
    file.settings().extensionModule = record.extensionModule;
    file.settings().summerWinterTableName = record.summerWinterTableName;
    QList<int> keys = record.summerWinterDateTimes.keys();
    std::sort(keys.begin(), keys.end());
    for (int key : keys) {
        const SummerWinterDateTimeValues& v = record.summerWinterDateTimes.value(key);
        file.summerWinterDateTimes().append({ v.year(), v.wiSoDate(), v.wiSoHour(), v.soWiDate(), v.soWiHour(), v.enabled() });
    }
    for (auto it = record.settings.cbegin(); it != record.settings.cend(); ++it)
        file.channelSettings().insert(it.key(), fileSetting(*it.value()));
    if (!record.programData.isNull()) {
        const ProgramData& data = *record.programData;
        for (int index : data.channelIndexes()) {
            const StorableRef<Channel> channel = data.constChannel(index);
            File::Channel& fileChannel = file.channels()[index];
            fileChannel.function = channel->function();
            for (int number : channel->programNumbers())
                fileChannel.programs.insert(number, fileProgram(*channel->constProgram(number), optimize));
        }
    }
    if (withAstro)
        file.astro() = fileAstro(record);
    return file;
}

void ProjectFileConverter::fromFile(const devices::Ot2File& file, ProjectRecord& record)
{
    const ChangeTracker::Pause reading;
    record.device = file.ot2Number();
    for (const auto& [fileMember, member] : TextMetadata)
        record.*member = file.metadata().*fileMember;
    record.channelsDesc = file.metadata().channelsDesc;
    record.deviceChans = file.metadata().deviceChans;
    for (const auto& [fileMember, member] : IntSettings)
        record.*member = file.settings().*fileMember;
    record.wiSoDate = file.settings().wiSoDate;
    record.soWiDate = file.settings().soWiDate;
    record.extensionModule = file.settings().extensionModule;
    record.summerWinterTableName = file.settings().summerWinterTableName;
    const auto& rows = file.summerWinterDateTimes();
    for (int key = 0; key < rows.size(); ++key) {
        const File::SummerWinterDateTime& v = rows.at(key);
        record.summerWinterDateTimes.insert(key, { v.year, v.wiSoDate, v.wiSoHour, v.soWiDate, v.soWiHour, v.enabled });
    }
    for (auto it = file.channelSettings().cbegin(); it != file.channelSettings().cend(); ++it) {
        StorableRef<ChannelSetting> setting(new ChannelSetting);
        readSetting(it.value(), *setting);
        record.settings.insert(it.key(), setting);
    }
    StorableRef<ProgramData> data(new ProgramData);
    for (auto it = file.channels().cbegin(); it != file.channels().cend(); ++it) {
        const StorableRef<Channel> channel = data->channel(it.key());
        channel->setFunction(it.value().function);
        for (auto p = it.value().programs.cbegin(); p != it.value().programs.cend(); ++p) {
            const StorableRef<Program> program = channel->program(p.key());
            QList<SwitchTime> switches;
            for (const File::SwitchTime& s : p.value().switches)
                switches.append(switchOf(s));
            QList<DateRange> ranges;
            for (const File::DateRange& r : p.value().dateRanges)
                ranges.append(rangeOf(r));
            program->setSwitches(switches);
            program->setDateRanges(ranges);
            program->setLuxOnValue(p.value().luxOnValue);
            program->setLuxOffValue(p.value().luxOffValue);
        }
    }
    record.programData = data;
    readAstro(file.astro(), record);
}

} // namespace storage
