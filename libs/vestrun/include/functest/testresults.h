#pragma once

#include "functest/testcase.h"

#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QString>

namespace functest {

class TestResultsBuilder;

// The content of one results file: project, test plan, build, platform and the test cases in
// order. Made through TestResults::create (include functest/testresultsbuilder.h).
class TestResults {
public:
    static TestResultsBuilder create(const QString& projectName);

    void addTestCases(const TestCase& testCase);

    // Writes "xmlGenerated/<name>.xml" below the current directory, replacing a file of that
    // name only once the new one is complete. False when the name is empty or holds "/", "\"
    // or "..", when the folder cannot be made, or when the file cannot be written.
    bool writeXML(const QString& name);
    // Append a test case's or a step's child elements to its element.
    void writeTestCase(QDomElement& element, const TestCase& testCase) const;
    void writeStep(QDomElement& element, const Step& step) const;

private:
    friend class TestResultsBuilder;
    explicit TestResults(const QString& projectName);

    void buildDocument();

    QString m_projectName;
    QString m_plan;
    QString m_build;
    QString m_platform;
    QList<TestCase> m_testCases;
    // Filled by writeXML; Qt's DOM copies share it.
    QDomDocument m_document;
};

} // namespace functest
