#include "ftptestserver.h"

#include "testcertificates.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QThread>

#include <unistd.h>

namespace {

const char ProftpdBinary[] = "/usr/sbin/proftpd";
constexpr int PassivePortCount = 16;
constexpr int StartAttempts = 3;

constexpr auto WorldReadableFile = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
constexpr auto WorldReadableFolder = WorldReadableFile | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;

// A port of 127.0.0.1 that nothing listens on right now.
quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

// The first of count consecutive free ports, tried at random places.
quint16 freePortRange(int count)
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        const auto first = static_cast<quint16>(QRandomGenerator::global()->bounded(30000, 60000));
        bool free = true;
        for (int offset = 0; offset < count && free; ++offset) {
            QTcpServer probe;
            free = probe.listen(QHostAddress::LocalHost, static_cast<quint16>(first + offset));
        }
        if (free)
            return first;
    }
    return 0;
}

bool writeFile(const QString& path, const QByteArray& content, QFile::Permissions permissions)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size() &&
           file.flush() && file.setPermissions(permissions);
}

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// ProFTPD enters the user's home as the user nobody, so every folder above it must be open to
// others; the tests' own temporary folders are not.
FtpTestServer::FtpTestServer()
    : m_folder(QStringLiteral("/tmp/tarvino-ftp-XXXXXX"))
{
}

FtpTestServer::~FtpTestServer()
{
    stop();
}

void FtpTestServer::setCredentials(const QString& user, const QString& password)
{
    m_user = user;
    m_password = password;
}

bool FtpTestServer::start(TestCertificates& certificates, Identity identity)
{
    if (!QFileInfo(QString::fromLatin1(ProftpdBinary)).isExecutable()) {
        m_error =
            QStringLiteral("%1 is missing: scripts/install-deps installs proftpd-core").arg(ProftpdBinary);
        return false;
    }
    if (geteuid() != 0) {
        m_error = QStringLiteral("ProFTPD runs its sessions as the user nobody, which needs root");
        return false;
    }
    if (!m_folder.isValid() || !QFile::setPermissions(m_folder.path(), WorldReadableFolder) ||
        !QDir(m_folder.path()).mkpath(QStringLiteral("home")) ||
        !QFile::setPermissions(servedFolder(), WorldReadableFolder)) {
        m_error = QStringLiteral("the server's folder cannot be made");
        return false;
    }
    for (int attempt = 0; attempt < StartAttempts; ++attempt) {
        m_port = freePort();
        const quint16 passivePort = freePortRange(PassivePortCount);
        if (!m_port || !passivePort) {
            m_error = QStringLiteral("no free port on 127.0.0.1");
            return false;
        }
        if (!writeConfig(certificates, identity, passivePort))
            return false;
        m_process.setStandardOutputFile(path(QStringLiteral("server.log")), QIODevice::Append);
        m_process.setStandardErrorFile(path(QStringLiteral("server.log")), QIODevice::Append);
        m_process.start(QString::fromLatin1(ProftpdBinary),
                        {"-n", "-c", path(QStringLiteral("proftpd.conf"))});
        if (waitForStartup())
            return true;
        stop();
    }
    m_error = QStringLiteral("ProFTPD did not start: ") + QString::fromLocal8Bit(serverLog());
    return false;
}

void FtpTestServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(10000)) {
        m_process.kill();
        m_process.waitForFinished(10000);
    }
}

QString FtpTestServer::url(const QString& path) const
{
    return QStringLiteral("ftp://127.0.0.1:%1/%2").arg(m_port).arg(path);
}

QString FtpTestServer::servedFolder() const
{
    return path(QStringLiteral("home"));
}

bool FtpTestServer::addFile(const QString& relativePath, const QByteArray& content) const
{
    const QString target = QDir(servedFolder()).filePath(relativePath);
    return addFolder(QFileInfo(relativePath).path()) && writeFile(target, content, WorldReadableFile);
}

bool FtpTestServer::addFolder(const QString& relativePath) const
{
    QDir folder(servedFolder());
    for (const QString& part : QDir::cleanPath(relativePath).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (!folder.exists(part) && !folder.mkdir(part))
            return false;
        if (!folder.cd(part) || !QFile::setPermissions(folder.path(), WorldReadableFolder))
            return false;
    }
    return true;
}

QByteArray FtpTestServer::serverLog() const
{
    return fileContent(path(QStringLiteral("server.log")));
}

QByteArray FtpTestServer::tlsLog() const
{
    return fileContent(path(QStringLiteral("tls.log")));
}

QByteArray FtpTestServer::transferLog() const
{
    return fileContent(path(QStringLiteral("transfer.log")));
}

bool FtpTestServer::writeConfig(TestCertificates& certificates, Identity identity, quint16 passivePort)
{
    QByteArray hash;
    if (!certificates.openssl({"passwd", "-6", "-stdin"}, m_password.toUtf8() + '\n', &hash)) {
        m_error = certificates.errorString();
        return false;
    }
    const QByteArray account =
        m_user.toUtf8() + ':' + hash.trimmed() + ":65534:65534::" + servedFolder().toUtf8() + ":/bin/false\n";
    if (!writeFile(path(QStringLiteral("passwd")), account, QFile::ReadOwner | QFile::WriteOwner)) {
        m_error = QStringLiteral("the user file cannot be written");
        return false;
    }

    const QString config = QStringLiteral("ServerType standalone\n"
                                          "DefaultAddress 127.0.0.1\n"
                                          "SocketBindTight on\n"
                                          "Port %1\n"
                                          "PassivePorts %2 %3\n"
                                          "User nobody\n"
                                          "Group nogroup\n"
                                          "UseReverseDNS off\n"
                                          "PidFile %4\n"
                                          "ScoreboardFile %5\n"
                                          "SystemLog %6\n"
                                          "TransferLog %7\n"
                                          "DelayTable none\n"
                                          "WtmpLog off\n"
                                          "AuthOrder mod_auth_file.c\n"
                                          "AuthUserFile %8\n"
                                          "RequireValidShell off\n"
                                          "DefaultRoot ~\n"
                                          "LoadModule mod_tls.c\n"
                                          "TLSLog %9\n")
                               .arg(m_port)
                               .arg(passivePort)
                               .arg(passivePort + PassivePortCount - 1)
                               .arg(path(QStringLiteral("proftpd.pid")), path(QStringLiteral("scoreboard")),
                                    path(QStringLiteral("system.log")), path(QStringLiteral("transfer.log")),
                                    path(QStringLiteral("passwd")), path(QStringLiteral("tls.log"))) +
                           tlsConfig(certificates, identity);
    if (!writeFile(path(QStringLiteral("proftpd.conf")), config.toUtf8(), WorldReadableFile)) {
        m_error = QStringLiteral("the server's configuration cannot be written");
        return false;
    }
    return true;
}

QString FtpTestServer::tlsConfig(const TestCertificates& certificates, Identity identity)
{
    if (identity == Identity::NoTls)
        return QStringLiteral("TLSEngine off\n");
    const bool selfSigned = identity == Identity::SelfSigned;
    const bool withoutSan = identity == Identity::WithoutSan;
    const QString certificate = selfSigned   ? certificates.selfSignedCertificate()
                                : withoutSan ? certificates.withoutSanCertificate()
                                             : certificates.serverCertificate();
    const QString key = selfSigned   ? certificates.selfSignedKey()
                        : withoutSan ? certificates.withoutSanKey()
                                     : certificates.serverKey();
    // Explicit TLS is offered, not required: a client may stay in plain text.
    QString config = QStringLiteral("TLSEngine on\n"
                                    "TLSRequired off\n"
                                    "TLSProtocol TLSv1.2 TLSv1.3\n"
                                    "TLSRSACertificateFile %1\n"
                                    "TLSRSACertificateKeyFile %2\n")
                         .arg(certificate, key);
    if (!selfSigned && identity != Identity::SignedLeaf)
        config += QStringLiteral("TLSCertificateChainFile %1\n").arg(certificates.caCertificate());
    return config;
}

bool FtpTestServer::waitForStartup()
{
    if (!m_process.waitForStarted(10000))
        return false;
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        // Logged once the server listens on its port.
        if (serverLog().contains("standalone mode STARTUP"))
            return true;
        if (m_process.waitForFinished(20))
            return false;
    }
    return false;
}
