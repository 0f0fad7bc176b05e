#pragma once

#include "documenttemplate.h"
#include "trfunctions.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTextCursor>

#include <functional>

#include <devices/device.h>
#include <storage/astroproject.h>
#include <storage/channelsetting.h>
#include <storage/daterange.h>
#include <storage/program.h>
#include <storage/project.h>
#include <storage/storableref.h>
#include <storage/switchtime.h>

class CoordinatesSettingsController;

// The printable report of one project, built in one go by the constructor: the project, client
// and author tables, the astro data (astronomic models and those that choose channel types), one
// section per channel and the device settings, each channel and the settings on a page of their
// own. A model the catalogue does not know gets the three tables only.
class ProjectDocument final : public DocumentTemplate, private TrFunctions {
public:
    // The location comes from openLocation when given (the open project's location controller,
    // which may hold what the store does not yet), else from the store.
    explicit ProjectDocument(const storage::Project& project,
                             const CoordinatesSettingsController* openLocation = nullptr);
    ~ProjectDocument();

    // Dates in the project's date format (1 MM/dd/yyyy, 2 yyyy-MM-dd, any other dd.MM.yyyy),
    // without the year when withYear is false; times on the 24-hour clock whatever the project's
    // time format. Date and time are read as they stand, so a wall-clock value that local time
    // skips (the hour summer time begins) is written all the same.
    QString formatDate(const QDate& date, bool withYear) const;
    QString formatDateTime(const QDateTime& dateTime, bool withYear) const;
    QString formatTime(const QDateTime& dateTime, bool withSeconds) const;

private:
    using SettingRef = storage::StorableRef<storage::ChannelSetting>;
    // Called once per channel with the channel's setting, or a null one and false without it.
    using ChannelSettingVisitor = std::function<void(const SettingRef&, int channel, bool hasSetting)>;

    // Where the reported project lies: the country and city names and whether the city is a
    // favourite.
    struct Location {
        QString country;
        QString city;
        bool favorite = false;
    };

    void layout() override;
    void writeMetadata();
    // Every piece of a section goes to its end: insertTable there, and the cursor moved behind the
    // table (a table inserted at a cursor leaves every cursor in front of it).
    void appendTable(QTextCursor& cursor, const QList<QStringList>& rows, const QString& width,
                     const Styles& styles, const QString& head, bool alternate);
    // The section "astro" exists for astronomic models and for those that choose channel types.
    bool hasAstroSection() const;

    void writeAstroSettings();
    // The open project's coordinates controller knows its location; any other project is matched
    // from its own coordinates and city key, without changing it.
    Location location() const;
    Location storedLocation() const;

    void writeChannels();
    void writeChannelAstro(QTextCursor cursor, int channel);
    void writeLightSettings(QTextCursor cursor, int channel);
    void forEachChannelSetting(ChannelSettingVisitor visit);

    void writeProgram(QTextCursor cursor, int program, storage::StorableRef<storage::Program> record,
                      bool astroLayout);
    void writeSwitchTimes(QTextCursor cursor, int program, const QList<storage::SwitchTime>& switches,
                          bool astroLayout);
    QStringList switchTimeRow(int number, const storage::SwitchTime& switchTime, bool weekdayColumns,
                              bool pulseCycleColumns, bool astroLayout, const QStringList& weekDays) const;
    void writeDateRanges(QTextCursor cursor, const QList<storage::DateRange>& dateRanges);
    QString holidayRuleText(int type, const QDateTime& date, int day) const;

    void parseSettings();
    void writeTimeAndDate(QTextCursor cursor);
    void writeSummerWinterChanges(QTextCursor cursor);
    void writeHolidays(QTextCursor cursor);
    void writeOptions(QTextCursor cursor);
    QStringList holidayRow(const SettingRef& setting, int channel, bool hasSetting) const;
    QStringList operatingHoursRow(const SettingRef& setting, int channel, bool hasSetting) const;
    QStringList externalInputRow(const SettingRef& setting, int channel, bool hasSetting) const;
    QList<QStringList> channelRows(QStringList (ProjectDocument::*row)(const SettingRef&, int, bool) const);

    storage::Project m_project;
    const CoordinatesSettingsController* m_openLocation;
    storage::AstroProject m_astroProject;
    devices::Device m_device;
};
