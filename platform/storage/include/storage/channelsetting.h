#pragma once

#include "storage/luxvalues.h"
#include "storage/storableref.h"
#include "storage/storablerecord.h"

#include <QDateTime>
#include <QMap>

namespace storage {

// The settings of one channel: external input, holiday period, operating hours, signalling, earth
// hour, the astronomic values and the twilight values. Times are seconds (delays, external input
// time, astro pulse duration) or minutes (sunrise and sunset offsets). A new setting is all zero
// with a holiday period from today 00:00 to today 00:00, and the external input function the
// project gives it (the model's default, see Project::setting).
class ChannelSetting : public StorableRecord {
public:
    ChannelSetting();

    int externalInputFunction() const { return m_externalInputFunction; }
    void setExternalInputFunction(int value);
    int externalSwitchFunction() const { return m_externalSwitchFunction; }
    void setExternalSwitchFunction(int value);
    int externalTasterFunction() const { return m_externalTasterFunction; }
    void setExternalTasterFunction(int value);
    int externalStatus() const { return m_externalStatus; }
    void setExternalStatus(int value);
    int externalResettable() const { return m_externalResettable; }
    void setExternalResettable(int value);
    int externalInputTime() const { return m_externalInputTime; }
    void setExternalInputTime(int seconds);
    int holidayStatus() const { return m_holidayStatus; }
    void setHolidayStatus(int value);
    // The holiday period: wall-clock readings (see utils::WallClock), today 00:00 when new.
    QDateTime holidayBegin() const { return m_holidayBegin; }
    void setHolidayBegin(const QDateTime& begin);
    QDateTime holidayEnd() const { return m_holidayEnd; }
    void setHolidayEnd(const QDateTime& end);
    int operatingHours() const { return m_operatingHours; }
    void setOperatingHours(int hours);
    int earthHour() const { return m_earthHour; }
    void setEarthHour(int value);
    int signaling() const { return m_signaling; }
    void setSignaling(int value);

    int offsetSunrise() const { return m_offsetSunrise; }
    void setOffsetSunrise(int minutes);
    int offsetSunset() const { return m_offsetSunset; }
    void setOffsetSunset(int minutes);
    int astroMode() const { return m_astroMode; }
    void setAstroMode(int mode);
    int astroPulseUsage() const { return m_astroPulseUsage; }
    void setAstroPulseUsage(int usage);
    int astroPulseDuration() const { return m_astroPulseDuration; }
    void setAstroPulseDuration(int seconds);
    int astroTime() const { return m_astroTime; }
    void setAstroTime(int value);

    int delaySunrise() const { return m_delaySunrise; }
    void setDelaySunrise(int seconds);
    int delaySunset() const { return m_delaySunset; }
    void setDelaySunset(int seconds);

    // The light values of day d (0 Monday .. 6 Sunday; day 0 alone for one setting for all days),
    // created with the defaults on first use.
    StorableRef<LuxValues> luxValuesByDay(int day);
    QMap<int, StorableRef<LuxValues>> luxValuesConst() const { return m_luxValues; }

private:
    int m_externalInputFunction = 0;
    int m_externalSwitchFunction = 0;
    int m_externalTasterFunction = 0;
    int m_externalStatus = 0;
    int m_externalResettable = 0;
    int m_externalInputTime = 0;
    int m_holidayStatus = 0;
    QDateTime m_holidayBegin;
    QDateTime m_holidayEnd;
    int m_operatingHours = 0;
    int m_earthHour = 0;
    int m_signaling = 0;
    int m_offsetSunrise = 0;
    int m_offsetSunset = 0;
    int m_astroMode = 0;
    int m_astroPulseUsage = 0;
    int m_astroPulseDuration = 0;
    int m_astroTime = 0;
    int m_delaySunrise = 0;
    int m_delaySunset = 0;
    QMap<int, StorableRef<LuxValues>> m_luxValues;
};

} // namespace storage
