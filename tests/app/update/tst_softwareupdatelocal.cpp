#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <encrypter/ftpservice.h>

#include "messagelog.h"
#include "softwareupdateservice.h"
#include "updatefixture.h"

using encrypter::FtpService;

// The update check and download from a local folder (file:// endpoints), the settings it
// reads and writes, the change log and the clean-up at construction.

class TestSoftwareUpdateLocal : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setApplicationNames();
        QVERIFY(served.isValid());
        QVERIFY(installFolder.isValid());
        QVERIFY(writeFile(served.filePath(QStringLiteral("installer.bin")), installer));
    }

    void init()
    {
        QVERIFY(QDir(updateFolder()).removeRecursively());
        settings = std::make_unique<UpdateSettings>();
        ftpService = std::make_unique<FtpService>();
        createService();
        service->setSoftwareUpdateEndpoint(QUrl::fromLocalFile(served.path()).toString());
    }

    void cleanup()
    {
        service.reset();
        ftpService.reset();
        settings.reset();
    }

    void newerVersionFromALocalFolder()
    {
        offer(infoJson(QStringLiteral("1.0.33"), installerUrl()));
        QSignalSpy shown(service.get(), &SoftwareUpdateService::showSoftwareUpdate);
        QSignalSpy versionChanged(service.get(), &SoftwareUpdateService::infoVersionChanged);
        service->checkForSoftwareUpdate();
        QTRY_COMPARE(shown.count(), 1);
        QCOMPARE(versionChanged.count(), 1);
        QCOMPARE(service->infoVersion(), QStringLiteral("1.0.33"));
        const QStringList pending = updateFiles(QStringLiteral("Tarvino_*"));
        QCOMPARE(pending.size(), 1);
        const QRegularExpression name(QStringLiteral("^Tarvino_1\\.0\\.33_%1_\\d{6}_x64\\.exe$").arg(today()));
        QVERIFY2(name.match(pending.first()).hasMatch(), qPrintable(pending.first()));
        QCOMPARE(sha256(fileContent(QDir(updateFolder()).filePath(pending.first()))), sha256(installer));
        QVERIFY(!settings->lastChecked().isValid());
    }

    void withoutInstallFolderTheUserIsNotAsked()
    {
        service->setUpdaterLayout({});
        offer(infoJson(QStringLiteral("1.0.33"), installerUrl()));
        QSignalSpy shown(service.get(), &SoftwareUpdateService::showSoftwareUpdate);
        service->checkForSoftwareUpdate();
        QTRY_COMPARE(updateFiles(QStringLiteral("Tarvino_*.exe")).size(), 1);
        QTest::qWait(50);
        QCOMPARE(shown.count(), 0);
    }

    void infoFileDecidesWhetherTheDayIsStored_data()
    {
        QTest::addColumn<QByteArray>("info");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("dayStored");
        const QByteArray upToDate = infoJson(QStringLiteral("1.0.32"), QStringLiteral("file:///nowhere"));
        QTest::newRow("up to date") << upToDate << "1.0.32" << true;
        QTest::newRow("older") << infoJson(QStringLiteral("1.0.31"), QStringLiteral("file:///nowhere")) << "1.0.31"
                               << true;
        QTest::newRow("no member for the architecture")
            << QByteArray("{\"x86\": {\"version\": \"9.9.9\", \"file\": \"file:///nowhere\"}}") << "" << true;
        QTest::newRow("version is no string") << QByteArray("{\"x64\": {\"version\": 2, \"file\": \"x\"}}") << "" << true;
        QTest::newRow("not an object") << QByteArray("[1, 2]") << "" << true;
        QTest::newRow("truncated") << upToDate.left(upToDate.size() / 2) << "" << false;
        QTest::newRow("garbage") << QByteArray::fromHex("89504e470d0a1a0a") << "" << false;
    }
    void infoFileDecidesWhetherTheDayIsStored()
    {
        QFETCH(QByteArray, info);
        QFETCH(QString, version);
        QFETCH(bool, dayStored);
        offer(info);
        MessageLog log;
        service->checkForSoftwareUpdate();
        QTRY_COMPARE(log.count(QStringLiteral("No need to update software")) +
                         log.count(QStringLiteral("Failed to read info file")),
                     1);
        QCOMPARE(service->infoVersion(), version);
        QCOMPARE(settings->lastChecked().toString(), dayStored ? today() : QString());
        QVERIFY(updateFiles(QStringLiteral("Tarvino_*")).isEmpty());
    }

    void missingInfoFileIsAFailedCheck()
    {
        QFile::remove(served.filePath(QStringLiteral("info.json")));
        MessageLog log;
        service->checkForSoftwareUpdate();
        QTRY_COMPARE(log.count(QStringLiteral("Failed to retrieve info file for software update")), 1);
        QVERIFY(!settings->lastChecked().isValid());
    }

    void endpointSchemeIsChecked_data()
    {
        QTest::addColumn<QString>("endpoint");
        QTest::newRow("plain http") << "http://127.0.0.1:9/app/";
        QTest::newRow("sftp") << "sftp://127.0.0.1/app/";
        QTest::newRow("no scheme") << "download.zorvik.de/app/";
    }
    void endpointSchemeIsChecked()
    {
        QFETCH(QString, endpoint);
        service->setSoftwareUpdateEndpoint(endpoint);
        MessageLog log;
        service->checkForSoftwareUpdate();
        QTRY_COMPARE(log.count(QStringLiteral("Software update refused: the endpoint")), 1);
        QCOMPARE(log.count(QStringLiteral("Check for software update...")), 0);
        QVERIFY(!settings->lastChecked().isValid());
    }

    // The settle timer belongs to the service: one gone before it fires renames nothing.
    void serviceDeletedBeforeTheDownloadSettles()
    {
        service->setDelays(0, 2000);
        offer(infoJson(QStringLiteral("1.0.33"), installerUrl()));
        service->checkForSoftwareUpdate();
        QTRY_COMPARE(updateFiles(QStringLiteral("Tarvino_*.dat")).size(), 1);
        QTest::qWait(1000);
        service.reset();
        QTest::qWait(1500);
        QCOMPARE(updateFiles(QStringLiteral("Tarvino_*.dat")).size(), 1);
        QVERIFY(updateFiles(QStringLiteral("Tarvino_*.exe")).isEmpty());
    }

    // The FTP service answers a service that is gone: nothing happens.
    void serviceDeletedDuringTheTransfer()
    {
        offer(infoJson(QStringLiteral("1.0.32"), installerUrl()));
        MessageLog log;
        service->checkForSoftwareUpdate();
        // The check's zero timer is a posted call: run it, then go before the answer comes.
        QCoreApplication::sendPostedEvents(service.get(), QEvent::MetaCall);
        QCOMPARE(log.count(QStringLiteral("Check for software update...")), 1);
        service.reset();
        QTRY_COMPARE(log.count(QStringLiteral("info.json finished with success")), 1);
        QTest::qWait(50);
        QCOMPARE(log.count(QStringLiteral("No need to update software")), 0);
        QVERIFY(!settings->lastChecked().isValid());
    }

    void constructionCleansTheUpdateFolder()
    {
        const QDir folder(updateFolder());
        QVERIFY(writeFile(folder.filePath(QStringLiteral("Tarvino_1.0.33_07122026_101500_x64.dat")), "partial"));
        QVERIFY(writeFile(folder.filePath(QStringLiteral("Tarvino_1.0.33_07122026_101500_x64.exe")), "pending"));
        QVERIFY(writeFile(folder.filePath(QStringLiteral("updater/qml/QtQuick/qmldir")), "module"));
        QVERIFY(writeFile(folder.filePath(QStringLiteral("changelog.txt")), "log"));
        createService();
        QCOMPARE(updateFiles(QStringLiteral("*")),
                 QStringList({"Tarvino_1.0.33_07122026_101500_x64.exe", "changelog.txt"}));
        QVERIFY(!folder.exists(QStringLiteral("updater")));
    }

    void changelogIsShownOnce()
    {
        const QString path = QDir(updateFolder()).filePath(QStringLiteral("changelog.txt"));
        QVERIFY(!service->shouldDisplayChangelog());
        const QString text = QStringLiteral("Neu in 1.0.33: größere Schrift für Schaltzeiten\n");
        QVERIFY(writeFile(path, text.toUtf8()));
        QSignalSpy changed(service.get(), &SoftwareUpdateService::changelogChanged);
        QVERIFY(service->shouldDisplayChangelog());
        QCOMPARE(service->changelog(), text);
        QCOMPARE(changed.count(), 1);
        QVERIFY(!QFile::exists(path));
        QVERIFY(!service->shouldDisplayChangelog());
        QCOMPARE(changed.count(), 1);
    }

    // A change log that cannot be opened is kept for a later start.
    void unreadableChangelogIsKept()
    {
        const QString path = QDir(updateFolder()).filePath(QStringLiteral("changelog.txt"));
        QVERIFY(QDir().mkpath(path));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Couldn't read the change log")));
        QVERIFY(!service->shouldDisplayChangelog());
        QVERIFY(QFileInfo::exists(path));
    }

    void settingsAreStoredAndSignalledOnChange()
    {
        QSignalSpy forceChanged(service.get(), &SoftwareUpdateService::forceOnlineSoftwareUpdateSearchChanged);
        QSignalSpy endpointChanged(service.get(), &SoftwareUpdateService::softwareUpdateEndpointChanged);
        QVERIFY(service->forceOnlineSoftwareUpdateSearch());
        service->setForceOnlineSoftwareUpdateSearch(true);
        QCOMPARE(forceChanged.count(), 0);
        service->setForceOnlineSoftwareUpdateSearch(false);
        QCOMPARE(forceChanged.count(), 1);
        QCOMPARE(QSettings().value(QStringLiteral("forceOnlineFirmwareUpdateSearch")).toString(),
                 QStringLiteral("1_false"));

        const QString endpoint = service->softwareUpdateEndpoint();
        service->setSoftwareUpdateEndpoint(endpoint);
        QCOMPARE(endpointChanged.count(), 0);
        service->setSoftwareUpdateEndpoint(QStringLiteral("https://example.org/app/"));
        QCOMPARE(endpointChanged.count(), 1);
        QCOMPARE(QSettings().value(QStringLiteral("softwareUpdateEndpoint")).toString(),
                 QStringLiteral("10_https://example.org/app/"));
    }

private:
    void createService()
    {
        service.reset();
        service = makeService(ftpService.get(), installFolder.path());
    }

    void offer(const QByteArray& info) { QVERIFY(writeFile(served.filePath(QStringLiteral("info.json")), info)); }

    QString installerUrl() const
    {
        return QUrl::fromLocalFile(served.filePath(QStringLiteral("installer.bin"))).toString();
    }

    QTemporaryDir served;
    QTemporaryDir installFolder;
    const QByteArray installer = QByteArray(64 * 1024, 'i');
    std::unique_ptr<UpdateSettings> settings;
    std::unique_ptr<FtpService> ftpService;
    std::unique_ptr<SoftwareUpdateService> service;
};

QTEST_GUILESS_MAIN(TestSoftwareUpdateLocal)
#include "tst_softwareupdatelocal.moc"
