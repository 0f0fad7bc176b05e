#include "storagefixture.h"

#include <storage/connectioncodeservice.h>

#include <QCoreApplication>
#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace storage;

class TstServices : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void initOpensTheApplicationDataFile();
    void busyWhileSaving();
    void connectionCodesPersist();
};

void TstServices::initTestCase()
{
    QCoreApplication::setOrganizationName("Zorvik");
    QCoreApplication::setApplicationName("TarvinoStorageTest");
}

void TstServices::initOpensTheApplicationDataFile()
{
    StorageService service;
    StorageService::m_instance = &service;
    QVERIFY(service.init());
    const QString expected = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath("projects.sqlite");
    QVERIFY(QFile::exists(expected));
}

void TstServices::busyWhileSaving()
{
    QTemporaryDir dir;
    StorageFixture fixture(dir.filePath("projects.sqlite"));
    QSignalSpy busy(&fixture.storage(), &StorageService::busyChanged);
    Project project(11, "Busy");
    QVERIFY(project.store());
    QCOMPARE(busy.size(), 2);
    QCOMPARE(busy.at(0).first().toBool(), true);
    QCOMPARE(busy.at(1).first().toBool(), false);
    QVERIFY(!fixture.storage().isBusy());
}

void TstServices::connectionCodesPersist()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("projects.sqlite");
    {
        StorageFixture fixture(path);
        ConnectionCodeService codes;
        ConnectionCodeService::m_instance = &codes;
        QVERIFY(codes.init());
        QVERIFY(!codes.hasCode("AA:BB"));
        QVERIFY(codes.setCode("AA:BB", "123456"));
        QVERIFY(codes.setCode("CC:DD", "654321"));
        QVERIFY(codes.setCode("AA:BB", "111111"));
        QVERIFY(codes.removeCode("CC:DD"));
        QVERIFY(codes.setCode("EE:FF", "222222"));
    }
    StorageFixture fixture(path);
    ConnectionCodeService codes;
    ConnectionCodeService::m_instance = &codes;
    QVERIFY(codes.init());
    QCOMPARE(codes.code("AA:BB"), QString("111111"));
    QVERIFY(!codes.hasCode("CC:DD"));
    QSignalSpy changed(&codes, &ConnectionCodeService::codesChanged);
    QCOMPARE(fixture.storage().clearConnectionCodes(), 2);
    QCOMPARE(changed.size(), 1);
    QVERIFY(!codes.hasCode("AA:BB"));
    QCOMPARE(fixture.storage().clearConnectionCodes(), 0);
}

QTEST_GUILESS_MAIN(TstServices)
#include "tst_services.moc"
