#include "projectfixture.h"

#include <QTime>

#include <utils/wallclock.h>

using devices::Device;
using devices::Ot2File;

namespace projectfixture {

namespace {

QDateTime at(int year, int month, int day, int hour, int minute, int second = 0)
{
    return utils::WallClock::at(QDate(year, month, day), QTime(hour, minute, second));
}

Ot2File::SwitchTime switchTime(int n)
{
    Ot2File::SwitchTime s;
    s.type = n % 4;
    s.startDays = (0xFE >> (n % 7)) & 0xFE;
    s.startTime = (n * 997) % Ot2File::SecondsPerDay;
    switch (s.type) {
    case 0: // switch
        s.state = n % 2;
        s.endTime = (s.startTime + 3600) % Ot2File::SecondsPerDay;
        break;
    case 1: // impulse
        s.state = 1;
        s.pulsTime = 1 + n % 3599;
        break;
    case 2: // cycle, endless every other time
        s.endDay = n % 8 == 2 ? 1 : 128 >> (n % 7);
        s.endTime = Ot2File::SecondsPerDay - 1 - n % 60;
        s.pulsTime = 61 * 60 + 1;
        s.pauseTime = 17 * 3600 + 59;
        break;
    default: // fixed, with several end days every other time
        s.state = 2 + n % 2;
        s.endDay = n % 8 == 3 ? -(128 | 16 | 2) : 64 >> (n % 6);
        s.endTime = 23 * 3600 + 59 * 60 + 59;
        break;
    }
    return s;
}

Ot2File::DateRange dateRange(int n)
{
    Ot2File::DateRange r;
    r.type = n % 7;
    r.startDate = at(2000 + n % 100, 1 + n % 12, 1 + n % 28, n % 24, n % 60, n % 7);
    r.endDate = n % 5 == 0 ? QDateTime() : at(2099, 12, 31, 23, 59, 59);
    r.startDay = -1 - n % 300;
    r.endDay = n % 366;
    r.duration = 9000 - n;
    r.repeat = 2 + n % 30;
    r.weekRuleDay = n % 6;
    r.weekRuleWeekDay = n % 7;
    r.weekRuleMonth = n % 12;
    return r;
}

Ot2File::ChannelSetting channelSetting(int channel)
{
    Ot2File::ChannelSetting c;
    c.externalInputFunction = 1 + channel;
    c.externalSwitchFunction = 2;
    c.externalTasterFunction = 1;
    c.externalStatus = 3;
    c.externalResettable = 1;
    c.externalInputTime = 630 + channel;
    c.holidayStatus = 4;
    c.holidayBegin = at(2031, 7, 14, 6, 30, 15);
    c.holidayEnd = at(2031, 8, 1, 22, 0);
    c.operatingHours = 123456 + channel;
    c.earthHour = 1;
    c.signaling = 1 + channel % 2;
    c.astroMode = 3;
    c.astroTime = 2;
    c.astroPulseUsage = 1;
    c.astroPulseDuration = 123;
    c.offsetSunrise = -45 - channel;
    c.offsetSunset = 90 + channel;
    c.delaySunrise = 300;
    c.delaySunset = 1800 + channel;
    for (int day = 0; day < Ot2File::WeekDays; ++day)
        c.luxValues[day] = {10 + day + channel, 20000 + day};
    return c;
}

void fillSettings(Ot2File& file, const Device& device)
{
    Ot2File::Settings& s = file.settings();
    s.dateFormat = 2;
    s.timeFormat = 1;
    s.firstDayOfWeek = 6;
    s.lcdState = 2;
    s.soWiRuleType = 8;
    s.wiSoWeek = 4;
    s.wiSoMonth = 2;
    s.wiSoWeekDay = 6;
    s.wiSoHour = 7200;
    s.soWiWeek = 5;
    s.soWiMonth = 9;
    s.soWiWeekDay = 6;
    s.soWiHour = 10800;
    s.wiSoDate = QDate(2030, 3, 31);
    s.soWiDate = QDate(2030, 10, 27);
    s.customWiSo = -120;
    s.customSoWi = 240;
    s.channelCombination = 3;
    s.channelChangeover = 1;
    s.channelChangeoverTime = 13 * 3600 + 45 * 60 + 30;
    s.easterRule = 1;
    s.extensionModule = device.hasExtensionModule();
    s.summerWinterTableName = QStringLiteral("Tabelle \"Süd\"; 2030=neu");
    for (int row = 0; row < Ot2File::SummerWinterRows; ++row) {
        const int year = 2008 + row;
        file.summerWinterDateTimes().append(
            {year, QDate(year, 3, 25 + row % 7), row % 24, QDate(year, 10, 25 + row % 7), (row + 1) % 24, row % 3 != 0});
    }
}

void fillMetadata(Ot2File& file)
{
    Ot2File::Metadata& m = file.metadata();
    m.projectTitle = QStringLiteral("Beleuchtung, Halle 3; Süd = \"neu\"");
    m.projectDesc = QStringLiteral("Zeile 1\nZeile 2\r\n\tEingerückt \\ Ende ");
    m.clientName = QStringLiteral("Ωmega Ltd. 東京");
    m.clientAddress = QStringLiteral("@Variant(nothing)");
    m.authorName = QStringLiteral(" Jörg ");
    m.authorAddress = QStringLiteral("[General]\nkey=value ; comment # too");
    m.channelsDesc = {QStringLiteral("Flur, oben"), QString(), QStringLiteral("Küche 😀")};
    m.deviceChans = {QStringLiteral("K1"), QStringLiteral("K2=alt")};
}

void fillAstro(Ot2File& file)
{
    Ot2File::Astro& a = file.astro();
    a.latitude = 50.110924;
    a.longitude = -8.682127;
    a.timezone = 13;
    a.setFirstCharAndChecksum(70, 123);
    a.astroTableEnabled = true;
    a.favorites = {{QStringLiteral("Frankfurt am Main"), 50, 8, 13, 70, 123}, {QStringLiteral("Sydney, NSW"), -33, 151, 27}};
    Ot2File::OwnAstroTable& t = a.ownAstroTable;
    t.enabled = true;
    t.name = QStringLiteral("EIGENE TAB-1");
    t.timezone = 14;
    for (int day = 0; day < Ot2File::OwnAstroTableDays; ++day) {
        t.sunrise[day] = (4 * 60 + day % 240) * 60;
        t.sunset[day] = (16 * 60 + day % 300) * 60;
    }
}

void fillPrograms(Ot2File& file, const Device& device)
{
    int n = 0;
    for (auto channel = file.channels().begin(); channel != file.channels().end(); ++channel) {
        channel->function = device.hasAstro() ? (channel.key() + 1) % 2 : 0;
        for (auto program = channel->programs.begin(); program != channel->programs.end(); ++program) {
            program->luxOnValue = 15 + program.key();
            program->luxOffValue = 100000 + channel.key();
        }
    }
    // Deal the model's whole memory round the channels and programs.
    const int capacity = device.maxSz();
    while (n < capacity) {
        for (auto channel = file.channels().begin(); channel != file.channels().end() && n < capacity; ++channel) {
            for (auto program = channel->programs.begin(); program != channel->programs.end() && n < capacity; ++program) {
                if (n % 3 == 2)
                    program->dateRanges.append(dateRange(n));
                else
                    program->switches.append(switchTime(n));
                ++n;
            }
        }
    }
}

} // namespace

Ot2File fullProject(const Device& device)
{
    Ot2File file(device.ot2Number());
    file.setName(QStringLiteral("Anlage Süd, Halle 3"));
    file.fitToDevice(device);
    fillSettings(file, device);
    fillMetadata(file);
    fillAstro(file);
    for (auto it = file.channelSettings().begin(); it != file.channelSettings().end(); ++it)
        it.value() = channelSetting(it.key());
    fillPrograms(file, device);
    return file;
}

Ot2File imageView(const Ot2File& file, const Device& device)
{
    Ot2File result = file;
    result.setName(QString());
    result.metadata() = Ot2File::Metadata();
    result.settings().summerWinterTableName.clear();
    result.astro().favorites.clear();
    result.astro().ownAstroTable.name.clear();
    if (!device.hasAstro())
        result.astro() = Ot2File::Astro();
    if (!device.hasOwnAstroTable())
        result.astro().ownAstroTable = Ot2File::OwnAstroTable();
    if (!device.hasCustomDaylightSavingsRules())
        result.summerWinterDateTimes().clear();
    const int luxDays = device.luxSettingType() == 2 ? Ot2File::WeekDays : device.luxSettingType() == 1 ? 1 : 0;
    for (Ot2File::ChannelSetting& setting : result.channelSettings()) {
        for (int day = luxDays; day < Ot2File::WeekDays; ++day)
            setting.luxValues[day] = Ot2File::LuxValues();
    }
    if (!device.isNocta()) {
        for (Ot2File::Channel& channel : result.channels()) {
            for (Ot2File::Program& program : channel.programs)
                program.luxOnValue = program.luxOffValue = 0;
        }
    }
    return result;
}

} // namespace projectfixture
