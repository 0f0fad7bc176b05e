#include "countries/timezonenumber.h"

#include <cstdlib>

namespace countries {

int timeZoneNumberForOffset(int offsetSeconds) {
    // Compare in seconds to keep offsets between quarter hours exact.
    constexpr long quarterHour = 15 * 60;
    int best = 0;
    long bestDistance = -1;
    for (int number = 0; number <= lastNamedTimeZoneNumber; ++number) {
        const long offset = deviceTimeZoneQuarterHours[number] * quarterHour;
        const long distance = std::labs(offset - offsetSeconds);
        const bool nearer = bestDistance < 0 || distance < bestDistance;
        const bool tieNearerUtc =
            distance == bestDistance &&
            std::labs(offset) < std::labs(deviceTimeZoneQuarterHours[best] * quarterHour);
        if (nearer || tieNearerUtc) {
            best = number;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace countries

extern "C" int countries_timeZoneNumberForOffset(int offsetSeconds) {
    return countries::timeZoneNumberForOffset(offsetSeconds);
}
