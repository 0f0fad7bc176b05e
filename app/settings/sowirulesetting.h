#pragma once

#include "enumerablesetting.h"

#include <sowirule.h>

namespace devices {
class Device;
}

// The summer/winter time rules; the numbers are those of the astro engine.
class SoWiRuleSetting : public EnumerableSetting {
    Q_OBJECT
public:
    // Selects the row of value.
    SoWiRuleSetting(QObject* parent, int value);

    QString entryText(int value) const override;
    // The rule's text as the device model calls it: some models number their own rule, their own
    // table, Australia and New Zealand differently.
    QString deviceEntryText(int value, const devices::Device& device) const;
};
