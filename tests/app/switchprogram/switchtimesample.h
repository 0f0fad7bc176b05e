#pragma once

#include <storage/switchtime.h>

#include <QList>
#include <QRandomGenerator>

// Switch times for the tests and benchmarks, built without a database.
namespace sample {

// Weekday bits, Monday first as the grid's rows are with the week starting on Monday, and an hour
// in seconds.
namespace days {
constexpr int Monday = 128;
constexpr int Tuesday = 64;
constexpr int Wednesday = 32;
constexpr int Thursday = 16;
constexpr int Friday = 8;
constexpr int Saturday = 4;
constexpr int Sunday = 2;
constexpr int Hour = 3600;
} // namespace days

inline storage::SwitchTime switchTime(int type, int state, int startDays, int startTime, int endDay = 0,
                                      int endTime = 0, int pulsTime = 0, int pauseTime = 0) {
    storage::SwitchTime s;
    s.setType(type);
    s.setState(state);
    s.setStartDays(startDays);
    s.setStartTime(startTime);
    s.setEndDay(endDay);
    s.setEndTime(endTime);
    s.setPulsTime(pulsTime);
    s.setPauseTime(pauseTime);
    return s;
}

inline storage::SwitchTime impulse(int startDays, int startTime, int pulsTime) {
    return switchTime(storage::SwitchTime::Impuls, storage::SwitchTime::On, startDays, startTime, 0, 0,
                      pulsTime);
}

inline storage::SwitchTime cycle(int startDay, int startTime, int endDay, int endTime, int pulsTime = 60,
                                 int pauseTime = 60) {
    return switchTime(storage::SwitchTime::Cycle, storage::SwitchTime::Off, startDay, startTime, endDay,
                      endTime, pulsTime, pauseTime);
}

// A random switch time of any type. Impulses start on quarter hours and some last exactly one,
// so that they often overlap or just touch.
inline storage::SwitchTime random(QRandomGenerator& random) {
    const int type = random.bounded(4);
    const int days = random.bounded(8) == 0 ? 0 : (random.bounded(1, 128) << 1);
    const int dayBit = 2 << random.bounded(7);
    const int start = random.bounded(86400);
    switch (type) {
    case storage::SwitchTime::Impuls:
        return impulse(days, random.bounded(96) * 900,
                       random.bounded(8) == 0 ? 0 : random.bounded(2) * 900 + random.bounded(2));
    case storage::SwitchTime::Cycle:
        return cycle(dayBit, start, random.bounded(6) == 0 ? 1 : (2 << random.bounded(7)),
                     random.bounded(86400), random.bounded(3), random.bounded(3));
    default:
        return switchTime(type, type == storage::SwitchTime::FixSwitch ? 3 : random.bounded(2), days, start,
                          random.bounded(5) == 0 ? -1 : dayBit,
                          random.bounded(3) == 0 ? start : random.bounded(86400));
    }
}

// A program of count switch times of every kind.
inline QList<storage::SwitchTime> randomProgram(int count, quint32 seed) {
    QRandomGenerator generator(seed);
    QList<storage::SwitchTime> list;
    for (int i = 0; i < count; ++i)
        list.append(random(generator));
    return list;
}

// A weekly program of count switch times, half of them impulses spread over the week.
inline QList<storage::SwitchTime> program(int count, quint32 seed) {
    QRandomGenerator random(seed);
    QList<storage::SwitchTime> list;
    for (int i = 0; i < count; ++i) {
        if (i % 2 == 0)
            list.append(impulse(2 << random.bounded(7), random.bounded(86000), random.bounded(1, 120)));
        else
            list.append(switchTime(random.bounded(2), random.bounded(2), random.bounded(1, 128) << 1,
                                   random.bounded(86400)));
    }
    return list;
}

} // namespace sample
