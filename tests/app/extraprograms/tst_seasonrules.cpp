#include "seasonrulecontroller.h"
#include "seasonrulerowcontroller.h"

#include <QSignalSpy>
#include <QtTest>

class TestSeasonRules : public QObject {
    Q_OBJECT

private slots:
    void startsAsTheEuropeanRule() {
        SeasonRuleController rule;
        QCOMPARE(rule.ruleType(), int(SoWiRules::EUROPE));
        QCOMPARE(rule.wiSoRule()->parent(), &rule);
        QCOMPARE(rule.soWiRule()->parent(), &rule);
        QCOMPARE(rule.wiSoRule()->week(), 4);
        QCOMPARE(rule.wiSoRule()->month(), 3);
        QCOMPARE(rule.wiSoRule()->weekDay(), 6);
        QCOMPARE(rule.soWiRule()->month(), 10);
        QCOMPARE(rule.wiSoRule()->hour(), 2);
        QCOMPARE(rule.soWiRule()->hour(), 2);
        QVERIFY(rule.wiSoRule()->fixDate().isValid());
    }

    void ruleType() {
        SeasonRuleController rule;
        QSignalSpy spy(&rule, &SeasonRuleController::ruleTypeChanged);
        rule.setRuleType(SoWiRules::USA);
        rule.setRuleType(SoWiRules::USA);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().toInt(), int(SoWiRules::USA));
        rule.setRuleType(42);
        rule.setRuleType(-1);
        QCOMPARE(rule.ruleType(), int(SoWiRules::USA));
        QCOMPARE(spy.count(), 1);
        QVERIFY(rule.setProperty("ruleType", int(SoWiRules::NO_SO_WI)));
        QCOMPARE(rule.ruleType(), 0);
    }

    void rowSetters_data() {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("week") << QByteArray("week") << QVariant(1) << true;
        QTest::newRow("week after the last") << QByteArray("week") << QVariant(5) << false;
        QTest::newRow("month") << QByteArray("month") << QVariant(12) << true;
        QTest::newRow("month 13") << QByteArray("month") << QVariant(13) << false;
        QTest::newRow("month 0") << QByteArray("month") << QVariant(0) << false;
        QTest::newRow("hour") << QByteArray("hour") << QVariant(23) << true;
        QTest::newRow("hour 24") << QByteArray("hour") << QVariant(24) << false;
        QTest::newRow("weekday") << QByteArray("weekDay") << QVariant(0) << true;
        QTest::newRow("weekday 7") << QByteArray("weekDay") << QVariant(7) << false;
        QTest::newRow("date") << QByteArray("fixDate") << QVariant(QDate(2030, 4, 1)) << true;
        QTest::newRow("no date") << QByteArray("fixDate") << QVariant(QDate()) << false;
    }

    void rowSetters() {
        QFETCH(QByteArray, property);
        QFETCH(QVariant, value);
        QFETCH(bool, accepted);
        SeasonRuleController rule;
        SeasonRuleRowController* row = rule.wiSoRule();
        const QMetaProperty meta = row->metaObject()->property(row->metaObject()->indexOfProperty(property));
        QSignalSpy spy(row, meta.notifySignal());
        const QVariant before = row->property(property);

        row->setProperty(property, value);
        row->setProperty(property, value);
        QCOMPARE(row->property(property), accepted ? value : before);
        QCOMPARE(spy.count(), accepted ? 1 : 0);
        if (accepted)
            QCOMPARE(spy.first().first(), value);
    }
};

QTEST_GUILESS_MAIN(TestSeasonRules)
#include "tst_seasonrules.moc"
