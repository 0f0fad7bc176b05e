#pragma once

#include <QObject>

// The summer/winter time rule numbers as projects and devices store them. The settings
// list of the rules takes its enumeration from here.
class SoWiRules {
    Q_GADGET

public:
    enum SoWiRule {
        NO_SO_WI = 0,
        EUROPE = 1,
        EUROPE_West = 2,
        EUROPE_EAST = 3,
        CANADA = 4,
        USA = 5,
        IRAN = 6,
        FREE_RULE = 7,
        FIX_DATE = 8,
        AUSTRALIA = 9,
    };
    Q_ENUM(SoWiRule)
};

using SoWiRule = SoWiRules::SoWiRule;
