#pragma once

#include <storage/switchtime.h>

#include <QList>

// The plain way of finding the switching errors: every switch time compared with every other one
// of its type, pulse by pulse. It serves the tests as the reference for the sweep and the
// benchmark as the baseline. Error codes as in SwitchErrorsController.
namespace pairwise {

inline int error(const QList<storage::SwitchTime>& list, int row) {
    using storage::SwitchTime;
    const SwitchTime& s = list.at(row);
    const auto days = [](int dayBits) {
        QList<int> bits;
        for (int bit = 128; bit >= 2; bit >>= 1) {
            if (dayBits & bit)
                bits.append(bit);
        }
        return bits;
    };
    switch (s.type()) {
    case SwitchTime::Switch:
        return s.startDays() == 0 ? 1 : 0;
    case SwitchTime::Impuls:
        if (s.startDays() == 0)
            return 1;
        if (s.pulsTime() == 0)
            return 2;
        if (const SwitchTime::Range sunday(2, s.startTime(), s.pulsTime()); sunday.end() < sunday.start())
            return 4;
        for (int d : days(s.startDays())) {
            const SwitchTime::Range range(d, s.startTime(), s.pulsTime());
            for (int other = 0; other < list.size(); ++other) {
                const SwitchTime& o = list.at(other);
                if (other == row || o.type() != SwitchTime::Impuls)
                    continue;
                for (int e : days(o.startDays())) {
                    if (SwitchTime::Range(e, o.startTime(), o.pulsTime()).isOverlapping(range))
                        return 3;
                }
            }
        }
        return 0;
    case SwitchTime::Cycle: {
        if (s.startDays() == 0 || s.endDay() == 0)
            return 1;
        if (s.pulsTime() == 0)
            return 5;
        if (s.pauseTime() == 0)
            return 6;
        const SwitchTime::Range range(s.startDays(), s.startTime(), s.endDay(), s.endTime());
        for (int other = 0; other < list.size(); ++other) {
            if (other != row && list.at(other).type() == SwitchTime::Cycle &&
                SwitchTime::Range(list.at(other)).isOverlapping(range))
                return 7;
        }
        return 0;
    }
    case SwitchTime::FixSwitch:
        if (s.startDays() == 0 || s.endDay() == 0)
            return 1;
        if ((s.endDay() == s.startDays() || s.endDay() == -1) && s.endTime() == s.startTime())
            return 8;
        return 0;
    default:
        return 0;
    }
}

} // namespace pairwise
