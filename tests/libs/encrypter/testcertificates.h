#pragma once

#include <QString>
#include <QTemporaryDir>

// Certificates for the FTP tests, made with the openssl tool in a folder of their own:
//  - a CA, and a server certificate it signs for IP 127.0.0.1 and DNS localhost;
//  - a self-signed server certificate for the same names;
//  - an unrelated CA that signed nothing here;
//  - a certificate the CA signs without any subject alternative name (a host mismatch).
class TestCertificates {
public:
    TestCertificates();

    // Makes every file; false with errorString() telling which openssl call failed.
    bool create();
    QString errorString() const { return m_error; }

    QString caCertificate() const { return path(QStringLiteral("ca.pem")); }
    QString serverCertificate() const { return path(QStringLiteral("server.pem")); }
    QString serverKey() const { return path(QStringLiteral("server.key")); }
    QString selfSignedCertificate() const { return path(QStringLiteral("selfsigned.pem")); }
    QString selfSignedKey() const { return path(QStringLiteral("selfsigned.key")); }
    QString unrelatedCaCertificate() const { return path(QStringLiteral("unrelated-ca.pem")); }
    QString withoutSanCertificate() const { return path(QStringLiteral("nosan.pem")); }
    QString withoutSanKey() const { return path(QStringLiteral("nosan.key")); }

    // Runs the openssl tool; false with errorString() set when it fails.
    bool openssl(const QStringList& arguments, const QByteArray& input = {}, QByteArray* output = nullptr);

private:
    QString path(const QString& name) const { return m_folder.filePath(name); }
    bool makeCa(const QString& name, const QString& commonName);
    bool makeSignedCertificate(const QString& name, const QString& commonName, const QString& extensions,
                               int serial);

    QTemporaryDir m_folder;
    QString m_error;
};
