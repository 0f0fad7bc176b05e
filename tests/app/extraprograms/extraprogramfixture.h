#pragma once

#include "extraprogramowner.h"
#include "extraprogramviewcontroller.h"

#include <core/settingsservice.h>
#include <holidays/holidaysetservice.h>
#include <storage/channel.h>
#include <storage/storageservice.h>
#include <utils/wallclock.h>

#include <QObject>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The part of a project content controller the extra-program controllers see: one channel with
// its programs, and the device facts a test sets.
class TestOwner : public QObject, public ExtraProgramOwner {
    Q_OBJECT

public:
    QObject* ownerObject() override { return this; }
    storage::StorableRef<storage::Program> programOfChannel(int number) override {
        return channel.isLoaded() ? channel->program(number) : storage::StorableRef<storage::Program>();
    }
    int totalDateRangeCount() const override {
        return channel.isLoaded() ? channel->dateRangeCount() : 0;
    }
    int programms() const override { return programs; }
    bool yearlyProgram() const override { return yearly; }
    bool isNocta() const override { return nocta; }
    bool isAstroChannel() const override { return astro; }
    int astroMode() const override { return mode; }

    void setAstroMode(int newMode) {
        mode = newMode;
        emit astroModeChanged(newMode);
    }
    int astroModeReceivers() const { return receivers(SIGNAL(astroModeChanged(int))); }

    storage::StorableRef<storage::Channel> channel{new storage::Channel(0)};
    int programs = 5;
    bool yearly = true;
    bool nocta = false;
    bool astro = false;
    int mode = 0;

signals:
    void astroModeChanged(int mode);
};

// The services the controllers reach: a project store in a folder of its own (new ranges are
// stored) and the holiday sets with the shipped data.
struct ExtraProgramServices {
    ExtraProgramServices() {
        core::SettingsService::m_instance = &settings;
        settings.initialize();
        holidays::HolidaySetService::m_instance = &holidayService;
        holidayService.init();
        storage::StorageService::m_instance = &storageService;
        QVERIFY(storageService.open(folder.filePath(QStringLiteral("projects.sqlite"))));
    }

    QTemporaryDir folder;
    core::SettingsService settings;
    holidays::HolidaySetService holidayService;
    storage::StorageService storageService;
};

inline QDateTime at(int year, int month, int day, int hour = 0, int minute = 0) {
    return utils::WallClock::at(QDate(year, month, day), QTime(hour, minute));
}
