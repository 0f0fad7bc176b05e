#include "devices/eepromservice.h"

#include "devices/deviceservice.h"
#include "devices/eepromconfiguration.h"
#include "devices/eepromutils.h"
#include "deviceslogging.h"
#include "eepromreader.h"
#include "eepromwriter.h"

#include <utility>

namespace devices {

namespace {

using Config = EepromConfiguration;

// Header fields.
constexpr int SizeAddress = 0;
constexpr int SettingsSizeAddress = 2;
constexpr int RevisionAddress = 4;
constexpr int MarkAddress = 5;
constexpr int VersionAddress = 7;
constexpr int ModelAddress = 8;
constexpr int HeaderChecksumAddress = 9;
constexpr int SettingsCrcAddress = 10;

// Entry byte 0: kind in bits 7-6, type in bits 5-3, several end days in bit 2, state in bits 1-0.
enum EntryKind { SwitchTimeEntry = 0, DateRangeEntry = 1, FreeEntry = 3 };

int entryHead(EntryKind kind, int type, bool severalEndDays, int state)
{
    return (kind << 6) | ((type & 0x7) << 3) | (severalEndDays ? 0x4 : 0) | (state & 0x3);
}

int entryPlace(int channel, int program)
{
    return ((channel & 0x7) << 5) | (program & 0x1F);
}

// ---- the fields of each part, in image order, for writing (const records, EepromWriter) and
// reading (records to fill, EepromReader) alike ----

template <typename Io, typename Settings>
void settingsFields(Io& io, Settings& s)
{
    io.u8(s.dateFormat);
    io.u8(s.timeFormat);
    io.u8(s.firstDayOfWeek);
    io.u8(s.lcdState);
    io.u8(s.soWiRuleType);
    io.u8(s.wiSoWeek);
    io.u8(s.wiSoMonth);
    io.u8(s.wiSoWeekDay);
    io.dayTime(s.wiSoHour);
    io.date(s.wiSoDate);
    io.u8(s.soWiWeek);
    io.u8(s.soWiMonth);
    io.u8(s.soWiWeekDay);
    io.dayTime(s.soWiHour);
    io.date(s.soWiDate);
    io.i16(s.customWiSo);
    io.i16(s.customSoWi);
    io.u8(s.channelCombination);
    io.u8(s.channelChangeover);
    io.dayTime(s.channelChangeoverTime);
    io.u8(s.easterRule);
    io.flag(s.extensionModule);
}

template <typename Io, typename Channel, typename Setting>
void channelSettingFields(Io& io, Channel& channel, Setting& c, int luxDays)
{
    io.u8(channel.function);
    io.u8(c.externalInputFunction);
    io.u8(c.externalSwitchFunction);
    io.u8(c.externalTasterFunction);
    io.u8(c.externalStatus);
    io.u8(c.externalResettable);
    io.dayTime(c.externalInputTime);
    io.u8(c.holidayStatus);
    io.dateTime(c.holidayBegin);
    io.dateTime(c.holidayEnd);
    io.u32(c.operatingHours);
    io.u8(c.earthHour);
    io.u8(c.signaling);
    io.u8(c.astroMode);
    io.u8(c.astroTime);
    io.u8(c.astroPulseUsage);
    io.dayTime(c.astroPulseDuration);
    io.i16(c.offsetSunrise);
    io.i16(c.offsetSunset);
    io.u24(c.delaySunrise);
    io.u24(c.delaySunset);
    for (int day = 0; day < luxDays; ++day) {
        io.u24(c.luxValues[day].luxOnValue);
        io.u24(c.luxValues[day].luxOffValue);
    }
}

template <typename Io, typename Astro>
void locationFields(Io& io, Astro& a)
{
    io.coordinate(a.latitude);
    io.coordinate(a.longitude);
    io.u8(a.timezone);
    io.u8(a.firstChar);
    io.u8(a.checksum);
    io.flag(a.astroTableEnabled);
}

template <typename Io, typename Table>
void ownAstroTableFields(Io& io, Table& t)
{
    io.flag(t.enabled);
    io.u8(t.timezone);
    for (int day = 0; day < Ot2File::OwnAstroTableDays; ++day) {
        io.minutes(t.sunrise[day]);
        io.minutes(t.sunset[day]);
    }
}

template <typename Io, typename Rows>
void summerWinterFields(Io& io, Rows& rows)
{
    io.count(rows, Ot2File::SummerWinterRows);
    for (auto& row : rows) {
        io.u16(row.year);
        io.date(row.wiSoDate);
        io.dayTime(row.wiSoHour);
        io.date(row.soWiDate);
        io.dayTime(row.soWiHour);
        io.flag(row.enabled);
    }
    io.skip((Ot2File::SummerWinterRows - rows.size()) * Config::SummerWinterRowSize);
}

template <typename Io, typename File>
void settingsBlockFields(Io& io, const Config& config, File& file)
{
    settingsFields(io, file.settings());
    for (int index : config.channelSlots()) {
        auto&& channel = file.channels()[index];
        auto&& setting = file.channelSettings()[index];
        channelSettingFields(io, channel, setting, config.luxDays());
    }
    if (config.hasProgramLux()) {
        for (int index : config.channelSlots()) {
            auto&& channel = file.channels()[index];
            for (auto&& program : channel.programs) {
                io.u24(program.luxOnValue);
                io.u24(program.luxOffValue);
            }
        }
    }
    if (config.hasAstro())
        locationFields(io, file.astro());
    if (config.hasOwnAstroTable())
        ownAstroTableFields(io, file.astro().ownAstroTable);
    if (config.hasSummerWinterTable())
        summerWinterFields(io, file.summerWinterDateTimes());
}

// Entry bytes 2 .. 23. The sign of the end day lives in the entry head.
template <typename Io, typename SwitchTime>
void switchTimeFields(Io& io, SwitchTime& s)
{
    io.u8(s.startDays);
    io.magnitude(s.endDay);
    io.dayTime(s.startTime);
    io.dayTime(s.endTime);
    io.dayTime(s.pulsTime);
    io.dayTime(s.pauseTime);
    io.skip(8);
}

template <typename Io, typename DateRange>
void dateRangeFields(Io& io, DateRange& r)
{
    io.dateTime(r.startDate);
    io.dateTime(r.endDate);
    io.i16(r.startDay);
    io.i16(r.endDay);
    io.i16(r.duration);
    io.i16(r.repeat);
    io.nibbles(r.weekRuleDay, r.weekRuleWeekDay);
    io.u8(r.weekRuleMonth);
}

// ---- writing ----

void writeEntries(QByteArray& image, const Config& config, const Ot2File& file)
{
    const int slotsAddress = config.settingsSize() + Config::EntryBlockHeaderSize;
    EepromWriter w(image, slotsAddress);
    for (auto channel = file.channels().cbegin(); channel != file.channels().cend(); ++channel) {
        const auto& programs = channel.value().programs;
        for (auto program = programs.cbegin(); program != programs.cend(); ++program) {
            const int place = entryPlace(channel.key(), program.key());
            for (const Ot2File::SwitchTime& s : program.value().switches) {
                w.u8(entryHead(SwitchTimeEntry, s.type, s.endDay < 0, s.state));
                w.u8(place);
                switchTimeFields(w, s);
            }
            for (const Ot2File::DateRange& r : program.value().dateRanges) {
                w.u8(entryHead(DateRangeEntry, r.type, false, 0));
                w.u8(place);
                dateRangeFields(w, r);
            }
        }
    }
    const int slotBytes = config.entryCapacity() * Config::EntrySize;
    EepromUtils::writeUInt(image, config.settingsSize(), quint32(file.memoryCount()), 2);
    EepromUtils::writeUInt(image, config.settingsSize() + 2, EepromUtils::crc16(image, slotsAddress, slotBytes), 2);
}

void writeHeader(QByteArray& image, const Config& config)
{
    EepromUtils::writeUInt(image, SizeAddress, quint32(config.eepromSize()), 2);
    EepromUtils::writeUInt(image, SettingsSizeAddress, quint32(config.settingsSize()), 2);
    EepromUtils::writeUInt(image, RevisionAddress, Config::LayoutRevision, 1);
    EepromUtils::writeUInt(image, MarkAddress, Config::ProjectMark, 1);
    EepromUtils::writeUInt(image, MarkAddress + 1, Config::ProjectMark, 1);
    EepromUtils::writeUInt(image, VersionAddress, config.device().eepromVersion(), 1);
    EepromUtils::writeUInt(image, ModelAddress, quint32(config.device().ot2Number() - 1), 1);
    EepromUtils::writeUInt(image, HeaderChecksumAddress,
                           EepromUtils::headerChecksum(image, MarkAddress, ModelAddress), 1);
    const int settingsLength = config.settingsSize() - Config::HeaderSize;
    EepromUtils::writeUInt(image, SettingsCrcAddress,
                           EepromUtils::crc16(image, Config::HeaderSize, settingsLength), 2);
}

// ---- reading ----

// Entries of channels or programs the model lacks, and slots of no known kind, are skipped.
void readEntries(const QByteArray& image, const Config& config, Ot2File& file)
{
    const int count = qMin(int(EepromUtils::readUInt(image, config.settingsSize(), 2)), config.entryCapacity());
    EepromReader r(image, config.settingsSize() + Config::EntryBlockHeaderSize);
    int skipped = 0;
    for (int i = 0; i < count; ++i) {
        const qsizetype start = r.pos();
        const int head = r.u8();
        const int place = r.u8();
        auto channel = file.channels().find(place >> 5);
        const int program = place & 0x1F;
        const bool known = channel != file.channels().end() && channel->programs.contains(program);
        const int kind = head >> 6;
        const int type = (head >> 3) & 0x7;
        if (known && kind == SwitchTimeEntry) {
            Ot2File::SwitchTime s;
            s.type = type;
            s.state = head & 0x3;
            switchTimeFields(r, s);
            if (head & 0x4)
                s.endDay = -s.endDay;
            channel->programs[program].switches.append(s);
        } else if (known && kind == DateRangeEntry) {
            Ot2File::DateRange d;
            d.type = type;
            dateRangeFields(r, d);
            channel->programs[program].dateRanges.append(d);
        } else {
            ++skipped;
        }
        r.skip(start + Config::EntrySize - r.pos());
    }
    if (skipped > 0)
        qCWarning(devicesLog) << skipped << "memory entries of unknown kind, channel or program skipped";
}

} // namespace

EepromService::EepromService(QObject* parent)
    : QObject(parent)
{
}

void EepromService::init()
{
    setError(NoError);
}

void EepromService::setError(EepromError error)
{
    if (error != NoError)
        qCWarning(devicesLog) << "Memory image:" << errorString(error);
    if (m_error == error)
        return;
    m_error = error;
    emit errorChanged();
}

QString EepromService::errorString() const
{
    return errorString(m_error);
}

QString EepromService::errorString(EepromError error)
{
    switch (error) {
    case NoError: return QString();
    case UnknownModel:
        return tr("Das Gerätemodell ist unbekannt.");
    case ProjectTooLarge:
        return tr("Das Projekt hat mehr Schaltzeiten und Datumsbereiche, als das Gerät aufnehmen kann.");
    case ImageTooShort:
        return tr("Das Speicherabbild ist unvollständig.");
    case EmptyMemory:
        return tr("Der Gerätespeicher ist leer.");
    case LanguageImage:
        return tr("Der Gerätespeicher enthält eine Gerätesprache, kein Projekt.");
    case NotAProjectImage:
        return tr("Die Daten sind kein Speicherabbild eines Projekts.");
    case WrongModel:
        return tr("Das Speicherabbild gehört zu einem anderen Gerätemodell.");
    case CorruptImage:
        return tr("Das Speicherabbild ist beschädigt.");
    }
    return QString();
}

bool EepromService::configure(EepromConfiguration& configuration, int ot2Number)
{
    if (!DeviceService::hasInstance() || !DeviceService::instance().exists(ot2Number)
        || !configuration.init(DeviceService::instance().deviceByOt2Number(ot2Number))) {
        setError(UnknownModel);
        return false;
    }
    return true;
}

QByteArray EepromService::projectToBytes(const Ot2File& file)
{
    EepromConfiguration config;
    if (!configure(config, file.ot2Number()))
        return {};
    // Counted before fitting: entries of programs the model lacks would otherwise vanish
    // without a word.
    if (file.memoryCount() > config.entryCapacity()) {
        qCWarning(devicesLog) << file.memoryCount() << "entries, the model holds" << config.entryCapacity();
        setError(ProjectTooLarge);
        return {};
    }
    Ot2File fitted = file;
    fitted.fitToDevice(config.device());
    QByteArray image(config.eepromSize(), char(EepromConfiguration::EmptyMark));
    EepromWriter writer(image, EepromConfiguration::HeaderSize);
    settingsBlockFields(writer, config, std::as_const(fitted));
    Q_ASSERT(writer.pos() == config.settingsSize() && !writer.overflowed());
    writeEntries(image, config, fitted);
    writeHeader(image, config);
    setError(NoError);
    return image;
}

QByteArray EepromService::projectSZToBytes(const Ot2File& file)
{
    const QByteArray image = projectToBytes(file);
    if (image.isEmpty())
        return {};
    EepromConfiguration config;
    configure(config, file.ot2Number());
    return image.mid(config.settingsSize());
}

EepromService::EepromError EepromService::checkHeader(const QByteArray& bytes, const EepromConfiguration& config) const
{
    if (bytes.size() < config.eepromSize())
        return ImageTooShort;
    const quint32 mark = EepromUtils::readUInt(bytes, MarkAddress, 2);
    if (mark == (EepromConfiguration::EmptyMark << 8 | EepromConfiguration::EmptyMark))
        return EmptyMemory;
    if (mark == (EepromConfiguration::LanguageMark << 8 | EepromConfiguration::LanguageMark))
        return LanguageImage;
    if (mark != (EepromConfiguration::ProjectMark << 8 | EepromConfiguration::ProjectMark)
        || EepromUtils::readUInt(bytes, HeaderChecksumAddress, 1)
            != EepromUtils::headerChecksum(bytes, MarkAddress, ModelAddress))
        return NotAProjectImage;
    if (EepromUtils::readUInt(bytes, VersionAddress, 1) != config.device().eepromVersion()
        || EepromUtils::readUInt(bytes, ModelAddress, 1) != quint32((config.device().ot2Number() - 1) & 0xFF)
        || EepromUtils::readUInt(bytes, RevisionAddress, 1) != EepromConfiguration::LayoutRevision)
        return WrongModel;
    // The identification names this model, so sizes that disagree with it are damage, not
    // another model's image.
    if (EepromUtils::readUInt(bytes, SizeAddress, 2) != quint32(config.eepromSize())
        || EepromUtils::readUInt(bytes, SettingsSizeAddress, 2) != quint32(config.settingsSize()))
        return CorruptImage;
    const int slotsAddress = config.settingsSize() + EepromConfiguration::EntryBlockHeaderSize;
    const int slotBytes = config.entryCapacity() * EepromConfiguration::EntrySize;
    if (EepromUtils::readUInt(bytes, SettingsCrcAddress, 2)
            != EepromUtils::crc16(bytes, EepromConfiguration::HeaderSize, config.settingsSize() - EepromConfiguration::HeaderSize)
        || EepromUtils::readUInt(bytes, config.settingsSize() + 2, 2) != EepromUtils::crc16(bytes, slotsAddress, slotBytes))
        return CorruptImage;
    return NoError;
}

Ot2File EepromService::bytesToOt2(const QByteArray& bytes, int ot2Number)
{
    EepromConfiguration config;
    if (!configure(config, ot2Number))
        return Ot2File();
    const EepromError headerError = checkHeader(bytes, config);
    if (headerError != NoError) {
        setError(headerError);
        return Ot2File();
    }
    const QByteArray image = bytes.left(config.eepromSize());
    Ot2File file(ot2Number);
    file.fitToDevice(config.device()); // every channel slot and program, so entries find their place
    EepromReader reader(image, EepromConfiguration::HeaderSize);
    settingsBlockFields(reader, config, file);
    readEntries(image, config, file);
    file.fitToDevice(config.device());
    setError(NoError);
    return file;
}

} // namespace devices
