#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <curl/curl.h>

#include <encrypter/certificateinfo.h>

#include "ftptestserver.h"
#include "testcertificates.h"

using encrypter::CertificateInfo;

// Certificate records built from a chain that libcurl reads off ProFTPD, checked against the
// openssl tool and the PEM files the server serves.

namespace {

size_t discard(char*, size_t size, size_t count, void*)
{
    return size * count;
}

// The handshake's certificates, as libcurl's OpenSSL backend describes them. The anonymous
// login is refused; the chain arrives all the same.
QList<QList<QString>> readChain(const QString& url)
{
    QList<QList<QString>> chain;
    CURL* handle = curl_easy_init();
    curl_easy_setopt(handle, CURLOPT_URL, url.toUtf8().constData());
    curl_easy_setopt(handle, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(handle, CURLOPT_CERTINFO, 1L);
    curl_easy_setopt(handle, CURLOPT_DIRLISTONLY, 1L);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &discard);
    curl_easy_perform(handle);
    curl_certinfo* info = nullptr;
    if (curl_easy_getinfo(handle, CURLINFO_CERTINFO, &info) == CURLE_OK && info) {
        for (int index = 0; index < info->num_of_certs; ++index) {
            QList<QString> lines;
            for (const curl_slist* entry = info->certinfo[index]; entry; entry = entry->next)
                lines.append(QString::fromUtf8(entry->data));
            chain.append(lines);
        }
    }
    curl_easy_cleanup(handle);
    return chain;
}

QSslCertificate certificateFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QSslCertificate(&file, QSsl::Pem) : QSslCertificate();
}

} // namespace

class TestCertificateInfo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(certificates.create(), qPrintable(certificates.errorString()));
        QVERIFY2(server.start(certificates), qPrintable(server.errorString()));
        curl_global_init(CURL_GLOBAL_ALL);
        const QList<QList<QString>> lines = readChain(server.url());
        for (const QList<QString>& certificate : lines)
            chain.append(CertificateInfo(certificate));
        QCOMPARE(chain.size(), 2);
    }

    void cleanupTestCase() { curl_global_cleanup(); }

    void subjectAndIssuer_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("file");
        QTest::newRow("server") << 0 << certificates.serverCertificate();
        QTest::newRow("CA") << 1 << certificates.caCertificate();
    }
    void subjectAndIssuer()
    {
        QFETCH(int, index);
        QFETCH(QString, file);
        const CertificateInfo& info = chain.at(index);
        QCOMPARE(info.subject(), opensslField(file, "-subject", "subject="));
        QCOMPARE(info.issuer(), opensslField(file, "-issuer", "issuer="));
        QCOMPARE(info.issuer(), QStringLiteral("CN = Tarvino Test CA"));
    }

    void datesAreThoseOfOpenssl_data() { subjectAndIssuer_data(); }
    void datesAreThoseOfOpenssl()
    {
        QFETCH(int, index);
        QFETCH(QString, file);
        const CertificateInfo& info = chain.at(index);
        const QDateTime start =
            QDateTime::fromString(opensslField(file, "-startdate", "notBefore="), Qt::ISODate);
        const QDateTime end = QDateTime::fromString(opensslField(file, "-enddate", "notAfter="), Qt::ISODate);
        QVERIFY(start.isValid() && end.isValid());
        QCOMPARE(info.startDate(), start);
        QCOMPARE(info.expirationDate(), end);
        QCOMPARE(info.startDate().timeSpec(), Qt::UTC);
        QCOMPARE(info.expirationDate().timeSpec(), Qt::UTC);
    }

    void certificateIsTheServedFile_data() { subjectAndIssuer_data(); }
    void certificateIsTheServedFile()
    {
        QFETCH(int, index);
        QFETCH(QString, file);
        const QSslCertificate served = certificateFile(file);
        QVERIFY(!served.isNull());
        QCOMPARE(chain.at(index).certificate(), served);
        QCOMPARE(chain.at(index).certificate().toPem(), served.toPem());
    }

    void signatureAlgorithmIsKeptApart()
    {
        const CertificateInfo& info = chain.at(0);
        QCOMPARE(info.signatureAlgorithm(), QStringLiteral("sha256WithRSAEncryption"));
        QVERIFY2(QRegularExpression(QStringLiteral("^([0-9a-f]{2}:)+")).match(info.signature()).hasMatch(),
                 qPrintable(info.signature()));
        QCOMPARE(info.publicKeyAlogrithm(), QStringLiteral("rsaEncryption"));
        QCOMPARE(info.publicKeyLength(), 2048);
        QCOMPARE(info.rsa_e(), QStringLiteral("10001"));
        QVERIFY(!info.rsa_n().isEmpty());
        // X.509 version 3 is written as its number 2.
        QCOMPARE(info.version(), 2);
        QCOMPARE(info.serialNumber().toInt(nullptr, 16), 1001);
    }

    void readsLinesOfEitherSpelling_data()
    {
        QTest::addColumn<QList<QString>>("lines");
        QTest::addColumn<QString>("algorithm");
        QTest::addColumn<QString>("signature");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("end");
        QTest::newRow("labels and dates as ISO text")
            << QList<QString>{"Signature Algorithm:sha256WithRSAEncryption", "Signature:0f:06",
                              "Start Date:2024-01-01 00:00:00 GMT", "Expire Date:2025-06-30 23:59:59 GMT"}
            << "sha256WithRSAEncryption"
            << "0f:06" << QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC)
            << QDateTime(QDate(2025, 6, 30), QTime(23, 59, 59), Qt::UTC);
        QTest::newRow("libcurl's labels and dates")
            << QList<QString>{"Signature:ab:cd", "Signature Algorithm:ecdsa-with-SHA256",
                              "Start date:Dec  9 21:18:43 2026 GMT", "Expire date:Jan 10 01:02:03 2027 GMT"}
            << "ecdsa-with-SHA256"
            << "ab:cd" << QDateTime(QDate(2026, 12, 9), QTime(21, 18, 43), Qt::UTC)
            << QDateTime(QDate(2027, 1, 10), QTime(1, 2, 3), Qt::UTC);
        QTest::newRow("unreadable dates")
            << QList<QString>{"Start date:someday", "Expire Date:2024-13-01 00:00:00 GMT"} << ""
            << "" << QDateTime() << QDateTime();
        QTest::newRow("unknown labels")
            << QList<QString>{"X509v3 Key Usage:Digital Signature", "Sig:x", ""} << ""
            << "" << QDateTime() << QDateTime();
    }
    void readsLinesOfEitherSpelling()
    {
        QFETCH(QList<QString>, lines);
        QFETCH(QString, algorithm);
        QFETCH(QString, signature);
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        const CertificateInfo info(lines);
        QCOMPARE(info.signatureAlgorithm(), algorithm);
        QCOMPARE(info.signature(), signature);
        QCOMPARE(info.startDate(), start);
        QCOMPARE(info.expirationDate(), end);
    }

    void missingValues()
    {
        const CertificateInfo info(
            QList<QString>{QStringLiteral("Version:two"), QStringLiteral("Cert:not a PEM")});
        QCOMPARE(info.version(), 0);
        QCOMPARE(info.publicKeyLength(), 0);
        QVERIFY(info.subject().isEmpty());
        QVERIFY(info.certificate().isNull());
        QVERIFY(CertificateInfo(QList<QString>()).certificate().isNull());
    }

    void copiesShareTheirValues()
    {
        CertificateInfo copy = chain.at(0);
        QCOMPARE(copy.subject(), chain.at(0).subject());
        copy = chain.at(1);
        QCOMPARE(copy.subject(), chain.at(1).subject());
        QVERIFY(chain.at(0).subject() != chain.at(1).subject());
    }

private:
    // One field of `openssl x509 -noout`, without its label; dates in ISO 8601.
    QString opensslField(const QString& file, const char* option, const char* label)
    {
        QByteArray output;
        if (!certificates.openssl({"x509", "-noout", "-in", file, "-dateopt", "iso_8601", option}, {},
                                  &output))
            qWarning().noquote() << certificates.errorString();
        const QString text = QString::fromUtf8(output).trimmed();
        return text.startsWith(QLatin1String(label)) ? text.mid(qstrlen(label)) : QString();
    }

    TestCertificates certificates;
    FtpTestServer server;
    QList<CertificateInfo> chain;
};

QTEST_GUILESS_MAIN(TestCertificateInfo)
#include "tst_certificateinfo.moc"
