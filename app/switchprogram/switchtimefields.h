#pragma once

#include <storage/switchtime.h>

#include <QMetaType>

// Every editable field of a switch time, taken as a value: an undo step puts a record back as a
// whole, including the fields that a rule changed along with the one written.
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
    void writeTo(storage::SwitchTime& switchTime) const;

    bool operator==(const SwitchTimeFields&) const = default;
};

Q_DECLARE_METATYPE(SwitchTimeFields)
