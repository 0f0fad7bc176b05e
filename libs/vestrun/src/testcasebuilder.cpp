#include "functest/testcasebuilder.h"

namespace functest {

TestCaseBuilder::TestCaseBuilder(const QString& id)
    : m_testCase(id) {
}

TestCaseBuilder& TestCaseBuilder::result(const QString& result) {
    m_testCase.m_result = result;
    return *this;
}

TestCaseBuilder& TestCaseBuilder::notes(const QString& notes) {
    m_testCase.m_notes = notes;
    return *this;
}

TestCaseBuilder& TestCaseBuilder::tester(const QString& tester) {
    m_testCase.m_tester = tester;
    return *this;
}

TestCaseBuilder& TestCaseBuilder::bugId(const QString& bugId) {
    m_testCase.m_bugId = bugId;
    return *this;
}

TestCaseBuilder& TestCaseBuilder::time(const QDateTime& timestamp) {
    m_testCase.m_timestamp = timestamp;
    return *this;
}

TestCaseBuilder& TestCaseBuilder::addOneStep(const Step& step) {
    m_testCase.addStep(step);
    return *this;
}

TestCaseBuilder& TestCaseBuilder::addStepList(const QList<Step>& steps) {
    m_testCase.m_steps.append(steps);
    return *this;
}

} // namespace functest
