#pragma once

#include <functional>

namespace core {

// Whether the system lets this program use the location. On Linux the nearest equivalent of
// the operating system's consent is whether Qt Positioning offers a position source.
class LocationConsent {
public:
    static bool positionSourceAvailable();

    // Replaces the look-up (tests); an empty function restores it.
    static void setSourceCheck(std::function<bool()> check);
};

} // namespace core
