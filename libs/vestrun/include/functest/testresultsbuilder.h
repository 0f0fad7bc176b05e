#pragma once

#include "functest/testresults.h"

namespace functest {

// Builds TestResults with chainable setters: TestResults::create("name").test().plan("...").
class TestResultsBuilder {
public:
    explicit TestResultsBuilder(const QString& projectName);

    TestResultsBuilder& plan(const QString& plan);
    TestResultsBuilder& onBuild(const QString& build);
    TestResultsBuilder& onPlatform(const QString& platform);
    TestResultsBuilder& addOneTest(const TestCase& testCase);
    TestResultsBuilder& addTestList(const QList<TestCase>& testCases);
    // Opens a chain; the builder itself.
    TestResultsBuilder& test() { return *this; }

    operator TestResults() const { return m_results; }

private:
    TestResults m_results;
};

} // namespace functest
