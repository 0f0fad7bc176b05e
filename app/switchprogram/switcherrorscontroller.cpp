#include "switcherrorscontroller.h"

#include "overlapsweep.h"

#include <utils/weekdays.h>

#include <QCoreApplication>

using storage::SwitchTime;
using utils::Weekdays;

namespace {

// The error a switch time has on its own, without looking at the others.
SwitchErrorsController::SwitchErrors ownError(const SwitchTimeFields& f) {
    using E = SwitchErrorsController;
    switch (f.type) {
    case SwitchTime::Switch:
        return f.startDays == 0 ? E::SW_WeekMissing : E::SW_NoErrors;
    case SwitchTime::Impuls:
        if (f.startDays == 0)
            return E::SW_WeekMissing;
        if (f.pulsTime == 0)
            return E::SW_ImpulsDurationMissing;
        // An impulse that ends at 24:00 stays within its day.
        if (f.startTime + f.pulsTime > SwitchTime::SecondsPerDay)
            return E::SW_ImpulsOverMidnight;
        return E::SW_NoErrors;
    case SwitchTime::Cycle:
        if (f.startDays == 0 || f.endDay == 0)
            return E::SW_WeekMissing;
        if (f.pulsTime == 0)
            return E::SW_CyclePulseDurationMissing;
        if (f.pauseTime == 0)
            return E::SW_CyclePauseMissing;
        return E::SW_NoErrors;
    case SwitchTime::FixSwitch:
        if (f.startDays == 0 || f.endDay == 0)
            return E::SW_WeekMissing;
        if ((f.endDay == f.startDays || f.endDay == SwitchTime::NoSingleEndDay) && f.endTime == f.startTime)
            return E::SW_IdenticalStartAndEnd;
        return E::SW_NoErrors;
    default:
        return E::SW_NoErrors;
    }
}

SwitchErrorsController::SwitchErrors overlapError(int type) {
    return type == SwitchTime::Impuls ? SwitchErrorsController::SW_ImpulsOverlaps
                                      : SwitchErrorsController::SW_CycleOverlaps;
}

bool canOverlap(int type) {
    return type == SwitchTime::Impuls || type == SwitchTime::Cycle;
}

// The stretches of the week a switch time takes: an impulse its pulse on each of its weekdays,
// a cycle the time from its start to its end.
void addRanges(OverlapSweep& sweep, int owner, const SwitchTimeFields& f) {
    if (f.type == SwitchTime::Cycle) {
        sweep.add(owner, SwitchTime::Range(f.startDays, f.startTime, f.endDay, f.endTime));
        return;
    }
    for (int day = 0; day < Weekdays::DaysPerWeek; ++day) {
        const int bit = Weekdays::bitOfIndex(day);
        if (f.startDays & bit)
            sweep.add(owner, SwitchTime::Range(bit, f.startTime, f.pulsTime));
    }
}

int secondsOfDay(const QDateTime& dateTime) {
    const QTime time = dateTime.time();
    return time.isValid() ? time.msecsSinceStartOfDay() / 1000 : 0;
}

} // namespace

SwitchErrorsController::SwitchErrorsController(const QList<SwitchTime>* switches, QObject* parent)
    : BaseController(parent)
    , m_switches(switches) {
}

SwitchErrorsController::SwitchErrors
SwitchErrorsController::checkSwitchTime(int type, int state, int startDays, int endDay, int startTime,
                                        int endTime, int pulsTime, int pauseTime, qint64 id) const {
    const SwitchTimeFields candidate{type, state, startDays, endDay, startTime, endTime, pulsTime, pauseTime};
    return check(candidate, [this, id](int row) { return id != 0 && m_switches->at(row).id() == id; });
}

SwitchErrorsController::SwitchErrors
SwitchErrorsController::switchTimeError(const SwitchTime& switchTime) const {
    return check(SwitchTimeFields::of(switchTime),
                 [this, &switchTime](int row) { return m_switches->at(row) == switchTime; });
}

QString SwitchErrorsController::checkNewSwitchTime(int type, int state, int startDays, int endDay,
                                                   const QDateTime& startTime, const QDateTime& endTime,
                                                   const QDateTime& pulsTime,
                                                   const QDateTime& pauseTime) const {
    if (type < 0)
        return QCoreApplication::translate("SwitchTimeTable", "Typ auswählen", "Error message");
    return errorToString(checkSwitchTime(type, state, startDays, endDay, secondsOfDay(startTime),
                                         secondsOfDay(endTime), secondsOfDay(pulsTime),
                                         secondsOfDay(pauseTime), -1));
}

SwitchErrorsController::SwitchErrors SwitchErrorsController::errorAt(int row) const {
    refresh();
    return m_errors.value(row, SW_NoErrors);
}

int SwitchErrorsController::errorCount() const {
    refresh();
    return m_errorCount;
}

void SwitchErrorsController::invalidate() {
    m_dirty = true;
}

QString SwitchErrorsController::errorToString(SwitchErrors error) const {
    static const char* const texts[] = {
        "",
        QT_TRANSLATE_NOOP("SwitchErrors", "Fehlende Wochentage"),
        QT_TRANSLATE_NOOP("SwitchErrors", "Fehlende Dauer"),
        QT_TRANSLATE_NOOP("SwitchErrors", "Impulsüberschneidungen"),
        QT_TRANSLATE_NOOP("SwitchErrors", "Impulse über Mitternacht"),
        QT_TRANSLATE_NOOP("SwitchErrors", "Fehlende Impulsdauer"),
        QT_TRANSLATE_NOOP("SwitchErrors", "Fehlende Pause"),
        QT_TRANSLATE_NOOP("SwitchErrors", "Zyklusüberschneidungen"),
        QT_TRANSLATE_NOOP("SwitchErrors", "Identischer Anfang und Ende"),
    };
    if (error <= SW_NoErrors || error > SW_IdenticalStartAndEnd)
        return QString();
    return QCoreApplication::translate("SwitchErrors", texts[error]);
}

SwitchErrorsController::SwitchErrors
SwitchErrorsController::check(const SwitchTimeFields& candidate, const std::function<bool(int)>& skip) const {
    const SwitchErrors own = ownError(candidate);
    if (own != SW_NoErrors || !canOverlap(candidate.type))
        return own;
    const int count = static_cast<int>(m_switches->size());
    OverlapSweep sweep;
    for (int row = 0; row < count; ++row) {
        const SwitchTimeFields other = SwitchTimeFields::of(m_switches->at(row));
        if (other.type == candidate.type && !skip(row))
            addRanges(sweep, row, other);
    }
    addRanges(sweep, count, candidate);
    return sweep.overlappingOwners(count + 1).back() ? overlapError(candidate.type) : SW_NoErrors;
}

void SwitchErrorsController::refresh() const {
    if (!m_dirty)
        return;
    m_dirty = false;
    const int count = static_cast<int>(m_switches->size());
    QList<SwitchTimeFields> fields;
    fields.reserve(count);
    OverlapSweep impulses;
    OverlapSweep cycles;
    for (int row = 0; row < count; ++row) {
        fields.append(SwitchTimeFields::of(m_switches->at(row)));
        const SwitchTimeFields& f = fields.constLast();
        if (f.type == SwitchTime::Impuls)
            addRanges(impulses, row, f);
        else if (f.type == SwitchTime::Cycle)
            addRanges(cycles, row, f);
    }
    const std::vector<bool> impulseOverlaps = impulses.overlappingOwners(count);
    const std::vector<bool> cycleOverlaps = cycles.overlappingOwners(count);

    m_errors.resize(count);
    m_errorCount = 0;
    for (int row = 0; row < count; ++row) {
        const SwitchTimeFields& f = fields.at(row);
        SwitchErrors error = ownError(f);
        const auto i = static_cast<size_t>(row);
        if (error == SW_NoErrors && (impulseOverlaps[i] || cycleOverlaps[i]))
            error = overlapError(f.type);
        m_errors[row] = error;
        if (error != SW_NoErrors)
            ++m_errorCount;
    }
}
