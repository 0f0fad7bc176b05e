#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Python's http.server inside an ssl.SSLContext (httpsserver.py) on a free port of 127.0.0.1,
// serving a temporary folder with the certificate and key it is started with.
class HttpsTestServer {
public:
    HttpsTestServer() = default;
    ~HttpsTestServer();
    HttpsTestServer(const HttpsTestServer&) = delete;
    HttpsTestServer& operator=(const HttpsTestServer&) = delete;

    // A file of that name is announced whole and sent half. False with errorString() set.
    bool start(const QString& certificate, const QString& key, const QString& truncatedName = {});
    void stop();
    QString errorString() const { return m_error; }

    // "https://127.0.0.1:<port>/<path>"
    QString url(const QString& path = {}) const;
    bool addFile(const QString& relativePath, const QByteArray& content) const;
    // The paths of the GET requests answered so far, in their order.
    QStringList requests() const;

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};
