#pragma once

#include "astrotimeofday.h"

struct AstroDay {
    AstroTimeOfDay sunrise;
    AstroTimeOfDay sunset;

    friend bool operator==(const AstroDay&, const AstroDay&) = default;
};
