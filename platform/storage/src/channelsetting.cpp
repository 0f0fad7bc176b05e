#include "storage/channelsetting.h"

#include "changetracker.h"

#include <utils/wallclock.h>

namespace storage {

ChannelSetting::ChannelSetting()
    : m_holidayBegin(utils::WallClock::todayAt(QTime(0, 0)))
    , m_holidayEnd(m_holidayBegin)
{
}

void ChannelSetting::setExternalInputFunction(int value) { ChangeTracker::assign(m_externalInputFunction, value); }
void ChannelSetting::setExternalSwitchFunction(int value) { ChangeTracker::assign(m_externalSwitchFunction, value); }
void ChannelSetting::setExternalTasterFunction(int value) { ChangeTracker::assign(m_externalTasterFunction, value); }
void ChannelSetting::setExternalStatus(int value) { ChangeTracker::assign(m_externalStatus, value); }
void ChannelSetting::setExternalResettable(int value) { ChangeTracker::assign(m_externalResettable, value); }
void ChannelSetting::setExternalInputTime(int seconds) { ChangeTracker::assign(m_externalInputTime, seconds); }
void ChannelSetting::setHolidayStatus(int value) { ChangeTracker::assign(m_holidayStatus, value); }
void ChannelSetting::setHolidayBegin(const QDateTime& begin) { ChangeTracker::assign(m_holidayBegin, begin); }
void ChannelSetting::setHolidayEnd(const QDateTime& end) { ChangeTracker::assign(m_holidayEnd, end); }
void ChannelSetting::setOperatingHours(int hours) { ChangeTracker::assign(m_operatingHours, hours); }
void ChannelSetting::setEarthHour(int value) { ChangeTracker::assign(m_earthHour, value); }
void ChannelSetting::setSignaling(int value) { ChangeTracker::assign(m_signaling, value); }
void ChannelSetting::setOffsetSunrise(int minutes) { ChangeTracker::assign(m_offsetSunrise, minutes); }
void ChannelSetting::setOffsetSunset(int minutes) { ChangeTracker::assign(m_offsetSunset, minutes); }
void ChannelSetting::setAstroMode(int mode) { ChangeTracker::assign(m_astroMode, mode); }
void ChannelSetting::setAstroPulseUsage(int usage) { ChangeTracker::assign(m_astroPulseUsage, usage); }
void ChannelSetting::setAstroPulseDuration(int seconds) { ChangeTracker::assign(m_astroPulseDuration, seconds); }
void ChannelSetting::setAstroTime(int value) { ChangeTracker::assign(m_astroTime, value); }
void ChannelSetting::setDelaySunrise(int seconds) { ChangeTracker::assign(m_delaySunrise, seconds); }
void ChannelSetting::setDelaySunset(int seconds) { ChangeTracker::assign(m_delaySunset, seconds); }

StorableRef<LuxValues> ChannelSetting::luxValuesByDay(int day)
{
    // A record with the defaults is no change worth saving on its own.
    auto it = m_luxValues.find(day);
    if (it == m_luxValues.end())
        it = m_luxValues.insert(day, StorableRef<LuxValues>(new LuxValues));
    return it.value();
}

} // namespace storage
