#pragma once

#include "devices/device.h"
#include "devices/devicelistmodel.h"

#include <utils/backgroundload.h>
#include <utils/singleton.h>

#include <QHash>
#include <QJsonArray>
#include <QList>
#include <QObject>
#include <QString>
#include <optional>

namespace devices {

// The device catalogue. Every query takes a model's OT2 number; an unknown number answers as an
// unknown Device does (false, 0 or an empty text).
class DeviceService : public QObject, public utils::Singleton<DeviceService> {
    Q_OBJECT
    Q_PROPERTY(devices::DeviceListModel* deviceModel READ deviceModel CONSTANT)

public:
    inline static DeviceService* m_instance = nullptr;

    explicit DeviceService(QObject* parent = nullptr);

    // Reads the catalogue at path (normally ":/data/devices.json"), replacing what was loaded.
    // False when the file cannot be read or is no catalogue (what was loaded before stays), and
    // when a consistency rule is broken (the catalogue is served anyway; each broken rule is
    // logged as a warning).
    bool init(const QString& path);
    // The same read on a worker thread, for the start of the program: every reader below waits
    // for the complete catalogue.
    void initInBackground(const QString& path);

    Device deviceByOt2Number(int ot2) const { return device(ot2); }
    const QList<Device>& devices() const { ensureLoaded(); return m_devices; }
    DeviceListModel* deviceModel() { ensureLoaded(); return &m_model; }

    Q_INVOKABLE bool exists(int ot2) const { ensureLoaded(); return m_byOt2.contains(ot2); }
    Q_INVOKABLE QString deviceNameFromOt2(int ot2) const { return device(ot2).name(); }
    Q_INVOKABLE QString deviceImageFromOt2(int ot2) const { return device(ot2).image(); }
    Q_INVOKABLE int deviceOt2FromLanguageFileIdentifier(const QString& identifier) const;
    Q_INVOKABLE QString deviceNameFromLanguageFileIdentifier(const QString& identifier) const;

    Q_INVOKABLE int deviceType(int ot2) const { return device(ot2).type(); }
    Q_INVOKABLE int channelNumber(int ot2) const { return device(ot2).kanals(); }
    Q_INVOKABLE int programms(int ot2) const { return device(ot2).programms(); }
    Q_INVOKABLE int luxSettingType(int ot2) const { return device(ot2).luxSettingType(); }
    Q_INVOKABLE int defaultExternalInput(int ot2) const { return device(ot2).defaultExternalInput(); }
    Q_INVOKABLE int maxSz(int ot2) const { return device(ot2).maxSz(); }
    Q_INVOKABLE int memory(int ot2) const { return device(ot2).memory(); }
    Q_INVOKABLE int inputs(int ot2) const { return device(ot2).inputs(); }
    Q_INVOKABLE int rixVersion(int ot2) const { return device(ot2).rixVersion(); }
    Q_INVOKABLE int tarvinoVarVersion(int ot2) const { return device(ot2).tarvinoVarVersion(); }
    Q_INVOKABLE int eepromLanguageAddress(int ot2) const { return device(ot2).eepromLanguageAddress(); }
    Q_INVOKABLE unsigned char eepromVersion(int ot2) const { return device(ot2).eepromVersion(); }
    Q_INVOKABLE int maxBlePacketSize(int ot2) const { return device(ot2).maxBlePacketSize(); }
    Q_INVOKABLE int clockType(int ot2) const { return device(ot2).clockType(); }
    Q_INVOKABLE QString clockTypeText(int ot2) const;

    Q_INVOKABLE bool hasDefaultLocation(int ot2) const { return device(ot2).hasDefaultLocation(); }
    Q_INVOKABLE int defaultLatitude(int ot2) const { return device(ot2).defaultLatitude(); }
    Q_INVOKABLE int defaultLongitude(int ot2) const { return device(ot2).defaultLongitude(); }
    Q_INVOKABLE int defaultTimezone(int ot2) const { return device(ot2).defaultTimezone(); }
    Q_INVOKABLE int defaultFirstChar(int ot2) const { return device(ot2).defaultFirstChar(); }
    Q_INVOKABLE int defaultChecksum(int ot2) const { return device(ot2).defaultChecksum(); }

    Q_INVOKABLE int soWiOwnRuleIndex(int ot2) const { return device(ot2).soWiOwnRuleIndex(); }
    Q_INVOKABLE int soWiCreateTableIndex(int ot2) const { return device(ot2).soWiCreateTableIndex(); }
    Q_INVOKABLE int soWiAustraliaIndex(int ot2) const { return device(ot2).soWiAustraliaIndex(); }
    Q_INVOKABLE int soWiNewZealandIndex(int ot2) const { return device(ot2).soWiNewZealandIndex(); }

    Q_INVOKABLE bool isAstro(int ot2) const { return device(ot2).isAstro(); }
    Q_INVOKABLE bool isNocta(int ot2) const { return device(ot2).isNocta(); }
    Q_INVOKABLE bool hasAstro(int ot2) const { return device(ot2).hasAstro(); }

    Q_INVOKABLE bool hasImpuls(int ot2) const { return device(ot2).hasImpuls(); }
    Q_INVOKABLE bool hasZyclus(int ot2) const { return device(ot2).hasZyclus(); }
    Q_INVOKABLE bool hasAstroImpuls(int ot2) const { return device(ot2).hasAstroImpuls(); }
    Q_INVOKABLE bool hasAstroTime(int ot2) const { return device(ot2).hasAstroTime(); }
    Q_INVOKABLE bool hasExternalInput(int ot2) const { return device(ot2).hasExternalInput(); }
    Q_INVOKABLE bool hasChannelCombination(int ot2) const { return device(ot2).hasChannelCombination(); }
    Q_INVOKABLE bool hasEasterRule(int ot2) const { return device(ot2).hasEasterRule(); }
    Q_INVOKABLE bool hasRandomHolidaysStatus(int ot2) const { return device(ot2).hasRandomHolidaysStatus(); }
    Q_INVOKABLE bool canAffectLightSensors(int ot2) const { return device(ot2).canAffectLightSensors(); }
    Q_INVOKABLE bool canSetManualDateTime(int ot2) const { return device(ot2).canSetManualDateTime(); }
    Q_INVOKABLE bool canSetManualHolidays(int ot2) const { return device(ot2).canSetManualHolidays(); }
    Q_INVOKABLE bool hasTimer(int ot2) const { return device(ot2).hasTimer(); }
    Q_INVOKABLE bool hasAccident(int ot2) const { return device(ot2).hasAccident(); }
    Q_INVOKABLE bool timezoneIsSettable(int ot2) const { return device(ot2).timezoneIsSettable(); }
    Q_INVOKABLE bool hasToggleFunction(int ot2) const { return device(ot2).hasToggleFunction(); }
    Q_INVOKABLE bool hasCustomDaylightSavingsRules(int ot2) const { return device(ot2).hasCustomDaylightSavingsRules(); }
    Q_INVOKABLE bool hasLcdIllumination(int ot2) const { return device(ot2).hasLcdIllumination(); }

    Q_INVOKABLE bool canSetSecondsForTimerExtInput(int ot2) const { return device(ot2).canSetSecondsForTimerExtInput(); }
    Q_INVOKABLE bool hasOptionSettings(int ot2) const { return device(ot2).hasOptionSettings(); }
    Q_INVOKABLE bool canSetSchalter(int ot2) const { return device(ot2).canSetSchalter(); }
    Q_INVOKABLE bool yearlyProgram(int ot2) const { return device(ot2).yearlyProgram(); }
    Q_INVOKABLE bool hasOwnAstroTable(int ot2) const { return device(ot2).hasOwnAstroTable(); }
    Q_INVOKABLE bool extraProgramWithSwitches(int ot2) const { return device(ot2).extraProgramWithSwitches(); }
    Q_INVOKABLE bool canSelectChannelType(int ot2) const { return device(ot2).canSelectChannelType(); }
    Q_INVOKABLE bool hasIranDaylightSavingsRules(int ot2) const { return device(ot2).hasIranDaylightSavingsRules(); }
    Q_INVOKABLE bool hasExtensionModule(int ot2) const { return device(ot2).hasExtensionModule(); }
    Q_INVOKABLE bool hasSignalFunction(int ot2) const { return device(ot2).hasSignalFunction(); }
    Q_INVOKABLE bool hasInternalBleModule(int ot2) const { return device(ot2).hasInternalBleModule(); }
    Q_INVOKABLE bool hasExternalInputEmergencyOff(int ot2) const { return device(ot2).hasExternalInputEmergencyOff(); }
    Q_INVOKABLE bool hasEarthHour(int ot2) const { return device(ot2).hasEarthHour(); }
    Q_INVOKABLE bool hideExternalInput(int ot2) const { return device(ot2).hideExternalInput(); }
    Q_INVOKABLE bool hasOperatingTime(int ot2) const { return device(ot2).hasOperatingTime(); }
    Q_INVOKABLE bool hasKNX(int ot2) const { return device(ot2).hasKNX(); }
    Q_INVOKABLE bool showRcSupport(int ot2) const { return device(ot2).showRcSupport(); }
    Q_INVOKABLE bool hasDateTimeSettings(int ot2) const { return device(ot2).hasDateTimeSettings(); }
    Q_INVOKABLE bool hasVaccancy(int ot2) const { return device(ot2).hasVaccancy(); }
    Q_INVOKABLE bool cloudDevice(int ot2) const { return device(ot2).cloudDevice(); }

private:
    // A catalogue file as read: its entries, none when it is no catalogue, and whether it
    // keeps every consistency rule.
    struct Reading {
        std::optional<QJsonArray> entries;
        bool consistent = false;
    };
    static Reading read(const QString& path);
    bool apply(const Reading& reading);
    void ensureLoaded() const;
    const Device& device(int ot2) const;
    void load(const QJsonArray& entries);

    mutable utils::BackgroundLoad<Reading> m_loading;

    QList<Device> m_devices;
    QHash<int, qsizetype> m_byOt2;
    QHash<QString, qsizetype> m_byLanguageIdentifier;
    DeviceListModel m_model;
};

} // namespace devices
