#pragma once

#include "sowirule.h"

#include <QMetaType>
#include <QtGlobal>

// One switch between winter and summer time as a project describes it.
struct SoWiSwitchRecord {
    int custom = 0; // the project's custom flag; not read by the engine
    quint16 year = 0;
    quint16 month = 0; // 1 to 12
    quint16 week = 0;  // occurrence 1 to 5 of the weekday (5 = last); day of month for FIX_DATE and IRAN
    quint8 reserved1 = 0;
    quint8 reserved2 = 0;
    int hour = 0;
    qint64 reserved3 = 0;
    quint8 weekday = 0; // 0 = Monday to 6 = Sunday

    friend bool operator==(const SoWiSwitchRecord&, const SoWiSwitchRecord&) = default;
};

// A project's summer/winter time rule: the switch into summer time, then the one out of it.
struct SoWiRuleRecord {
    int ruleType = SoWiRules::NO_SO_WI;
    SoWiSwitchRecord wiSo;
    SoWiSwitchRecord soWi;

    friend bool operator==(const SoWiRuleRecord&, const SoWiRuleRecord&) = default;
};

Q_DECLARE_METATYPE(SoWiRuleRecord)
