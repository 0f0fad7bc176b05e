#include <QTest>

#include "softwareupdateservice.h"

// Which offered version counts as newer than the own one.
class TestVersionCompare : public QObject {
    Q_OBJECT

private slots:
    void isNewerVersion_data()
    {
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("newer");
        QTest::newRow("next patch") << "1.0.33" << "1.0.32" << true;
        QTest::newRow("same") << "1.0.32" << "1.0.32" << false;
        QTest::newRow("older") << "1.0.31" << "1.0.32" << false;
        QTest::newRow("build suffix on both") << "1.0.32-2" << "1.0.32-1" << true;
        QTest::newRow("older build suffix") << "1.0.32-1" << "1.0.32-2" << false;
        QTest::newRow("build suffix on the offered only") << "1.0.32-2" << "1.0.32" << false;
        QTest::newRow("shorter but higher minor") << "1.1" << "1.0.32" << true;
        QTest::newRow("extra piece does not count") << "1.0.32.1" << "1.0.32" << false;
        QTest::newRow("numbers, not text") << "1.0.100" << "1.0.32" << true;
        QTest::newRow("non-numeric piece counts as 0") << "1.x.33" << "1.0.32" << true;
        QTest::newRow("non-numeric piece against a number") << "1.0.beta" << "1.0.32" << false;
        QTest::newRow("empty offered") << "" << "1.0.32" << false;
    }
    void isNewerVersion()
    {
        QFETCH(QString, offered);
        QFETCH(QString, current);
        QFETCH(bool, newer);
        QCOMPARE(SoftwareUpdateService::isNewerVersion(offered, current), newer);
    }
};

QTEST_GUILESS_MAIN(TestVersionCompare)
#include "tst_versioncompare.moc"
