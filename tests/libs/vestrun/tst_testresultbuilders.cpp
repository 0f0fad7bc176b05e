#include "resultsfile.h"

#include <QTest>

#include <functest/stepbuilder.h>
#include <functest/testcasebuilder.h>
#include <functest/testresultsbuilder.h>

#include <memory>

using namespace functest;

class TestTestResultBuilders : public QObject {
    Q_OBJECT

private slots:
    void init() { m_directory = std::make_unique<resultsfile::CurrentDirectory>(); }
    void cleanup() { m_directory.reset(); }

    void unjudgedStepIsBlocked() {
        const Step step = Step::create(QStringLiteral("7"));
        QCOMPARE(step.number(), QStringLiteral("7"));
        QCOMPARE(step.notes(), QString());
        QCOMPARE(step.result(), Step::Blocked);
        QCOMPARE(step.resultString(), QStringLiteral("b"));
    }

    void resultStrings_data() {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        QTest::newRow("passed") << 0 << "p";
        QTest::newRow("failed") << 1 << "f";
        QTest::newRow("blocked") << 2 << "b";
        QTest::newRow("3") << 3 << "unknown";
        QTest::newRow("-1") << -1 << "unknown";
    }

    void resultStrings() {
        QFETCH(int, result);
        const Step step =
            Step::create(QStringLiteral("1")).stepInfo().result(static_cast<Step::Result>(result));
        QTEST(step.resultString(), "text");
    }

    void stepBuilderSetsEveryField() {
        const Step step =
            StepBuilder(QStringLiteral("1")).number(QStringLiteral("2a")).notes("n").result(Step::Failed);
        QCOMPARE(step.number(), QStringLiteral("2a"));
        QCOMPARE(step.notes(), QStringLiteral("n"));
        QCOMPARE(step.result(), Step::Failed);
    }

    void copiedStepBuilderIsIndependent() {
        StepBuilder first = Step::create(QStringLiteral("1")).stepInfo().notes("first").result(Step::Passed);
        StepBuilder copy = first;
        copy.notes("copy").result(Step::Failed).number("9");
        const Step original = first;
        QCOMPARE(original.notes(), QStringLiteral("first"));
        QCOMPARE(original.result(), Step::Passed);
        QCOMPARE(original.number(), QStringLiteral("1"));
        QCOMPARE(Step(copy).notes(), QStringLiteral("copy"));
    }

    void testCaseBuilderKeepsOrderAndRepeats() {
        const Step one = Step::create("1").stepInfo().result(Step::Passed);
        const Step two = Step::create("2").stepInfo().result(Step::Failed);
        const QDateTime when(QDate(2026, 3, 4), QTime(5, 6, 7));
        TestCase testCase = TestCase::create("C-1")
                                .testcase()
                                .result("X")
                                .notes("notes")
                                .tester("tester")
                                .bugId("B-2")
                                .time(when)
                                .addOneStep(two)
                                .addStepList({one, two})
                                .addOneStep(one);
        testCase.addStep(two);
        QCOMPARE(testCase.id(), QStringLiteral("C-1"));
        QCOMPARE(testCase.result(), QStringLiteral("X"));
        QCOMPARE(testCase.notes(), QStringLiteral("notes"));
        QCOMPARE(testCase.tester(), QStringLiteral("tester"));
        QCOMPARE(testCase.bugId(), QStringLiteral("B-2"));
        QCOMPARE(testCase.timestamp(), when);
        QStringList numbers;
        for (const Step& step : testCase.steps())
            numbers.append(step.number());
        QCOMPARE(numbers, QStringList({"2", "1", "2", "1", "2"}));
    }

    void newTestCaseIsEmpty() {
        const TestCase testCase = TestCase::create("C-1");
        QCOMPARE(testCase.result(), QString());
        QVERIFY(testCase.timestamp().isNull());
        QVERIFY(testCase.steps().isEmpty());
    }

    void copiedTestCaseBuilderIsIndependent() {
        TestCaseBuilder first =
            TestCase::create("C-1").testcase().tester("first").addOneStep(Step::create("1"));
        TestCaseBuilder copy = first;
        copy.tester("copy").addOneStep(Step::create("2"));
        const TestCase original = first;
        QCOMPARE(original.tester(), QStringLiteral("first"));
        QCOMPARE(original.steps().size(), 1);
        QCOMPARE(TestCase(copy).steps().size(), 2);
    }

    // The results carry no getters: what a builder holds shows in the file.
    void copiedTestResultsBuilderIsIndependent() {
        TestResultsBuilder first =
            TestResults::create("P first").test().plan("plan").addOneTest(TestCase::create("1"));
        TestResultsBuilder copy = first;
        copy.plan("changed").onBuild("b").addOneTest(TestCase::create("2"));
        TestResults original = first;
        QVERIFY(original.writeXML("original"));
        const resultsfile::Document document = resultsfile::read(resultsfile::pathOf("original"));
        QCOMPARE(document.error, QString());
        QCOMPARE(document.root.child("testplan").attribute("name"), QStringLiteral("plan"));
        QCOMPARE(document.root.child("build").attribute("name"), QString());
        QCOMPARE(document.root.childrenNamed("testcase").size(), 1);
    }

private:
    std::unique_ptr<resultsfile::CurrentDirectory> m_directory;
};

QTEST_GUILESS_MAIN(TestTestResultBuilders)
#include "tst_testresultbuilders.moc"
