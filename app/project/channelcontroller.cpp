#include "channelcontroller.h"

#include "projectcontroller.h"
#include "writeifchanged.h"

#include <utils/wallclock.h>

namespace {

// The timer function of the external input button, which may run for seconds.
constexpr int TimerTasterFunction = 1;

enum Part { DatePart, TimePart };

// Gives stored the date or the time of given, as the reading it shows (a period without a time
// starts at midnight); false when that part is the same already.
bool replacePart(QDateTime& stored, const QDateTime& given, Part part) {
    const QTime storedTime = stored.time().isValid() ? stored.time() : QTime(0, 0);
    const QDateTime replaced = part == DatePart ? utils::WallClock::at(given.date(), storedTime)
                                                : utils::WallClock::at(stored.date(), given.time());
    if (part == DatePart ? stored.date() == given.date() : stored.time() == given.time())
        return false;
    stored = replaced;
    return true;
}

} // namespace

ChannelController::ChannelController(storage::Project& project, int channelIndex, ProjectController* owner)
    : QObject(owner)
    , m_owner(owner)
    , m_channelIndex(channelIndex)
    , m_setting(project.setting(channelIndex)) {
    connect(owner, &ProjectController::signalingChannelsChanged, this,
            &ChannelController::isSignalingChanged);
}

QDateTime ChannelController::todayAt(int seconds) {
    return utils::WallClock::todayAt(QTime(0, 0).addSecs(seconds));
}

int ChannelController::isSignaling() const {
    return m_owner->signalingChannels().contains(m_channelIndex + 1) ? 1 : 0;
}

void ChannelController::setExternalInputFunction(int value) {
    if (writeIfChanged(externalInputFunction(), value, [&] { m_setting->setExternalInputFunction(value); }))
        emit externalInputFunctionChanged(value);
}

void ChannelController::setExternalSwitchFunction(int value) {
    if (writeIfChanged(externalSwitchFunction(), value, [&] { m_setting->setExternalSwitchFunction(value); }))
        emit externalSwitchFunctionChanged(value);
}

void ChannelController::setExternalTasterFunction(int value) {
    if (writeIfChanged(externalTasterFunction(), value, [&] { m_setting->setExternalTasterFunction(value); }))
        emit externalTasterFunctionChanged(value);
}

void ChannelController::setExternalStatus(int value) {
    if (writeIfChanged(externalStatus(), value, [&] { m_setting->setExternalStatus(value); }))
        emit externalStatusChanged(value);
}

void ChannelController::setExternalResettable(int value) {
    if (writeIfChanged(externalResettable(), value, [&] { m_setting->setExternalResettable(value); }))
        emit externalResettableChanged(value);
}

void ChannelController::setExternalInputTime(const QDateTime& time) {
    const QTime clock = time.time();
    int seconds = (clock.hour() * 60 + clock.minute()) * 60;
    if (m_owner->canSetSecondsForTimerExtInput() && externalTasterFunction() == TimerTasterFunction)
        seconds += clock.second();
    if (writeIfChanged(m_setting->externalInputTime(), seconds,
                       [&] { m_setting->setExternalInputTime(seconds); }))
        emit externalInputTimeChanged(time);
}

void ChannelController::setHolidayStatus(int value) {
    if (writeIfChanged(holidayStatus(), value, [&] { m_setting->setHolidayStatus(value); }))
        emit holidayStatusChanged(value);
}

void ChannelController::setOperatingHour(int hours) {
    if (writeIfChanged(operatingHour(), hours, [&] { m_setting->setOperatingHours(hours); }))
        emit operatingHourChanged(hours);
}

void ChannelController::setEarthHour(int value) {
    if (writeIfChanged(earthHour(), value, [&] { m_setting->setEarthHour(value); }))
        emit earthHourChanged();
}

bool ChannelController::setSignaling(int value) {
    if (!writeIfChanged(signaling(), value, [&] { m_setting->setSignaling(value); }))
        return false;
    emit signalingChanged();
    return true;
}

void ChannelController::setHolidayDateBegin(const QDateTime& date) {
    QDateTime begin = holidayBegin();
    if (replacePart(begin, date, DatePart)) {
        m_setting->setHolidayBegin(begin);
        emit holidayBeginChanged(begin);
    }
}

void ChannelController::setHolidayTimeBegin(const QDateTime& time) {
    QDateTime begin = holidayBegin();
    if (replacePart(begin, time, TimePart)) {
        m_setting->setHolidayBegin(begin);
        emit holidayBeginChanged(begin);
    }
}

void ChannelController::setHolidayDateEnd(const QDateTime& date) {
    QDateTime end = holidayEnd();
    if (replacePart(end, date, DatePart)) {
        m_setting->setHolidayEnd(end);
        emit holidayEndChanged(end);
    }
}

void ChannelController::setHolidayTimeEnd(const QDateTime& time) {
    QDateTime end = holidayEnd();
    if (replacePart(end, time, TimePart)) {
        m_setting->setHolidayEnd(end);
        emit holidayEndChanged(end);
    }
}
