#pragma once

#include <storage/switchtime.h>

#include <QMetaType>

// Every editable field of a switch time, taken as a value: an undo step puts back the fields its
// edit changed, including those that a rule changed along with the one written.
struct SwitchTimeFields {
    int type = 0;
    int state = 0;
    int startDays = 0;
    int endDay = 0;
    int startTime = 0;
    int endTime = 0;
    int pulsTime = 0;
    int pauseTime = 0;

    static SwitchTimeFields of(const storage::SwitchTime& switchTime);
    // Writes the fields in which this differs from other.
    void writeChangesTo(storage::SwitchTime& switchTime, const SwitchTimeFields& other) const;

    bool operator==(const SwitchTimeFields&) const = default;
};

Q_DECLARE_METATYPE(SwitchTimeFields)
