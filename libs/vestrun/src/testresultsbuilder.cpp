#include "functest/testresultsbuilder.h"

namespace functest {

TestResultsBuilder::TestResultsBuilder(const QString& projectName)
    : m_results(projectName) {
}

TestResultsBuilder& TestResultsBuilder::plan(const QString& plan) {
    m_results.m_plan = plan;
    return *this;
}

TestResultsBuilder& TestResultsBuilder::onBuild(const QString& build) {
    m_results.m_build = build;
    return *this;
}

TestResultsBuilder& TestResultsBuilder::onPlatform(const QString& platform) {
    m_results.m_platform = platform;
    return *this;
}

TestResultsBuilder& TestResultsBuilder::addOneTest(const TestCase& testCase) {
    m_results.addTestCases(testCase);
    return *this;
}

TestResultsBuilder& TestResultsBuilder::addTestList(const QList<TestCase>& testCases) {
    m_results.m_testCases.append(testCases);
    return *this;
}

} // namespace functest
