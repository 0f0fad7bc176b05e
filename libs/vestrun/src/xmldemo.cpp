#include "functest/xmldemo.h"

#include "functest/stepbuilder.h"
#include "functest/testcasebuilder.h"
#include "functest/testresultsbuilder.h"

#include <QDateTime>

namespace functest {

namespace {

const QString StepNotes = QStringLiteral("your step exec notes");
const QString Tester = QStringLiteral("put login here");
const QString BugId = QStringLiteral("put your bug id here");

TestCaseBuilder demoCase(const QString& id, const QString& notes) {
    TestCaseBuilder builder = TestCase::create(id);
    builder.testcase()
        .result(QStringLiteral("X"))
        .notes(notes)
        .tester(Tester)
        .time(QDateTime::currentDateTime())
        .bugId(BugId);
    return builder;
}

} // namespace

bool XmlDemo::writeTest() {
    const Step first = Step::create(QStringLiteral("1")).stepInfo().result(Step::Passed).notes(StepNotes);
    const Step second = Step::create(QStringLiteral("2")).stepInfo().result(Step::Failed).notes(StepNotes);
    const Step third = Step::create(QStringLiteral("3")).stepInfo().result(Step::Blocked).notes(StepNotes);
    const QList<Step> firstTwo{first, second};

    const TestCase pushButton =
        demoCase(QStringLiteral("2020040-52"), QStringLiteral("test push button")).addOneStep(first);
    TestCase ledBlinking =
        demoCase(QStringLiteral("2020040-54"), QStringLiteral("test led blinking")).addStepList(firstTwo);
    ledBlinking.addStep(third);

    TestResults results = TestResults::create(QStringLiteral("2020040 Dadezaviziderid"))
                              .test()
                              .plan(QStringLiteral("01_Zorvik"))
                              .onBuild(QStringLiteral("V 0"))
                              .onPlatform(QStringLiteral("Microsoft Windows"))
                              .addOneTest(pushButton);
    results.addTestCases(ledBlinking);
    return results.writeXML(QStringLiteral("presence-detector-V0"));
}

} // namespace functest
