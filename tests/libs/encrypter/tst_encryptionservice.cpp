#include <QRegularExpression>
#include <QTest>

#include <cstdlib>

#include <encrypter/encryptionservice.h>

#include "testcertificates.h"

using encrypter::EncryptionService;

// AES of the encryption service against the openssl tool, both ways, and the refusals that
// keep wrong key and IV lengths away from libcrypto.

namespace {

const QString Channel = QStringLiteral("/quartz-fieldkey");
const QByteArray Key = Channel.toLatin1();
const QByteArray Iv = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f");
const QByteArray OtherIv = QByteArray::fromHex("f0e1d2c3b4a5968778695a4b3c2d1e0f");

QByteArray plainText(int length)
{
    QByteArray data;
    for (int index = 0; index < length; ++index)
        data.append(static_cast<char>((index * 37 + 11) % 256));
    return data;
}

QByteArray bytes(int length)
{
    return QByteArray(length, 'k');
}

} // namespace

class TestEncryptionService : public QObject {
    Q_OBJECT

private slots:
    void instanceLivesWithTheObject()
    {
        QVERIFY(!EncryptionService::hasInstance());
        {
            EncryptionService service;
            QVERIFY(EncryptionService::hasInstance());
            QCOMPARE(&EncryptionService::instance(), &service);
        }
        QVERIFY(!EncryptionService::hasInstance());
    }

    void agreesWithOpenssl_data()
    {
        QTest::addColumn<bool>("cbc");
        QTest::addColumn<int>("length");
        for (const bool cbc : {false, true}) {
            for (const int length : {0, 1, 15, 16, 17, 31, 100})
                QTest::addRow("%s %d", cbc ? "CBC" : "ECB", length) << cbc << length;
        }
    }
    void agreesWithOpenssl()
    {
        QFETCH(bool, cbc);
        QFETCH(int, length);
        EncryptionService service;
        QVERIFY(cbc ? service.init_CBC(Channel, Key, Iv) : service.init_ECB(Channel, Key));
        const QByteArray plain = plainText(length);

        const QByteArray ours =
            cbc ? service.encryptAES_CBC(Channel, plain) : service.encryptAES_ECB(Channel, plain);
        QCOMPARE(ours.size(), (length / 16 + 1) * 16);
        QCOMPARE(openssl(cbc, "-d", ours), plain);

        const QByteArray theirs = openssl(cbc, "-e", plain);
        QCOMPARE(theirs, ours);
        QCOMPARE(cbc ? service.decryptAES_CBC(Channel, theirs) : service.decryptAES_ECB(Channel, theirs),
                 plain);
    }

    void wrongLengthsNeverReachTheCipher_data()
    {
        QTest::addColumn<bool>("cbc");
        QTest::addColumn<int>("keyLength");
        QTest::addColumn<int>("ivLength");
        QTest::addColumn<int>("ivArgument");
        QTest::addColumn<QStringList>("warnings");
        const QString ecbKey = QStringLiteral("ERROR, key length must be 16bytes for AES_128_ECB");
        const QString cbcKey = QStringLiteral("ERROR, key length must be 16bytes for AES_128_CBC");
        const QString ivLength = QStringLiteral("ERROR, IV length must be 16bytes for AES_128_CBC");
        const QString noEcbKey =
            QStringLiteral("ERROR, channel %1 has no 16 bytes key for AES_128_ECB").arg(Channel);
        const QString noCbcKey =
            QStringLiteral("ERROR, channel %1 has no 16 bytes key for AES_128_CBC").arg(Channel);
        const QString noIv =
            QStringLiteral("ERROR, channel %1 has no 16 bytes IV for AES_128_CBC").arg(Channel);
        QTest::newRow("ECB key 15") << false << 15 << 0 << 0 << QStringList{ecbKey, noEcbKey, noEcbKey};
        QTest::newRow("ECB key 17") << false << 17 << 0 << 0 << QStringList{ecbKey, noEcbKey, noEcbKey};
        QTest::newRow("ECB channel without key") << false << 0 << 0 << 0 << QStringList{noEcbKey, noEcbKey};
        QTest::newRow("CBC key 15") << true << 15 << 16 << 0 << QStringList{cbcKey, noCbcKey, noCbcKey};
        QTest::newRow("CBC key 17") << true << 17 << 16 << 0 << QStringList{cbcKey, noCbcKey, noCbcKey};
        QTest::newRow("CBC channel without key") << true << 0 << 0 << 16 << QStringList{noCbcKey, noCbcKey};
        QTest::newRow("CBC without IV") << true << 16 << 0 << 0 << QStringList{noIv, noIv};
        QTest::newRow("CBC IV 15 stored") << true << 16 << 15 << 0 << QStringList{ivLength, noIv, noIv};
        QTest::newRow("CBC IV 15 as argument") << true << 16 << 16 << 15 << QStringList{ivLength, ivLength};
        QTest::newRow("CBC IV 17 as argument") << true << 16 << 16 << 17 << QStringList{ivLength, ivLength};
    }
    void wrongLengthsNeverReachTheCipher()
    {
        QFETCH(bool, cbc);
        QFETCH(int, keyLength);
        QFETCH(int, ivLength);
        QFETCH(int, ivArgument);
        QFETCH(QStringList, warnings);
        EncryptionService service;
        for (const QString& warning : warnings)
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        if (keyLength > 0) {
            const bool stored = cbc ? service.init_CBC(Channel, bytes(keyLength), bytes(ivLength))
                                    : service.init_ECB(Channel, bytes(keyLength));
            QCOMPARE(stored, keyLength == 16 && (ivLength == 0 || ivLength == 16));
        }
        const QByteArray plain = plainText(20);
        if (cbc) {
            QCOMPARE(service.encryptAES_CBC(Channel, plain, bytes(ivArgument)), QByteArray());
            QCOMPARE(service.decryptAES_CBC(Channel, QByteArray(32, 'c'), bytes(ivArgument)), QByteArray());
        } else {
            QCOMPARE(service.encryptAES_ECB(Channel, plain), QByteArray());
            QCOMPARE(service.decryptAES_ECB(Channel, QByteArray(32, 'c')), QByteArray());
        }
    }

    void refusedKeyKeepsTheEarlierOne()
    {
        EncryptionService service;
        QVERIFY(service.init_ECB(Channel, Key));
        QTest::ignoreMessage(QtWarningMsg, "ERROR, key length must be 16bytes for AES_128_ECB");
        QVERIFY(!service.init_ECB(Channel, bytes(15)));
        QCOMPARE(service.encryptAES_ECB(Channel, plainText(5)), openssl(false, "-e", plainText(5)));
    }

    void refusedIvArgumentKeepsTheStoredIv()
    {
        EncryptionService service;
        QVERIFY(service.init_CBC(Channel, Key, Iv));
        QTest::ignoreMessage(QtWarningMsg, "ERROR, IV length must be 16bytes for AES_128_CBC");
        QCOMPARE(service.encryptAES_CBC(Channel, plainText(5), bytes(15)), QByteArray());
        QCOMPARE(service.encryptAES_CBC(Channel, plainText(5)), openssl(true, "-e", plainText(5)));
    }

    void ivArgumentBecomesTheChannelsIv()
    {
        EncryptionService service;
        QVERIFY(service.init_CBC(Channel, Key, OtherIv));
        const QByteArray first = service.encryptAES_CBC(Channel, plainText(40), Iv);
        QCOMPARE(first, openssl(true, "-e", plainText(40)));
        QCOMPARE(service.encryptAES_CBC(Channel, plainText(40)), first);
        QCOMPARE(service.decryptAES_CBC(Channel, first), plainText(40));
    }

    void initWithoutIvKeepsTheChannelsIv()
    {
        EncryptionService service;
        QVERIFY(service.init_CBC(Channel, bytes(16), Iv));
        QVERIFY(service.init_CBC(Channel, Key, {}));
        QCOMPARE(service.encryptAES_CBC(Channel, plainText(3)), openssl(true, "-e", plainText(3)));
    }

    // A fixed key pair whose wrong decryption is known to end in bad padding; a random wrong
    // key passes the padding check about once in 256 tries.
    void wrongKeyGivesNothing()
    {
        EncryptionService service;
        QVERIFY(service.init_ECB(QStringLiteral("right"), Key));
        QVERIFY(service.init_ECB(QStringLiteral("wrong"), QByteArrayLiteral("/quartz-fieldkez")));
        const QByteArray cipher =
            service.encryptAES_ECB(QStringLiteral("right"), QByteArrayLiteral("tarvino-update-client"));
        QCOMPARE(cipher.toHex(), openssl(false, "-e", QByteArrayLiteral("tarvino-update-client")).toHex());
        QCOMPARE(service.decryptAES_ECB(QStringLiteral("wrong"), cipher), QByteArray());
        QCOMPARE(service.decryptAES_ECB(QStringLiteral("right"), cipher.left(31)), QByteArray());
        QCOMPARE(service.decryptAES_ECB(QStringLiteral("right"), cipher),
                 QByteArrayLiteral("tarvino-update-client"));
    }

    void randomIvComesFromTheSystem()
    {
        EncryptionService service;
        QVERIFY(service.init_CBC(Channel, Key, {}));
        // What an unseeded C generator would hand out: the same bytes in every run.
        std::srand(1);
        QByteArray predictable;
        for (int index = 0; index < 16; ++index)
            predictable.append(static_cast<char>(std::rand() % 256));
        std::srand(1);
        const QByteArray first = service.setRandomIV(Channel);
        const QByteArray second = service.setRandomIV(Channel);
        QCOMPARE(first.size(), 16);
        QVERIFY(first != predictable);
        QVERIFY(first != second);
        // The last one is the channel's IV.
        const QByteArray cipher = service.encryptAES_CBC(Channel, plainText(20));
        QCOMPARE(openssl(true, "-d", cipher, second), plainText(20));
    }

    void pendingKeyIsUsedAndStaysPending()
    {
        EncryptionService service;
        QVERIFY(service.init_ECB(Channel, bytes(16)));
        QVERIFY(!service.hasPendingKey(Channel));
        service.setPendingKey(Channel, Key);
        QVERIFY(service.hasPendingKey(Channel));
        QCOMPARE(service.usePendingKey(Channel), Key);
        QVERIFY(service.hasPendingKey(Channel));
        QCOMPARE(service.encryptAES_ECB(Channel, plainText(9)), openssl(false, "-e", plainText(9)));
        service.resetPendingKey(Channel);
        QVERIFY(!service.hasPendingKey(Channel));

        QTest::ignoreMessage(QtWarningMsg, "ERROR, key length must be 16bytes for AES_128_ECB");
        QCOMPARE(service.usePendingKey(Channel), QByteArray());
        QCOMPARE(service.encryptAES_ECB(Channel, plainText(9)), openssl(false, "-e", plainText(9)));
    }

    void selfTestCountsMismatches_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("rounds");
        QTest::newRow("ECB") << int(EncryptionService::ECB) << 0 << 40 << 2;
        QTest::newRow("CBC") << int(EncryptionService::CBC) << 0 << 40 << 2;
        QTest::newRow("no rounds") << int(EncryptionService::ECB) << 0 << 40 << 0;
        QTest::newRow("empty range") << int(EncryptionService::CBC) << 10 << 10 << 3;
    }
    void selfTestCountsMismatches()
    {
        QFETCH(int, mode);
        QFETCH(int, first);
        QFETCH(int, end);
        QFETCH(int, rounds);
        EncryptionService service;
        QVERIFY(service.init_CBC(Channel, Key, Iv));
        QTest::ignoreMessage(QtDebugMsg, "START AES test");
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral(
                                             "^FINISHED AES test in \\d+ ms with 0 error\\(s\\)$")));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        service.performTest(Channel, static_cast<EncryptionService::CipherMode>(mode), first, end, rounds);
    }

    void selfTestReportsAChannelThatFails()
    {
        EncryptionService service;
        QVERIFY(service.init_CBC(Channel, Key, {}));
        QTest::ignoreMessage(QtDebugMsg, "START AES test");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("has no 16 bytes IV")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("has no 16 bytes IV")));
        QTest::ignoreMessage(QtWarningMsg, "AES Error while encrypting a 4 length data");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Plain data = [0-9a-f]{8}$")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Encoded data =")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Decoded data =")));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral(
                                             "^FINISHED AES test in \\d+ ms with 1 error\\(s\\)$")));
        service.performTest(Channel, EncryptionService::CBC, 4, 5, 1);
    }

private:
    // openssl enc with the test's key (and IV for CBC); empty output on failure.
    QByteArray openssl(bool cbc, const char* direction, const QByteArray& input, const QByteArray& iv = Iv)
    {
        QStringList arguments{QStringLiteral("enc"), QString::fromLatin1(direction),
                              cbc ? QStringLiteral("-aes-128-cbc") : QStringLiteral("-aes-128-ecb"),
                              QStringLiteral("-K"), QString::fromLatin1(Key.toHex())};
        if (cbc)
            arguments << QStringLiteral("-iv") << QString::fromLatin1(iv.toHex());
        QByteArray output;
        if (!tool.openssl(arguments, input, &output))
            qWarning().noquote() << tool.errorString();
        return output;
    }

    TestCertificates tool;
};

QTEST_GUILESS_MAIN(TestEncryptionService)
#include "tst_encryptionservice.moc"
