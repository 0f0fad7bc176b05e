#include "ftpworker.h"

#include <QBuffer>
#include <QDebug>
#include <QFile>
#include <QSaveFile>
#include <QSslCertificate>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace encrypter {

namespace {

struct HandleDeleter {
    const CurlLibrary* curl;
    void operator()(CURL* handle) const { curl->easyCleanup(handle); }
};

QString logLine(const QString& operation, const QString& url)
{
    return QStringLiteral(">> [FTP %1 ] %2").arg(operation, url);
}

// Whatever goes to libcurl as text is UTF-8; libcurl keeps its own copy.
void setText(const CurlLibrary& curl, CURL* handle, CURLoption option, const QString& text)
{
    curl.easySetopt(handle, option, text.toUtf8().constData());
}

} // namespace

FtpWorker::FtpWorker(const QString& curlFileName)
    : m_curlFileName(curlFileName)
    , m_errorBuffer(CURL_ERROR_SIZE, '\0')
{
    auto* thread = new QThread;
    thread->setObjectName(QStringLiteral("FtpWorker"));
    moveToThread(thread);
    connect(thread, &QThread::finished, this, &QObject::deleteLater);
    thread->start(QThread::LowestPriority);
}

FtpWorker::~FtpWorker()
{
    dropHandles();
}

void FtpWorker::abort()
{
    m_aborted = true;
}

void FtpWorker::downloadFile(const QString& url, const QString& username, const QString& password,
                             const QUuid& id, bool requireTls)
{
    performRequest({url, username, password, id, QStringLiteral("downloadFile"), {}, {}, requireTls});
}

void FtpWorker::downloadInFile(const QString& url, const QString& username, const QString& password,
                               const QUuid& id, const QString& filePath, bool requireTls)
{
    performRequest({url, username, password, id, QStringLiteral("downloadInFile"), filePath, {}, requireTls});
}

void FtpWorker::listDirectory(const QString& url, const QString& username, const QString& password,
                              const QUuid& id, bool requireTls)
{
    const auto machineReadableListing = [](const CurlLibrary& curl, CURL* handle) {
        curl.easySetopt(handle, CURLOPT_DIRLISTONLY, 1L);
        curl.easySetopt(handle, CURLOPT_CUSTOMREQUEST, "MLSD");
    };
    performRequest({url,
                    username,
                    password,
                    id,
                    QStringLiteral("listDirectory"),
                    {},
                    machineReadableListing,
                    requireTls});
}

void FtpWorker::setCertificate(const QString& filePath)
{
    m_caFilePath = filePath;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QSslCertificate certificate(&file, QSsl::Pem);
    qInfo() << ">> Set certificate with common name:" << certificate.subjectInfo(QSslCertificate::CommonName);
}

void FtpWorker::setPeerVerification(bool verify)
{
    qDebug() << ">> Set peer verification to:" << verify;
    m_peerVerification = verify;
}

void FtpWorker::setHostVerification(bool verify)
{
    qDebug() << ">> Set host verification to:" << verify;
    m_hostVerification = verify;
}

void FtpWorker::setActivateSsl(bool activate)
{
    qDebug() << ">> Set activate ssl to:" << activate;
    m_activateSsl = activate;
    if (!activate)
        dropHandles();
}

void FtpWorker::closeHandler(const QString& key)
{
    if (CURL* handle = m_handles.take(key))
        curl().easyCleanup(handle);
}

const CurlLibrary& FtpWorker::curl()
{
    if (!m_curl)
        m_curl = &CurlLibrary::open(m_curlFileName);
    return *m_curl;
}

void FtpWorker::performRequest(const Request& request)
{
    const QString operation = request.operation.toUpper();
    qDebug().noquote() << logLine(operation, request.url);
    if (!curl().isLoaded()) {
        qWarning().noquote() << logLine(operation, request.url) << "finished with error"
                             << curl().errorString();
        emit requestFinished(request.id, {});
        return;
    }

    QByteArray received;
    QBuffer memory(&received);
    QSaveFile file(request.filePath);
    QIODevice* sink = &memory;
    if (!request.filePath.isEmpty()) {
        if (!file.open(QIODevice::WriteOnly)) {
            qDebug().noquote() << logLine(operation, request.url) << "cannot write" << request.filePath << ":"
                               << file.errorString();
            emit requestFinished(request.id, {});
            return;
        }
        sink = &file;
    } else {
        memory.open(QIODevice::WriteOnly);
    }

    CURL* handle = curlHandle(request.url, request.username, request.password, request.requireTls);
    CURLcode code = CURLE_FAILED_INIT;
    if (handle) {
        curl().easySetopt(handle, CURLOPT_WRITEDATA, sink);
        if (request.setup)
            request.setup(curl(), handle);
        code = curl().easyPerform(handle);
    }
    // A download into a file replaces the target only when it is complete.
    const bool written = code == CURLE_OK && (request.filePath.isEmpty() || file.commit());
    if (written) {
        qInfo().noquote() << logLine(operation, request.url) << "finished with success";
    } else if (code == CURLE_OK) {
        qWarning().noquote() << logLine(operation, request.url) << "finished with error: cannot write"
                             << request.filePath << ":" << file.errorString();
    } else {
        qWarning().noquote() << logLine(operation, request.url) << "finished with error" << code
                             << errorText(code);
    }

    if (!written && isCertificateError(code) && request.certificateRetries < CertificateRetries &&
        !m_aborted) {
        retryAfterCertificateFailure(request);
        return;
    }
    const QByteArray data = !written                     ? QByteArray()
                            : request.filePath.isEmpty() ? received
                                                         : request.filePath.toLatin1();
    emit requestFinished(request.id, data);
}

void FtpWorker::retryAfterCertificateFailure(Request request)
{
    QList<CertificateInfo> chain;
    for (const QList<QString>& lines : readCertificateChain(request.url))
        chain.append(CertificateInfo(lines));
    // The next attempt starts on fresh connections, with the certificate the service stores.
    dropHandles();
    ++request.certificateRetries;
    m_pendingRetry = request;
    emit certificateUpdateRequired(chain);
}

void FtpWorker::retryPending()
{
    if (!m_pendingRetry)
        return;
    const Request request = *m_pendingRetry;
    m_pendingRetry.reset();
    QTimer::singleShot(RetryDelayMs, this, [this, request] { performRequest(request); });
}

CURL* FtpWorker::curlHandle(const QString& url, const QString& username, const QString& password,
                            bool requireTls)
{
    const QUrl parsed(url, QUrl::TolerantMode);
    const QString key = QStringLiteral("%1/%2").arg(parsed.scheme(), parsed.host(QUrl::FullyDecoded));
    CURL* handle = m_handles.value(key);
    if (!handle) {
        handle = curl().easyInit();
        if (!handle)
            return nullptr;
        m_handles.insert(key, handle);
    }
    configure(handle, url, username, password, true, requireTls);
    return handle;
}

void FtpWorker::configure(CURL* handle, const QString& url, const QString& username, const QString& password,
                          bool useCertificate, bool requireTls)
{
    const CurlLibrary& library = curl();
    library.easySetopt(handle, CURLOPT_NOBODY, 0L);
    setText(library, handle, CURLOPT_URL, url);
    setText(library, handle, CURLOPT_USERNAME, username);
    setText(library, handle, CURLOPT_PASSWORD, password);
    library.easySetopt(handle, CURLOPT_SSL_VERIFYHOST, m_hostVerification ? 2L : 0L);
    library.easySetopt(handle, CURLOPT_CERTINFO, 0L);
    if (useCertificate && m_peerVerification) {
        library.easySetopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
        library.easySetopt(handle, CURLOPT_CAPATH, nullptr);
        // An empty path makes libcurl fail with 77, which leads to a certificate update.
        setText(library, handle, CURLOPT_CAINFO, m_caFilePath);
    } else {
        library.easySetopt(handle, CURLOPT_SSL_VERIFYPEER, 0L);
        library.easySetopt(handle, CURLOPT_CAINFO, nullptr);
    }
    library.easySetopt(handle, CURLOPT_SSLVERSION, static_cast<long>(CURL_SSLVERSION_DEFAULT));
    library.easySetopt(handle, CURLOPT_WRITEFUNCTION, &FtpWorker::writeCallback);
    const bool tls = requireTls || m_activateSsl;
    library.easySetopt(handle, CURLOPT_USE_SSL,
                       static_cast<long>(requireTls ? CURLUSESSL_ALL
                                         : tls      ? CURLUSESSL_TRY
                                                    : CURLUSESSL_NONE));
    library.easySetopt(handle, CURLOPT_FTPSSLAUTH,
                       static_cast<long>(tls ? CURLFTPAUTH_SSL : CURLFTPAUTH_DEFAULT));
    m_errorBuffer.fill('\0');
    library.easySetopt(handle, CURLOPT_ERRORBUFFER, m_errorBuffer.data());
    library.easySetopt(handle, CURLOPT_DIRLISTONLY, 0L);
    library.easySetopt(handle, CURLOPT_CUSTOMREQUEST, nullptr);
    // Threads must not get libcurl's signals; the progress call lets a transfer be aborted.
    library.easySetopt(handle, CURLOPT_NOSIGNAL, 1L);
    library.easySetopt(handle, CURLOPT_NOPROGRESS, 0L);
    library.easySetopt(handle, CURLOPT_XFERINFOFUNCTION, &FtpWorker::progressCallback);
    library.easySetopt(handle, CURLOPT_XFERINFODATA, this);
}

QList<QList<QString>> FtpWorker::readCertificateChain(const QString& url)
{
    qDebug().noquote() << ">> [READ CERTIFICATE]" << url;
    const CurlLibrary& library = curl();
    const std::unique_ptr<CURL, HandleDeleter> handle(library.easyInit(), HandleDeleter{&library});
    if (!handle)
        return {};
    // The server is not verified yet: it gets no credentials, only an anonymous login at its
    // root, and the certificates of the handshake are kept whatever the login answers.
    const QUrl server =
        QUrl(url, QUrl::TolerantMode)
            .adjusted(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment);
    configure(handle.get(), server.toString() + QLatin1Char('/'), QStringLiteral("anonymous"), QString(),
              false, true);
    library.easySetopt(handle.get(), CURLOPT_SSL_VERIFYHOST, 0L);
    library.easySetopt(handle.get(), CURLOPT_CERTINFO, 1L);
    library.easySetopt(handle.get(), CURLOPT_DIRLISTONLY, 1L);
    QByteArray discarded;
    QBuffer sink(&discarded);
    sink.open(QIODevice::WriteOnly);
    library.easySetopt(handle.get(), CURLOPT_WRITEDATA, &sink);
    const CURLcode code = library.easyPerform(handle.get());
    if (code == CURLE_OK)
        qInfo().noquote() << ">> [READ CERTIFICATE]" << url << "finished with success";
    else
        qWarning().noquote() << ">> [READ CERTIFICATE]" << url << "finished with error" << code
                             << errorText(code);

    QList<QList<QString>> chain;
    curl_certinfo* info = nullptr;
    if (library.easyGetinfo(handle.get(), CURLINFO_CERTINFO, &info) != CURLE_OK || !info)
        return chain;
    for (int index = 0; index < info->num_of_certs; ++index) {
        QList<QString> lines;
        for (const curl_slist* entry = info->certinfo[index]; entry; entry = entry->next)
            lines.append(QString::fromUtf8(entry->data));
        chain.append(lines);
    }
    return chain;
}

void FtpWorker::dropHandles()
{
    for (CURL* handle : std::as_const(m_handles))
        curl().easyCleanup(handle);
    m_handles.clear();
}

QString FtpWorker::errorText(CURLcode code)
{
    const QString text = QString::fromLocal8Bit(m_errorBuffer.constData());
    return text.isEmpty() ? QString::fromLatin1(curl().easyStrerror(code)) : text;
}

bool FtpWorker::isCertificateError(CURLcode code)
{
    return code == CURLE_SSL_CERTPROBLEM || code == CURLE_PEER_FAILED_VERIFICATION ||
           code == CURLE_SSL_CACERT_BADFILE;
}

size_t FtpWorker::writeCallback(char* data, size_t size, size_t count, void* sink)
{
    const qint64 written = static_cast<QIODevice*>(sink)->write(data, static_cast<qint64>(size * count));
    return written < 0 ? 0 : static_cast<size_t>(written);
}

int FtpWorker::progressCallback(void* worker, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<FtpWorker*>(worker)->m_aborted ? 1 : 0;
}

} // namespace encrypter
