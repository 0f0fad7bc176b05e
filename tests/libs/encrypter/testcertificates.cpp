#include "testcertificates.h"

#include <QFile>
#include <QProcess>

namespace {

// Extensions of the signed server certificates.
const char ExtensionsFile[] = "[server]\n"
                              "basicConstraints=CA:FALSE\n"
                              "keyUsage=digitalSignature,keyEncipherment\n"
                              "extendedKeyUsage=serverAuth\n"
                              "subjectAltName=IP:127.0.0.1,DNS:localhost\n"
                              "[nosan]\n"
                              "basicConstraints=CA:FALSE\n"
                              "keyUsage=digitalSignature,keyEncipherment\n"
                              "extendedKeyUsage=serverAuth\n";

} // namespace

TestCertificates::TestCertificates() = default;

bool TestCertificates::create()
{
    if (!m_folder.isValid()) {
        m_error = QStringLiteral("no temporary folder for the certificates");
        return false;
    }
    QFile extensions(path(QStringLiteral("extensions.cnf")));
    if (!extensions.open(QIODevice::WriteOnly) || extensions.write(ExtensionsFile) < 0) {
        m_error = extensions.errorString();
        return false;
    }
    extensions.close();
    return makeCa(QStringLiteral("ca"), QStringLiteral("Tarvino Test CA")) &&
           makeCa(QStringLiteral("unrelated-ca"), QStringLiteral("Unrelated Test CA")) &&
           makeSignedCertificate(QStringLiteral("server"), QStringLiteral("localhost"),
                                 QStringLiteral("server"), 1001) &&
           makeSignedCertificate(QStringLiteral("nosan"), QStringLiteral("tarvino.invalid"),
                                 QStringLiteral("nosan"), 1002) &&
           openssl({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", selfSignedKey(), "-out",
                    selfSignedCertificate(), "-days", "30", "-subj", "/CN=Tarvino Self-Signed", "-addext",
                    "subjectAltName=IP:127.0.0.1,DNS:localhost"}) &&
           QFile::setPermissions(serverKey(), QFile::ReadOwner | QFile::WriteOwner) &&
           QFile::setPermissions(selfSignedKey(), QFile::ReadOwner | QFile::WriteOwner) &&
           QFile::setPermissions(withoutSanKey(), QFile::ReadOwner | QFile::WriteOwner);
}

bool TestCertificates::openssl(const QStringList& arguments, const QByteArray& input, QByteArray* output)
{
    QProcess process;
    process.start(QStringLiteral("openssl"), arguments);
    if (!process.waitForStarted()) {
        m_error = QStringLiteral("openssl cannot be started: ") + process.errorString();
        return false;
    }
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        m_error = QStringLiteral("openssl %1 failed: %2")
                      .arg(arguments.join(QLatin1Char(' ')),
                           QString::fromLocal8Bit(process.readAllStandardError()));
        return false;
    }
    if (output)
        *output = process.readAllStandardOutput();
    return true;
}

bool TestCertificates::makeCa(const QString& name, const QString& commonName)
{
    return openssl({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", path(name + ".key"), "-out",
                    path(name + ".pem"), "-days", "30", "-subj", "/CN=" + commonName, "-addext",
                    "basicConstraints=critical,CA:TRUE", "-addext", "keyUsage=critical,keyCertSign,cRLSign"});
}

bool TestCertificates::makeSignedCertificate(const QString& name, const QString& commonName,
                                             const QString& extensions, int serial)
{
    const QString request = path(name + ".csr");
    return openssl({"req", "-newkey", "rsa:2048", "-nodes", "-keyout", path(name + ".key"), "-out", request,
                    "-subj", "/CN=" + commonName}) &&
           openssl({"x509", "-req", "-in", request, "-CA", caCertificate(), "-CAkey", path("ca.key"),
                    "-set_serial", QString::number(serial), "-days", "30", "-out", path(name + ".pem"),
                    "-extfile", path("extensions.cnf"), "-extensions", extensions});
}
