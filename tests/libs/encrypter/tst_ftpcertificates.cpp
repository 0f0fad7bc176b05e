#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <encrypter/ftpservice.h>

#include "ftptestserver.h"
#include "messagelog.h"
#include "testcertificates.h"

using encrypter::FtpService;

// What happens when the worker cannot verify a server: the chain is read, checked against the
// trusted roots, its root stored when it verifies, and the request tried again a bounded
// number of times.

namespace {

constexpr int Timeout = 60000;
const QByteArray Info = QByteArrayLiteral("{\"version\":\"1.0.33\"}\n");

QString storeFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/certificates");
}

QString storedRoot()
{
    return storeFolder() + QStringLiteral("/root_ca.pem");
}

QSslCertificate certificateFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QSslCertificate(&file, QSsl::Pem) : QSslCertificate();
}

struct Answers {
    QList<QByteArray> data;
    std::function<void(const QByteArray&)> callback()
    {
        return [this](const QByteArray& received) { data.append(received); };
    }
};

} // namespace

class TestFtpCertificates : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(certificates.create(), qPrintable(certificates.errorString()));
        const QList<std::pair<FtpTestServer*, FtpTestServer::Identity>> servers{
            {&signedServer, FtpTestServer::Identity::Signed},
            {&leafServer, FtpTestServer::Identity::SignedLeaf},
            {&selfSignedServer, FtpTestServer::Identity::SelfSigned},
            {&mismatchServer, FtpTestServer::Identity::WithoutSan}};
        for (const auto& [server, identity] : servers) {
            QVERIFY2(server->start(certificates, identity), qPrintable(server->errorString()));
            QVERIFY(server->addFile(QStringLiteral("app/info.json"), Info));
        }
        ca = certificateFile(certificates.caCertificate());
        unrelatedCa = certificateFile(certificates.unrelatedCaCertificate());
        QVERIFY(!ca.isNull() && !unrelatedCa.isNull());
    }

    void init()
    {
        QVERIFY(QDir(storeFolder()).removeRecursively());
        service = std::make_unique<FtpService>();
        service->setCredentials(signedServer.user(), signedServer.password(),
                                [](const QString& text) { return text; });
        // Every answer must find its job.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("not in flight")));
    }

    void cleanup() { service.reset(); }

    void unknownCaIsReplacedByTheTrustedRoot_data()
    {
        QTest::addColumn<QString>("installed");
        QTest::addColumn<bool>("leafOnly");
        QTest::addColumn<int>("error");
        QTest::newRow("unrelated CA installed") << certificates.unrelatedCaCertificate() << false << 60;
        QTest::newRow("no CA file yet") << QString() << false << 77;
        QTest::newRow("server sends no CA") << certificates.unrelatedCaCertificate() << true << 60;
    }
    void unknownCaIsReplacedByTheTrustedRoot()
    {
        QFETCH(QString, installed);
        QFETCH(bool, leafOnly);
        QFETCH(int, error);
        MessageLog log;
        if (!installed.isEmpty())
            QVERIFY(service->loadCertificate(installed, true));
        service->setTrustedRoots({unrelatedCa, ca});
        const FtpTestServer& server = leafOnly ? leafServer : signedServer;
        Answers answers;
        service->downloadFile(server.url(QStringLiteral("app/info.json")), answers.callback());
        QTRY_COMPARE_WITH_TIMEOUT(answers.data.size(), 1, Timeout);
        QCOMPARE(answers.data.first(), Info);
        QCOMPARE(certificateFile(storedRoot()).digest(QCryptographicHash::Sha256),
                 ca.digest(QCryptographicHash::Sha256));
        QCOMPARE(log.count(QStringLiteral("finished with error %1 ").arg(error)), 1);
        QCOMPARE(log.count(QStringLiteral(">> Update FTP certificate")), 1);
        QCOMPARE(log.count(leafOnly ? QStringLiteral(">> CA CERT found !")
                                    : QStringLiteral(">> Last certificate in chain is a CA CERT")),
                 1);
        QCOMPARE(log.count(QStringLiteral("info.json finished with success")), 1);
    }

    void untrustedRootIsNeverStored_data()
    {
        QTest::addColumn<bool>("selfSigned");
        QTest::newRow("CA not trusted") << false;
        QTest::newRow("self-signed server") << true;
    }
    void untrustedRootIsNeverStored()
    {
        QFETCH(bool, selfSigned);
        MessageLog log;
        const FtpTestServer& server = selfSigned ? selfSignedServer : signedServer;
        const qsizetype logStart = server.serverLog().size();
        QVERIFY(service->loadCertificate(certificates.unrelatedCaCertificate(), true));
        service->setTrustedRoots({selfSigned ? ca : unrelatedCa});
        Answers answers;
        service->downloadFile(server.url(QStringLiteral("app/info.json")), answers.callback());
        QTRY_COMPARE_WITH_TIMEOUT(answers.data.size(), 1, Timeout);
        QCOMPARE(answers.data.first(), QByteArray());
        QVERIFY(!QFile::exists(storedRoot()));
        QVERIFY(service->verifyPeer());
        // The first attempt and two retries, each refused by the peer check.
        QCOMPARE(log.count(QStringLiteral("finished with error 60 ")), 3);
        QCOMPARE(log.count(QStringLiteral(">> Errors occured while validating the certificate chain")), 2);
        QCOMPARE(log.count(QStringLiteral("Set peer verification")), 0);
        // The unverified server got no credentials, only anonymous logins of the chain reads.
        const QByteArray sessions = server.serverLog().mid(logStart);
        QVERIFY(!sessions.contains("USER " + server.user().toUtf8()));
        QCOMPARE(sessions.count("USER anonymous"), 2);
    }

    void hostMismatchIsBounded()
    {
        MessageLog log;
        QVERIFY(service->loadCertificate(certificates.caCertificate(), true));
        service->setTrustedRoots({ca});
        Answers answers;
        service->downloadFile(mismatchServer.url(QStringLiteral("app/info.json")), answers.callback());
        QTRY_COMPARE_WITH_TIMEOUT(answers.data.size(), 1, Timeout);
        QCOMPARE(answers.data.first(), QByteArray());
        QCOMPARE(log.count(QStringLiteral("finished with error 60 ")), 3);
        // The chain verifies without a host name, so its root is stored; the name still fails.
        QCOMPARE(log.count(QStringLiteral("[READ CERTIFICATE] ftp://127.0.0.1")), 4);
        QCOMPARE(certificateFile(storedRoot()), ca);
        QVERIFY(service->verifyPeer() && service->verifyHost());
        QVERIFY(!mismatchServer.serverLog().contains("USER " + mismatchServer.user().toUtf8()));
    }

    void failingJobDoesNotHoldUpTheQueue()
    {
        QVERIFY(service->loadCertificate(certificates.caCertificate(), true));
        service->setTrustedRoots({ca});
        QStringList order;
        const auto answer = [&order](const QString& job) {
            return [&order, job](const QByteArray& data) {
                order.append(job + QLatin1Char(':') +
                             (data.isEmpty() ? QStringLiteral("empty") : QString::fromUtf8(data)));
            };
        };
        service->downloadFile(signedServer.url(QStringLiteral("app/info.json")),
                              answer(QStringLiteral("first")));
        service->downloadFile(selfSignedServer.url(QStringLiteral("app/info.json")),
                              answer(QStringLiteral("second")));
        service->downloadFile(signedServer.url(QStringLiteral("app/info.json")),
                              answer(QStringLiteral("third")));
        QTRY_COMPARE_WITH_TIMEOUT(order.size(), 3, Timeout);
        const QString info = QString::fromUtf8(Info);
        QCOMPARE(order, QStringList({"first:" + info, QStringLiteral("second:empty"), "third:" + info}));
    }

private:
    TestCertificates certificates;
    FtpTestServer signedServer;
    FtpTestServer leafServer;
    FtpTestServer selfSignedServer;
    FtpTestServer mismatchServer;
    QSslCertificate ca;
    QSslCertificate unrelatedCa;
    std::unique_ptr<FtpService> service;
};

QTEST_GUILESS_MAIN(TestFtpCertificates)
#include "tst_ftpcertificates.moc"
