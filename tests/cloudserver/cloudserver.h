#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QSslCertificate>
#include <QString>
#include <QTemporaryDir>

// The test cloud (cloudserver.py) in a process of its own, on 127.0.0.1 with a certificate made
// for it by openssl. Commands and answers travel as JSON lines over its standard streams.
class CloudServer {
public:
    CloudServer();
    ~CloudServer();
    CloudServer(const CloudServer&) = delete;
    CloudServer& operator=(const CloudServer&) = delete;

    // Makes the certificate and starts the server; false with errorString() on failure.
    bool start();
    // Ends the server process; its port then refuses connections.
    void stop();
    QString errorString() const { return m_error; }

    // The cloud address to give the network service: "127.0.0.1:<port>/app".
    QString address() const;
    // The server's certificate, its own authority.
    QList<QSslCertificate> certificateAuthority() const;

    // Restores the server's first configuration and forgets its sessions and records.
    bool reset();
    // Changes the server's configuration (see cloudserver.py); false when it did not answer.
    bool set(const QJsonObject& changes);
    // Scripts the answer of one endpoint ("login", "gateways", "gatewayLogin", "upload",
    // "logout"), replacing every earlier script: with a status, that answer after the delay;
    // without (status 0), the normal answer after the delay.
    bool script(const QString& endpoint, int status, const QString& body, double delaySeconds = 0);
    // What the server saw: "requests", "answered" (endpoint names), "uploads", "logouts".
    QJsonObject state();
    // How often the endpoint was asked, and answered.
    int requestCount(const QString& endpoint);
    int answerCount(const QString& endpoint);

private:
    bool makeCertificate();
    QJsonObject command(const QJsonObject& command);
    QByteArray readLine();

    QTemporaryDir m_folder;
    QProcess m_process;
    int m_port = 0;
    QString m_error;
};
