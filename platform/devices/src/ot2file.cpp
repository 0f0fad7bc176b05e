#include "devices/ot2file.h"

#include "devices/device.h"
#include "devices/deviceservice.h"
#include "devices/iniwritter.h"
#include "deviceslogging.h"
#include "inifieldreader.h"
#include "inifieldwriter.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QSettings>
#include <QTime>

#include <utils/wallclock.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace devices {

namespace {

const char* const IdentName = "TARVINO project";
const char* const IdentWord = "tarvino";

constexpr int ByteMax = 0xFF;
constexpr int Int16Min = std::numeric_limits<qint16>::min();
constexpr int Int16Max = std::numeric_limits<qint16>::max();
constexpr int UInt16Max = 0xFFFF;
constexpr int UInt24Max = 0xFFFFFF;
constexpr int LastSecond = Ot2File::SecondsPerDay - 1;
constexpr int TimezoneMax = 31;

QString channelGroup(int channel)
{
    return QStringLiteral("Channel%1").arg(channel);
}

QString programGroup(int channel, int program)
{
    return QStringLiteral("Channel%1.Program%2").arg(channel).arg(program);
}

// ---- fitting: values outside what the file and the image hold take their defaults ----

void fit(int& value, int low, int high, int fallback = 0)
{
    if (value < low || value > high)
        value = fallback;
}

void fitDayTime(int& seconds)
{
    fit(seconds, 0, LastSecond);
}

void fitDate(QDate& date)
{
    if (date.isValid() && (date.year() < Ot2File::FirstYear || date.year() > Ot2File::LastYear))
        date = QDate();
}

// A device date-time is a wall-clock reading: kept as its date and time in the UTC carrier.
void fitDateTime(QDateTime& dateTime)
{
    QDate date = dateTime.date();
    fitDate(date);
    const QTime time = dateTime.time();
    if (!dateTime.isValid() || !date.isValid())
        dateTime = QDateTime();
    else if (time.msec() != 0 || dateTime.timeSpec() != Qt::UTC)
        dateTime = utils::WallClock::at(date, QTime(time.hour(), time.minute(), time.second()));
}

void fitCoordinate(double& value, double limit)
{
    if (!std::isfinite(value) || std::abs(value) > limit)
        value = 0;
    value = std::round(value * Ot2File::CoordinateScale) / Ot2File::CoordinateScale;
}

void fitSwitchTime(Ot2File::SwitchTime& s)
{
    fit(s.type, 0, 3);
    fit(s.state, 0, 3);
    fit(s.startDays, 0, ByteMax);
    s.startDays &= 0xFE;
    fit(s.endDay, -ByteMax, ByteMax);
    fit(s.startTime, 0, Ot2File::SwitchedOff);
    fitDayTime(s.endTime);
    fitDayTime(s.pulsTime);
    fitDayTime(s.pauseTime);
}

void fitDateRange(Ot2File::DateRange& r)
{
    fit(r.type, 0, 6);
    fitDateTime(r.startDate);
    fitDateTime(r.endDate);
    fit(r.startDay, Int16Min, Int16Max);
    fit(r.endDay, Int16Min, Int16Max);
    fit(r.duration, Int16Min, Int16Max);
    fit(r.repeat, Int16Min, Int16Max);
    fit(r.weekRuleDay, 0, 15);
    fit(r.weekRuleWeekDay, 0, 15);
    fit(r.weekRuleMonth, 0, ByteMax);
}

void fitProgram(Ot2File::Program& p)
{
    for (Ot2File::SwitchTime& s : p.switches)
        fitSwitchTime(s);
    for (Ot2File::DateRange& r : p.dateRanges)
        fitDateRange(r);
    fit(p.luxOnValue, 0, UInt24Max);
    fit(p.luxOffValue, 0, UInt24Max);
}

void fitChannelSetting(Ot2File::ChannelSetting& c)
{
    for (int* value : {&c.externalInputFunction, &c.externalSwitchFunction, &c.externalTasterFunction,
                       &c.externalStatus, &c.externalResettable, &c.holidayStatus, &c.earthHour,
                       &c.signaling, &c.astroMode, &c.astroTime, &c.astroPulseUsage})
        fit(*value, 0, ByteMax);
    fitDayTime(c.externalInputTime);
    fitDayTime(c.astroPulseDuration);
    fitDateTime(c.holidayBegin);
    fitDateTime(c.holidayEnd);
    fit(c.operatingHours, 0, std::numeric_limits<int>::max());
    fit(c.offsetSunrise, Int16Min, Int16Max);
    fit(c.offsetSunset, Int16Min, Int16Max);
    fit(c.delaySunrise, 0, UInt24Max);
    fit(c.delaySunset, 0, UInt24Max);
    c.luxValues.resize(Ot2File::WeekDays);
    for (Ot2File::LuxValues& lux : c.luxValues) {
        fit(lux.luxOnValue, 0, UInt24Max);
        fit(lux.luxOffValue, 0, UInt24Max);
    }
}

void fitSettings(Ot2File::Settings& s, const Device& device)
{
    for (int* value : {&s.dateFormat, &s.timeFormat, &s.lcdState, &s.soWiRuleType, &s.wiSoWeek,
                       &s.soWiWeek, &s.channelCombination, &s.channelChangeover, &s.easterRule})
        fit(*value, 0, ByteMax);
    for (int* value : {&s.firstDayOfWeek, &s.wiSoWeekDay, &s.soWiWeekDay})
        fit(*value, 0, 6);
    fit(s.wiSoMonth, 0, 11);
    fit(s.soWiMonth, 0, 11);
    fitDayTime(s.wiSoHour);
    fitDayTime(s.soWiHour);
    fitDayTime(s.channelChangeoverTime);
    fit(s.customWiSo, Int16Min, Int16Max);
    fit(s.customSoWi, Int16Min, Int16Max);
    fitDate(s.wiSoDate);
    fitDate(s.soWiDate);
    s.extensionModule = s.extensionModule && device.hasExtensionModule();
}

void fitSummerWinter(QList<Ot2File::SummerWinterDateTime>& rows)
{
    if (rows.size() > Ot2File::SummerWinterRows) {
        qCWarning(devicesLog) << "Summer/winter table of" << rows.size() << "rows cut to"
                              << Ot2File::SummerWinterRows;
        rows.resize(Ot2File::SummerWinterRows);
    }
    for (Ot2File::SummerWinterDateTime& row : rows) {
        fit(row.year, 0, UInt16Max);
        fitDate(row.wiSoDate);
        fitDate(row.soWiDate);
        fitDayTime(row.wiSoHour);
        fitDayTime(row.soWiHour);
    }
}

void fitOwnAstroTable(Ot2File::OwnAstroTable& table)
{
    fit(table.timezone, 0, TimezoneMax);
    for (QList<int>* times : {&table.sunrise, &table.sunset}) {
        times->resize(Ot2File::OwnAstroTableDays);
        // Devices keep own astro times in whole minutes.
        for (int& seconds : *times) {
            fitDayTime(seconds);
            seconds -= seconds % 60;
        }
    }
}

void fitAstro(Ot2File::Astro& a)
{
    fitCoordinate(a.latitude, 90);
    fitCoordinate(a.longitude, 180);
    fit(a.timezone, 0, TimezoneMax);
    fit(a.firstChar, 0, ByteMax, Ot2File::NoCity);
    fit(a.checksum, 0, ByteMax, Ot2File::NoCity);
    for (Ot2File::FavoriteLocation& f : a.favorites) {
        fit(f.latitude, -90, 90);
        fit(f.longitude, -180, 180);
        fit(f.timezone, 0, TimezoneMax);
        fit(f.firstChar, 0, ByteMax, Ot2File::NoCity);
        fit(f.checksum, 0, ByteMax, Ot2File::NoCity);
    }
    fitOwnAstroTable(a.ownAstroTable);
}

// Keeps exactly the given keys: others are dropped, missing ones added with defaults.
template <typename T>
void keepKeys(QMap<int, T>& map, const QList<int>& keys, const char* what)
{
    for (auto it = map.begin(); it != map.end();) {
        if (keys.contains(it.key())) {
            ++it;
        } else {
            qCWarning(devicesLog) << what << it.key() << "does not exist on this model, dropped";
            it = map.erase(it);
        }
    }
    for (int key : keys) {
        if (!map.contains(key))
            map.insert(key, T());
    }
}

QList<int> numbers(int count)
{
    QList<int> result;
    for (int i = 0; i < count; ++i)
        result.append(i);
    return result;
}

// The switch times and date ranges the file gives the model's channels and programs, counted
// from the array sizes alone.
qint64 fileEntryCount(IniFieldReader& io, const Device& device)
{
    qint64 count = 0;
    for (int index : Ot2File::channelSlots(device)) {
        for (int program = 0; program < device.programms(); ++program) {
            io.beginGroup(programGroup(index, program));
            count += io.arraySize("Switches") + io.arraySize("DateRanges");
            io.endGroup();
        }
    }
    return count;
}

// ---- the keys of each group, for saving (const records, IniFieldWriter) and restoring
// (records to fill, IniFieldReader) alike ----

template <typename Io, typename Settings>
void settingsFields(Io& io, Settings& s)
{
    io.number("DateFormat", s.dateFormat);
    io.number("TimeFormat", s.timeFormat);
    io.number("FirstDayOfWeek", s.firstDayOfWeek);
    io.number("LcdState", s.lcdState);
    io.number("SoWiRuleType", s.soWiRuleType);
    io.number("WiSoWeek", s.wiSoWeek);
    io.number("WiSoMonth", s.wiSoMonth);
    io.number("WiSoWeekDay", s.wiSoWeekDay);
    io.number("WiSoHour", s.wiSoHour);
    io.date("WiSoDate", s.wiSoDate);
    io.number("SoWiWeek", s.soWiWeek);
    io.number("SoWiMonth", s.soWiMonth);
    io.number("SoWiWeekDay", s.soWiWeekDay);
    io.number("SoWiHour", s.soWiHour);
    io.date("SoWiDate", s.soWiDate);
    io.number("CustomWiSo", s.customWiSo);
    io.number("CustomSoWi", s.customSoWi);
    io.number("ChannelCombination", s.channelCombination);
    io.number("ChannelChangeover", s.channelChangeover);
    io.number("ChannelChangeoverTime", s.channelChangeoverTime);
    io.number("EasterRule", s.easterRule);
    io.flag("ExtensionModule", s.extensionModule);
    io.text("SummerWinterTableName", s.summerWinterTableName);
}

template <typename Io, typename Text>
void textFields(Io& io, Text& text)
{
    io.text("Text", text);
}

template <typename Io, typename Metadata>
void metadataFields(Io& io, Metadata& m)
{
    io.text("ProjectTitle", m.projectTitle);
    io.text("ProjectDescription", m.projectDesc);
    io.text("ClientName", m.clientName);
    io.text("ClientAddress", m.clientAddress);
    io.text("AuthorName", m.authorName);
    io.text("AuthorAddress", m.authorAddress);
    io.array("ChannelsDescription", m.channelsDesc, [](auto& i, auto& t) { textFields(i, t); });
    io.array("DeviceChannels", m.deviceChans, [](auto& i, auto& t) { textFields(i, t); });
}

template <typename Io, typename Row>
void summerWinterRowFields(Io& io, Row& row)
{
    io.number("Year", row.year);
    io.date("WiSoDate", row.wiSoDate);
    io.number("WiSoHour", row.wiSoHour);
    io.date("SoWiDate", row.soWiDate);
    io.number("SoWiHour", row.soWiHour);
    io.flag("Enabled", row.enabled);
}

template <typename Io, typename Favorite>
void favoriteFields(Io& io, Favorite& f)
{
    io.text("City", f.city);
    io.number("Latitude", f.latitude);
    io.number("Longitude", f.longitude);
    io.number("Timezone", f.timezone);
    io.number("FirstChar", f.firstChar);
    io.number("Checksum", f.checksum);
}

template <typename Io, typename Astro>
void astroFields(Io& io, Astro& a)
{
    io.real("Latitude", a.latitude);
    io.real("Longitude", a.longitude);
    io.number("Timezone", a.timezone);
    io.number("FirstChar", a.firstChar);
    io.number("Checksum", a.checksum);
    io.flag("AstroTableEnabled", a.astroTableEnabled);
    io.array("Favorites", a.favorites, [](auto& i, auto& f) { favoriteFields(i, f); });
}

template <typename Io, typename Table>
void ownAstroTableFields(Io& io, Table& t)
{
    io.flag("Enabled", t.enabled);
    io.text("Name", t.name);
    io.number("Timezone", t.timezone);
    io.dayTimes("Sunrise", t.sunrise);
    io.dayTimes("Sunset", t.sunset);
}

template <typename Io, typename Lux>
void luxFields(Io& io, Lux& lux)
{
    io.number("On", lux.luxOnValue);
    io.number("Off", lux.luxOffValue);
}

template <typename Io, typename Channel, typename Setting>
void channelFields(Io& io, Channel& channel, Setting& c)
{
    io.number("Function", channel.function);
    io.number("ExternalInputFunction", c.externalInputFunction);
    io.number("ExternalSwitchFunction", c.externalSwitchFunction);
    io.number("ExternalTasterFunction", c.externalTasterFunction);
    io.number("ExternalStatus", c.externalStatus);
    io.number("ExternalResettable", c.externalResettable);
    io.number("ExternalInputTime", c.externalInputTime);
    io.number("HolidayStatus", c.holidayStatus);
    io.dateTime("HolidayBegin", c.holidayBegin);
    io.dateTime("HolidayEnd", c.holidayEnd);
    io.number("OperatingHours", c.operatingHours);
    io.number("EarthHour", c.earthHour);
    io.number("Signaling", c.signaling);
    io.number("AstroMode", c.astroMode);
    io.number("AstroTime", c.astroTime);
    io.number("AstroPulseUsage", c.astroPulseUsage);
    io.number("AstroPulseDuration", c.astroPulseDuration);
    io.number("OffsetSunrise", c.offsetSunrise);
    io.number("OffsetSunset", c.offsetSunset);
    io.number("DelaySunrise", c.delaySunrise);
    io.number("DelaySunset", c.delaySunset);
    io.fixedArray("LuxValues", c.luxValues, [](auto& i, auto& lux) { luxFields(i, lux); });
}

template <typename Io, typename SwitchTime>
void switchTimeFields(Io& io, SwitchTime& s)
{
    io.number("Type", s.type);
    io.number("State", s.state);
    io.number("StartDays", s.startDays);
    io.number("StartTime", s.startTime);
    io.number("EndDay", s.endDay);
    io.number("EndTime", s.endTime);
    io.number("PulsTime", s.pulsTime);
    io.number("PauseTime", s.pauseTime);
}

template <typename Io, typename DateRange>
void dateRangeFields(Io& io, DateRange& r)
{
    io.number("Type", r.type);
    io.dateTime("StartDate", r.startDate);
    io.dateTime("EndDate", r.endDate);
    io.number("StartDay", r.startDay);
    io.number("EndDay", r.endDay);
    io.number("Duration", r.duration);
    io.number("Repeat", r.repeat);
    io.number("WeekRuleDay", r.weekRuleDay);
    io.number("WeekRuleWeekDay", r.weekRuleWeekDay);
    io.number("WeekRuleMonth", r.weekRuleMonth);
}

template <typename Io, typename Program>
void programFields(Io& io, Program& p)
{
    io.number("LuxOn", p.luxOnValue);
    io.number("LuxOff", p.luxOffValue);
    io.array("Switches", p.switches, [](auto& i, auto& s) { switchTimeFields(i, s); });
    io.array("DateRanges", p.dateRanges, [](auto& i, auto& r) { dateRangeFields(i, r); });
}

// The groups every project file has, in file order.
template <typename Io, typename File, typename Name>
void projectGroups(Io& io, File& file, Name& name)
{
    io.beginGroup(QStringLiteral("Project"));
    io.text("Name", name);
    settingsFields(io, file.settings());
    io.endGroup();
    io.beginGroup(QStringLiteral("Metadata"));
    metadataFields(io, file.metadata());
    io.endGroup();
    io.beginGroup(QStringLiteral("SummerWinter"));
    io.array("Rows", file.summerWinterDateTimes(), [](auto& i, auto& row) { summerWinterRowFields(i, row); });
    io.endGroup();
    io.beginGroup(QStringLiteral("Astro"));
    astroFields(io, file.astro());
    io.endGroup();
    io.beginGroup(QStringLiteral("OwnAstroTable"));
    ownAstroTableFields(io, file.astro().ownAstroTable);
    io.endGroup();
}

template <typename Io, typename Channel, typename Setting>
void channelGroupFields(Io& io, int index, Channel& channel, Setting& setting)
{
    io.beginGroup(channelGroup(index));
    channelFields(io, channel, setting);
    io.endGroup();
}

template <typename Io, typename Program>
void programGroupFields(Io& io, int channel, int number, Program& program)
{
    io.beginGroup(programGroup(channel, number));
    programFields(io, program);
    io.endGroup();
}

} // namespace

void Ot2File::Astro::setFirstCharAndChecksum(int newFirstChar, int newChecksum)
{
    firstChar = newFirstChar;
    checksum = newChecksum;
}

int Ot2File::memoryCount() const
{
    int count = 0;
    for (const Channel& channel : m_channels) {
        for (const Program& program : channel.programs)
            count += int(program.switches.size() + program.dateRanges.size());
    }
    return count;
}

void Ot2File::save(IniWritter& writer) const
{
    writer.beginGroup(QStringLiteral("Ident"));
    writer.setValue(QStringLiteral("Name"), IdentName);
    writer.setValue(QStringLiteral("FormatVersion"), FormatVersion);
    writer.setValue(QStringLiteral("Device"), m_ot2Number);
    writer.endGroup();

    IniFieldWriter io(writer);
    projectGroups(io, *this, m_name);
    QList<int> indexes = m_channels.keys() + m_channelSettings.keys();
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    for (int index : indexes) {
        const Channel channel = m_channels.value(index);
        const ChannelSetting setting = m_channelSettings.value(index);
        channelGroupFields(io, index, channel, setting);
        for (auto it = channel.programs.cbegin(); it != channel.programs.cend(); ++it)
            programGroupFields(io, index, it.key(), it.value());
    }
}

QByteArray Ot2File::toText() const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    IniWritter writer(&buffer);
    save(writer);
    writer.end();
    return buffer.data();
}

bool Ot2File::restore(QSettings& settings)
{
    IniFieldReader io(settings);
    QString ident;
    io.text("Ident/Name", ident);
    if (!ident.toLower().contains(QLatin1String(IdentWord))) {
        qCWarning(devicesLog) << "Not a project file: no project name in Ident/Name";
        return false;
    }
    int ot2 = 0;
    io.number("Ident/Device", ot2);
    if (!DeviceService::hasInstance() || !DeviceService::instance().exists(ot2)) {
        qCWarning(devicesLog) << "Project file for the unknown model" << ot2 << "refused";
        return false;
    }
    const Device device = DeviceService::instance().deviceByOt2Number(ot2);
    // Bounds the work and the memory a damaged or hostile file can ask for, before any list is
    // filled; a project over the model's memory still opens (the file is the user's work).
    const qint64 entries = fileEntryCount(io, device);
    const qint64 bound = qint64(EntryBoundFactor) * device.maxSz();
    if (entries > bound) {
        qCWarning(devicesLog).noquote()
            << QStringLiteral("Project file refused: it holds %1 switch times and date ranges, more than %2 "
                              "(%3 times the %4 of model %5)")
                   .arg(entries)
                   .arg(bound)
                   .arg(EntryBoundFactor)
                   .arg(device.maxSz())
                   .arg(ot2);
        return false;
    }
    int version = FormatVersion;
    io.number("Ident/FormatVersion", version);
    if (version > FormatVersion)
        qCWarning(devicesLog) << "Project file of the newer format" << version << "read as" << FormatVersion;

    Ot2File file(ot2);
    projectGroups(io, file, file.m_name);
    QStringList unread = settings.childGroups().filter(QRegularExpression(QStringLiteral("^Channel\\d")));
    for (int index : channelSlots(device)) {
        channelGroupFields(io, index, file.m_channels[index], file.m_channelSettings[index]);
        unread.removeAll(channelGroup(index));
        for (int program = 0; program < device.programms(); ++program) {
            programGroupFields(io, index, program, file.m_channels[index].programs[program]);
            unread.removeAll(programGroup(index, program));
        }
    }
    if (!unread.isEmpty())
        qCWarning(devicesLog) << "Channels and programs the model lacks ignored:" << unread;
    file.fitToDevice(device);
    *this = file;
    return true;
}

QList<int> Ot2File::channelSlots(const Device& device)
{
    QList<int> indexes = numbers(device.kanals());
    if (device.hasExtensionModule()) {
        for (int index = 4; index < 8; ++index) {
            if (!indexes.contains(index))
                indexes.append(index);
        }
    }
    return indexes;
}

void Ot2File::fitToDevice(const Device& device)
{
    const QList<int> indexes = channelSlots(device);
    const QList<int> programs = numbers(device.programms());
    keepKeys(m_channels, indexes, "Channel");
    keepKeys(m_channelSettings, indexes, "Channel setting");
    for (Channel& channel : m_channels) {
        fit(channel.function, 0, 1);
        keepKeys(channel.programs, programs, "Program");
        for (Program& program : channel.programs)
            fitProgram(program);
    }
    for (ChannelSetting& setting : m_channelSettings)
        fitChannelSetting(setting);
    fitSettings(m_settings, device);
    fitSummerWinter(m_summerWinter);
    fitAstro(m_astro);
}

} // namespace devices
