#pragma once

#include "basecontroller.h"
#include "switchtimefields.h"

#include <storage/switchtime.h>

#include <QDateTime>
#include <QList>
#include <QObject>
#include <functional>

// Decides whether the switch times of a program are valid. The errors of the whole list are
// computed together, once after each change of the list (invalidate()), by sweeping over the
// weekdays rather than comparing every pair of switch times.
class SwitchErrorsController : public BaseController {
    Q_OBJECT

public:
    enum SwitchErrors {
        SW_NoErrors = 0,
        SW_WeekMissing = 1,
        SW_ImpulsDurationMissing = 2,
        SW_ImpulsOverlaps = 3,
        SW_ImpulsOverMidnight = 4,
        SW_CyclePulseDurationMissing = 5,
        SW_CyclePauseMissing = 6,
        SW_CycleOverlaps = 7,
        SW_IdenticalStartAndEnd = 8,
    };
    Q_ENUM(SwitchErrors)

    // switches: the list of the owning model; it must outlive this controller.
    SwitchErrorsController(const QList<storage::SwitchTime>* switches, QObject* parent);

    // A switch time with these values checked against the list. Entries with the same id are left
    // out, except id 0, which every switch time has until it is stored.
    SwitchErrors checkSwitchTime(int type, int state, int startDays, int endDay, int startTime, int endTime,
                                 int pulsTime, int pauseTime, qint64 id) const;
    // A switch time checked against the other entries of the list.
    SwitchErrors switchTimeError(const storage::SwitchTime& switchTime) const;
    // Text of the error of a switch time being entered, before it exists; type < 0: none chosen.
    QString checkNewSwitchTime(int type, int state, int startDays, int endDay, const QDateTime& startTime,
                               const QDateTime& endTime, const QDateTime& pulsTime,
                               const QDateTime& pauseTime) const;

    // Errors of the rows of the list, kept until the next invalidate().
    SwitchErrors errorAt(int row) const;
    int errorCount() const;
    // The list changed: the kept errors are computed again on the next read.
    void invalidate();

    Q_INVOKABLE QString errorToString(SwitchErrorsController::SwitchErrors error) const;

private:
    // The check of one candidate: the entries of the list for which skip() is true are left out.
    SwitchErrors check(const SwitchTimeFields& candidate, const std::function<bool(int row)>& skip) const;
    void refresh() const;

    const QList<storage::SwitchTime>* m_switches;
    mutable QList<SwitchErrors> m_errors;
    mutable int m_errorCount = 0;
    mutable bool m_dirty = true;
};
