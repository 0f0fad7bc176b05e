#pragma once

#include "functest/step.h"

namespace functest {

// Builds a Step with chainable setters: Step::create("1").stepInfo().result(Step::Passed).
class StepBuilder {
public:
    explicit StepBuilder(const QString& number);

    StepBuilder& number(const QString& number);
    StepBuilder& notes(const QString& notes);
    StepBuilder& result(const Step::Result& result);
    // Opens a chain; the builder itself.
    StepBuilder& stepInfo() { return *this; }

    operator Step() const { return m_step; }

private:
    Step m_step;
};

} // namespace functest
