#pragma once

#include <QJsonObject>
#include <QMetaType>
#include <QString>

namespace devices {

// One model of the device catalogue. A default-constructed Device stands for an unknown model:
// it answers false, 0 or an empty text, except where 0 is a meaningful value (see the getters).
class Device {
public:
    // Packet size of the plug-in Bluetooth LE adapter that models without an internal module use.
    static constexpr int ExternalAdapterPacketSize = 69;

    // What the device information calls the model.
    enum ClockType : int {
        WeeklyTimeSwitch = 0,
        YearlyTimeSwitch = 1,
        AstronomicTimeSwitch = 2,
        TwilightSwitch = 3,
    };

    Device() = default;
    explicit Device(const QJsonObject& entry);

    bool isValid() const { return !m_entry.isEmpty(); }

    QString name() const;
    QString languageFileIdentifier() const;
    QString image() const;
    int rixVersion() const;
    int ot2Number() const;
    int ot2Nummer() const { return ot2Number(); }
    int tarvinoVarVersion() const;
    int type() const;
    int memory() const;
    int maxSz() const { return memory(); }
    int inputs() const;
    int kanals() const;
    int programms() const;
    int eepromLanguageAddress() const;
    unsigned char eepromVersion() const;
    int luxSettingType() const;

    bool hasImpuls() const { return flag("hasImpuls"); }
    bool hasZyclus() const { return flag("hasZyclus"); }
    bool hasAstroImpuls() const { return flag("hasAstroImpuls"); }
    bool hasAstroTime() const { return flag("hasAstroTime"); }
    bool hasExternalInput() const { return flag("hasExternalInput"); }
    bool hasChannelCombination() const { return flag("hasChannelCombination"); }
    bool hasEasterRule() const { return flag("hasEasterRule"); }
    bool hasRandomHolidaysStatus() const { return flag("hasRandomHolidaysStatus"); }
    bool canAffectLightSensors() const { return flag("canAffectLightSensors"); }
    bool canSetManualDateTime() const { return flag("canSetManualDateTime"); }
    bool canSetManualHolidays() const { return flag("canSetManualHolidays"); }
    bool hasTimer() const { return flag("hasTimer"); }
    bool hasAccident() const { return flag("hasAccident"); }
    bool timezoneIsSettable() const { return flag("timezoneIsSettable"); }
    bool hasToggleFunction() const { return flag("hasToggleFunction"); }
    bool hasCustomDaylightSavingsRules() const { return flag("hasCustomDaylightSavingsRules"); }
    bool hasLcdIllumination() const { return flag("hasLcdIllumination"); }

    bool canSetSecondsForTimerExtInput() const { return flag("canSetSecondsForTimerExtInput"); }
    bool hasOptionSettings() const { return flag("hasOptionSettings"); }
    bool canSetSchalter() const { return flag("canSetSchalter"); }
    bool yearlyProgram() const { return flag("yearlyProgram"); }
    bool hasOwnAstroTable() const { return flag("hasOwnAstroTable"); }
    bool extraProgramWithSwitches() const { return flag("extraProgramWithSwitches"); }
    bool canSelectChannelType() const { return flag("canSelectChannelType"); }
    bool hasIranDaylightSavingsRules() const { return flag("hasIranDaylightSavingsRules"); }
    bool hasExtensionModule() const { return flag("hasExtensionModule"); }
    bool hasSignalFunction() const { return flag("hasSignalFunction"); }
    bool hasInternalBleModule() const { return flag("hasInternalBleModule"); }
    bool hasExternalInputEmergencyOff() const { return flag("hasExternalInputEmergencyOff"); }
    bool hasEarthHour() const { return flag("hasEarthHour"); }
    bool hideExternalInput() const { return flag("hideExternalInput"); }
    bool hasOperatingTime() const { return flag("hasOperatingTime"); }
    bool hasKNX() const { return flag("hasKNX"); }
    bool showRcSupport() const { return flag("showRcSupport"); }
    bool hasDateTimeSettings() const { return flag("hasDateTimeSettings"); }
    bool hasVaccancy() const { return flag("hasVaccancy"); }
    bool cloudDevice() const { return flag("cloudDevice"); }

    // External-input function of a new project; -1 when the model gives none.
    int defaultExternalInput() const;
    // Never 0, so that it can always divide: models without an internal module (and unknown
    // models) answer the adapter's packet size.
    int maxBlePacketSize() const;

    // Default location of a new astronomic project; -1 each when the model has none.
    bool hasDefaultLocation() const;
    int defaultLatitude() const;
    int defaultLongitude() const;
    int defaultTimezone() const;
    int defaultFirstChar() const;
    int defaultChecksum() const;

    // Twilight switch (device type 2).
    bool isNocta() const;
    // The model can have astronomic channels: astronomic (1) and controls (3) models and models
    // whose channels choose between plain and astronomic.
    bool hasAstro() const;
    // The model keeps a location of its own (read and written with the city telegram). Every
    // model that can switch astronomically needs one, so this is the same set as hasAstro().
    bool isAstro() const { return hasAstro(); }
    ClockType clockType() const;

    // Positions in the model's summer/winter rule list; -1 where the model offers no such rule
    // (and for an unknown model, since 0 is the rule "none").
    int soWiOwnRuleIndex() const;
    int soWiCreateTableIndex() const;
    int soWiAustraliaIndex() const;
    int soWiNewZealandIndex() const;

private:
    bool flag(const char* key) const;
    int number(const char* key, int absent) const;

    QJsonObject m_entry;
};

} // namespace devices

Q_DECLARE_METATYPE(devices::Device)
