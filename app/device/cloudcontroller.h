#pragma once

#include "gatewayscontroller.h"

#include <QFutureWatcher>
#include <QJsonValue>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <devices/ot2file.h>
#include <utils/simplecrypt.h>

class ProjectFileSource;

namespace network {
class BaseRequest;
class NetworkService;
} // namespace network

// Sends the open project to a cloud device: logs in to the cloud account, lists its gateways,
// logs in to one gateway and uploads the project file through it. The credentials the user asks
// to keep are remembered scrambled in the settings store.
//
// One operation runs at a time (busy); calls made meanwhile are ignored. Every result comes as
// a signal, after busy has ended.
class CloudController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by the application")
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    Q_PROPERTY(GatewaysController* gateways READ gateways CONSTANT)
    Q_PROPERTY(QString cloudUsername READ cloudUsername WRITE setCloudUsername NOTIFY cloudUsernameChanged)
    Q_PROPERTY(QString cloudPassword READ cloudPassword WRITE setCloudPassword NOTIFY cloudPasswordChanged)

public:
    enum LoginResult {
        AuthenticationFailed = 0,
        UnknownError = 1,
        Success = 2,
        SuccessSingleGateway = 3,
        SuccessMultipleGateways = 4,
        SuccessNoGateways = 5,
        NotReachable = 6
    };
    Q_ENUM(LoginResult)
    enum Ot2SendResult { SendSuccessfully = 0, TooManyWhitespaces = 1, WrongParameters = 2, InternalError = 3 };
    Q_ENUM(Ot2SendResult)

    // The gateway type that can take project files.
    static constexpr char GatewayType[] = "kq207m";

    CloudController(ProjectFileSource* projects, network::NetworkService* network, QObject* parent);
    ~CloudController() override;

    bool busy() const { return m_operation != Operation::None; }
    GatewaysController* gateways() const { return m_gateways; }
    QString cloudUsername() const;
    QString cloudPassword() const;

    // What a failed login reports, from the failure and the cloud's answer body. A time-out, a
    // failure before any answer and the cloud's "wrong gateway" or gateway time-out mean the
    // cloud or gateway cannot be reached; only refused credentials (HTTP 401 or 403, or an
    // "AuthError" answer) mean invalid credentials.
    static LoginResult loginResultOf(QNetworkReply::NetworkError error, const QByteArray& body);

    // Opens the cloud's registration page in the user's browser.
    Q_INVOKABLE bool openRegistrationPage() const;

public slots:
    void setCloudUsername(const QString& username);
    void setCloudPassword(const QString& password);
    // On success the credentials are remembered when saveCredentials is set, and forgotten
    // otherwise; then the gateways are listed and loginResult() tells how many there are.
    void login(const QString& username, const QString& password, bool saveCredentials = false);
    void logout();
    // Uploads the open project as "<name without spaces>.ot2" through the gateway logged in to.
    void sendOt2File();
    void getGateways();
    // Logs in to the gateway of that row of gateways; on success its credentials are remembered
    // when saveCredentials is set, and forgotten otherwise.
    void connectWith(int index, const QString& username, const QString& password, bool saveCredentials = false);
    // Cancels the running operation; nothing of it arrives later.
    void abortSendOperation();

signals:
    void cloudUsernameChanged();
    void cloudPasswordChanged();
    void loginResult(CloudController::LoginResult result);
    void gatewayLoginResult(CloudController::LoginResult result);
    void busyChanged();
    void failToRetrieveGateways();
    void ot2SendResult(CloudController::Ot2SendResult result);

private slots:
    void loginError(QNetworkReply::NetworkError error, const QByteArray& errorData);
    void gatewayLoginError(QNetworkReply::NetworkError error, const QByteArray& errorData);
    void loginSuccess();
    void onGatewayLoginResult(QNetworkReply::NetworkError result);
    void gatewaysReceived(const QJsonValue& result);
    void onOt2SendResult(int result);
    void onOt2SendError();

private:
    enum class Operation { None, Login, Gateways, GatewayLogin, Upload };

    void begin(Operation operation);
    // Ends the running operation and forgets its request; a request still running is cancelled.
    void end();
    // Keeps the request as the running one, its failure going to onError.
    template <typename ErrorSlot>
    void follow(network::BaseRequest* request, ErrorSlot onError);
    void requestGateways();
    void keepPending(const QString& username, const QString& password, bool saveCredentials);
    void clearPending();
    void upload(const QString& projectName);
    void storeScrambled(const char* key, const QString& value);
    QString readScrambled(const char* key) const;

    ProjectFileSource* m_projects;
    network::NetworkService* m_network;
    Operation m_operation = Operation::None;
    // Kept from a login call until its success; empty when the credentials are not to be kept.
    QString m_pendingUsername;
    QString m_pendingPassword;
    utils::SimpleCrypt m_crypt;
    GatewaysController* m_gateways;
    QPointer<network::BaseRequest> m_request;
    QPointer<QFutureWatcher<devices::Ot2File>> m_fileWatcher;
};
