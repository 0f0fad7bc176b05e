#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

#include <network/networkservice.h>

#include "cloudserver.h"

using network::BaseRequest;
using network::Gateway;
using network::NetworkService;

namespace {

constexpr int WaitMs = 20000;
const QString Username = QStringLiteral("anna@example.com");
const QString Password = QStringLiteral("Geheim-42!");
const Gateway Hall(QJsonObject{{"name", "Halle 3"}, {"serial", "KQ-1001"}, {"type", "kq207m"}});

// How one request ended: the arguments of finished() or error().
struct Outcome {
    explicit Outcome(BaseRequest* request)
        : finished(request, &BaseRequest::finished)
        , error(request, &BaseRequest::error)
    {
    }
    bool wait()
    {
        return QTest::qWaitFor([this] { return finished.count() + error.count() > 0; }, WaitMs);
    }
    QNetworkReply::NetworkError code() const
    {
        return error.isEmpty() ? QNetworkReply::NoError : error.first().at(0).value<QNetworkReply::NetworkError>();
    }
    QByteArray body() const { return error.isEmpty() ? QByteArray() : error.first().at(1).toByteArray(); }
    QString text() const { return finished.isEmpty() ? QString() : finished.first().at(0).toJsonValue().toString(); }

    QSignalSpy finished;
    QSignalSpy error;
};

} // namespace

class TestNetworkService : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(server.start(), qPrintable(server.errorString())); }

    void init()
    {
        QVERIFY(server.reset());
        service = std::make_unique<NetworkService>();
        service->setCloudAddress(server.address());
        service->addCaCertificates(server.certificateAuthority());
    }

    void cleanup() { service.reset(); }

    void loginKeepsTheSession()
    {
        QSignalSpy connected(service.get(), &NetworkService::cloudConnected);
        Outcome login(service->loginCloud(Username, Password));
        QVERIFY(login.wait());
        QCOMPARE(login.code(), QNetworkReply::NoError);
        QCOMPARE(connected.count(), 1);
        QVERIFY(service->isCloudConnected());
        QVERIFY(QJsonDocument::fromJson(login.text().toUtf8()).object().contains(QLatin1String("accessToken")));
    }

    void wrongPasswordIsRefusedByTheCloud()
    {
        QSignalSpy connected(service.get(), &NetworkService::cloudConnected);
        Outcome login(service->loginCloud(Username, QStringLiteral("falsch")));
        QVERIFY(login.wait());
        QCOMPARE(login.code(), QNetworkReply::AuthenticationRequiredError);
        QCOMPARE(QJsonDocument::fromJson(login.body()).object().value(QLatin1String("error")).toString(),
                 QStringLiteral("AuthError"));
        QCOMPARE(connected.count(), 0);
        QVERIFY(!service->isCloudConnected());
    }

    void gatewayListArrivesAsText()
    {
        QVERIFY(logIn());
        Outcome list(service->getGateways());
        QVERIFY(list.wait());
        const QJsonArray gateways = QJsonDocument::fromJson(list.text().toUtf8()).array();
        QCOMPARE(gateways.size(), 3);
        QCOMPARE(Gateway(gateways.at(0).toObject()).serial(), QStringLiteral("KQ-1001"));
    }

    void gatewayLoginThenUpload()
    {
        QVERIFY(logIn());
        QSignalSpy result(service.get(), &NetworkService::gatewayConnectionResult);
        Outcome gatewayLogin(service->connectWithGateway(Hall, QStringLiteral("admin"), QStringLiteral("gw-pass")));
        QVERIFY(gatewayLogin.wait());
        QCOMPARE(gatewayLogin.code(), QNetworkReply::NoError);
        QCOMPARE(result.count(), 1);
        QCOMPARE(result.first().at(0).value<QNetworkReply::NetworkError>(), QNetworkReply::NoError);
        QCOMPARE(service->gateway().serial(), QStringLiteral("KQ-1001"));

        const QByteArray content = QStringLiteral("[General]\nName=Büro 1\n").toUtf8();
        QList<int> codes;
        Outcome upload(
            service->sendOt2File(QStringLiteral("Büro1.ot2"), content, [&codes](int code) { codes << code; }));
        QVERIFY(upload.wait());
        QCOMPARE(upload.code(), QNetworkReply::NoError);
        QCOMPARE(codes, QList<int>{0});
        const QJsonArray uploads = server.state().value(QLatin1String("uploads")).toArray();
        QCOMPARE(uploads.size(), 1);
        QCOMPARE(uploads.at(0)[QLatin1String("serial")].toString(), QStringLiteral("KQ-1001"));
        QCOMPARE(uploads.at(0)[QLatin1String("fileName")].toString(), QStringLiteral("Büro1.ot2"));
        QCOMPARE(uploads.at(0)[QLatin1String("content")].toString().toUtf8(), content);
    }

    void failedGatewayLoginComesThroughTheRequestOnly_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QNetworkReply::NetworkError>("code");
        QTest::newRow("refused") << "falsch" << QString() << QNetworkReply::AuthenticationRequiredError;
        QTest::newRow("unusable answer") << "gw-pass"
                                         << "{}" << QNetworkReply::ProtocolFailure;
    }
    void failedGatewayLoginComesThroughTheRequestOnly()
    {
        QFETCH(QString, password);
        QFETCH(QString, answer);
        QVERIFY(logIn());
        if (!answer.isEmpty())
            QVERIFY(server.script(QStringLiteral("gatewayLogin"), 200, answer));
        QSignalSpy result(service.get(), &NetworkService::gatewayConnectionResult);
        Outcome gatewayLogin(service->connectWithGateway(Hall, QStringLiteral("admin"), password));
        QVERIFY(gatewayLogin.wait());
        QTEST(gatewayLogin.code(), "code");
        QCOMPARE(result.count(), 0);
        QVERIFY(!service->gateway().isValid());
    }

    void uploadResultCodes_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("code");
        QTest::newRow("0") << R"({"result":0})" << 0;
        QTest::newRow("1") << R"({"result":1})" << 1;
        QTest::newRow("2") << R"({"result":2})" << 2;
        QTest::newRow("3") << R"({"result":3})" << 3;
        QTest::newRow("4") << R"({"result":4})" << -1;
        QTest::newRow("negative") << R"({"result":-1})" << -1;
        QTest::newRow("fraction") << R"({"result":1.5})" << -1;
        QTest::newRow("text") << R"({"result":"0"})" << -1;
        QTest::newRow("missing") << R"({})" << -1;
        QTest::newRow("not JSON") << "result=0" << -1;
    }
    void uploadResultCodes()
    {
        QFETCH(QString, answer);
        QFETCH(int, code);
        QVERIFY(logInToGateway());
        QVERIFY(server.script(QStringLiteral("upload"), 200, answer));
        QList<int> codes;
        Outcome upload(service->sendOt2File(QStringLiteral("A.ot2"), "x", [&codes](int result) { codes << result; }));
        QVERIFY(upload.wait());
        if (code >= 0) {
            QCOMPARE(codes, QList<int>{code});
            QCOMPARE(upload.finished.count(), 1);
        } else {
            QVERIFY(codes.isEmpty());
            QCOMPARE(upload.code(), QNetworkReply::ProtocolFailure);
            QCOMPARE(upload.body(), answer.toUtf8());
        }
    }

    void unusableAnswerFailsTheLogin()
    {
        QSignalSpy connected(service.get(), &NetworkService::cloudConnected);
        QVERIFY(server.script(QStringLiteral("login"), 200, QStringLiteral("<html>")));
        Outcome login(service->loginCloud(Username, Password));
        QVERIFY(login.wait());
        QCOMPARE(login.code(), QNetworkReply::ProtocolFailure);
        QCOMPARE(connected.count(), 0);
        QVERIFY(!service->isCloudConnected());
    }

    void serverFailuresKeepTheirCode_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QNetworkReply::NetworkError>("code");
        QTest::newRow("400") << 400 << QNetworkReply::ProtocolInvalidOperationError;
        QTest::newRow("403") << 403 << QNetworkReply::ContentAccessDenied;
        QTest::newRow("404") << 404 << QNetworkReply::ContentNotFoundError;
        QTest::newRow("500") << 500 << QNetworkReply::InternalServerError;
        QTest::newRow("503") << 503 << QNetworkReply::ServiceUnavailableError;
        QTest::newRow("504") << 504 << QNetworkReply::UnknownServerError;
    }
    void serverFailuresKeepTheirCode()
    {
        QFETCH(int, status);
        QVERIFY(server.script(QStringLiteral("login"), status, QStringLiteral(R"({"error":"GatewayTimeoutError"})")));
        Outcome login(service->loginCloud(Username, Password));
        QVERIFY(login.wait());
        QTEST(login.code(), "code");
        QCOMPARE(login.body(), QByteArray(R"({"error":"GatewayTimeoutError"})"));
    }

    // Qt's own transfer time-out would say OperationCanceledError.
    void slowAnswerIsATimeout()
    {
        service->setRequestTimeout(300);
        QVERIFY(server.script(QStringLiteral("login"), 0, {}, 5));
        Outcome login(service->loginCloud(Username, Password));
        QVERIFY(login.wait());
        QCOMPARE(login.code(), QNetworkReply::TimeoutError);
        QCOMPARE(login.finished.count(), 0);
    }

    void untrustedCertificateIsRefused()
    {
        NetworkService trusting;
        trusting.setCloudAddress(server.address());
        Outcome login(trusting.loginCloud(Username, Password));
        QVERIFY(login.wait());
        QCOMPARE(login.code(), QNetworkReply::SslHandshakeFailedError);
        QCOMPARE(server.requestCount(QStringLiteral("login")), 0);
    }

    void stoppedServerRefusesTheConnection()
    {
        server.stop();
        Outcome login(service->loginCloud(Username, Password));
        QVERIFY(login.wait());
        QCOMPARE(login.code(), QNetworkReply::ConnectionRefusedError);
        // Started again (on another port) for the next tests.
        QVERIFY2(server.start(), qPrintable(server.errorString()));
    }

    void unknownHostIsNotFound()
    {
        service->setCloudAddress(QStringLiteral("cloud.tarvino.invalid/app"));
        Outcome login(service->loginCloud(Username, Password));
        QVERIFY(login.wait());
        QCOMPARE(login.code(), QNetworkReply::HostNotFoundError);
    }

    void unusableAddressFailsWithoutSending()
    {
        service->setCloudAddress(QStringLiteral("exa mple/app"));
        Outcome login(service->loginCloud(Username, Password));
        QCOMPARE(login.error.count(), 0);
        QVERIFY(login.wait());
        QCOMPARE(login.code(), QNetworkReply::HostNotFoundError);
    }

    void callsThatNeedASessionFailWithoutSending()
    {
        QList<int> codes;
        const auto onResult = [&codes](int code) { codes << code; };
        const QList<std::function<BaseRequest*()>> calls{
            [this] { return service->getGateways(); },
            [this] { return service->connectWithGateway(Hall, QStringLiteral("admin"), QStringLiteral("gw-pass")); },
            [&] { return service->sendOt2File(QStringLiteral("A.ot2"), "x", onResult); },
            // Logged in, but with no gateway, or no gateway session.
            [this] {
                return logIn()
                           ? service->connectWithGateway(Gateway(), QStringLiteral("admin"), QStringLiteral("gw-pass"))
                           : nullptr;
            },
            [&] { return service->sendOt2File(QStringLiteral("A.ot2"), "x", onResult); }};
        for (const auto& call : calls) {
            BaseRequest* request = call();
            QVERIFY(request);
            Outcome outcome(request);
            QCOMPARE(outcome.error.count(), 0);
            QVERIFY(outcome.wait());
            QCOMPARE(outcome.code(), QNetworkReply::ProtocolInvalidOperationError);
        }
        QVERIFY(codes.isEmpty());
        const QJsonArray requests = server.state().value(QLatin1String("requests")).toArray();
        QCOMPARE(requests, QJsonArray{QStringLiteral("login")});
    }

    void abortedRequestEndsSilently()
    {
        QSignalSpy connected(service.get(), &NetworkService::cloudConnected);
        QVERIFY(server.script(QStringLiteral("login"), 0, {}, 1.5));
        QPointer<BaseRequest> request = service->loginCloud(Username, Password);
        Outcome login(request);
        QTRY_COMPARE_WITH_TIMEOUT(server.requestCount(QStringLiteral("login")), 1, WaitMs);
        request->abort();
        QTRY_COMPARE_WITH_TIMEOUT(server.answerCount(QStringLiteral("login")), 1, WaitMs);
        QTRY_VERIFY(request.isNull());
        QCOMPARE(login.finished.count() + login.error.count(), 0);
        QCOMPARE(connected.count(), 0);
        QVERIFY(!service->isCloudConnected());
    }

    void logoutEndsTheSessions()
    {
        QVERIFY(logInToGateway());
        service->disconnectCloud();
        QVERIFY(!service->isCloudConnected());
        QVERIFY(!service->gateway().isValid());
        QTRY_COMPARE_WITH_TIMEOUT(server.state().value(QLatin1String("logouts")).toInt(), 1, WaitMs);
        // Nothing is sent for a second logout.
        service->disconnectCloud();
        QCOMPARE(server.requestCount(QStringLiteral("logout")), 1);
    }

    void cloudAddressIsCleaned_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("address");
        QTest::newRow("as it is") << "cloud.example.org/app"
                                  << "cloud.example.org/app";
        QTest::newRow("blanks") << "  cloud.example.org/app \t"
                                << "cloud.example.org/app";
        QTest::newRow("trailing slashes") << "cloud.example.org/app//"
                                          << "cloud.example.org/app";
        QTest::newRow("with port") << "127.0.0.1:8443/app"
                                   << "127.0.0.1:8443/app";
        QTest::newRow("empty") << "" << NetworkService::DefaultCloudAddress;
        QTest::newRow("blank") << "   " << NetworkService::DefaultCloudAddress;
    }
    void cloudAddressIsCleaned()
    {
        QFETCH(QString, typed);
        NetworkService fresh;
        QCOMPARE(fresh.cloudAddress(), QString::fromLatin1(NetworkService::DefaultCloudAddress));
        fresh.setCloudAddress(QStringLiteral("other.example.org/app"));
        QSignalSpy changed(&fresh, &NetworkService::cloudAddressChanged);
        fresh.setCloudAddress(typed);
        QTEST(fresh.cloudAddress(), "address");
        QCOMPARE(changed.count(), 1);
        fresh.setCloudAddress(typed);
        QCOMPARE(changed.count(), 1);
    }

private:
    bool logIn()
    {
        Outcome login(service->loginCloud(Username, Password));
        return login.wait() && login.code() == QNetworkReply::NoError && service->isCloudConnected();
    }

    bool logInToGateway()
    {
        if (!logIn())
            return false;
        Outcome gatewayLogin(service->connectWithGateway(Hall, QStringLiteral("admin"), QStringLiteral("gw-pass")));
        return gatewayLogin.wait() && service->gateway().isValid();
    }

    CloudServer server;
    std::unique_ptr<NetworkService> service;
};

QTEST_MAIN(TestNetworkService)
#include "tst_networkservice.moc"
