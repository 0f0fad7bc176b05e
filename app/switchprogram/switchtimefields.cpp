#include "switchtimefields.h"

SwitchTimeFields SwitchTimeFields::of(const storage::SwitchTime& s) {
    return {s.type(),      s.state(),   s.startDays(), s.endDay(),
            s.startTime(), s.endTime(), s.pulsTime(),  s.pauseTime()};
}

void SwitchTimeFields::writeChangesTo(storage::SwitchTime& s, const SwitchTimeFields& other) const {
    const auto differs = [&](int SwitchTimeFields::*field) { return this->*field != other.*field; };
    if (differs(&SwitchTimeFields::type))
        s.setType(type);
    if (differs(&SwitchTimeFields::state))
        s.setState(state);
    if (differs(&SwitchTimeFields::startDays))
        s.setStartDays(startDays);
    if (differs(&SwitchTimeFields::endDay))
        s.setEndDay(endDay);
    if (differs(&SwitchTimeFields::startTime))
        s.setStartTime(startTime);
    if (differs(&SwitchTimeFields::endTime))
        s.setEndTime(endTime);
    if (differs(&SwitchTimeFields::pulsTime))
        s.setPulsTime(pulsTime);
    if (differs(&SwitchTimeFields::pauseTime))
        s.setPauseTime(pauseTime);
}
