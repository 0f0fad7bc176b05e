#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <QUuid>
#include <functional>
#include <optional>
#include <utility>

#include "encrypter/certificateinfo.h"
#include "encrypter/encrypter_export.h"
#include "encrypter/ftpfileinfo.h"
#include "encrypter/ftpjob.h"
#include "encrypter/service.h"

namespace encrypter {

class FtpWorker;

// The front of all FTP and FTPS transfers. Jobs run one at a time, oldest first, on a worker
// with a thread of its own; each callback runs once, in this object's thread. Non-empty data
// mean success: a failed transfer of any kind is answered with empty data.
//
// The certificate store is the folder "certificates" of the application data location. When
// the server's certificate cannot be verified, the server's chain is checked against the
// trusted roots and its root is stored as "root_ca.pem" only when the chain verifies.
// Verification is never switched off behind the caller's back, and a job is retried only a
// bounded number of times before it is answered with empty data.
//
// Destroying the service aborts a running transfer, stops the worker's thread and waits for
// it; queued jobs are dropped without their callbacks.
class ENCRYPTER_EXPORT FtpService : public QObject, public Service<FtpService> {
    Q_OBJECT
    Q_CLASSINFO("QML.Element", "auto")
    Q_PROPERTY(bool verifyPeer READ verifyPeer WRITE setVerifyPeer NOTIFY verifyPeerChanged)
    Q_PROPERTY(bool verifyHost READ verifyHost WRITE setVerifyHost NOTIFY verifyHostChanged)
    Q_PROPERTY(bool activateSsl READ activateSsl WRITE setActivateSsl NOTIFY activateSslChanged)

public:
    static FtpService* m_instance;

    explicit FtpService(QObject* parent = nullptr);
    // Test seam: the worker opens that libcurl file at its first transfer instead of the system's.
    explicit FtpService(const QString& curlFileName, QObject* parent = nullptr);
    ~FtpService() override;

    // Empty user name: the default credentials; otherwise that user with the default password.
    void downloadFile(const QString& url, std::function<void(const QByteArray&)> callback,
                      const QString& filePath = {}, const QString& username = {}, bool requireTls = false);
    // Entries of the requested type (All: any), valid ones only, in the server's order.
    void listDirectory(const QString& url, std::function<void(const QList<encrypter::FtpFileInfo>&)> callback,
                       FtpFileInfo::FileType type, const QString& filePath = {}, const QString& username = {},
                       bool requireTls = false);

    // Puts a certificate file into the store and makes the worker trust it. True when it was
    // copied, or replaced with force; false when it is missing, exists without force, or fails.
    bool loadCertificate(const QString& path, bool force);
    // The default credentials are decrypt(username) and decrypt(password), made at the first
    // transfer.
    void setCredentials(const QString& username, const QString& password,
                        std::function<QString(const QString&)> decrypt);
    // Drops the worker's connection to that server.
    void endSession(const QString& scheme, const QString& host);

    bool verifyPeer() const { return m_verifyPeer; }
    bool verifyHost() const { return m_verifyHost; }
    bool activateSsl() const { return m_activateSsl; }
    void setVerifyPeer(bool verify);
    void setVerifyHost(bool verify);
    void setActivateSsl(bool activate);

    // Test seam: the roots a server's chain must verify against before its root is stored.
    // Without it, the system's CA certificates.
    void setTrustedRoots(const QList<QSslCertificate>& roots);

signals:
    void download(const QString& url, const QString& username, const QString& password, const QUuid& id,
                  bool requireTls);
    void downloadInFile(const QString& url, const QString& username, const QString& password, const QUuid& id,
                        const QString& filePath, bool requireTls);
    void listDir(const QString& url, const QString& username, const QString& password, const QUuid& id,
                 bool requireTls);
    void setCertificate(const QString& filePath);
    // After every certificate update the worker asked for, stored or not: the worker's retry
    // waits for it, so it never runs with the certificate it had before.
    void certificateUpdateHandled();
    void closeHandler(const QString& key);
    void verifyPeerChanged(bool verify);
    void verifyHostChanged(bool verify);
    void activateSslChanged(bool activate);

private slots:
    void onRequestFinished(const QUuid& id, const QByteArray& data);
    void updateCertificate(const QList<encrypter::CertificateInfo>& certificates);

private:
    void storeVerifiedRoot(const QList<encrypter::CertificateInfo>& certificates);
    FtpJob* addJob(const QString& url, std::function<void(const QByteArray&)> callback, int type,
                   const QString& filePath, const QString& username, bool requireTls);
    void sendNextRequest();
    static bool replaceOrRemoveCertificate(const QString& source, const QString& target);
    static QSslCertificate rootCertificate(const QList<QSslCertificate>& chain);
    QList<QSslCertificate> trustedRoots() const;
    QByteArray caCertificateFor(const QSslCertificate& root) const;
    void storeRootCertificate(const QByteArray& pem);

    QString m_certificateDirectory;
    std::function<std::pair<QString, QString>()> m_decryptCredentials;
    QString m_username;
    QString m_password;
    FtpWorker* m_worker = nullptr;
    QList<FtpJob*> m_jobs;
    QMutex m_jobLock;
    bool m_verifyPeer = true;
    bool m_verifyHost = true;
    bool m_activateSsl = true;
    std::optional<QList<QSslCertificate>> m_trustedRoots;
};

} // namespace encrypter
