#pragma once

#include "storage/channelsetting.h"
#include "storage/programdata.h"
#include "storage/storableref.h"
#include "storage/summerwinterdatetimevalues.h"

#include <QDate>
#include <QExplicitlySharedDataPointer>
#include <QFuture>
#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

namespace devices {
class Ot2File;
}

namespace storage {

struct ProjectRecord;

// A stored project: a handle on one project record, so that every copy (the project list, the
// open project's controllers) sees the same data. A default-built project is null.
//
// Edits change the record in memory and mark the storage unsaved; StorageService writes them (see
// there). store() writes a new project at once, rename() only renames in memory (updateProject of
// ProjectService writes it).
//
// A new project: the weekly week starts on Monday, 24-hour clock, dotted dates, LCD light off
// after a minute (0), the European summer/winter rule (1: last Sunday of March 02:00 to last
// Sunday of October 03:00, with the dates of the current year), no channel combination, Easter
// rule 0, no extension module, no channel setting (each is created with defaults on first use),
// no program content and no error.
//
// dateFormat() counts from 0: 0 dotted (DD.MM.YY), 1 US (MM/DD/YY), 2 ISO (YY-MM-DD). The date
// format setting of the program counts the same formats from 1; see dateFormatFromSetting().
//
// The summer/winter hours (soWiHour, wiSoHour) and the channel changeover time are seconds.
class Project {
public:
    Project();
    Project(int device, const QString& name);
    ~Project();
    Project(const Project& other);
    Project& operator=(const Project& other);

    bool isNull() const { return !d; }
    // 0 until store() wrote the project.
    qint64 id() const;
    int device() const;
    QString name() const;
    void rename(const QString& name);

    // Writes the project: a new one gets its id and joins ProjectService's list. False when the
    // database cannot be written; the project then stays unsaved.
    bool store();
    // Deletes the project from the database and from ProjectService's list.
    bool remove();

    // The project file record of the project, without location data (AstroProject::buildFile
    // adds them). The future is finished when it is returned: the file is built in the caller's
    // thread, which owns the records. With optimize, the switch times go into the file as
    // Program::optimize() would leave them; the project itself is not changed.
    QFuture<devices::Ot2File> buildFile(bool optimize) const;

    // The model's default external input function for every channel of the model.
    void loadDefaultExternalInputValues();
    // The model's default location, when it has one (astronomic models).
    void loadDefaultLocation();

    QString projectTitle() const;
    void setProjectTitle(const QString& text);
    QString projectDesc() const;
    void setProjectDesc(const QString& text);
    QString clientName() const;
    void setClientName(const QString& text);
    QString clientAddress() const;
    void setClientAddress(const QString& text);
    QString authorName() const;
    void setAuthorName(const QString& text);
    QString authorAddress() const;
    void setAuthorAddress(const QString& text);
    // Per channel index: a description, and the name the device shows.
    QStringList channelsDesc() const;
    void setChannelsDesc(const QStringList& texts);
    QStringList deviceChans() const;
    void setDeviceChans(const QStringList& texts);

    int lcdState() const;
    void setLcdState(int state);
    // 0 Monday .. 6 Sunday.
    int firstDayOfWeek() const;
    void setFirstDayOfWeek(int day);
    // 0 24-hour, 1 12-hour clock.
    int timeFormat() const;
    void setTimeFormat(int format);
    int dateFormat() const;
    void setDateFormat(int format);
    static int dateFormatFromSetting(int settingValue) { return settingValue - 1; }
    static int settingFromDateFormat(int dateFormat) { return dateFormat + 1; }

    int soWiRuleType() const;
    void setSoWiRuleType(int rule);
    // Week 0..3, 4 the last; month 0 January .. 11; weekday 0 Monday .. 6 Sunday.
    int wiSoWeek() const;
    void setWiSoWeek(int week);
    int wiSoMonth() const;
    void setWiSoMonth(int month);
    int wiSoHour() const;
    void setWiSoHour(int seconds);
    int wiSoWeekDay() const;
    void setWiSoWeekDay(int day);
    QDate wiSoDate() const;
    void setWiSoDate(const QDate& date);
    int soWiWeek() const;
    void setSoWiWeek(int week);
    int soWiMonth() const;
    void setSoWiMonth(int month);
    int soWiHour() const;
    void setSoWiHour(int seconds);
    int soWiWeekDay() const;
    void setSoWiWeekDay(int day);
    QDate soWiDate() const;
    void setSoWiDate(const QDate& date);
    int customWiSo() const;
    void setCustomWiSo(int value);
    int customSoWi() const;
    void setCustomSoWi(int value);
    QHash<int, SummerWinterDateTimeValues> summerWinterDateTimes() const;
    void setSummerWinterDateTimes(const QHash<int, SummerWinterDateTimeValues>& table);
    QString summerWinterTableName() const;
    void setSummerWinterTableName(const QString& name);

    int channelCombination() const;
    void setChannelCombination(int value);
    int channelChangeover() const;
    void setChannelChangeover(int day);
    int channelChangeoverTime() const;
    void setChannelChangeoverTime(int seconds);
    int easterRule() const;
    void setEasterRule(int rule);
    bool extensionModule() const;
    void setExtensionModule(bool on);

    // Whether the switch times or date ranges hold an error. Storage cannot judge that: the
    // editors' error checkers decide, and the project content controller sets it whenever their
    // error counts change. It is not stored: it is recomputed whenever a project is edited.
    bool hasError() const;
    void setHasError(bool hasError);

    // See ProgramData for the one definition of memory entries.
    int memoryCount() const;
    // Sorts the switch times of every program (keys and orders of SwitchTime::sort).
    void sortData(const QList<int>& keys, const QList<int>& orders);
    // Program::optimize() on every program.
    void optimize();

    // The program data, read from the database on first use; a null handle when it cannot be
    // read. data() and constData() give the same record: the names tell the caller's intent.
    StorableRef<ProgramData> data();
    StorableRef<ProgramData> constData() const;
    bool hasProgramData() const;

    // The channel's setting, created with defaults on first use.
    StorableRef<ChannelSetting> setting(int channel);
    bool hasChannelSetting(int channel) const;
    void removeChannelSetting(int channel);
    QList<int> channelSettingIndexes() const;

    // True when both handles name the same project.
    bool operator==(const Project& other) const { return d == other.d; }

protected:
    friend class Database;
    friend class ProjectService;
    explicit Project(ProjectRecord* record);
    QFuture<devices::Ot2File> buildFile(bool optimize, bool withAstro) const;
    QExplicitlySharedDataPointer<ProjectRecord> d;
};

} // namespace storage
