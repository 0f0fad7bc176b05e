#include "functest/stepbuilder.h"

namespace functest {

StepBuilder::StepBuilder(const QString& number)
    : m_step(number) {
}

StepBuilder& StepBuilder::number(const QString& number) {
    m_step.m_number = number;
    return *this;
}

StepBuilder& StepBuilder::notes(const QString& notes) {
    m_step.m_notes = notes;
    return *this;
}

StepBuilder& StepBuilder::result(const Step::Result& result) {
    m_step.m_result = result;
    return *this;
}

} // namespace functest
