#include "extraprogramswitchtimecontroller.h"

#include "extraprogramowner.h"
#include "extraprogramviewcontroller.h"

#include <utils/wallclock.h>

#include <algorithm>

using storage::SwitchTime;

namespace {

QDateTime todayAt(int seconds) {
    return utils::WallClock::todayAt(QTime(0, 0).addSecs(seconds));
}

int secondsOf(const QDateTime& time) {
    return time.time().msecsSinceStartOfDay() / 1000;
}

SwitchTime switchOf(SwitchTime::Type type, SwitchTime::State state, int startTime) {
    // Extra programs switch on their dates whatever the weekday.
    return SwitchTime(type, state, startTime, SwitchTime::AllDays);
}

} // namespace

ExtraProgramSwitchTimeController::ExtraProgramSwitchTimeController(ExtraProgramViewController* parent)
    : QObject(parent)
    , m_viewController(parent)
    , m_luxValueOn(ExtraProgramViewController::DefaultLux)
    , m_luxValueOff(ExtraProgramViewController::DefaultLux) {
    for (QDateTime& time : m_times)
        time = todayAt(0);
    load();
}

void ExtraProgramSwitchTimeController::load() {
    readMode();
    if (m_isNocta) {
        setLuxValueOn(m_viewController->luxValueOn());
        setLuxValueOff(m_viewController->luxValueOff());
    }
    const QList<SwitchTime> switches = m_viewController->programSwitches();
    if (switches.isEmpty()) {
        for (int instant = OnProg1; instant < InstantCount; ++instant)
            setActive(Instant(instant), false);
        return;
    }
    for (int position = 0; position < switches.size(); ++position)
        readSwitch(position, switches.at(position));
}

bool ExtraProgramSwitchTimeController::isEmpty() const {
    return std::none_of(std::begin(m_active), std::end(m_active), [](bool active) { return active; });
}

void ExtraProgramSwitchTimeController::setLuxValueOn(int lux) {
    if (lux == m_luxValueOn)
        return;
    m_luxValueOn = lux;
    emit luxValueOnChanged();
}

void ExtraProgramSwitchTimeController::setLuxValueOff(int lux) {
    if (lux == m_luxValueOff)
        return;
    m_luxValueOff = lux;
    emit luxValueOffChanged();
}

void ExtraProgramSwitchTimeController::setOnSunset(bool onSunset) {
    if (onSunset == m_onSunset)
        return;
    m_onSunset = onSunset;
    emit onSunsetChanged();
}

void ExtraProgramSwitchTimeController::saveModifications() {
    if (isPlainMode()) {
        m_viewController->setSwitchTimes(plainSwitches());
    } else {
        m_viewController->setSwitchTimes(astroSwitches());
        if (m_isNocta)
            m_viewController->setLuxValues(m_luxValueOn, m_luxValueOff);
    }
    emit extraProgramSwitchTimeCountChanged();
}

void ExtraProgramSwitchTimeController::updateSunset(int astroMode) {
    setOnSunset(astroMode == 0);
}

void ExtraProgramSwitchTimeController::readMode() {
    ExtraProgramOwner* owner = m_viewController->owner();
    const bool isAstro = owner->isAstroChannel();
    const bool isNocta = owner->isNocta();
    if (isAstro)
        setOnSunset(owner->astroMode() == 0);
    connect(owner->ownerObject(), SIGNAL(astroModeChanged(int)), this, SLOT(updateSunset(int)),
            Qt::UniqueConnection);
    if (isAstro == m_isAstro && isNocta == m_isNocta)
        return;
    m_isAstro = isAstro;
    m_isNocta = isNocta;
    emit modeChanged();
}

void ExtraProgramSwitchTimeController::readSwitch(int position, const SwitchTime& switchTime) {
    const int state = switchTime.state();
    if (isPlainMode()) {
        const bool second = position >= 2;
        if (state == SwitchTime::On)
            readInstant(second ? OnProg2 : OnProg1, switchTime.startTime());
        else if (state == SwitchTime::Off)
            readInstant(second ? OffProg2 : OffProg1, switchTime.startTime());
        return;
    }
    if (state != SwitchTime::FixOff && state != SwitchTime::FixOn)
        return;
    const bool first = state == SwitchTime::FixOff;
    const bool active = switchTime.startTime() != Unused;
    const Instant on = first ? OnProg1 : OnProg2;
    const Instant off = first ? OffProg1 : OffProg2;
    readInstant(on, switchTime.startTime());
    setTime(off, todayAt(active ? switchTime.endTime() : 0));
    setActive(off, active);
}

void ExtraProgramSwitchTimeController::readInstant(Instant instant, int seconds) {
    const bool active = seconds != Unused;
    setTime(instant, todayAt(active ? seconds : 0));
    setActive(instant, active);
}

QList<SwitchTime> ExtraProgramSwitchTimeController::plainSwitches() const {
    return {switchOf(SwitchTime::Switch, SwitchTime::On, storedTime(OnProg1)),
            switchOf(SwitchTime::Switch, SwitchTime::Off, storedTime(OffProg1)),
            switchOf(SwitchTime::Switch, SwitchTime::On, storedTime(OnProg2)),
            switchOf(SwitchTime::Switch, SwitchTime::Off, storedTime(OffProg2))};
}

// Only the on flags decide whether a program's entry is used; an unused one ends at 1.
QList<SwitchTime> ExtraProgramSwitchTimeController::astroSwitches() const {
    QList<SwitchTime> switches;
    const std::pair<Instant, Instant> programs[] = {{OnProg1, OffProg1}, {OnProg2, OffProg2}};
    for (const auto& [on, off] : programs) {
        const bool active = m_active[on];
        SwitchTime entry = switchOf(SwitchTime::FixSwitch, on == OnProg1 ? SwitchTime::FixOff : SwitchTime::FixOn,
                                    active ? secondsOf(m_times[on]) : Unused);
        entry.setEndTime(active ? secondsOf(m_times[off]) : 1);
        switches.append(entry);
    }
    return switches;
}

int ExtraProgramSwitchTimeController::storedTime(Instant instant) const {
    return m_active[instant] ? secondsOf(m_times[instant]) : Unused;
}

void ExtraProgramSwitchTimeController::setActive(Instant instant, bool active) {
    if (active == m_active[instant])
        return;
    m_active[instant] = active;
    emitActiveChanged(instant);
}

void ExtraProgramSwitchTimeController::setTime(Instant instant, const QDateTime& time) {
    if (time == m_times[instant])
        return;
    m_times[instant] = time;
    emitTimeChanged(instant);
}

void ExtraProgramSwitchTimeController::emitActiveChanged(Instant instant) {
    switch (instant) {
    case OnProg1:
        emit isActiveOnProg1Changed();
        break;
    case OffProg1:
        emit isActiveOffProg1Changed();
        break;
    case OnProg2:
        emit isActiveOnProg2Changed();
        break;
    default:
        emit isActiveOffProg2Changed();
        break;
    }
}

void ExtraProgramSwitchTimeController::emitTimeChanged(Instant instant) {
    switch (instant) {
    case OnProg1:
        emit onTimeProg1Changed();
        break;
    case OffProg1:
        emit offTimeProg1Changed();
        break;
    case OnProg2:
        emit onTimeProg2Changed();
        break;
    default:
        emit offTimeProg2Changed();
        break;
    }
}
