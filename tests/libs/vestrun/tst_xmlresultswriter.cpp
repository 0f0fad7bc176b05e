#include "resultsfile.h"

#include <QRegularExpression>
#include <QTest>

#include <functest/stepbuilder.h>
#include <functest/testcasebuilder.h>
#include <functest/testresultsbuilder.h>
#include <functest/xmldemo.h>

#include <memory>

using namespace functest;
using resultsfile::Element;

namespace {

const QDateTime When(QDate(2026, 5, 6), QTime(7, 8, 9));

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TestResults sampleResults() {
    TestResults results =
        TestResults::create("P-1 Sample")
            .test()
            .plan("plan")
            .onBuild("build")
            .onPlatform("platform")
            .addOneTest(TestCase::create("C-1").testcase().result("ok").time(When).addOneStep(
                Step::create("1").stepInfo().result(Step::Passed).notes("n")));
    return results;
}

QStringList stepField(const Element& testCase, const QString& field) {
    QStringList values;
    for (const Element& step : testCase.child("steps").childrenNamed("step"))
        values.append(step.child(field).text);
    return values;
}

} // namespace

class TestXmlResultsWriter : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_directory = std::make_unique<resultsfile::CurrentDirectory>();
        QVERIFY(m_directory->isValid());
    }
    void cleanup() { m_directory.reset(); }

    void demoFile() {
        QVERIFY(XmlDemo::writeTest());
        const QString path = resultsfile::pathOf("presence-detector-V0");
        QCOMPARE(resultsfile::xmllintComplaint(path), QString());
        const resultsfile::Document document = resultsfile::read(path);
        QCOMPARE(document.error, QString());
        QCOMPARE(document.version, QStringLiteral("1.0"));
        QCOMPARE(document.encoding.toLower(), QStringLiteral("utf-8"));
        const Element& root = document.root;
        QCOMPARE(root.name, QStringLiteral("results"));
        QCOMPARE(root.childNames(),
                 QStringList({"testproject", "testplan", "build", "platform", "testcase", "testcase"}));
        QCOMPARE(root.child("testproject").attribute("name"), QStringLiteral("2020040 Dadezaviziderid"));
        QCOMPARE(root.child("testproject").attribute("prefix"), QStringLiteral("2020040"));
        QCOMPARE(root.child("testplan").attribute("name"), QStringLiteral("01_Zorvik"));
        QCOMPARE(root.child("build").attribute("name"), QStringLiteral("V 0"));
        QCOMPARE(root.child("platform").attribute("name"), QStringLiteral("Microsoft Windows"));

        const QList<Element> cases = root.childrenNamed("testcase");
        QCOMPARE(cases.at(0).attribute("external_id"), QStringLiteral("2020040-52"));
        QCOMPARE(cases.at(0).child("notes").text, QStringLiteral("test push button"));
        QCOMPARE(stepField(cases.at(0), "step_number"), QStringList({"1"}));
        QCOMPARE(stepField(cases.at(0), "result"), QStringList({"p"}));
        QCOMPARE(cases.at(1).attribute("external_id"), QStringLiteral("2020040-54"));
        QCOMPARE(cases.at(1).child("notes").text, QStringLiteral("test led blinking"));
        QCOMPARE(stepField(cases.at(1), "step_number"), QStringList({"1", "2", "3"}));
        QCOMPARE(stepField(cases.at(1), "result"), QStringList({"p", "f", "b"}));
        QCOMPARE(stepField(cases.at(1), "notes"), QStringList(3, "your step exec notes"));
        const QRegularExpression timestamp("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$");
        for (const Element& testCase : cases) {
            QCOMPARE(testCase.childNames(),
                     QStringList({"result", "notes", "tester", "timestamp", "bug_id", "steps"}));
            QCOMPARE(testCase.child("result").text, QStringLiteral("X"));
            QCOMPARE(testCase.child("tester").text, QStringLiteral("put login here"));
            QCOMPARE(testCase.child("bug_id").text, QStringLiteral("put your bug id here"));
            QVERIFY2(timestamp.match(testCase.child("timestamp").text).hasMatch(),
                     qPrintable(testCase.child("timestamp").text));
        }
    }

    void caseWithoutStepsHasEmptySteps() {
        TestResults results = TestResults::create("P").test().addOneTest(TestCase::create("C"));
        QVERIFY(results.writeXML("empty-case"));
        const Element testCase = resultsfile::read(resultsfile::pathOf("empty-case")).root.child("testcase");
        QCOMPARE(testCase.childNames().last(), QStringLiteral("steps"));
        QVERIFY(testCase.child("steps").children.isEmpty());
        QCOMPARE(testCase.child("steps").text.trimmed(), QString());
        QCOMPARE(testCase.child("timestamp").text, QString());
    }

    void noCasesGiveOnlyTheHeader() {
        TestResults results = TestResults::create("Name-without-space");
        QVERIFY(results.writeXML("header"));
        const resultsfile::Document document = resultsfile::read(resultsfile::pathOf("header"));
        QCOMPARE(document.root.childNames(), QStringList({"testproject", "testplan", "build", "platform"}));
        QCOMPARE(document.root.child("testproject").attribute("prefix"),
                 QStringLiteral("Name-without-space"));
        QCOMPARE(document.root.child("testplan").attribute("name"), QString());
    }

    void orderIsKeptAndRepeatsListed() {
        const Step a = Step::create("a");
        const Step b = Step::create("b").stepInfo().result(Step::Passed);
        TestResults results =
            TestResults::create("P")
                .test()
                .addTestList({TestCase::create("3"), TestCase::create("1")})
                .addOneTest(TestCase::create("2").testcase().addOneStep(b).addOneStep(a).addOneStep(b));
        results.addTestCases(TestCase::create("0"));
        QVERIFY(results.writeXML("order"));
        const QList<Element> cases =
            resultsfile::read(resultsfile::pathOf("order")).root.childrenNamed("testcase");
        QStringList ids;
        for (const Element& testCase : cases)
            ids.append(testCase.attribute("external_id"));
        QCOMPARE(ids, QStringList({"3", "1", "2", "0"}));
        QCOMPARE(stepField(cases.at(2), "step_number"), QStringList({"b", "a", "b"}));
        QCOMPARE(stepField(cases.at(2), "result"), QStringList({"p", "b", "p"}));
    }

    void textsRoundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto same = [](const char* name, const QString& text) { QTest::newRow(name) << text << text; };
        same("markup and entities", "<b>&amp;\"'");
        same("CDATA end", "]]>");
        same("leading and trailing space", "  leading and trailing ");
        same("line break", "one\ntwo");
        same("carriage return and tab", "one\r\ntwo\tthree");
        same("non-Latin", QStringLiteral("Grüße / 東京"));
        same("beyond the BMP", QStringLiteral("clef \U0001D11E"));
        QTest::newRow("control character")
            << QStringLiteral("serial\x01out") << QStringLiteral("serial\uFFFDout");
        QTest::newRow("NUL, escape and U+FFFF")
            << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b\x1B") + QChar(0xFFFF))
            << QStringLiteral("a\uFFFDb\uFFFD\uFFFD");
        QTest::newRow("lone surrogate") << QString(QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y"))
                                        << QStringLiteral("x\uFFFDy");
    }

    // Every text goes into an attribute and an element somewhere in the file.
    void textsRoundTrip() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        TestResults results =
            TestResults::create(text).test().plan(text).onBuild(text).onPlatform(text).addOneTest(
                TestCase::create(text)
                    .testcase()
                    .result(text)
                    .notes(text)
                    .tester(text)
                    .bugId(text)
                    .addOneStep(Step::create(text).stepInfo().notes(text)));
        QVERIFY(results.writeXML("texts"));
        const QString path = resultsfile::pathOf("texts");
        QCOMPARE(resultsfile::xmllintComplaint(path), QString());
        const resultsfile::Document document = resultsfile::read(path);
        QCOMPARE(document.error, QString());
        const Element& root = document.root;
        QCOMPARE(root.child("testproject").attribute("name"), expected);
        for (const char* header : {"testplan", "build", "platform"})
            QCOMPARE(root.child(header).attribute("name"), expected);
        const Element testCase = root.child("testcase");
        QCOMPARE(testCase.attribute("external_id"), expected);
        for (const char* field : {"result", "notes", "tester", "bug_id"})
            QCOMPARE(testCase.child(field).text, expected);
        QCOMPARE(stepField(testCase, "step_number"), QStringList({expected}));
        QCOMPARE(stepField(testCase, "notes"), QStringList({expected}));
    }

    void unknownResultValueIsWritten() {
        TestResults results =
            TestResults::create("P").test().addOneTest(TestCase::create("C").testcase().addOneStep(
                Step::create("1").stepInfo().result(static_cast<Step::Result>(5))));
        QVERIFY(results.writeXML("unknown"));
        const Element testCase = resultsfile::read(resultsfile::pathOf("unknown")).root.child("testcase");
        QCOMPARE(stepField(testCase, "result"), QStringList({"unknown"}));
    }

    void writingTwiceGivesOneDocument() {
        TestResults once = sampleResults();
        QVERIFY(once.writeXML("once"));
        TestResults twice = sampleResults();
        QVERIFY(twice.writeXML("twice"));
        QVERIFY(twice.writeXML("twice"));
        const QByteArray single = contentsOf(resultsfile::pathOf("once"));
        QCOMPARE(contentsOf(resultsfile::pathOf("twice")), single);
        QCOMPARE(single.count("<?xml"), 1);
        QCOMPARE(single.count("<results"), 1);
        const resultsfile::Document document = resultsfile::read(resultsfile::pathOf("twice"));
        QCOMPARE(document.error, QString());
        QCOMPARE(document.roots, 1);
    }

    // A copy shares the original's DOM document.
    void copyThenOriginal() {
        TestResults original = sampleResults();
        QVERIFY(original.writeXML("first"));
        TestResults copy = original;
        QVERIFY(copy.writeXML("copy"));
        QVERIFY(original.writeXML("original"));
        const QByteArray first = contentsOf(resultsfile::pathOf("first"));
        QCOMPARE(contentsOf(resultsfile::pathOf("copy")), first);
        QCOMPARE(contentsOf(resultsfile::pathOf("original")), first);
        QCOMPARE(resultsfile::xmllintComplaint(resultsfile::pathOf("original")), QString());
    }

    void existingFileIsReplaced() {
        QVERIFY(QDir().mkpath("xmlGenerated"));
        QFile old(resultsfile::pathOf("replace"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(10000, 'x'));
        old.close();
        TestResults results = sampleResults();
        QVERIFY(results.writeXML("replace"));
        const resultsfile::Document document = resultsfile::read(resultsfile::pathOf("replace"));
        QCOMPARE(document.error, QString());
        QCOMPARE(document.root.child("testcase").attribute("external_id"), QStringLiteral("C-1"));
        QCOMPARE(QDir("xmlGenerated").entryList(QDir::Files), QStringList({"replace.xml"}));
    }

    void folderThatIsAFileFails() {
        QFile blocker("xmlGenerated");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("keep");
        blocker.close();
        TestResults results = sampleResults();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Cannot create the folder"));
        QVERIFY(!results.writeXML("blocked"));
        QVERIFY(QFileInfo("xmlGenerated").isFile());
        QCOMPARE(contentsOf("xmlGenerated"), QByteArray("keep"));
        QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({"xmlGenerated"}));
    }

    void refusedNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("slash") << "sub/name";
        QTest::newRow("backslash") << "sub\\name";
        QTest::newRow("parent") << "..";
        QTest::newRow("parent path") << "../outside";
        QTest::newRow("dots inside") << "a..b";
    }

    void refusedNames() {
        QFETCH(QString, name);
        TestResults results = sampleResults();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Refusing the results file name"));
        QVERIFY(!results.writeXML(name));
        QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

private:
    std::unique_ptr<resultsfile::CurrentDirectory> m_directory;
};

QTEST_GUILESS_MAIN(TestXmlResultsWriter)
#include "tst_xmlresultswriter.moc"
