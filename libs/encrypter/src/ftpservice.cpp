#include "encrypter/ftpservice.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSaveFile>
#include <QSslConfiguration>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <memory>

#include "chainverifier.h"
#include "curllibrary.h"
#include "ftpworker.h"

namespace encrypter {

namespace {

constexpr auto EveryoneMayReadAndWrite = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                         QFile::WriteUser | QFile::ReadGroup | QFile::WriteGroup |
                                         QFile::ReadOther | QFile::WriteOther;

} // namespace

FtpService* FtpService::m_instance = nullptr;

FtpService::FtpService(QObject* parent)
    : FtpService(QString::fromLatin1(CurlLibrary::SystemFileName), parent)
{
}

FtpService::FtpService(const QString& curlFileName, QObject* parent)
    : QObject(parent)
    , Service<FtpService>(this)
    , m_certificateDirectory(QStringLiteral("%1/certificates")
                                 .arg(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)))
{
    qRegisterMetaType<QUuid>();
    qRegisterMetaType<QList<encrypter::CertificateInfo>>();
    m_worker = new FtpWorker(curlFileName);
    connect(this, &FtpService::setCertificate, m_worker, &FtpWorker::setCertificate);
    connect(this, &FtpService::download, m_worker, &FtpWorker::downloadFile);
    connect(this, &FtpService::downloadInFile, m_worker, &FtpWorker::downloadInFile);
    connect(this, &FtpService::listDir, m_worker, &FtpWorker::listDirectory);
    connect(this, &FtpService::closeHandler, m_worker, &FtpWorker::closeHandler);
    connect(this, &FtpService::verifyPeerChanged, m_worker, &FtpWorker::setPeerVerification);
    connect(this, &FtpService::verifyHostChanged, m_worker, &FtpWorker::setHostVerification);
    connect(this, &FtpService::activateSslChanged, m_worker, &FtpWorker::setActivateSsl);
    connect(m_worker, &FtpWorker::requestFinished, this, &FtpService::onRequestFinished);
    connect(this, &FtpService::certificateUpdateHandled, m_worker, &FtpWorker::retryPending);
    connect(m_worker, &FtpWorker::certificateUpdateRequired, this, &FtpService::updateCertificate);
}

FtpService::~FtpService()
{
    // The worker deletes itself in its thread as the thread finishes.
    QThread* thread = m_worker->thread();
    m_worker->abort();
    thread->quit();
    thread->wait();
    delete thread;
    qDeleteAll(m_jobs);
}

void FtpService::downloadFile(const QString& url, std::function<void(const QByteArray&)> callback,
                              const QString& filePath, const QString& username, bool requireTls)
{
    addJob(url, std::move(callback), FtpJob::Download, filePath, username, requireTls);
    sendNextRequest();
}

void FtpService::listDirectory(const QString& url, std::function<void(const QList<FtpFileInfo>&)> callback,
                               FtpFileInfo::FileType type, const QString& filePath, const QString& username,
                               bool requireTls)
{
    if (!callback) {
        qWarning().noquote() << ">> [FTP LISTDIRECTORY ]" << url << "refused: no callback";
        return;
    }
    const auto filtered = [callback = std::move(callback), type](const QByteArray& data) {
        callback(FtpFileInfo::listing(data, type));
    };
    addJob(url, filtered, FtpJob::Listing, filePath, username, requireTls);
    sendNextRequest();
}

bool FtpService::loadCertificate(const QString& path, bool force)
{
    if (!QDir().mkpath(m_certificateDirectory))
        return false;
    if (!QFile::exists(path))
        return false;
    const QString target = QStringLiteral("%1/%2").arg(m_certificateDirectory, QFileInfo(path).fileName());
    if (QFile::exists(target)) {
        bool result = false;
        if (force) {
            qInfo() << ">> Force update certificate";
            result = replaceOrRemoveCertificate(path, target);
        } else {
            qInfo().noquote() << ">> Certificate already exists at" << target;
        }
        emit setCertificate(target);
        return result;
    }
    qWarning() << ">> Certificate doesn't exist yet";
    if (!QFile::copy(path, target)) {
        qWarning().noquote() << ">> Certificate couldn't be copied at" << target;
        return false;
    }
    qInfo().noquote() << ">> Certificate correctly copied at" << target;
    emit setCertificate(target);
    return true;
}

void FtpService::setCredentials(const QString& username, const QString& password,
                                std::function<QString(const QString&)> decrypt)
{
    if (!decrypt) {
        qWarning() << ">> Credentials refused: there is no decrypt function";
        return;
    }
    // Decrypted at the first transfer, which comes long after the start of the program.
    const QMutexLocker lock(&m_jobLock);
    m_decryptCredentials = [username, password, decrypt = std::move(decrypt)] {
        return std::pair(decrypt(username), decrypt(password));
    };
}

void FtpService::endSession(const QString& scheme, const QString& host)
{
    qInfo().noquote() << QStringLiteral(">> End %1 session to host %2").arg(scheme, host);
    emit closeHandler(QStringLiteral("%1/%2").arg(scheme, host));
}

void FtpService::setVerifyPeer(bool verify)
{
    if (m_verifyPeer == verify)
        return;
    m_verifyPeer = verify;
    emit verifyPeerChanged(verify);
}

void FtpService::setVerifyHost(bool verify)
{
    if (m_verifyHost == verify)
        return;
    m_verifyHost = verify;
    emit verifyHostChanged(verify);
}

void FtpService::setActivateSsl(bool activate)
{
    if (m_activateSsl == activate)
        return;
    m_activateSsl = activate;
    emit activateSslChanged(activate);
}

void FtpService::setTrustedRoots(const QList<QSslCertificate>& roots)
{
    m_trustedRoots = roots;
}

void FtpService::onRequestFinished(const QUuid& id, const QByteArray& data)
{
    std::unique_ptr<FtpJob> job;
    {
        const QMutexLocker lock(&m_jobLock);
        if (!m_jobs.isEmpty() && m_jobs.first()->id == id)
            job.reset(m_jobs.takeFirst());
    }
    if (!job)
        qWarning().noquote() << ">> Answer for a request that is not in flight:" << id.toString();
    else if (job->callback)
        job->callback(data);
    sendNextRequest();
}

void FtpService::updateCertificate(const QList<CertificateInfo>& certificates)
{
    storeVerifiedRoot(certificates);
    emit certificateUpdateHandled();
}

void FtpService::storeVerifiedRoot(const QList<CertificateInfo>& certificates)
{
    qInfo() << ">> Update FTP certificate";
    if (certificates.isEmpty()) {
        qWarning() << "Couldn't update certificate, no peer certificates found";
        return;
    }
    QList<QSslCertificate> chain;
    for (const CertificateInfo& info : certificates)
        chain.append(info.certificate());
    // Only a chain that leads to a trusted root may change what the worker trusts.
    const QStringList errors = ChainVerifier(trustedRoots()).errors(chain);
    if (!errors.isEmpty()) {
        qWarning() << ">> Errors occured while validating the certificate chain";
        for (const QString& error : errors)
            qWarning().noquote() << error;
        qWarning() << ">> The certificate store stays as it is";
        return;
    }
    const QByteArray pem = caCertificateFor(rootCertificate(chain));
    if (!pem.isEmpty())
        storeRootCertificate(pem);
}

FtpJob* FtpService::addJob(const QString& url, std::function<void(const QByteArray&)> callback, int type,
                           const QString& filePath, const QString& username, bool requireTls)
{
    const QMutexLocker lock(&m_jobLock);
    if (m_decryptCredentials) {
        std::tie(m_username, m_password) = m_decryptCredentials();
        m_decryptCredentials = nullptr;
    }
    auto* job = new FtpJob;
    job->url = url;
    job->filePath = filePath;
    job->username = username.isEmpty() ? m_username : username;
    job->password = m_password;
    job->callback = std::move(callback);
    job->type = type;
    job->requireTls = requireTls;
    m_jobs.append(job);
    return job;
}

void FtpService::sendNextRequest()
{
    if (m_jobs.isEmpty() || m_jobs.first()->started)
        return;
    FtpJob* job = m_jobs.first();
    job->started = true;
    if (job->type == FtpJob::Listing)
        emit listDir(job->url, job->username, job->password, job->id, job->requireTls);
    else if (!job->filePath.isEmpty())
        emit downloadInFile(job->url, job->username, job->password, job->id, job->filePath, job->requireTls);
    else
        emit download(job->url, job->username, job->password, job->id, job->requireTls);
}

bool FtpService::replaceOrRemoveCertificate(const QString& source, const QString& target)
{
    // A read-only certificate (as copied from the resources) can be removed only so.
    QFile::setPermissions(target, EveryoneMayReadAndWrite);
    if (!QFile::remove(target)) {
        qWarning().noquote() << ">> Couldn't remove existing certificate at" << target;
        return false;
    }
    if (source.isEmpty())
        return true;
    if (!QFile::copy(source, target)) {
        qWarning().noquote() << ">> Couldn't update certificate at" << target;
        return false;
    }
    qInfo().noquote() << ">> Certificate correctly updated at" << target;
    return true;
}

QSslCertificate FtpService::rootCertificate(const QList<QSslCertificate>& chain)
{
    if (chain.isEmpty())
        return QSslCertificate(QByteArray());
    QSslCertificate current = chain.first();
    // A cycle of issuers ends after as many steps as the chain has certificates.
    for (qsizetype step = 0; step < chain.size(); ++step) {
        const QStringList issuer = current.issuerInfo(QSslCertificate::CommonName);
        const auto next = std::find_if(chain.cbegin(), chain.cend(), [&](const QSslCertificate& candidate) {
            return candidate != current && candidate.subjectInfo(QSslCertificate::CommonName) == issuer;
        });
        if (next == chain.cend())
            break;
        current = *next;
    }
    return current;
}

QList<QSslCertificate> FtpService::trustedRoots() const
{
    return m_trustedRoots ? *m_trustedRoots : QSslConfiguration::systemCaCertificates();
}

QByteArray FtpService::caCertificateFor(const QSslCertificate& root) const
{
    if (root.isSelfSigned()) {
        qInfo() << ">> Last certificate in chain is a CA CERT";
        return root.toPem();
    }
    const QStringList issuer = root.issuerInfo(QSslCertificate::CommonName);
    qWarning() << ">> Last certificate" << root.subjectInfo(QSslCertificate::CommonName)
               << "in chain isn't a CA CERT, trying to get appropriate CA CERT";
    qWarning() << ">> Looking for issuer:" << issuer;
    const QList<QSslCertificate> roots = trustedRoots();
    for (const QSslCertificate& candidate : roots) {
        if (candidate.subjectInfo(QSslCertificate::CommonName) == issuer) {
            qInfo() << ">> CA CERT found !";
            return candidate.toPem();
        }
    }
    qWarning().noquote() << QStringLiteral(
                                ">> Looked up %1 certificates, couldn't find CA CERT for certificate chain")
                                .arg(roots.size());
    return {};
}

void FtpService::storeRootCertificate(const QByteArray& pem)
{
    const QString path = QStringLiteral("%1/%2").arg(m_certificateDirectory, QStringLiteral("root_ca.pem"));
    QDir().mkpath(m_certificateDirectory);
    if (QFile::exists(path))
        QFile::setPermissions(path, EveryoneMayReadAndWrite);
    // Written aside and renamed: a failed write leaves the certificate the worker trusts.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning().noquote() << ">> Couldn't write the certificate at" << path;
        qWarning() << ">> Error code:" << file.error();
        qWarning().noquote() << ">> Error message:" << file.errorString();
        return;
    }
    if (file.write(pem) != pem.size() || !file.commit()) {
        qWarning().noquote() << ">> Couldn't save new certificate at path" << path;
        qWarning() << ">> Error code:" << file.error();
        qWarning().noquote() << ">> Error message:" << file.errorString();
        return;
    }
    qInfo() << ">> Certificate correctly updated";
    emit setCertificate(path);
}

} // namespace encrypter
