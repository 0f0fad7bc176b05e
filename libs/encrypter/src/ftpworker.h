#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QUuid>
#include <atomic>
#include <functional>
#include <optional>

#include "curllibrary.h"
#include "encrypter/certificateinfo.h"

namespace encrypter {

// The FTP service's transfers with libcurl's easy interface, one at a time in a thread of its
// own. libcurl is opened at the first transfer; when it cannot be, every transfer fails. One
// handle per server (scheme and host) is kept, so later transfers can reuse its connection. A
// TLS certificate failure makes the worker read the server's chain, hand it to the service and
// try the request again, a bounded number of times; every request ends with exactly one
// requestFinished, with empty data on failure.
//
// Lives in its own thread from construction on; only the service talks to it, through queued
// calls. When the thread finishes, the worker deletes itself there.
class FtpWorker : public QObject {
    Q_OBJECT

public:
    // Certificate retries of one request before it is answered with empty data.
    static constexpr int CertificateRetries = 2;
    static constexpr int RetryDelayMs = 500;

    explicit FtpWorker(const QString& curlFileName);
    ~FtpWorker() override;

    // Thread-safe: a running transfer ends at libcurl's next progress call, and nothing new is
    // retried. The owner then quits and waits for the thread.
    void abort();

signals:
    void requestFinished(const QUuid& id, const QByteArray& data);
    void certificateUpdateRequired(const QList<encrypter::CertificateInfo>& certificateChain);

public slots:
    void downloadFile(const QString& url, const QString& username, const QString& password, const QUuid& id,
                      bool requireTls);
    void downloadInFile(const QString& url, const QString& username, const QString& password, const QUuid& id,
                        const QString& filePath, bool requireTls);
    void listDirectory(const QString& url, const QString& username, const QString& password, const QUuid& id,
                       bool requireTls);
    void setCertificate(const QString& filePath);
    void setPeerVerification(bool verify);
    void setHostVerification(bool verify);
    // Switching TLS off drops the cached handles, so no connection keeps its protection.
    void setActivateSsl(bool activate);
    void closeHandler(const QString& key);
    // The service has handled the certificate update of the request waiting for its retry.
    void retryPending();

private:
    struct Request {
        QString url;
        QString username;
        QString password;
        QUuid id;
        QString operation;
        QString filePath;
        std::function<void(const CurlLibrary&, CURL*)> setup;
        bool requireTls = false;
        int certificateRetries = 0;
    };

    const CurlLibrary& curl();
    void performRequest(const Request& request);
    void retryAfterCertificateFailure(Request request);
    CURL* curlHandle(const QString& url, const QString& username, const QString& password, bool requireTls);
    void configure(CURL* handle, const QString& url, const QString& username, const QString& password,
                   bool useCertificate, bool requireTls);
    QList<QList<QString>> readCertificateChain(const QString& url);
    void dropHandles();
    QString errorText(CURLcode code);
    static bool isCertificateError(CURLcode code);
    static size_t writeCallback(char* data, size_t size, size_t count, void* sink);
    static int progressCallback(void* worker, curl_off_t, curl_off_t, curl_off_t, curl_off_t);

    QString m_curlFileName;
    const CurlLibrary* m_curl = nullptr;
    QString m_caFilePath;
    bool m_peerVerification = true;
    bool m_hostVerification = true;
    bool m_activateSsl = true;
    QByteArray m_errorBuffer;
    QHash<QString, CURL*> m_handles;
    std::atomic_bool m_aborted = false;
    // The request that failed on its certificate, until the service has handled the update.
    std::optional<Request> m_pendingRetry;
};

} // namespace encrypter
