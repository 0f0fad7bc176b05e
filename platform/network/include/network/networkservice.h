#pragma once

#include "baserequest.h"
#include "gateway.h"

#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <optional>

#include <utils/singleton.h>

class QJsonObject;
class QNetworkRequest;
class QUrl;

namespace network {

// The cloud account: login, the account's gateways, the login to one gateway and the upload of
// a project file through it (docs/cloud-protocol.md). Requests go to "https://" + cloudAddress;
// the peer is always verified against the system's certificate authorities and those added.
//
// Every call returns its request at once; the result arrives later through the request (and,
// for the two logins, through cloudConnected() and gatewayConnectionResult()). A call that
// cannot be sent (no usable address, not logged in, no gateway) fails from the event loop with
// QNetworkReply::HostNotFoundError for the address and QNetworkReply::ProtocolInvalidOperationError
// otherwise.
class NetworkService : public QObject, public utils::Singleton<NetworkService> {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created by the application")
    Q_PROPERTY(QString cloudAddress READ cloudAddress WRITE setCloudAddress NOTIFY cloudAddressChanged)

public:
    inline static NetworkService* m_instance = nullptr;

    // Host and path of the cloud's programming interface; the registration page is the host.
    static constexpr char DefaultCloudAddress[] = "cloud.zorvik.de/app";
    static constexpr int DefaultRequestTimeout = 30000;

    explicit NetworkService(QObject* parent = nullptr);
    ~NetworkService() override;

    QString cloudAddress() const { return m_cloudAddress; }
    // Blanks and trailing slashes are dropped; an empty address means the default one.
    void setCloudAddress(const QString& address);

    // Certificate authorities trusted beside the system's, for a cloud of one's own.
    void addCaCertificates(const QList<QSslCertificate>& certificates);
    // Milliseconds a request may take before it fails with QNetworkReply::TimeoutError.
    void setRequestTimeout(int milliseconds) { m_requestTimeout = milliseconds; }
    int requestTimeout() const { return m_requestTimeout; }

    // Logs in to the cloud account; success is announced by cloudConnected().
    BaseRequest* loginCloud(const QString& username, const QString& password);
    // The account's gateways; finished() carries the list as JSON text.
    BaseRequest* getGateways();
    // Logs in to a gateway; success is announced by gatewayConnectionResult(NoError), after
    // which gateway() is that gateway. Failures arrive through the request only.
    BaseRequest* connectWithGateway(const Gateway& gateway, const QString& username, const QString& password);
    // Uploads a project file through the gateway logged in to; onResult gets the gateway's
    // result code (0 to 3) before finished().
    BaseRequest* sendOt2File(const QString& name, const QByteArray& content, std::function<void(int)> onResult);
    // Logs out of the cloud and forgets the account's and the gateway's session.
    void disconnectCloud();

    bool isCloudConnected() const { return !m_accessToken.isEmpty(); }
    // The gateway logged in to; an invalid one when there is none.
    Gateway gateway() const { return m_gateway; }

signals:
    void cloudAddressChanged();
    void cloudConnected();
    void gatewayConnectionResult(QNetworkReply::NetworkError result);

private:
    QUrl urlOf(const QString& endpoint) const;
    QNetworkRequest requestTo(const QString& endpoint) const;
    BaseRequest* post(const QString& endpoint, const QJsonObject& body, BaseRequest::AnswerReader reader);
    BaseRequest* get(const QString& endpoint, BaseRequest::AnswerReader reader);
    BaseRequest* send(const QNetworkRequest& request, QNetworkReply* reply, BaseRequest::AnswerReader reader);
    BaseRequest* refused(QNetworkReply::NetworkError code);
    bool hasUsableAddress() const;
    QSslConfiguration& ssl() const;

    QNetworkAccessManager m_manager;
    QString m_cloudAddress;
    // Made at the first request: it loads the TLS library, which a start need not wait for.
    mutable std::optional<QSslConfiguration> m_ssl;
    bool m_addedCertificates = false;
    int m_requestTimeout = DefaultRequestTimeout;
    QString m_accessToken;
    Gateway m_gateway;
    QString m_gatewayToken;
};

} // namespace network
