#pragma once

#include <sowirulerecord.h>

namespace devices {
class Device;
}
namespace storage {
class Project;
}

// The summer/winter rule record the astro engine takes for a project. The stored rule number is a
// position in the model's rule list, and the positions differ between models; the record always
// describes the rule the user chose there.
//
// The standard rules (Europe to USA) and the fixed date go to the engine as they are. Rules the
// engine cannot express by their number (New Zealand, Australia, the free rule with its own
// weekday per direction, the own rule, the own table) are handed as the two switch dates of the
// given year, so the record of such a rule holds for that year only.
class SummerWinterRule {
public:
    static SoWiRuleRecord record(const storage::Project& project, const devices::Device& device, int year);

private:
    enum class Choice { None, Standard, Iran, FreeRule, FixedDate, Southern, OwnRule, OwnTable };
    static Choice choiceOf(int rule, const devices::Device& device);
};
