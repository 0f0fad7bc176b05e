#pragma once

#include <QObject>

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
//
// The views ask the same kind of a list position (kindOf), so that the fields they show and the
// astro times cannot disagree.
class SummerWinterRule : public QObject {
    Q_OBJECT
public:
    enum class Choice { None, Standard, Iran, FreeRule, FixedDate, Southern, OwnRule, OwnTable };
    Q_ENUM(Choice)

    using QObject::QObject;

    static SoWiRuleRecord record(const storage::Project& project, const devices::Device& device, int year);
    static Choice choiceOf(int rule, const devices::Device& device);

    // The kind (Choice) of the rule at list position `rule` of the model.
    Q_INVOKABLE int kindOf(int rule, int deviceOt2) const;
};
