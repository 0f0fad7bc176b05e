#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class TestCertificates;

// A throw-away ProFTPD (/usr/sbin/proftpd) on a free port of 127.0.0.1 with explicit TLS
// (offered, not required), one user whose home is the served folder, and every log in its own
// temporary folder. Needs root: the sessions run as the user nobody.
class FtpTestServer {
public:
    enum class Identity {
        Signed,     // the test CA's certificate for 127.0.0.1 and localhost, with the CA as chain
        SignedLeaf, // the same certificate alone, without the CA
        SelfSigned, // a self-signed certificate for the same names
        WithoutSan, // signed by the test CA, but for no name of this host
        NoTls       // no TLS at all: plain FTP only
    };

    FtpTestServer();
    ~FtpTestServer();
    FtpTestServer(const FtpTestServer&) = delete;
    FtpTestServer& operator=(const FtpTestServer&) = delete;

    // The one user's login; set before start().
    void setCredentials(const QString& user, const QString& password);
    QString user() const { return m_user; }
    QString password() const { return m_password; }

    // False with errorString() telling why (no binary, no root, no free port, a bad config).
    bool start(TestCertificates& certificates, Identity identity = Identity::Signed);
    // Stops the server by its process id and waits for it.
    void stop();
    QString errorString() const { return m_error; }

    quint16 port() const { return m_port; }
    // "ftp://127.0.0.1:<port>/<path>"
    QString url(const QString& path = {}) const;

    // The user's home: what the server serves. Files and folders added here are world-readable.
    QString servedFolder() const;
    bool addFile(const QString& relativePath, const QByteArray& content) const;
    bool addFolder(const QString& relativePath) const;

    // The server's own messages (sessions, logins) and its TLS log.
    QByteArray serverLog() const;
    QByteArray tlsLog() const;
    // One line per completed transfer (xferlog), naming the file.
    QByteArray transferLog() const;

private:
    bool writeConfig(TestCertificates& certificates, Identity identity, quint16 passivePort);
    static QString tlsConfig(const TestCertificates& certificates, Identity identity);
    bool waitForStartup();
    QString path(const QString& name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
    QProcess m_process;
    QString m_user = QStringLiteral("tarvino");
    QString m_password = QStringLiteral("secret-Pa55word");
    quint16 m_port = 0;
    QString m_error;
};
