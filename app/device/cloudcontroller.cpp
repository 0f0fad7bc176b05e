#include "cloudcontroller.h"

#include "cloudcredentials.h"
#include "projectfilesource.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QJsonValue>
#include <QLoggingCategory>
#include <QUrl>

#include <core/settingsservice.h>
#include <devices/iniwritter.h>
#include <network/baserequest.h>
#include <network/cloudanswer.h>
#include <network/networkservice.h>

namespace {
Q_LOGGING_CATEGORY(cloudLog, "tarvino.cloud")

// Failures of the connection itself, before the cloud answered.
bool failedBeforeAnswer(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
        return true;
    default:
        return false;
    }
}

// Failures after which only the answer body can tell that the target is out of reach.
bool decidedByBodyOnly(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::SslHandshakeFailedError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProtocolInvalidOperationError:
    case QNetworkReply::InternalServerError:
    case QNetworkReply::UnknownServerError:
        return true;
    default:
        return false;
    }
}

// HTTP 401 and 403: the cloud refused the credentials.
bool refusedCredentials(QNetworkReply::NetworkError error)
{
    return error == QNetworkReply::AuthenticationRequiredError || error == QNetworkReply::ContentAccessDenied;
}

} // namespace

CloudController::CloudController(ProjectFileSource* projects, network::NetworkService* network, QObject* parent)
    : QObject(parent)
    , m_projects(projects)
    , m_network(network)
    , m_crypt(CloudCredentials::ScrambleKey)
    , m_gateways(new GatewaysController(this))
{
    connect(m_network, &network::NetworkService::cloudConnected, this, &CloudController::loginSuccess);
    connect(m_network, &network::NetworkService::gatewayConnectionResult, this, &CloudController::onGatewayLoginResult);
}

CloudController::~CloudController()
{
    if (m_request)
        m_request->abort();
}

QString CloudController::cloudUsername() const
{
    return readScrambled(CloudCredentials::UsernameKey);
}

QString CloudController::cloudPassword() const
{
    return readScrambled(CloudCredentials::PasswordKey);
}

void CloudController::setCloudUsername(const QString& username)
{
    if (cloudUsername() == username)
        return;
    storeScrambled(CloudCredentials::UsernameKey, username);
    emit cloudUsernameChanged();
}

void CloudController::setCloudPassword(const QString& password)
{
    if (cloudPassword() == password)
        return;
    storeScrambled(CloudCredentials::PasswordKey, password);
    emit cloudPasswordChanged();
}

QString CloudController::readScrambled(const char* key) const
{
    const QVariant stored = core::SettingsService::instance().settingValue(QString::fromLatin1(key));
    return m_crypt.decryptToString(stored.toString());
}

void CloudController::storeScrambled(const char* key, const QString& value)
{
    core::SettingsService::instance().setSettingValueFromStringKey(QString::fromLatin1(key),
                                                                   m_crypt.encryptToString(value), true);
}

CloudController::LoginResult CloudController::loginResultOf(QNetworkReply::NetworkError error, const QByteArray& body)
{
    if (error == QNetworkReply::TimeoutError)
        return NotReachable;
    const network::CloudAnswer::Failure failure = network::CloudAnswer::failure(body);
    const bool authError = failure.error == QLatin1String("AuthError");
    if ((authError && failure.message == QLatin1String("wrong gateway"))
        || failure.error == QLatin1String("GatewayTimeoutError"))
        return NotReachable;
    if (decidedByBodyOnly(error))
        return UnknownError;
    if (failedBeforeAnswer(error))
        return NotReachable;
    if (refusedCredentials(error) || authError)
        return AuthenticationFailed;
    return UnknownError;
}

bool CloudController::openRegistrationPage() const
{
    QString host = m_network->cloudAddress();
    if (host.endsWith(QLatin1String("/app")))
        host.chop(4);
    return QDesktopServices::openUrl(QUrl(QStringLiteral("https://%1").arg(host)));
}

void CloudController::begin(Operation operation)
{
    m_operation = operation;
    emit busyChanged();
}

// A request that is ending (it calls this controller) ignores the cancel.
void CloudController::end()
{
    if (m_request) {
        disconnect(m_request, nullptr, this, nullptr);
        m_request->abort();
    }
    m_request = nullptr;
    delete m_fileWatcher;
    if (m_operation == Operation::None)
        return;
    m_operation = Operation::None;
    emit busyChanged();
}

template <typename ErrorSlot>
void CloudController::follow(network::BaseRequest* request, ErrorSlot onError)
{
    connect(request, &network::BaseRequest::error, this, onError);
    m_request = request;
}

void CloudController::keepPending(const QString& username, const QString& password, bool saveCredentials)
{
    m_pendingUsername = saveCredentials ? username : QString();
    m_pendingPassword = saveCredentials ? password : QString();
}

void CloudController::clearPending()
{
    m_pendingUsername.clear();
    m_pendingPassword.clear();
}

void CloudController::login(const QString& username, const QString& password, bool saveCredentials)
{
    if (busy())
        return;
    begin(Operation::Login);
    keepPending(username, password, saveCredentials);
    follow(m_network->loginCloud(username, password), &CloudController::loginError);
}

void CloudController::loginSuccess()
{
    if (m_operation != Operation::Login)
        return;
    // The gateway list follows in the same busy state.
    setCloudUsername(m_pendingUsername);
    setCloudPassword(m_pendingPassword);
    clearPending();
    requestGateways();
}

void CloudController::loginError(QNetworkReply::NetworkError error, const QByteArray& errorData)
{
    clearPending();
    end();
    emit loginResult(loginResultOf(error, errorData));
}

void CloudController::getGateways()
{
    if (busy())
        return;
    begin(Operation::Gateways);
    requestGateways();
}

void CloudController::requestGateways()
{
    m_operation = Operation::Gateways;
    m_gateways->clear();
    network::BaseRequest* request = m_network->getGateways();
    connect(request, &network::BaseRequest::finished, this, &CloudController::gatewaysReceived);
    follow(request, [this] {
        end();
        emit failToRetrieveGateways();
    });
}

void CloudController::gatewaysReceived(const QJsonValue& result)
{
    end();
    QList<network::Gateway> kept;
    const QList<network::Gateway> list = network::CloudAnswer::gateways(result.toString().toUtf8());
    for (const network::Gateway& gateway : list) {
        if (gateway.type() == QLatin1String(GatewayType))
            kept.append(gateway);
    }
    m_gateways->setGateways(kept);
    emit loginResult(kept.isEmpty()     ? SuccessNoGateways
                     : kept.size() == 1 ? SuccessSingleGateway
                                        : SuccessMultipleGateways);
}

void CloudController::connectWith(int index, const QString& username, const QString& password, bool saveCredentials)
{
    if (busy())
        return;
    begin(Operation::GatewayLogin);
    keepPending(username, password, saveCredentials);
    follow(m_network->connectWithGateway(m_gateways->gatewayAt(index), username, password),
           &CloudController::gatewayLoginError);
}

void CloudController::onGatewayLoginResult(QNetworkReply::NetworkError result)
{
    // A result of a cancelled login, or of someone else's, is no answer to this controller.
    if (m_operation != Operation::GatewayLogin)
        return;
    end();
    if (result != QNetworkReply::NoError) {
        clearPending();
        emit gatewayLoginResult(loginResultOf(result, {}));
        return;
    }
    const network::Gateway gateway = m_network->gateway();
    if (gateway.isValid())
        m_gateways->setGatewayCredentials(gateway.serial(), m_pendingUsername, m_pendingPassword);
    clearPending();
    emit gatewayLoginResult(Success);
}

void CloudController::gatewayLoginError(QNetworkReply::NetworkError error, const QByteArray& errorData)
{
    clearPending();
    end();
    emit gatewayLoginResult(loginResultOf(error, errorData));
}

void CloudController::sendOt2File()
{
    if (busy())
        return;
    QString name;
    const QFuture<devices::Ot2File> file = m_projects->currentProjectFile(&name);
    if (file.isCanceled()) {
        qCWarning(cloudLog) << ">> No open project to send";
        emit ot2SendResult(InternalError);
        return;
    }
    begin(Operation::Upload);
    // The file may still be in the making; the upload starts when it is there.
    m_fileWatcher = new QFutureWatcher<devices::Ot2File>(this);
    connect(m_fileWatcher, &QFutureWatcherBase::finished, this, [this, name] { upload(name); });
    m_fileWatcher->setFuture(file);
}

void CloudController::upload(const QString& projectName)
{
    const QFuture<devices::Ot2File> file = m_fileWatcher->future();
    m_fileWatcher->deleteLater();
    m_fileWatcher = nullptr;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    bool written = !file.isCanceled() && file.resultCount() > 0 && buffer.open(QIODevice::WriteOnly);
    if (written) {
        devices::IniWritter writer(&buffer);
        file.result().save(writer);
        written = writer.end();
    }
    if (!written) {
        qCWarning(cloudLog) << ">> The project file to send could not be made";
        onOt2SendError();
        return;
    }
    const QString name = QStringLiteral("%1.ot2").arg(QString(projectName).remove(QLatin1Char(' ')));
    follow(m_network->sendOt2File(name, bytes, [this](int result) { onOt2SendResult(result); }),
           &CloudController::onOt2SendError);
}

void CloudController::onOt2SendResult(int result)
{
    end();
    emit ot2SendResult(Ot2SendResult(result));
}

void CloudController::onOt2SendError()
{
    end();
    emit ot2SendResult(InternalError);
}

void CloudController::abortSendOperation()
{
    end();
}

void CloudController::logout()
{
    end();
    clearPending();
    m_network->disconnectCloud();
    m_gateways->clear();
    qCDebug(cloudLog) << "Logged out!";
}
