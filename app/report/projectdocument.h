#pragma once

#include "documenttemplate.h"
#include "trfunctions.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <devices/device.h>
#include <storage/project.h>

// The printable report of one project, built in one go by the constructor: the project, client
// and author tables, the astro data (astronomic models and those that choose channel types), one
// section per channel and the device settings, each channel and the settings on a page of their
// own. A model the catalogue does not know gets the three tables only.
class ProjectDocument final : public DocumentTemplate, private TrFunctions {
public:
    explicit ProjectDocument(const storage::Project& project);
    ~ProjectDocument();

    // Dates in the project's date format (1 MM/dd/yyyy, 2 yyyy-MM-dd, any other dd.MM.yyyy),
    // without the year when withYear is false; times on the 24-hour clock whatever the project's
    // time format. Date and time are read as they stand, so a wall-clock value that local time
    // skips (the hour summer time begins) is written all the same.
    QString formatDate(const QDate& date, bool withYear) const;
    QString formatDateTime(const QDateTime& dateTime, bool withYear) const;
    QString formatTime(const QDateTime& dateTime, bool withSeconds) const;

private:
    void layout() override;
    void writeMetadata();
    // The section "astro" exists for astronomic models and for those that choose channel types.
    bool hasAstroSection() const;

    storage::Project m_project;
    devices::Device m_device;
};
