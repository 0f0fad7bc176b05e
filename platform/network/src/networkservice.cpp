#include "networkservice.h"

#include "cloudanswer.h"
#include "networklogging.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QUrl>

namespace network {

namespace {

const QByteArray GatewayTokenHeader = QByteArrayLiteral("X-Gateway-Token");

} // namespace

NetworkService::NetworkService(QObject* parent)
    : QObject(parent)
    , m_cloudAddress(QString::fromLatin1(DefaultCloudAddress))
{
}

QSslConfiguration& NetworkService::ssl() const
{
    if (!m_ssl) {
        m_ssl = QSslConfiguration::defaultConfiguration();
        m_ssl->setPeerVerifyMode(QSslSocket::VerifyPeer);
    }
    return *m_ssl;
}

NetworkService::~NetworkService() = default;

void NetworkService::setCloudAddress(const QString& address)
{
    QString cleaned = address.trimmed();
    while (cleaned.endsWith(QLatin1Char('/')))
        cleaned.chop(1);
    if (cleaned.isEmpty())
        cleaned = QString::fromLatin1(DefaultCloudAddress);
    if (cleaned == m_cloudAddress)
        return;
    m_cloudAddress = cleaned;
    emit cloudAddressChanged();
}

void NetworkService::addCaCertificates(const QList<QSslCertificate>& certificates)
{
    if (certificates.isEmpty())
        return;
    // Adding authorities to a configuration stops it loading the system's on demand, so the
    // system's are listed with them. Reading the system's store is slow; it is read once.
    static const QList<QSslCertificate> system = QSslConfiguration::systemCaCertificates();
    const QList<QSslCertificate> known = m_addedCertificates ? ssl().caCertificates() : system;
    ssl().setCaCertificates(known + certificates);
    m_addedCertificates = true;
}

BaseRequest* NetworkService::loginCloud(const QString& username, const QString& password)
{
    m_accessToken.clear();
    m_gateway = {};
    m_gatewayToken.clear();
    const QJsonObject credentials{{QStringLiteral("username"), username}, {QStringLiteral("password"), password}};
    return post(QStringLiteral("login"), credentials, [this](const QByteArray& body) {
        m_accessToken = CloudAnswer::textMember(body, "accessToken");
        if (m_accessToken.isEmpty())
            return false;
        emit cloudConnected();
        return true;
    });
}

BaseRequest* NetworkService::getGateways()
{
    if (!isCloudConnected())
        return refused(QNetworkReply::ProtocolInvalidOperationError);
    return get(QStringLiteral("gateways"), [](const QByteArray&) { return true; });
}

BaseRequest* NetworkService::connectWithGateway(const Gateway& gateway, const QString& username,
                                                const QString& password)
{
    m_gateway = {};
    m_gatewayToken.clear();
    if (!isCloudConnected() || !gateway.isValid())
        return refused(QNetworkReply::ProtocolInvalidOperationError);
    const QJsonObject login{{QStringLiteral("serial"), gateway.serial()},
                            {QStringLiteral("username"), username},
                            {QStringLiteral("password"), password}};
    return post(QStringLiteral("gateways/login"), login, [this, gateway](const QByteArray& body) {
        m_gatewayToken = CloudAnswer::textMember(body, "gatewayToken");
        if (m_gatewayToken.isEmpty())
            return false;
        m_gateway = gateway;
        emit gatewayConnectionResult(QNetworkReply::NoError);
        return true;
    });
}

BaseRequest* NetworkService::sendOt2File(const QString& name, const QByteArray& content,
                                         std::function<void(int)> onResult)
{
    if (!isCloudConnected() || !m_gateway.isValid())
        return refused(QNetworkReply::ProtocolInvalidOperationError);
    const QJsonObject upload{{QStringLiteral("serial"), m_gateway.serial()},
                             {QStringLiteral("fileName"), name},
                             {QStringLiteral("content"), QString::fromLatin1(content.toBase64())}};
    return post(QStringLiteral("gateways/upload"), upload, [onResult](const QByteArray& body) {
        const int code = CloudAnswer::uploadResult(body);
        if (code < 0)
            return false;
        onResult(code);
        return true;
    });
}

void NetworkService::disconnectCloud()
{
    if (isCloudConnected())
        post(QStringLiteral("logout"), {}, [](const QByteArray&) { return true; });
    m_accessToken.clear();
    m_gateway = {};
    m_gatewayToken.clear();
}

QUrl NetworkService::urlOf(const QString& endpoint) const
{
    return QUrl(QStringLiteral("https://%1/%2").arg(m_cloudAddress, endpoint), QUrl::StrictMode);
}

QNetworkRequest NetworkService::requestTo(const QString& endpoint) const
{
    QNetworkRequest request(urlOf(endpoint));
    request.setSslConfiguration(ssl());
    request.setRawHeader(QByteArrayLiteral("Accept"), QByteArrayLiteral("application/json"));
    if (isCloudConnected())
        request.setRawHeader(QByteArrayLiteral("Authorization"), "Bearer " + m_accessToken.toUtf8());
    if (!m_gatewayToken.isEmpty())
        request.setRawHeader(GatewayTokenHeader, m_gatewayToken.toUtf8());
    return request;
}

bool NetworkService::hasUsableAddress() const
{
    const QUrl url = urlOf(QString());
    return url.isValid() && !url.host().isEmpty();
}

BaseRequest* NetworkService::post(const QString& endpoint, const QJsonObject& body, BaseRequest::AnswerReader reader)
{
    if (!hasUsableAddress())
        return refused(QNetworkReply::HostNotFoundError);
    QNetworkRequest request = requestTo(endpoint);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    return send(request, m_manager.post(request, QJsonDocument(body).toJson(QJsonDocument::Compact)),
                std::move(reader));
}

BaseRequest* NetworkService::get(const QString& endpoint, BaseRequest::AnswerReader reader)
{
    if (!hasUsableAddress())
        return refused(QNetworkReply::HostNotFoundError);
    const QNetworkRequest request = requestTo(endpoint);
    return send(request, m_manager.get(request), std::move(reader));
}

BaseRequest* NetworkService::send(const QNetworkRequest& request, QNetworkReply* reply,
                                  BaseRequest::AnswerReader reader)
{
    qCDebug(networkLog).noquote() << ">> Cloud request" << request.url().toDisplayString();
    auto* pending = new BaseRequest(this);
    pending->start(reply, m_requestTimeout, std::move(reader));
    return pending;
}

BaseRequest* NetworkService::refused(QNetworkReply::NetworkError code)
{
    qCWarning(networkLog) << ">> Cloud request not sent:" << code;
    auto* pending = new BaseRequest(this);
    pending->failLater(code);
    return pending;
}

} // namespace network
