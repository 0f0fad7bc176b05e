#include "functest/testresults.h"

#include "functest/testresultsbuilder.h"
#include "functest/vestrunlogging.h"
#include "xmltext.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace functest {

namespace {

const QString FolderName = QStringLiteral("xmlGenerated");
constexpr int Indentation = 4;

// A name that stays a file inside the results folder.
bool isPlainFileName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QLatin1String(".."));
}

void appendTextElement(QDomElement& parent, const QString& tagName, const QString& text) {
    QDomDocument document = parent.ownerDocument();
    QDomElement element = document.createElement(tagName);
    element.appendChild(document.createTextNode(xmlText(text)));
    parent.appendChild(element);
}

QDomElement nameElement(QDomDocument& document, const QString& tagName, const QString& name) {
    QDomElement element = document.createElement(tagName);
    element.setAttribute(QStringLiteral("name"), xmlText(name));
    return element;
}

} // namespace

TestResults::TestResults(const QString& projectName)
    : m_projectName(projectName) {
}

TestResultsBuilder TestResults::create(const QString& projectName) {
    return TestResultsBuilder(projectName);
}

void TestResults::addTestCases(const TestCase& testCase) {
    m_testCases.append(testCase);
}

bool TestResults::writeXML(const QString& name) {
    if (!isPlainFileName(name)) {
        qCWarning(vestrunLog) << "Refusing the results file name" << name;
        return false;
    }
    const QString folder = QDir::currentPath() + QLatin1Char('/') + FolderName;
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
        qCWarning(vestrunLog) << "Cannot create the folder" << folder;
        return false;
    }
    QSaveFile file(folder + QLatin1Char('/') + name + QStringLiteral(".xml"));
    if (!file.open(QIODevice::WriteOnly)) {
        qCDebug(vestrunLog) << "Already opened or there is another issue";
        return false;
    }
    buildDocument();
    const QByteArray bytes = m_document.toString(Indentation).toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
        qCWarning(vestrunLog) << "Cannot write" << file.fileName() << ":" << file.errorString();
        return false;
    }
    return true;
}

// A new document each time: a second write, or one from a copy sharing the old document,
// must not add a second declaration and root.
void TestResults::buildDocument() {
    m_document = QDomDocument();
    m_document.appendChild(m_document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"utf-8\"")));
    QDomElement root = m_document.createElement(QStringLiteral("results"));
    m_document.appendChild(root);

    QDomElement project = nameElement(m_document, QStringLiteral("testproject"), m_projectName);
    project.setAttribute(QStringLiteral("prefix"), xmlText(m_projectName.section(QLatin1Char(' '), 0, 0)));
    root.appendChild(project);
    root.appendChild(nameElement(m_document, QStringLiteral("testplan"), m_plan));
    root.appendChild(nameElement(m_document, QStringLiteral("build"), m_build));
    root.appendChild(nameElement(m_document, QStringLiteral("platform"), m_platform));
    for (const TestCase& testCase : std::as_const(m_testCases)) {
        QDomElement element = m_document.createElement(QStringLiteral("testcase"));
        element.setAttribute(QStringLiteral("external_id"), xmlText(testCase.id()));
        writeTestCase(element, testCase);
        root.appendChild(element);
    }
}

void TestResults::writeTestCase(QDomElement& element, const TestCase& testCase) const {
    appendTextElement(element, QStringLiteral("result"), testCase.result());
    appendTextElement(element, QStringLiteral("notes"), testCase.notes());
    appendTextElement(element, QStringLiteral("tester"), testCase.tester());
    appendTextElement(element, QStringLiteral("timestamp"),
                      testCase.timestamp().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    appendTextElement(element, QStringLiteral("bug_id"), testCase.bugId());
    QDomElement steps = element.ownerDocument().createElement(QStringLiteral("steps"));
    for (const Step& step : testCase.steps()) {
        QDomElement stepElement = element.ownerDocument().createElement(QStringLiteral("step"));
        writeStep(stepElement, step);
        steps.appendChild(stepElement);
    }
    element.appendChild(steps);
}

void TestResults::writeStep(QDomElement& element, const Step& step) const {
    appendTextElement(element, QStringLiteral("step_number"), step.number());
    appendTextElement(element, QStringLiteral("result"), step.resultString());
    appendTextElement(element, QStringLiteral("notes"), step.notes());
}

} // namespace functest
