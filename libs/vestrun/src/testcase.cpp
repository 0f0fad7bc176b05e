#include "functest/testcase.h"

#include "functest/testcasebuilder.h"

namespace functest {

TestCase::TestCase(const QString& id)
    : m_id(id) {
}

TestCaseBuilder TestCase::create(const QString& id) {
    return TestCaseBuilder(id);
}

void TestCase::addStep(const Step& step) {
    m_steps.append(step);
}

} // namespace functest
