#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QStringList>

class QSettings;

namespace devices {

class Device;
class IniWritter;

// The project file record: everything a project holds, as plain values. The storage layer
// converts its records to and from it; the project file (INI text) and the device memory image
// are made from it and read back into it.
//
// A record fitted to its model (fitToDevice) has one Channel and one ChannelSetting for every
// channel slot of the model and one Program for every program of the model, and every value
// inside the range the file and the image can hold. restore() and the image reader always give
// fitted records.
class Ot2File {
public:
    // Written as "Ident/FormatVersion"; files of older versions open with defaults for keys
    // they lack.
    static constexpr int FormatVersion = 1;
    static constexpr int WeekDays = 7;
    static constexpr int OwnAstroTableDays = 366;
    static constexpr int SummerWinterRows = 92;
    static constexpr int SecondsPerDay = 86400;
    // The start time of a switch time marked off (extra programs keep such entries).
    static constexpr int SwitchedOff = SecondsPerDay;
    // A file with more switch times and date ranges than this many times the model's memory is
    // refused unread.
    static constexpr int EntryBoundFactor = 4;
    // The device calendar runs from 2000 to 2099; dates outside read as none.
    static constexpr int FirstYear = 2000;
    static constexpr int LastYear = 2099;
    // Coordinates are kept to millionths of a degree.
    static constexpr double CoordinateScale = 1e6;
    // City key of a location chosen by coordinates.
    static constexpr int NoCity = 255;

    struct SwitchTime {
        int type = 0;      // 0 switch, 1 impulse, 2 cycle, 3 fixed switch
        int state = 0;     // 0 off, 1 on, 2 fixed off, 3 fixed on
        int startDays = 0; // weekday bits, Monday 128 ... Sunday 2
        int startTime = 0; // seconds since midnight; SwitchedOff marks an entry switched off
        // One weekday bit, 1 for endless, or minus the weekday bits of a fixed switch time
        // with several end days.
        int endDay = 0;
        int endTime = 0;   // seconds since midnight
        int pulsTime = 0;  // seconds
        int pauseTime = 0; // seconds
        bool operator==(const SwitchTime&) const = default;
    };

    struct DateRange {
        int type = 0; // 0 fixed, 1 yearly, 2 Easter, 3 series, 4 week rule, 5 Chinese New Year, 6 holiday set
        QDateTime startDate; // wall clock, no zone (carried in UTC), whole seconds
        QDateTime endDate;
        int startDay = 0;
        int endDay = 0;
        int duration = 0; // hours
        int repeat = 0;
        int weekRuleDay = 0;
        int weekRuleWeekDay = 0;
        int weekRuleMonth = 0;
        bool operator==(const DateRange&) const = default;
    };

    struct Program {
        QList<SwitchTime> switches;
        QList<DateRange> dateRanges;
        int luxOnValue = 0; // lux, twilight models
        int luxOffValue = 0;
        bool operator==(const Program&) const = default;
    };

    struct Channel {
        int function = 0; // 1 astronomic channel
        QMap<int, Program> programs; // by program number, 0 the standard program
        bool operator==(const Channel&) const = default;
    };

    struct LuxValues {
        int luxOnValue = 0;
        int luxOffValue = 0;
        bool operator==(const LuxValues&) const = default;
    };

    struct ChannelSetting {
        int externalInputFunction = 0;
        int externalSwitchFunction = 0;
        int externalTasterFunction = 0;
        int externalStatus = 0;
        int externalResettable = 0;
        int externalInputTime = 0; // seconds
        int holidayStatus = 0;
        QDateTime holidayBegin; // wall clock, no zone (carried in UTC)
        QDateTime holidayEnd;
        int operatingHours = 0;
        int earthHour = 0;
        int signaling = 0;
        int astroMode = 0;
        int astroTime = 0;
        int astroPulseUsage = 0;
        int astroPulseDuration = 0; // seconds
        int offsetSunrise = 0;      // minutes
        int offsetSunset = 0;
        int delaySunrise = 0; // seconds
        int delaySunset = 0;
        QList<LuxValues> luxValues = QList<LuxValues>(WeekDays); // day 0 Monday (one day: all days)
        bool operator==(const ChannelSetting&) const = default;
    };

    struct SummerWinterDateTime {
        int year = 0;
        QDate wiSoDate;
        int wiSoHour = 0;
        QDate soWiDate;
        int soWiHour = 0;
        bool enabled = false;
        bool operator==(const SummerWinterDateTime&) const = default;
    };

    struct Metadata {
        QString projectTitle;
        QString projectDesc;
        QString clientName;
        QString clientAddress;
        QString authorName;
        QString authorAddress;
        QStringList channelsDesc;
        QStringList deviceChans;
        bool operator==(const Metadata&) const = default;
    };

    struct Settings {
        int dateFormat = 0;
        int timeFormat = 0;
        int firstDayOfWeek = 0;
        int lcdState = 0;
        int soWiRuleType = 0;
        int wiSoWeek = 0;
        int wiSoMonth = 0;
        int wiSoWeekDay = 0;
        int wiSoHour = 0; // seconds
        int soWiWeek = 0;
        int soWiMonth = 0;
        int soWiWeekDay = 0;
        int soWiHour = 0; // seconds
        QDate wiSoDate;
        QDate soWiDate;
        int customWiSo = 0;
        int customSoWi = 0;
        int channelCombination = 0;
        int channelChangeover = 0;
        int channelChangeoverTime = 0; // seconds
        int easterRule = 0;
        bool extensionModule = false;
        QString summerWinterTableName;
        bool operator==(const Settings&) const = default;
    };

    struct FavoriteLocation {
        QString city;
        int latitude = 0;
        int longitude = 0;
        int timezone = 0;
        int firstChar = NoCity;
        int checksum = NoCity;
        bool operator==(const FavoriteLocation&) const = default;
    };

    struct OwnAstroTable {
        bool enabled = false;
        QString name;
        int timezone = 0;
        QList<int> sunrise = QList<int>(OwnAstroTableDays); // seconds, row 0 is 1 January, 59 is 29 February
        QList<int> sunset = QList<int>(OwnAstroTableDays);
        bool operator==(const OwnAstroTable&) const = default;
    };

    struct Astro {
        double latitude = 0;  // degrees, north positive
        double longitude = 0; // degrees, east positive
        int timezone = 0;     // device time-zone number 0 .. 31
        int firstChar = NoCity;
        int checksum = NoCity;
        bool astroTableEnabled = false;
        QList<FavoriteLocation> favorites;
        OwnAstroTable ownAstroTable;

        // The city key a device reports with its location.
        void setFirstCharAndChecksum(int firstChar, int checksum);
        bool operator==(const Astro&) const = default;
    };

    Ot2File() = default;
    explicit Ot2File(int ot2Number) : m_ot2Number(ot2Number) {}

    // A record of a known model; a refused file or image gives an invalid one.
    bool isValid() const { return m_ot2Number > 0; }
    int ot2Number() const { return m_ot2Number; }
    void setOt2Number(int ot2Number) { m_ot2Number = ot2Number; }

    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

    Metadata& metadata() { return m_metadata; }
    const Metadata& metadata() const { return m_metadata; }
    Settings& settings() { return m_settings; }
    const Settings& settings() const { return m_settings; }
    QList<SummerWinterDateTime>& summerWinterDateTimes() { return m_summerWinter; }
    const QList<SummerWinterDateTime>& summerWinterDateTimes() const { return m_summerWinter; }
    QMap<int, Channel>& channels() { return m_channels; }
    const QMap<int, Channel>& channels() const { return m_channels; }
    QMap<int, ChannelSetting>& channelSettings() { return m_channelSettings; }
    const QMap<int, ChannelSetting>& channelSettings() const { return m_channelSettings; }
    Astro& astro() { return m_astro; }
    const Astro& astro() const { return m_astro; }

    // Switch times and date ranges: what counts against the model's memory.
    int memoryCount() const;

    void save(IniWritter& writer) const;
    // The project file as INI text.
    QByteArray toText() const;
    // Reads a project file. False (and the record left as it was) when the file has no
    // "Ident"/"Name" naming a project file, names a model the catalogue does not know or gives
    // more switch times and date ranges than EntryBoundFactor times the model's memory; a
    // missing or unusable value takes its default.
    bool restore(QSettings& settings);

    // Brings the record into the model's shape: channel slots and programs the model has (the
    // others dropped, missing ones added empty), values outside their range set to defaults.
    void fitToDevice(const Device& device);
    // The channel indexes of the model: 0 .. channels - 1, and 4 .. 7 with an extension module.
    static QList<int> channelSlots(const Device& device);

    bool operator==(const Ot2File&) const = default;

private:
    int m_ot2Number = 0;
    QString m_name;
    Metadata m_metadata;
    Settings m_settings;
    QList<SummerWinterDateTime> m_summerWinter;
    QMap<int, Channel> m_channels;
    QMap<int, ChannelSetting> m_channelSettings;
    Astro m_astro;
};

} // namespace devices

Q_DECLARE_METATYPE(devices::Ot2File)
