#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTextStream>

#include <core/settingsvaluecodec.h>
#include <devices/iniwritter.h>

#include "cloudfixture.h"
#include "cloudserver.h"

using cloudfixture::CloudFixture;

namespace {

constexpr int WaitMs = 20000;
const QString Username = QStringLiteral("anna@example.com");
const QString Password = QStringLiteral("Geheim-42!");
const QString GatewaySerial = QStringLiteral("KQ-1001");
const QString GatewayUser = QStringLiteral("admin");
const QString GatewayPassword = QStringLiteral("gw-pass");

QJsonObject gateway(const char* name, const char* serial, const char* type)
{
    return {{"name", name}, {"serial", serial}, {"type", type}};
}

// Every text a stored value holds, however deeply it is nested.
void collectTexts(const QVariant& value, QStringList& texts)
{
    if (value.typeId() == QMetaType::QVariantMap) {
        const QVariantMap map = value.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            texts << it.key();
            collectTexts(it.value(), texts);
        }
    } else if (value.canConvert<QVariantList>() && value.typeId() != QMetaType::QString) {
        for (const QVariant& item : value.toList())
            collectTexts(item, texts);
    } else {
        texts << value.toString();
    }
}

// The forms in which a secret could be found in the settings file.
QList<QByteArray> revealingForms(const QString& secret)
{
    QList<QByteArray> forms;
    for (const QByteArray& bytes :
         {secret.toUtf8(), QByteArray(reinterpret_cast<const char*>(secret.utf16()), secret.size() * 2)}) {
        forms << bytes << bytes.toBase64() << bytes.toBase64(QByteArray::Base64UrlEncoding) << bytes.toHex()
              << bytes.toHex().toUpper();
    }
    QByteArray utf16BigEndian;
    for (const QChar c : secret)
        utf16BigEndian += char(c.unicode() >> 8) + QByteArray(1, char(c.unicode() & 0xff));
    forms << utf16BigEndian << utf16BigEndian.toBase64() << utf16BigEndian.toHex();
    // Base64 of text inside a longer value starts at one of three offsets.
    for (int shift = 1; shift < 3; ++shift)
        forms << (QByteArray(shift, '\0') + secret.toUtf8()).toBase64().mid(4, 8);
    return forms;
}

class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { urls << url; }

public:
    QList<QUrl> urls;
};

} // namespace

class TestCloudController : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(server.start(), qPrintable(server.errorString())); }

    void init()
    {
        QVERIFY(server.reset());
        QSettings().clear();
        QSettings().sync();
        fixture = std::make_unique<CloudFixture>(server.address(), server.certificateAuthority());
        cloud = fixture->controller.get();
    }

    void cleanup()
    {
        cloud = nullptr;
        fixture.reset();
    }

    void loginRemembersTheCredentialsScrambled()
    {
        QSignalSpy usernameChanged(cloud, &CloudController::cloudUsernameChanged);
        QSignalSpy passwordChanged(cloud, &CloudController::cloudPasswordChanged);
        QSignalSpy busyChanged(cloud, &CloudController::busyChanged);
        QCOMPARE(loginAndWait(Username, Password, true), CloudController::SuccessSingleGateway);
        QCOMPARE(cloud->cloudUsername(), Username);
        QCOMPARE(cloud->cloudPassword(), Password);
        QCOMPARE(usernameChanged.count(), 1);
        QCOMPARE(passwordChanged.count(), 1);
        QCOMPARE(busyChanged.count(), 2);
        QVERIFY(!cloud->busy());
        QCOMPARE(cloud->gateways()->rowCount(), 1);

        fixture->settings->sync();
        QFile file(QSettings().fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray stored = file.readAll();
        QVERIFY(stored.contains("CloudUsername"));
        QVERIFY(stored.contains("CloudPassword"));
        for (const QString& secret : {Username, Password, QStringLiteral("anna"), QStringLiteral("Geheim")}) {
            for (const QByteArray& form : revealingForms(secret))
                QVERIFY2(!stored.contains(form),
                         qPrintable(secret + QStringLiteral(" as ") + QString::fromLatin1(form)));
        }
        QStringList texts;
        const QSettings store;
        for (const QString& key : store.allKeys())
            collectTexts(core::SettingsValueCodec::decode(store.value(key).toString()), texts);
        for (const QString& text : texts) {
            QVERIFY2(!text.contains(QStringLiteral("anna")), qPrintable(text));
            QVERIFY2(!text.contains(QStringLiteral("Geheim")), qPrintable(text));
        }
    }

    void loginWithoutSavingForgetsTheCredentials()
    {
        QCOMPARE(loginAndWait(Username, Password, true), CloudController::SuccessSingleGateway);
        QSignalSpy passwordChanged(cloud, &CloudController::cloudPasswordChanged);
        // The form QML calls without the last argument.
        QSignalSpy results(cloud, &CloudController::loginResult);
        QVERIFY(QMetaObject::invokeMethod(cloud, "login", Q_ARG(QString, Username), Q_ARG(QString, Password)));
        QVERIFY(results.wait(WaitMs));
        QCOMPARE(results.first().at(0).value<CloudController::LoginResult>(), CloudController::SuccessSingleGateway);
        QCOMPARE(cloud->cloudUsername(), QString());
        QCOMPARE(cloud->cloudPassword(), QString());
        QCOMPARE(passwordChanged.count(), 1);
        // Emptied, but scrambled like any other value.
        const QString stored
            = fixture->settings->settingValue(QString::fromLatin1(CloudCredentials::PasswordKey)).toString();
        QVERIFY(!stored.isEmpty());
    }

    void wrongPasswordFailsAndKeepsTheRememberedOne()
    {
        QCOMPARE(loginAndWait(Username, Password, true), CloudController::SuccessSingleGateway);
        cloud->logout();
        QCOMPARE(loginAndWait(Username, QStringLiteral("falsch"), true), CloudController::AuthenticationFailed);
        QCOMPARE(cloud->cloudPassword(), Password);
        QCOMPARE(cloud->gateways()->rowCount(), 0);
        QVERIFY(!cloud->busy());
    }

    void connectionFailuresKeepTheRememberedPassword_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<CloudController::LoginResult>("result");
        QTest::newRow("stopped server") << "stopped" << CloudController::NotReachable;
        QTest::newRow("unknown host") << "unknown host" << CloudController::NotReachable;
        QTest::newRow("time-out") << "time-out" << CloudController::NotReachable;
        QTest::newRow("untrusted certificate") << "untrusted" << CloudController::UnknownError;
        QTest::newRow("500") << "500" << CloudController::UnknownError;
        QTest::newRow("503") << "503" << CloudController::UnknownError;
        QTest::newRow("malformed answer") << "malformed" << CloudController::UnknownError;
    }
    void connectionFailuresKeepTheRememberedPassword()
    {
        QFETCH(QString, failure);
        QCOMPARE(loginAndWait(Username, Password, true), CloudController::SuccessSingleGateway);
        cloud->logout();

        if (failure == QLatin1String("stopped")) {
            server.stop();
        } else if (failure == QLatin1String("unknown host")) {
            fixture->network->setCloudAddress(QStringLiteral("cloud.tarvino.invalid/app"));
        } else if (failure == QLatin1String("time-out")) {
            fixture->network->setRequestTimeout(300);
            QVERIFY(server.script(QStringLiteral("login"), 0, {}, 5));
        } else if (failure == QLatin1String("untrusted")) {
            cloud = nullptr;
            fixture.reset();
            fixture = std::make_unique<CloudFixture>(server.address());
            cloud = fixture->controller.get();
        } else if (failure == QLatin1String("500")) {
            QVERIFY(server.script(QStringLiteral("login"), 500, QStringLiteral(R"({"error":"AuthError"})")));
        } else if (failure == QLatin1String("503")) {
            QVERIFY(server.script(QStringLiteral("login"), 503, QStringLiteral("Service Unavailable")));
        } else {
            QVERIFY(server.script(QStringLiteral("login"), 200, QStringLiteral(R"({"token":)")));
        }
        QTEST(loginAndWait(Username, QStringLiteral("other password"), true), "result");
        if (failure == QLatin1String("stopped"))
            QVERIFY2(server.start(), qPrintable(server.errorString()));
        QCOMPARE(cloud->cloudUsername(), Username);
        QCOMPARE(cloud->cloudPassword(), Password);
        QVERIFY(!cloud->busy());
    }

    void gatewayLists_data()
    {
        QTest::addColumn<QJsonValue>("list");
        QTest::addColumn<QString>("body");
        QTest::addColumn<CloudController::LoginResult>("result");
        QTest::addColumn<QStringList>("serials");
        QTest::newRow("one kq207m among three")
            << QJsonValue(QJsonArray{gateway("Lager", "XB-2002", "xb100"), gateway("Halle 3", "KQ-1001", "kq207m"),
                                     gateway("Büro", "KQ-1003", "KQ207M")})
            << QString() << CloudController::SuccessSingleGateway << QStringList{"KQ-1001"};
        QTest::newRow("several") << QJsonValue(
            QJsonArray{gateway("Halle 3", "KQ-1001", "kq207m"), gateway("Lager", "XB-2002", "xb100"),
                       gateway("Büro", "KQ-1003", "kq207m"), gateway("Hof", "KQ-1004", "kq207m")})
                                 << QString() << CloudController::SuccessMultipleGateways
                                 << QStringList{"KQ-1001", "KQ-1003", "KQ-1004"};
        QTest::newRow("none") << QJsonValue(QJsonArray()) << QString() << CloudController::SuccessNoGateways
                              << QStringList();
        QTest::newRow("only other types")
            << QJsonValue(QJsonArray{gateway("Lager", "XB-2002", "xb100"), gateway("Büro", "KQ-1003", " kq207m")})
            << QString() << CloudController::SuccessNoGateways << QStringList();
        QTest::newRow("entries that are no objects")
            << QJsonValue(
                   QJsonArray{QJsonValue(7), QJsonValue(QStringLiteral("kq207m")), gateway("A", "KQ-9", "kq207m")})
            << QString() << CloudController::SuccessSingleGateway << QStringList{"KQ-9"};
        QTest::newRow("not an array") << QJsonValue(
            QJsonObject{{"gateways", QJsonArray{gateway("Halle 3", "KQ-1001", "kq207m")}}})
                                      << QString() << CloudController::SuccessNoGateways << QStringList();
        QTest::newRow("malformed JSON") << QJsonValue() << QStringLiteral(R"([{"name":"Halle 3","serial":)")
                                        << CloudController::SuccessNoGateways << QStringList();
        QTest::newRow("empty answer") << QJsonValue() << QString(" ") << CloudController::SuccessNoGateways
                                      << QStringList();
    }
    void gatewayLists()
    {
        QFETCH(QJsonValue, list);
        QFETCH(QString, body);
        QFETCH(QStringList, serials);
        QVERIFY(server.set(body.isEmpty() ? QJsonObject{{"gateways", list}} : QJsonObject{{"gatewaysBody", body}}));
        QTEST(loginAndWait(Username, Password, false), "result");
        GatewaysController* gateways = cloud->gateways();
        QStringList shown;
        for (int row = 0; row < gateways->rowCount(); ++row)
            shown << gateways->index(row).data(GatewaysController::SerialNumberRole).toString();
        QCOMPARE(shown, serials);
        QCOMPARE(gateways->firstGatewaySerial(), serials.value(0));
    }

    void failedGatewayListIsReported()
    {
        QVERIFY(server.script(QStringLiteral("gateways"), 500, QString()));
        QSignalSpy results(cloud, &CloudController::loginResult);
        QSignalSpy failed(cloud, &CloudController::failToRetrieveGateways);
        cloud->login(Username, Password, true);
        QVERIFY(failed.wait(WaitMs));
        QCOMPARE(results.count(), 0);
        QVERIFY(!cloud->busy());
        // The login itself succeeded, so the credentials are remembered.
        QCOMPARE(cloud->cloudPassword(), Password);
    }

    void gatewayLoginResults_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("password");
        QTest::addColumn<CloudController::LoginResult>("result");
        const QString authError = QStringLiteral(R"({"error":"AuthError"})");
        const QString wrongGateway
            = QStringLiteral(R"({"error":"AuthError","originalError":{"details":{"message":"wrong gateway"}}})");
        const QString gatewayTimeout = QStringLiteral(R"({"error":"GatewayTimeoutError"})");
        QTest::newRow("success") << 0 << QString() << GatewayPassword << CloudController::Success;
        QTest::newRow("wrong password") << 0 << QString() << "falsch" << CloudController::AuthenticationFailed;
        QTest::newRow("401 AuthError") << 401 << authError << GatewayPassword << CloudController::AuthenticationFailed;
        QTest::newRow("403 AuthError") << 403 << authError << GatewayPassword << CloudController::AuthenticationFailed;
        QTest::newRow("403 without body")
            << 403 << QString() << GatewayPassword << CloudController::AuthenticationFailed;
        QTest::newRow("409 AuthError") << 409 << authError << GatewayPassword << CloudController::AuthenticationFailed;
        QTest::newRow("401 wrong gateway") << 401 << wrongGateway << GatewayPassword << CloudController::NotReachable;
        QTest::newRow("403 wrong gateway") << 403 << wrongGateway << GatewayPassword << CloudController::NotReachable;
        QTest::newRow("wrong gateway, other case")
            << 401 << QStringLiteral(R"({"error":"AuthError","originalError":{"details":{"message":"Wrong gateway"}}})")
            << GatewayPassword << CloudController::AuthenticationFailed;
        QTest::newRow("504 GatewayTimeoutError")
            << 504 << gatewayTimeout << GatewayPassword << CloudController::NotReachable;
        QTest::newRow("500 GatewayTimeoutError")
            << 500 << gatewayTimeout << GatewayPassword << CloudController::NotReachable;
        QTest::newRow("500 AuthError") << 500 << authError << GatewayPassword << CloudController::UnknownError;
        QTest::newRow("504 AuthError") << 504 << authError << GatewayPassword << CloudController::UnknownError;
        QTest::newRow("400 AuthError") << 400 << authError << GatewayPassword << CloudController::UnknownError;
        QTest::newRow("500") << 500 << QString() << GatewayPassword << CloudController::UnknownError;
        QTest::newRow("503") << 503 << QString() << GatewayPassword << CloudController::UnknownError;
        QTest::newRow("404") << 404 << QString() << GatewayPassword << CloudController::UnknownError;
        QTest::newRow("500 malformed body")
            << 500 << QStringLiteral("<html>oops") << GatewayPassword << CloudController::UnknownError;
        QTest::newRow("200 malformed body")
            << 200 << QStringLiteral("{}") << GatewayPassword << CloudController::UnknownError;
        QTest::newRow("answers too late") << -1 << QString() << GatewayPassword << CloudController::NotReachable;
    }
    void gatewayLoginResults()
    {
        QFETCH(int, status);
        QFETCH(QString, body);
        QFETCH(QString, password);
        QCOMPARE(loginAndWait(Username, Password, false), CloudController::SuccessSingleGateway);
        if (status > 0) {
            QVERIFY(server.script(QStringLiteral("gatewayLogin"), status, body));
        } else if (status < 0) {
            fixture->network->setRequestTimeout(300);
            QVERIFY(server.script(QStringLiteral("gatewayLogin"), 0, {}, 5));
        }
        QTEST(connectAndWait(0, GatewayUser, password, true), "result");
        QFETCH(CloudController::LoginResult, result);
        QCOMPARE(cloud->gateways()->hasGatewayCredentials(GatewaySerial), result == CloudController::Success);
        QVERIFY(!cloud->busy());
    }

    void unknownGatewayIsNotReachable()
    {
        QVERIFY(server.set({{"gateways", QJsonArray{gateway("Halle 9", "KQ-9999", "kq207m")}}}));
        QCOMPARE(loginAndWait(Username, Password, false), CloudController::SuccessSingleGateway);
        QCOMPARE(connectAndWait(0, GatewayUser, GatewayPassword, true), CloudController::NotReachable);
    }

    void rowOutsideTheListPassesAnEmptyGateway()
    {
        QCOMPARE(loginAndWait(Username, Password, false), CloudController::SuccessSingleGateway);
        QCOMPARE(connectAndWait(1, GatewayUser, GatewayPassword, true), CloudController::UnknownError);
        QCOMPARE(connectAndWait(-1, GatewayUser, GatewayPassword, true), CloudController::UnknownError);
        QCOMPARE(server.requestCount(QStringLiteral("gatewayLogin")), 0);
    }

    void gatewayCredentialsAreRememberedAndForgotten()
    {
        QCOMPARE(loginAndWait(Username, Password, false), CloudController::SuccessSingleGateway);
        GatewaysController* gateways = cloud->gateways();
        QCOMPARE(connectAndWait(0, GatewayUser, GatewayPassword, true), CloudController::Success);
        QVERIFY(gateways->hasGatewayCredentials(GatewaySerial));
        QCOMPARE(gateways->gatewayCredentials(GatewaySerial),
                 QJsonObject({{"username", GatewayUser}, {"password", GatewayPassword}}));

        QCOMPARE(connectAndWait(0, GatewayUser, GatewayPassword, false), CloudController::Success);
        QVERIFY(!gateways->hasGatewayCredentials(GatewaySerial));
        QCOMPARE(gateways->gatewayCredentials(GatewaySerial), QJsonObject());
        QVERIFY(fixture->settings->settingValue(QString::fromLatin1(CloudCredentials::GatewaysKey)).toMap().isEmpty());
    }

    void uploadSendsTheProjectFile_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("sent") << int(CloudController::SendSuccessfully);
        QTest::newRow("too many blanks") << int(CloudController::TooManyWhitespaces);
        QTest::newRow("wrong parameters") << int(CloudController::WrongParameters);
        QTest::newRow("internal error") << int(CloudController::InternalError);
    }
    void uploadSendsTheProjectFile()
    {
        QFETCH(int, code);
        openProject(QStringLiteral("My Project 1"));
        QVERIFY(server.set({{"uploadResult", code}}));
        QVERIFY(loginToGateway());
        QCOMPARE(sendAndWait(), CloudController::Ot2SendResult(code));

        const QJsonArray uploads = server.state().value(QLatin1String("uploads")).toArray();
        QCOMPARE(uploads.size(), 1);
        QCOMPARE(uploads.at(0)[QLatin1String("serial")].toString(), GatewaySerial);
        QCOMPARE(uploads.at(0)[QLatin1String("fileName")].toString(), QStringLiteral("MyProject1.ot2"));
        const QByteArray content = uploads.at(0)[QLatin1String("content")].toString().toUtf8();
        QCOMPARE(content, iniText(fixture->project.file));
        QVERIFY(content.contains("My Project 1"));
    }

    void failingUploadIsAnInternalError_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("body");
        QTest::newRow("500") << 500 << QString();
        QTest::newRow("401") << 401 << QStringLiteral(R"({"error":"AuthError"})");
        QTest::newRow("no result") << 200 << QStringLiteral("{}");
        QTest::newRow("unknown result") << 200 << QStringLiteral(R"({"result":7})");
        QTest::newRow("time-out") << -1 << QString();
    }
    void failingUploadIsAnInternalError()
    {
        QFETCH(int, status);
        QFETCH(QString, body);
        openProject(QStringLiteral("Plant"));
        QVERIFY(loginToGateway());
        if (status > 0) {
            QVERIFY(server.script(QStringLiteral("upload"), status, body));
        } else {
            fixture->network->setRequestTimeout(300);
            QVERIFY(server.script(QStringLiteral("upload"), 0, {}, 5));
        }
        QCOMPARE(sendAndWait(), CloudController::InternalError);
        QVERIFY(!cloud->busy());
    }

    void uploadWithoutAnOpenProjectFailsAtOnce()
    {
        QSignalSpy results(cloud, &CloudController::ot2SendResult);
        QSignalSpy busyChanged(cloud, &CloudController::busyChanged);
        cloud->sendOt2File();
        QCOMPARE(results.count(), 1);
        QCOMPARE(results.first().at(0).value<CloudController::Ot2SendResult>(), CloudController::InternalError);
        QCOMPARE(busyChanged.count(), 0);
        QCOMPARE(server.requestCount(QStringLiteral("upload")), 0);
    }

    void callsWhileBusyAreIgnored()
    {
        openProject(QStringLiteral("Plant"));
        QVERIFY(server.script(QStringLiteral("login"), 0, {}, 0.5));
        QSignalSpy results(cloud, &CloudController::loginResult);
        QSignalSpy gatewayResults(cloud, &CloudController::gatewayLoginResult);
        QSignalSpy sendResults(cloud, &CloudController::ot2SendResult);
        cloud->login(Username, Password, true);
        QVERIFY(cloud->busy());
        cloud->login(Username, QStringLiteral("falsch"), false);
        cloud->getGateways();
        cloud->connectWith(0, GatewayUser, GatewayPassword, true);
        cloud->sendOt2File();
        QVERIFY(results.wait(WaitMs));
        QCOMPARE(results.count(), 1);
        QCOMPARE(results.first().at(0).value<CloudController::LoginResult>(), CloudController::SuccessSingleGateway);
        QCOMPARE(gatewayResults.count(), 0);
        QCOMPARE(sendResults.count(), 0);
        QCOMPARE(cloud->cloudPassword(), Password);
        const QJsonArray requests = server.state().value(QLatin1String("requests")).toArray();
        QCOMPARE(requests, QJsonArray({QStringLiteral("login"), QStringLiteral("gateways")}));
    }

    void abortIgnoresALateSuccess()
    {
        openProject(QStringLiteral("Plant"));
        QCOMPARE(loginAndWait(Username, Password, false), CloudController::SuccessSingleGateway);
        QVERIFY(server.script(QStringLiteral("gatewayLogin"), 0, {}, 1.5));
        QSignalSpy gatewayResults(cloud, &CloudController::gatewayLoginResult);
        QSignalSpy busyChanged(cloud, &CloudController::busyChanged);
        cloud->connectWith(0, GatewayUser, GatewayPassword, true);
        QTRY_COMPARE_WITH_TIMEOUT(server.requestCount(QStringLiteral("gatewayLogin")), 1, WaitMs);
        cloud->abortSendOperation();
        QVERIFY(!cloud->busy());
        QCOMPARE(busyChanged.count(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(server.answerCount(QStringLiteral("gatewayLogin")), 1, WaitMs);
        // A success announced after the abort is no answer to it either.
        emit fixture->network->gatewayConnectionResult(QNetworkReply::NoError);
        QCoreApplication::processEvents();
        QCOMPARE(gatewayResults.count(), 0);
        QVERIFY(!cloud->gateways()->hasGatewayCredentials(GatewaySerial));
        QVERIFY(!fixture->network->gateway().isValid());
        QCOMPARE(server.requestCount(QStringLiteral("upload")), 0);

        // The controller takes the next call.
        QCOMPARE(connectAndWait(0, GatewayUser, GatewayPassword, false), CloudController::Success);
    }

    void abortWhileUploadingSendsNoResult()
    {
        openProject(QStringLiteral("Plant"));
        QVERIFY(loginToGateway());
        QVERIFY(server.script(QStringLiteral("upload"), 0, {}, 1.5));
        QSignalSpy sendResults(cloud, &CloudController::ot2SendResult);
        cloud->sendOt2File();
        QVERIFY(cloud->busy());
        QTRY_COMPARE_WITH_TIMEOUT(server.requestCount(QStringLiteral("upload")), 1, WaitMs);
        cloud->abortSendOperation();
        QVERIFY(!cloud->busy());
        QTRY_COMPARE_WITH_TIMEOUT(server.answerCount(QStringLiteral("upload")), 1, WaitMs);
        QCoreApplication::processEvents();
        QCOMPARE(sendResults.count(), 0);
    }

    void logoutEndsTheSession()
    {
        QCOMPARE(loginAndWait(Username, Password, false), CloudController::SuccessSingleGateway);
        cloud->logout();
        QCOMPARE(cloud->gateways()->rowCount(), 0);
        QVERIFY(!cloud->busy());
        QVERIFY(!fixture->network->isCloudConnected());
        QTRY_COMPARE_WITH_TIMEOUT(server.state().value(QLatin1String("logouts")).toInt(), 1, WaitMs);
    }

    void registrationOpensTheCloudsPage_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QUrl>("page");
        QTest::newRow("default") << QString() << QUrl(QStringLiteral("https://cloud.zorvik.de"));
        QTest::newRow("with port") << "127.0.0.1:8443/app" << QUrl(QStringLiteral("https://127.0.0.1:8443"));
        QTest::newRow("other path") << "cloud.example.org/api" << QUrl(QStringLiteral("https://cloud.example.org/api"));
    }
    void registrationOpensTheCloudsPage()
    {
        QFETCH(QString, address);
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        fixture->network->setCloudAddress(address);
        QVERIFY(QMetaObject::invokeMethod(cloud, "openRegistrationPage"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.urls.size(), 1);
        QTEST(catcher.urls.first(), "page");
    }

    void secondProcessReadsTheRememberedCredentials()
    {
        QCOMPARE(loginAndWait(Username, Password, true), CloudController::SuccessSingleGateway);
        QCOMPARE(connectAndWait(0, GatewayUser, GatewayPassword, true), CloudController::Success);
        cloud = nullptr;
        fixture.reset();

        QProcess second;
        second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        second.start(QCoreApplication::applicationFilePath(), {QStringLiteral("read-credentials")});
        QVERIFY(second.waitForFinished(WaitMs));
        QCOMPARE(second.exitCode(), 0);
        const QJsonObject read = QJsonDocument::fromJson(second.readAllStandardOutput()).object();
        QCOMPARE(read.value(QLatin1String("username")).toString(), Username);
        QCOMPARE(read.value(QLatin1String("password")).toString(), Password);
        QCOMPARE(read.value(QLatin1String("gateway")).toObject(),
                 QJsonObject({{"username", GatewayUser}, {"password", GatewayPassword}}));
    }

private:
    CloudController::LoginResult loginAndWait(const QString& username, const QString& password, bool save)
    {
        QSignalSpy results(cloud, &CloudController::loginResult);
        cloud->login(username, password, save);
        if (!results.wait(WaitMs))
            return CloudController::LoginResult(-1);
        return results.first().at(0).value<CloudController::LoginResult>();
    }

    CloudController::LoginResult connectAndWait(int index, const QString& username, const QString& password, bool save)
    {
        QSignalSpy results(cloud, &CloudController::gatewayLoginResult);
        cloud->connectWith(index, username, password, save);
        if (!results.wait(WaitMs))
            return CloudController::LoginResult(-1);
        return results.first().at(0).value<CloudController::LoginResult>();
    }

    bool loginToGateway()
    {
        return loginAndWait(Username, Password, false) == CloudController::SuccessSingleGateway
               && connectAndWait(0, GatewayUser, GatewayPassword, false) == CloudController::Success;
    }

    CloudController::Ot2SendResult sendAndWait()
    {
        QSignalSpy results(cloud, &CloudController::ot2SendResult);
        cloud->sendOt2File();
        if (!results.wait(WaitMs))
            return CloudController::Ot2SendResult(-1);
        return results.first().at(0).value<CloudController::Ot2SendResult>();
    }

    // A project of the first cloud model of the catalogue.
    void openProject(const QString& name)
    {
        const devices::DeviceService& catalogue = devices::DeviceService::instance();
        for (const devices::Device& device : catalogue.devices()) {
            if (!device.cloudDevice())
                continue;
            devices::Ot2File file(device.ot2Number());
            file.setName(name);
            file.fitToDevice(device);
            fixture->project.file = file;
            fixture->project.isOpen = true;
            return;
        }
        QFAIL("The catalogue has no cloud model");
    }

    static QByteArray iniText(const devices::Ot2File& file)
    {
        QByteArray text;
        QBuffer buffer(&text);
        buffer.open(QIODevice::WriteOnly);
        devices::IniWritter writer(&buffer);
        file.save(writer);
        writer.end();
        return text;
    }

    CloudServer server;
    std::unique_ptr<CloudFixture> fixture;
    CloudController* cloud = nullptr;
};

// The second process: reads what the first remembered, with the program's own classes.
int readCredentials(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    CloudFixture fixture;
    const QJsonObject read{{"username", fixture.controller->cloudUsername()},
                           {"password", fixture.controller->cloudPassword()},
                           {"gateway", fixture.controller->gateways()->gatewayCredentials(GatewaySerial)}};
    QTextStream(stdout) << QJsonDocument(read).toJson(QJsonDocument::Compact);
    return 0;
}

int main(int argc, char* argv[])
{
    if (argc == 2 && qstrcmp(argv[1], "read-credentials") == 0)
        return readCredentials(argc, argv);
    QGuiApplication application(argc, argv);
    cloudfixture::setProgramIdentity();
    TestCloudController test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cloudcontroller.moc"
