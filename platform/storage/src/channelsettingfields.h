#pragma once

#include "storage/channelsetting.h"

#include <devices/ot2file.h>

#include <QLatin1StringView>

namespace storage {

// The whole-number fields of a channel setting: their key in the settings document, their member
// of the project file record and their accessors.
struct ChannelSettingField {
    QLatin1StringView key;
    int devices::Ot2File::ChannelSetting::*fileMember;
    int (ChannelSetting::*get)() const;
    void (ChannelSetting::*set)(int);
};

inline const ChannelSettingField ChannelSettingFields[] = {
    { QLatin1StringView("externalInputFunction"), &devices::Ot2File::ChannelSetting::externalInputFunction, &ChannelSetting::externalInputFunction,
      &ChannelSetting::setExternalInputFunction },
    { QLatin1StringView("externalSwitchFunction"), &devices::Ot2File::ChannelSetting::externalSwitchFunction, &ChannelSetting::externalSwitchFunction,
      &ChannelSetting::setExternalSwitchFunction },
    { QLatin1StringView("externalTasterFunction"), &devices::Ot2File::ChannelSetting::externalTasterFunction, &ChannelSetting::externalTasterFunction,
      &ChannelSetting::setExternalTasterFunction },
    { QLatin1StringView("externalStatus"), &devices::Ot2File::ChannelSetting::externalStatus, &ChannelSetting::externalStatus,
      &ChannelSetting::setExternalStatus },
    { QLatin1StringView("externalResettable"), &devices::Ot2File::ChannelSetting::externalResettable, &ChannelSetting::externalResettable,
      &ChannelSetting::setExternalResettable },
    { QLatin1StringView("externalInputTime"), &devices::Ot2File::ChannelSetting::externalInputTime, &ChannelSetting::externalInputTime,
      &ChannelSetting::setExternalInputTime },
    { QLatin1StringView("holidayStatus"), &devices::Ot2File::ChannelSetting::holidayStatus, &ChannelSetting::holidayStatus,
      &ChannelSetting::setHolidayStatus },
    { QLatin1StringView("operatingHours"), &devices::Ot2File::ChannelSetting::operatingHours, &ChannelSetting::operatingHours,
      &ChannelSetting::setOperatingHours },
    { QLatin1StringView("earthHour"), &devices::Ot2File::ChannelSetting::earthHour, &ChannelSetting::earthHour,
      &ChannelSetting::setEarthHour },
    { QLatin1StringView("signaling"), &devices::Ot2File::ChannelSetting::signaling, &ChannelSetting::signaling,
      &ChannelSetting::setSignaling },
    { QLatin1StringView("astroMode"), &devices::Ot2File::ChannelSetting::astroMode, &ChannelSetting::astroMode,
      &ChannelSetting::setAstroMode },
    { QLatin1StringView("astroTime"), &devices::Ot2File::ChannelSetting::astroTime, &ChannelSetting::astroTime,
      &ChannelSetting::setAstroTime },
    { QLatin1StringView("astroPulseUsage"), &devices::Ot2File::ChannelSetting::astroPulseUsage, &ChannelSetting::astroPulseUsage,
      &ChannelSetting::setAstroPulseUsage },
    { QLatin1StringView("astroPulseDuration"), &devices::Ot2File::ChannelSetting::astroPulseDuration, &ChannelSetting::astroPulseDuration,
      &ChannelSetting::setAstroPulseDuration },
    { QLatin1StringView("offsetSunrise"), &devices::Ot2File::ChannelSetting::offsetSunrise, &ChannelSetting::offsetSunrise,
      &ChannelSetting::setOffsetSunrise },
    { QLatin1StringView("offsetSunset"), &devices::Ot2File::ChannelSetting::offsetSunset, &ChannelSetting::offsetSunset,
      &ChannelSetting::setOffsetSunset },
    { QLatin1StringView("delaySunrise"), &devices::Ot2File::ChannelSetting::delaySunrise, &ChannelSetting::delaySunrise,
      &ChannelSetting::setDelaySunrise },
    { QLatin1StringView("delaySunset"), &devices::Ot2File::ChannelSetting::delaySunset, &ChannelSetting::delaySunset,
      &ChannelSetting::setDelaySunset },
};

} // namespace storage
