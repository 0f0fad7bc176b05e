#include "switchtimecontroller.h"

#include "switchprogramlogging.h"
#include "switchtimefields.h"
#include "switchtimesviewcontroller.h"

#include <utils/weekdays.h>

using storage::SwitchTime;
using utils::Weekdays;

namespace {

QDateTime todayAt(int seconds) {
    return QDateTime(QDate::currentDate(), QTime(0, 0).addSecs(seconds), Qt::UTC);
}

int secondsOf(const QTime& time, bool withSeconds) {
    return time.hour() * 3600 + time.minute() * 60 + (withSeconds ? time.second() : 0);
}

// QML hands times of day over as local date-times; the buffer keeps their wall clock.
QDateTime wallClock(const QDateTime& time) {
    return QDateTime(time.date(), time.time(), Qt::UTC);
}

template <typename T>
bool store(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

SwitchTimeController::SwitchTimeController(SwitchTimesViewController* owner, int index,
                                           const SwitchTime& switchTime)
    : m_owner(owner)
    , m_index(index)
    , m_switchTime(switchTime)
    , m_endTime(todayAt(0))
    , m_state(switchTime.state())
    , m_pulsTime(todayAt(0))
    , m_pauseTime(todayAt(0))
    , m_type(switchTime.type()) {
    m_time = todayAt(switchTime.startTime());
    if (m_type == SwitchTime::FixSwitch || m_type == SwitchTime::Cycle) {
        m_endTime = todayAt(switchTime.endTime());
        m_endDay = switchTime.endDayIndex();
    }
    if (m_type == SwitchTime::Impuls || m_type == SwitchTime::Cycle)
        m_pulsTime = todayAt(switchTime.pulsTime());
    if (m_type == SwitchTime::Cycle)
        m_pauseTime = todayAt(switchTime.pauseTime());
    m_selectedDays = switchTime.startDaysList();
}

void SwitchTimeController::setTime(const QDateTime& time) {
    if (!store(m_time, wallClock(time)))
        return;
    emit timeChanged(m_time);
    if (endless())
        setEndTime(m_time);
}

void SwitchTimeController::setSelectedDays(const QList<bool>& days) {
    if (store(m_selectedDays, days))
        emit selectedDaysChanged(days);
}

void SwitchTimeController::setEndTime(const QDateTime& time) {
    if (store(m_endTime, wallClock(time)))
        emit endTimeChanged(m_endTime);
}

void SwitchTimeController::setEndDay(int day) {
    if (store(m_endDay, day))
        emit endDayChanged(day);
}

void SwitchTimeController::setState(int state) {
    if (store(m_state, state))
        emit stateChanged(state);
}

void SwitchTimeController::setPulsTime(const QDateTime& time) {
    if (store(m_pulsTime, wallClock(time)))
        emit pulsTimeChanged(m_pulsTime);
}

void SwitchTimeController::setPauseTime(const QDateTime& time) {
    if (store(m_pauseTime, wallClock(time)))
        emit pauseTimeChanged(m_pauseTime);
}

void SwitchTimeController::setType(int type) {
    if (store(m_type, type))
        emit typeChanged(type);
}

void SwitchTimeController::setEndless(bool on) {
    if (on) {
        if (endless())
            return;
        m_endDay = EndlessIndex;
    } else {
        setEndDay(firstSelectedDay());
    }
    setEndTime(m_time);
    emit endlessChanged(on);
}

int SwitchTimeController::firstSelectedDay() const {
    return static_cast<int>(m_selectedDays.indexOf(true));
}

int SwitchTimeController::selectedDayBits() const {
    int days = 0;
    for (int day = 0; day < m_selectedDays.size(); ++day) {
        if (m_selectedDays.at(day))
            days |= Weekdays::bitOfIndex(day);
    }
    return days;
}

bool SwitchTimeController::sameMinute(const QDateTime& a, const QDateTime& b) const {
    return a.time().hour() == b.time().hour() && a.time().minute() == b.time().minute();
}

bool SwitchTimeController::isEndDateValide(int endDay, const QDateTime& endTime) const {
    return !(m_switchTime.type() == SwitchTime::FixSwitch && sameMinute(endTime, m_time) && endDay != -1 &&
             endDay == firstSelectedDay());
}

// A cycle that ends where it starts runs without end; one with an end of its own is not endless.
void SwitchTimeController::settleCycleEnd() {
    if (endless()) {
        if (!sameMinute(m_time, m_endTime))
            m_endDay = firstSelectedDay();
    } else if (m_endDay >= 0 && m_endDay < m_selectedDays.size() && m_selectedDays.at(m_endDay) &&
               sameMinute(m_time, m_endTime)) {
        m_endDay = EndlessIndex;
    }
}

SwitchTimeFields SwitchTimeController::editedFields() {
    SwitchTimeFields fields = SwitchTimeFields::of(m_switchTime);
    fields.type = m_type;
    fields.state = m_state;
    fields.startTime = secondsOf(m_time.time(), m_type == SwitchTime::Impuls);
    fields.startDays = selectedDayBits();
    switch (m_type) {
    case SwitchTime::Impuls:
        fields.pulsTime = m_pulsTime.time().minute() * 60 + m_pulsTime.time().second();
        break;
    case SwitchTime::Cycle:
        fields.pulsTime = secondsOf(m_pulsTime.time(), true);
        fields.pauseTime = secondsOf(m_pauseTime.time(), true);
        settleCycleEnd();
        // A cycle without an end day keeps none, as the list writes it.
        fields.endDay = m_endDay < 0 ? 0 : Weekdays::endDayOfIndex(m_endDay);
        fields.endTime = secondsOf(m_endTime.time(), true);
        break;
    case SwitchTime::FixSwitch:
        fields.endDay = m_endDay < 0 ? int(SwitchTime::NoSingleEndDay) : Weekdays::endDayOfIndex(m_endDay);
        fields.endTime = secondsOf(m_endTime.time(), false);
        break;
    default:
        break;
    }
    return fields;
}

void SwitchTimeController::saveModifications() {
    if (!m_owner) {
        qCWarning(switchProgramLog) << ">> The switch-time view is gone; the edit is not saved";
        return;
    }
    const SwitchTimeFields fields = editedFields();
    if (m_index >= 0) {
        m_owner->storeSwitchTime(m_switchTime, fields);
        return;
    }
    fields.writeChangesTo(m_switchTime, SwitchTimeFields::of(m_switchTime));
    m_owner->storeNewSwitchTime(m_switchTime);
}
