#pragma once

#include "functest/testcase.h"

namespace functest {

// Builds a TestCase with chainable setters: TestCase::create("id").testcase().tester("...").
class TestCaseBuilder {
public:
    explicit TestCaseBuilder(const QString& id);

    TestCaseBuilder& result(const QString& result);
    TestCaseBuilder& notes(const QString& notes);
    TestCaseBuilder& tester(const QString& tester);
    TestCaseBuilder& bugId(const QString& bugId);
    TestCaseBuilder& time(const QDateTime& timestamp);
    TestCaseBuilder& addOneStep(const Step& step);
    TestCaseBuilder& addStepList(const QList<Step>& steps);
    // Opens a chain; the builder itself.
    TestCaseBuilder& testcase() { return *this; }

    operator TestCase() const { return m_testCase; }

private:
    TestCase m_testCase;
};

} // namespace functest
