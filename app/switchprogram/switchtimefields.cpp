#include "switchtimefields.h"

SwitchTimeFields SwitchTimeFields::of(const storage::SwitchTime& s) {
    return {s.type(),      s.state(),   s.startDays(), s.endDay(),
            s.startTime(), s.endTime(), s.pulsTime(),  s.pauseTime()};
}

void SwitchTimeFields::writeTo(storage::SwitchTime& s) const {
    s.setType(type);
    s.setState(state);
    s.setStartDays(startDays);
    s.setEndDay(endDay);
    s.setStartTime(startTime);
    s.setEndTime(endTime);
    s.setPulsTime(pulsTime);
    s.setPauseTime(pauseTime);
}
