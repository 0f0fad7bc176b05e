#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <encrypter/ftpservice.h>

#include "ftptestserver.h"
#include "httpstestserver.h"
#include "messagelog.h"
#include "softwareupdateservice.h"
#include "testcertificates.h"
#include "updatefixture.h"

using encrypter::FtpService;

// The update check and download against real servers on 127.0.0.1: ProFTPD with explicit TLS
// and Python's HTTPS server, both with a server certificate of the test CA, which the FTP
// service trusts only because the test loads it into the certificate store.

namespace {

constexpr int Timeout = 60000;

QByteArray randomBytes(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    for (char& byte : data)
        byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
    return data;
}

QString certificateStore()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/certificates");
}

// The file names of ProFTPD's transfer log, in their order.
QStringList transferredFiles(const FtpTestServer& server)
{
    QStringList names;
    for (const QByteArray& line : server.transferLog().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 8)
            names << QFileInfo(QString::fromUtf8(fields.at(8))).fileName();
    }
    return names;
}

QStringList requestedFiles(const HttpsTestServer& server)
{
    QStringList names;
    for (const QString& path : server.requests())
        names << QFileInfo(path).fileName();
    return names;
}

} // namespace

class TestSoftwareUpdateFlow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setApplicationNames();
        QVERIFY(installFolder.isValid());
        QVERIFY2(certificates.create(), qPrintable(certificates.errorString()));
        QVERIFY2(ftps.start(certificates), qPrintable(ftps.errorString()));
        QVERIFY2(https.start(certificates.serverCertificate(), certificates.serverKey()),
                 qPrintable(https.errorString()));
    }

    void init()
    {
        QVERIFY(QDir(updateFolder()).removeRecursively());
        QVERIFY(QDir(certificateStore()).removeRecursively());
        settings = std::make_unique<UpdateSettings>();
        ftpService = std::make_unique<FtpService>();
        QVERIFY(ftpService->loadCertificate(certificates.caCertificate(), true));
        ftpService->setCredentials(ftps.user(), ftps.password(), [](const QString& text) { return text; });
        createService();
    }

    void cleanup()
    {
        service.reset();
        ftpService.reset();
        settings.reset();
    }

    void upToDateRecordsTheDay_data() { transports(); }
    void upToDateRecordsTheDay()
    {
        QFETCH(QString, transport);
        offer(transport, "1.0.32");
        const QStringList before = requests(transport);
        QSignalSpy shown(service.get(), &SoftwareUpdateService::showSoftwareUpdate);
        service->checkForSoftwareUpdate();
        QTRY_COMPARE_WITH_TIMEOUT(settings->lastChecked().toString(), today(), Timeout);
        QCOMPARE(service->infoVersion(), QStringLiteral("1.0.32"));
        QTRY_COMPARE(newRequests(transport, before), QStringList{"info.json"});
        QVERIFY(updateFiles(QStringLiteral("Tarvino_*")).isEmpty());
        QCOMPARE(shown.count(), 0);
    }

    void newerVersionIsDownloaded_data() { transports(); }
    void newerVersionIsDownloaded()
    {
        QFETCH(QString, transport);
        offer(transport, "1.0.33");
        const QStringList before = requests(transport);
        downloadOffered();
        const QStringList pending = updateFiles(QStringLiteral("Tarvino_*.exe"));
        QCOMPARE(pending.size(), 1);
        const QRegularExpression name(QStringLiteral("^Tarvino_1\\.0\\.33_%1_\\d{6}_x64\\.exe$").arg(today()));
        QVERIFY2(name.match(pending.first()).hasMatch(), qPrintable(pending.first()));
        QCOMPARE(sha256(fileContent(QDir(updateFolder()).filePath(pending.first()))), sha256(installer));
        QVERIFY(updateFiles(QStringLiteral("*.dat")).isEmpty());
        QVERIFY(!settings->lastChecked().isValid());
        QTRY_COMPARE(newRequests(transport, before), QStringList({"info.json", "installer.bin"}));
    }

    void restartReusesThePendingInstaller_data() { transports(); }
    void restartReusesThePendingInstaller()
    {
        QFETCH(QString, transport);
        offer(transport, "1.0.33");
        downloadOffered();
        const QStringList pending = updateFiles(QStringLiteral("Tarvino_*.exe"));

        restartOffersThePendingInstaller(transport);
        QCOMPARE(updateFiles(QStringLiteral("Tarvino_*.exe")), pending);
        QVERIFY(!settings->lastChecked().isValid());
    }

    void newerOfferReplacesThePendingInstaller_data() { transports(); }
    void newerOfferReplacesThePendingInstaller()
    {
        QFETCH(QString, transport);
        offer(transport, "1.0.33");
        downloadOffered();

        createService();
        offer(transport, "1.0.34");
        const QStringList before = requests(transport);
        downloadOffered();
        const QStringList pending = updateFiles(QStringLiteral("Tarvino_*.exe"));
        QCOMPARE(pending.size(), 1);
        QVERIFY2(pending.first().startsWith(QLatin1String("Tarvino_1.0.34_")), qPrintable(pending.first()));
        QTRY_COMPARE(newRequests(transport, before), QStringList({"info.json", "installer.bin"}));
    }

    void shortPendingNameIsLeftAlone_data() { transports(); }
    void shortPendingNameIsLeftAlone()
    {
        QFETCH(QString, transport);
        const QString shortName = QStringLiteral("Tarvino_1.0.33_x64.exe");
        QVERIFY(writeFile(QDir(updateFolder()).filePath(shortName), "kept"));
        offer(transport, "1.0.33");
        downloadOffered();
        QCOMPARE(fileContent(QDir(updateFolder()).filePath(shortName)), QByteArray("kept"));
        QCOMPARE(updateFiles(QStringLiteral("Tarvino_*.exe")).size(), 2);
    }

    void checkedOnceADayWithoutForce_data() { transports(); }
    void checkedOnceADayWithoutForce()
    {
        QFETCH(QString, transport);
        offer(transport, "1.0.32");
        service->setForceOnlineSoftwareUpdateSearch(false);
        settings->setLastChecked(today());
        const QStringList before = requests(transport);
        const int sessions = ftps.serverLog().count("FTP session opened");
        MessageLog log;
        service->checkForSoftwareUpdate();
        QTRY_COMPARE(log.count(QStringLiteral("it was already checked today")), 1);
        QCOMPARE(log.count(QStringLiteral("Check for software update...")), 0);
        QTRY_COMPARE(newRequests(transport, before), QStringList());
        QCOMPARE(ftps.serverLog().count("FTP session opened"), sessions);
    }

    void pendingInstallerForcesTheCheck_data() { transports(); }
    void pendingInstallerForcesTheCheck()
    {
        QFETCH(QString, transport);
        offer(transport, "1.0.33");
        service->setForceOnlineSoftwareUpdateSearch(false);
        settings->setLastChecked(today());
        QVERIFY(writeFile(QDir(updateFolder()).filePath(QStringLiteral("Tarvino_1.0.33_07122026_101500_x64.exe")),
                          installer));
        restartOffersThePendingInstaller(transport);
    }

    void serverWithoutTlsIsRefused()
    {
        FtpTestServer plain;
        plain.setCredentials(ftps.user(), ftps.password());
        QVERIFY2(plain.start(certificates, FtpTestServer::Identity::NoTls), qPrintable(plain.errorString()));
        QVERIFY(plain.addFile(QStringLiteral("app/info.json"),
                              infoJson(QStringLiteral("1.0.33"), plain.url(QStringLiteral("app/installer.bin")))));
        QVERIFY(plain.addFile(QStringLiteral("app/installer.bin"), installer));
        service->setSoftwareUpdateEndpoint(plain.url(QStringLiteral("app/")));
        expectFailedCheck();
        QVERIFY(transferredFiles(plain).isEmpty());
        QVERIFY(!plain.serverLog().contains("Login successful"));
    }

    void unknownCertificateAuthorityIsRefused_data()
    {
        QTest::addColumn<QString>("transport");
        QTest::newRow("ftps") << "ftps";
        QTest::newRow("https") << "https";
    }
    void unknownCertificateAuthorityIsRefused()
    {
        QFETCH(QString, transport);
        FtpTestServer selfSignedFtp;
        HttpsTestServer selfSignedHttps;
        QString endpoint;
        if (transport == QLatin1String("ftps")) {
            selfSignedFtp.setCredentials(ftps.user(), ftps.password());
            QVERIFY2(selfSignedFtp.start(certificates, FtpTestServer::Identity::SelfSigned),
                     qPrintable(selfSignedFtp.errorString()));
            QVERIFY(selfSignedFtp.addFile(QStringLiteral("app/info.json"),
                                          infoJson(QStringLiteral("1.0.33"), selfSignedFtp.url("app/installer.bin"))));
            endpoint = selfSignedFtp.url(QStringLiteral("app/"));
        } else {
            QVERIFY2(selfSignedHttps.start(certificates.selfSignedCertificate(), certificates.selfSignedKey()),
                     qPrintable(selfSignedHttps.errorString()));
            QVERIFY(selfSignedHttps.addFile(QStringLiteral("app/info.json"),
                                            infoJson(QStringLiteral("1.0.33"), selfSignedHttps.url("app/installer.bin"))));
            endpoint = selfSignedHttps.url(QStringLiteral("app/"));
        }
        const QByteArray trusted = fileContent(QDir(certificateStore()).filePath(QStringLiteral("ca.pem")));
        service->setSoftwareUpdateEndpoint(endpoint);
        expectFailedCheck();
        QVERIFY(transferredFiles(selfSignedFtp).isEmpty());
        // Reading the server's chain touches only its root, with nothing kept.
        QVERIFY(!requestedFiles(selfSignedHttps).contains(QStringLiteral("info.json")));
        QCOMPARE(QDir(certificateStore()).entryList(QDir::Files), QStringList{"ca.pem"});
        QCOMPARE(fileContent(QDir(certificateStore()).filePath(QStringLiteral("ca.pem"))), trusted);
    }

    void installerLocationIsChecked_data()
    {
        QTest::addColumn<QString>("transport");
        QTest::addColumn<QString>("installerUrl");
        QTest::newRow("plain http") << "https" << https.url(QStringLiteral("app/installer.bin")).replace("https:", "http:");
        QTest::newRow("local file from a server") << "ftps" << QUrl::fromLocalFile(installFolder.filePath("x")).toString();
        QTest::newRow("unknown scheme") << "https" << QStringLiteral("sftp://127.0.0.1/app/installer.bin");
    }
    void installerLocationIsChecked()
    {
        QFETCH(QString, transport);
        QFETCH(QString, installerUrl);
        QVERIFY(writeFile(installFolder.filePath("x"), installer));
        addInfo(transport, infoJson(QStringLiteral("1.0.33"), installerUrl));
        const QStringList before = requests(transport);
        MessageLog log;
        service->checkForSoftwareUpdate();
        QTRY_COMPARE_WITH_TIMEOUT(log.count(QStringLiteral("is not allowed")), 1, Timeout);
        QCOMPARE(service->infoVersion(), QStringLiteral("1.0.33"));
        QTRY_COMPARE(newRequests(transport, before), QStringList{"info.json"});
        QVERIFY(updateFiles(QStringLiteral("Tarvino_*")).isEmpty());
        QVERIFY(!settings->lastChecked().isValid());
    }

    void halfSentInfoIsAFailedCheck()
    {
        HttpsTestServer truncating;
        QVERIFY2(truncating.start(certificates.serverCertificate(), certificates.serverKey(),
                                  QStringLiteral("info.json")),
                 qPrintable(truncating.errorString()));
        QVERIFY(truncating.addFile(QStringLiteral("app/info.json"),
                                   infoJson(QStringLiteral("1.0.32"), truncating.url("app/installer.bin"))));
        service->setSoftwareUpdateEndpoint(truncating.url(QStringLiteral("app/")));
        expectFailedCheck();
        QCOMPARE(requestedFiles(truncating), QStringList{"info.json"});
    }

private:
    void createService()
    {
        service.reset();
        service = makeService(ftpService.get(), installFolder.path());
    }

    static void transports()
    {
        QTest::addColumn<QString>("transport");
        QTest::newRow("ftps") << "ftps";
        QTest::newRow("https") << "https";
    }

    QString url(const QString& transport, const QString& path) const
    {
        return transport == QLatin1String("ftps") ? ftps.url(path) : https.url(path);
    }

    void addInfo(const QString& transport, const QByteArray& info)
    {
        const bool added = transport == QLatin1String("ftps") ? ftps.addFile(QStringLiteral("app/info.json"), info)
                                                              : https.addFile(QStringLiteral("app/info.json"), info);
        QVERIFY(added);
        service->setSoftwareUpdateEndpoint(url(transport, QStringLiteral("app/")));
    }

    // The server offers the version with its installer.
    void offer(const QString& transport, const char* version)
    {
        installer = randomBytes(256 * 1024);
        const bool added = transport == QLatin1String("ftps")
                               ? ftps.addFile(QStringLiteral("app/installer.bin"), installer)
                               : https.addFile(QStringLiteral("app/installer.bin"), installer);
        QVERIFY(added);
        addInfo(transport, infoJson(QString::fromLatin1(version), url(transport, QStringLiteral("app/installer.bin"))));
    }

    QStringList requests(const QString& transport) const
    {
        return transport == QLatin1String("ftps") ? transferredFiles(ftps) : requestedFiles(https);
    }

    // ProFTPD may log a transfer a moment after the client has it: compare with QTRY_COMPARE.
    QStringList newRequests(const QString& transport, const QStringList& before) const
    {
        return requests(transport).mid(before.size());
    }

    // Checks and waits until the offered installer is downloaded and the user is asked once.
    void downloadOffered()
    {
        QSignalSpy shown(service.get(), &SoftwareUpdateService::showSoftwareUpdate);
        service->checkForSoftwareUpdate();
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 1, Timeout);
        QTest::qWait(100);
        QCOMPARE(shown.count(), 1);
    }

    // A new service asks the user at once, having fetched nothing but info.json.
    void restartOffersThePendingInstaller(const QString& transport)
    {
        createService();
        const QStringList before = requests(transport);
        QSignalSpy shown(service.get(), &SoftwareUpdateService::showSoftwareUpdate);
        service->checkForSoftwareUpdate();
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 1, Timeout);
        QTRY_COMPARE(newRequests(transport, before), QStringList{"info.json"});
    }

    void expectFailedCheck()
    {
        MessageLog log;
        service->checkForSoftwareUpdate();
        QTRY_COMPARE_WITH_TIMEOUT(log.count(QStringLiteral("Failed to retrieve info file for software update")), 1,
                                  Timeout);
        QVERIFY(updateFiles(QStringLiteral("Tarvino_*")).isEmpty());
        QVERIFY(!settings->lastChecked().isValid());
        QVERIFY(service->infoVersion().isEmpty());
    }

    TestCertificates certificates;
    FtpTestServer ftps;
    HttpsTestServer https;
    QTemporaryDir installFolder;
    QByteArray installer;
    std::unique_ptr<UpdateSettings> settings;
    std::unique_ptr<FtpService> ftpService;
    std::unique_ptr<SoftwareUpdateService> service;
};

QTEST_GUILESS_MAIN(TestSoftwareUpdateFlow)
#include "tst_softwareupdateflow.moc"
