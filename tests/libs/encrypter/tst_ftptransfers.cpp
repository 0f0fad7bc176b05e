#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <encrypter/encryptionservice.h>
#include <encrypter/ftpservice.h>

#include "ftptestserver.h"
#include "messagelog.h"
#include "testcertificates.h"

using encrypter::EncryptionService;
using encrypter::FtpFileInfo;
using encrypter::FtpService;

// Transfers of the FTP service against ProFTPD with explicit TLS, logged in with credentials
// that take the program's path: hexadecimal AES-128-ECB text deciphered on the key channel.

namespace {

constexpr int Timeout = 30000;
const QString KeyChannel = QStringLiteral("/quartz-fieldkey");
const QString User = QStringLiteral("tarvino-update-client");
const QString Password = QStringLiteral("n0t-the-real-one-but-as-long-as-the-real-one-is-2024");

QByteArray randomBytes(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    for (char& byte : data)
        byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
    return data;
}

QByteArray sha256(const QByteArray& data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256);
}

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The answers one callback received.
struct Answers {
    QList<QByteArray> data;
    std::function<void(const QByteArray&)> callback()
    {
        return [this](const QByteArray& received) { data.append(received); };
    }
};

struct Listings {
    QList<QList<FtpFileInfo>> entries;
    std::function<void(const QList<FtpFileInfo>&)> callback()
    {
        return [this](const QList<FtpFileInfo>& received) { entries.append(received); };
    }
};

QString decrypt(const QString& text)
{
    return QString::fromUtf8(
        EncryptionService::instance().decryptAES_ECB(KeyChannel, QByteArray::fromHex(text.toUtf8())));
}

} // namespace

class TestFtpTransfers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(certificates.create(), qPrintable(certificates.errorString()));
        server.setCredentials(User, Password);
        QVERIFY2(server.start(certificates), qPrintable(server.errorString()));
        QVERIFY(server.addFile(QStringLiteral("app/info.json"), info));
        QVERIFY(server.addFile(QStringLiteral("app/installer.bin"), installer));
        QVERIFY(server.addFile(QStringLiteral("app/size=5.txt"), "five\n"));
        QVERIFY(server.addFile(QStringLiteral("app/a;b.txt"), "semicolon"));
        QVERIFY(server.addFolder(QStringLiteral("app/sub")));
        QVERIFY(server.addFolder(QStringLiteral("app/old")));

        QVERIFY(encryption.init_ECB(KeyChannel, KeyChannel.toLatin1()));
        QProcess script;
        script.start(QStringLiteral(MAKE_CREDENTIALS), {User, Password});
        QVERIFY(script.waitForFinished(30000));
        QCOMPARE(script.exitCode(), 0);
        const QList<QByteArray> lines = script.readAllStandardOutput().split('\n');
        QVERIFY(lines.size() >= 2);
        hexUser = QString::fromLatin1(lines.at(0));
        hexPassword = QString::fromLatin1(lines.at(1));
        QCOMPARE(hexUser.size(), 64);
        QCOMPARE(hexPassword.size(), 128);
    }

    void init()
    {
        service = std::make_unique<FtpService>();
        QVERIFY(service->loadCertificate(certificates.caCertificate(), true));
        service->setCredentials(hexUser, hexPassword, &decrypt);
    }

    void cleanup() { service.reset(); }

    void hexCredentialsLogIn()
    {
        Answers answers;
        service->downloadFile(server.url(QStringLiteral("app/info.json")), answers.callback());
        QTRY_COMPARE_WITH_TIMEOUT(answers.data.size(), 1, Timeout);
        QCOMPARE(answers.data.first(), info);
        QVERIFY(server.serverLog().contains(QStringLiteral("USER %1: Login successful").arg(User).toUtf8()));
    }

    void downloadsInMemoryOverTls_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<bool>("requireTls");
        QTest::newRow("installer") << "app/installer.bin" << installer << false;
        QTest::newRow("installer, TLS required") << "app/installer.bin" << installer << true;
        QTest::newRow("double slash") << "app//info.json" << info << false;
    }
    void downloadsInMemoryOverTls()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, expected);
        QFETCH(bool, requireTls);
        const int protectedChannels = server.tlsLog().count("data connection accepted");
        Answers answers;
        service->downloadFile(server.url(path), answers.callback(), {}, {}, requireTls);
        QTRY_COMPARE_WITH_TIMEOUT(answers.data.size(), 1, Timeout);
        QCOMPARE(sha256(answers.data.first()), sha256(expected));
        QVERIFY(server.tlsLog().contains("Protection set to Private"));
        QCOMPARE(server.tlsLog().count("data connection accepted"), protectedChannels + 1);
    }

    // The target is replaced only by a complete download.
    void downloadsIntoAFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("complete") << "app/installer.bin" << true;
        QTest::newRow("missing on the server") << "app/missing.bin" << false;
    }
    void downloadsIntoAFile()
    {
        QFETCH(QString, path);
        QFETCH(bool, succeeds);
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("installer.bin"));
        QFile previous(target);
        QVERIFY(previous.open(QIODevice::WriteOnly) && previous.write("previous") == 8);
        previous.close();
        if (!succeeds)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("missing.bin finished with error 78 ")));
        Answers answers;
        service->downloadFile(server.url(path), answers.callback(), target);
        QTRY_COMPARE_WITH_TIMEOUT(answers.data.size(), 1, Timeout);
        QCOMPARE(answers.data.first(), succeeds ? target.toLatin1() : QByteArray());
        QCOMPARE(sha256(fileContent(target)), sha256(succeeds ? installer : QByteArray("previous")));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("installer.bin")});
    }

    void listingsShowTheServedFolder_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("all") << int(FtpFileInfo::All)
                             << QStringList{".",   "..",         "a;b.txt", "info.json", "installer.bin",
                                            "old", "size=5.txt", "sub"};
        QTest::newRow("folders") << int(FtpFileInfo::Dir) << QStringList{"old", "sub"};
        QTest::newRow("files") << int(FtpFileInfo::File)
                               << QStringList{"a;b.txt", "info.json", "installer.bin", "size=5.txt"};
    }
    void listingsShowTheServedFolder()
    {
        QFETCH(int, type);
        QFETCH(QStringList, names);
        Listings listings;
        service->listDirectory(server.url(QStringLiteral("app/")), listings.callback(),
                               static_cast<FtpFileInfo::FileType>(type));
        QTRY_COMPARE_WITH_TIMEOUT(listings.entries.size(), 1, Timeout);
        QStringList listed;
        const QDir served(QDir(server.servedFolder()).filePath(QStringLiteral("app")));
        for (const FtpFileInfo& entry : listings.entries.first()) {
            listed.append(entry.name());
            QVERIFY(entry.isValid());
            if (entry.type() == FtpFileInfo::File)
                QCOMPARE(entry.size(), int(QFileInfo(served.filePath(entry.name())).size()));
            QCOMPARE(entry.modificationDate().timeSpec(), Qt::UTC);
        }
        listed.sort();
        QCOMPARE(listed, names);
        QStringList onDisk = served.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        if (type == FtpFileInfo::All)
            onDisk << QStringLiteral(".") << QStringLiteral("..");
        else
            onDisk = served.entryList((type == FtpFileInfo::Dir ? QDir::Dirs : QDir::Files) |
                                      QDir::NoDotAndDotDot);
        onDisk.sort();
        QCOMPARE(listed, onDisk);
    }

    void listingThenDownloadOnOneHandle()
    {
        service->endSession(QStringLiteral("ftp"), QStringLiteral("127.0.0.1"));
        const int sessions = server.serverLog().count("FTP session opened");
        Listings listings;
        Answers answers;
        service->listDirectory(server.url(QStringLiteral("app/")), listings.callback(), FtpFileInfo::Dir);
        service->downloadFile(server.url(QStringLiteral("app/info.json")), answers.callback());
        QTRY_COMPARE_WITH_TIMEOUT(answers.data.size(), 1, Timeout);
        QCOMPARE(listings.entries.size(), 1);
        QCOMPARE(listings.entries.first().size(), 2);
        QCOMPARE(answers.data.first(), info);
        // The download went over the listing's connection.
        QCOMPARE(server.serverLog().count("FTP session opened"), sessions + 1);
    }

    void wrongPasswordIsNotRetried()
    {
        MessageLog log;
        service->setCredentials(User, QStringLiteral("wrong"), [](const QString& text) { return text; });
        const int refusals = server.serverLog().count("Login failed");
        Answers answers;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("info.json finished with error 67 ")));
        service->downloadFile(server.url(QStringLiteral("app/info.json")), answers.callback());
        QTRY_COMPARE_WITH_TIMEOUT(answers.data.size(), 1, Timeout);
        QCOMPARE(answers.data.first(), QByteArray());
        QCOMPARE(server.serverLog().count("Login failed"), refusals + 1);
        QCOMPARE(log.count(QStringLiteral("[READ CERTIFICATE]")), 0);
    }

    void missingFileGivesNothing()
    {
        Answers answers;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("none.json finished with error 78 ")));
        service->downloadFile(server.url(QStringLiteral("app/none.json")), answers.callback());
        QTRY_COMPARE_WITH_TIMEOUT(answers.data.size(), 1, Timeout);
        QCOMPARE(answers.data.first(), QByteArray());
    }

    void missingTargetFolderContactsNoServer()
    {
        service->endSession(QStringLiteral("ftp"), QStringLiteral("127.0.0.1"));
        const int sessions = server.serverLog().count("FTP session opened");
        QTemporaryDir folder;
        Answers refused;
        Answers next;
        service->downloadFile(server.url(QStringLiteral("app/info.json")), refused.callback(),
                              folder.filePath(QStringLiteral("missing/folder/info.json")));
        service->downloadFile(server.url(QStringLiteral("app/info.json")), next.callback());
        QTRY_COMPARE_WITH_TIMEOUT(next.data.size(), 1, Timeout);
        QCOMPARE(refused.data, QList<QByteArray>{QByteArray()});
        QCOMPARE(next.data.first(), info);
        // Only the second job opened a session.
        QCOMPARE(server.serverLog().count("FTP session opened"), sessions + 1);
    }

    void activateSslOffStartsAPlainSession()
    {
        Answers answers;
        service->downloadFile(server.url(QStringLiteral("app/info.json")), answers.callback());
        QTRY_COMPARE_WITH_TIMEOUT(answers.data.size(), 1, Timeout);
        const int handshakes = server.tlsLog().count("SSL/TLS-P requested");
        const int sessions = server.serverLog().count("FTP session opened");
        service->setActivateSsl(false);
        service->downloadFile(server.url(QStringLiteral("app/info.json")), answers.callback());
        QTRY_COMPARE_WITH_TIMEOUT(answers.data.size(), 2, Timeout);
        QCOMPARE(answers.data.last(), info);
        QCOMPARE(server.serverLog().count("FTP session opened"), sessions + 1);
        QCOMPARE(server.tlsLog().count("SSL/TLS-P requested"), handshakes);
    }

    void plainServerServesUnlessTlsIsRequired()
    {
        FtpTestServer plain;
        plain.setCredentials(User, Password);
        QVERIFY2(plain.start(certificates, FtpTestServer::Identity::NoTls), qPrintable(plain.errorString()));
        QVERIFY(plain.addFile(QStringLiteral("app/info.json"), info));
        Answers answers;
        service->downloadFile(plain.url(QStringLiteral("app/info.json")), answers.callback());
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("info.json finished with error 64 ")));
        service->downloadFile(plain.url(QStringLiteral("app/info.json")), answers.callback(), {}, {}, true);
        QTRY_COMPARE_WITH_TIMEOUT(answers.data.size(), 2, Timeout);
        QCOMPARE(answers.data.at(0), info);
        QCOMPARE(answers.data.at(1), QByteArray());
        QCOMPARE(plain.serverLog().count("Login successful"), 1);
    }

    void refusesMissingFunctions()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused: no callback")));
        service->listDirectory(server.url(QStringLiteral("app/")), {}, FtpFileInfo::All);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no decrypt function")));
        service->setCredentials(QStringLiteral("a"), QStringLiteral("b"), {});
        // Still the credentials from before.
        Answers answers;
        service->downloadFile(server.url(QStringLiteral("app/info.json")), answers.callback());
        QTRY_COMPARE_WITH_TIMEOUT(answers.data.size(), 1, Timeout);
        QCOMPARE(answers.data.first(), info);
    }

private:
    TestCertificates certificates;
    FtpTestServer server;
    EncryptionService encryption;
    std::unique_ptr<FtpService> service;
    QString hexUser;
    QString hexPassword;
    const QByteArray info = QByteArrayLiteral("{\"version\":\"1.0.33\"}\n");
    const QByteArray installer = randomBytes(1024 * 1024 + 17);
};

QTEST_GUILESS_MAIN(TestFtpTransfers)
#include "tst_ftptransfers.moc"
