#include <QTest>

#include "cloudcontroller.h"

// What a failed cloud or gateway login reports, for failures a local server cannot stage (a
// handshake failure, a closed connection, a proxy) and for the answer bodies.
class TestCloudLoginResult : public QObject {
    Q_OBJECT

private slots:
    void resultOfAFailure_data()
    {
        QTest::addColumn<QNetworkReply::NetworkError>("error");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<CloudController::LoginResult>("result");

        const QByteArray none;
        const QByteArray authError(R"({"error":"AuthError"})");
        const QByteArray wrongGateway(
            R"({"error":"AuthError","originalError":{"details":{"message":"wrong gateway"}}})");
        const QByteArray gatewayTimeout(R"({"error":"GatewayTimeoutError"})");
        using R = QNetworkReply;
        using C = CloudController;

        // A time-out is a time-out, whatever the body says.
        QTest::newRow("time-out") << R::TimeoutError << none << C::NotReachable;
        QTest::newRow("time-out, AuthError") << R::TimeoutError << authError << C::NotReachable;

        // No answer at all: the cloud cannot be reached.
        QTest::newRow("refused") << R::ConnectionRefusedError << none << C::NotReachable;
        QTest::newRow("closed") << R::RemoteHostClosedError << none << C::NotReachable;
        QTest::newRow("unknown host") << R::HostNotFoundError << none << C::NotReachable;
        QTest::newRow("temporary failure") << R::TemporaryNetworkFailureError << none << C::NotReachable;
        QTest::newRow("network session") << R::NetworkSessionFailedError << none << C::NotReachable;
        QTest::newRow("proxy refused") << R::ProxyConnectionRefusedError << none << C::NotReachable;
        QTest::newRow("proxy closed") << R::ProxyConnectionClosedError << none << C::NotReachable;
        QTest::newRow("proxy not found") << R::ProxyNotFoundError << none << C::NotReachable;
        QTest::newRow("proxy time-out") << R::ProxyTimeoutError << none << C::NotReachable;

        // The five codes after which only the body can say "not reachable".
        for (const auto& [name, code] :
             {std::pair{"handshake", R::SslHandshakeFailedError}, std::pair{"unknown network", R::UnknownNetworkError},
              std::pair{"invalid operation", R::ProtocolInvalidOperationError},
              std::pair{"internal server", R::InternalServerError},
              std::pair{"unknown server", R::UnknownServerError}}) {
            QTest::addRow("%s", name) << code << none << C::UnknownError;
            QTest::addRow("%s, AuthError", name) << code << authError << C::UnknownError;
            QTest::addRow("%s, wrong gateway", name) << code << wrongGateway << C::NotReachable;
            QTest::addRow("%s, gateway time-out", name) << code << gatewayTimeout << C::NotReachable;
        }

        // Refused credentials: HTTP 401 and 403, or an AuthError body.
        QTest::newRow("401") << R::AuthenticationRequiredError << none << C::AuthenticationFailed;
        QTest::newRow("403") << R::ContentAccessDenied << none << C::AuthenticationFailed;
        QTest::newRow("401, wrong gateway") << R::AuthenticationRequiredError << wrongGateway << C::NotReachable;
        QTest::newRow("401, gateway time-out") << R::AuthenticationRequiredError << gatewayTimeout << C::NotReachable;
        QTest::newRow("404, AuthError") << R::ContentNotFoundError << authError << C::AuthenticationFailed;
        QTest::newRow("404, wrong gateway") << R::ContentNotFoundError << wrongGateway << C::NotReachable;

        // Any other failure is an unknown error, not invalid credentials.
        QTest::newRow("cancelled") << R::OperationCanceledError << none << C::UnknownError;
        QTest::newRow("404") << R::ContentNotFoundError << none << C::UnknownError;
        QTest::newRow("503") << R::ServiceUnavailableError << none << C::UnknownError;
        QTest::newRow("unusable answer") << R::ProtocolFailure << QByteArray("{}") << C::UnknownError;
        QTest::newRow("proxy credentials") << R::ProxyAuthenticationRequiredError << none << C::UnknownError;
        QTest::newRow("too many redirects") << R::TooManyRedirectsError << none << C::UnknownError;

        // Bodies: exact, case-sensitive texts, each member where it belongs.
        const auto body = [](const char* json) { return QByteArray(json); };
        QTest::newRow("message in another case")
            << R::ContentNotFoundError
            << body(R"({"error":"AuthError","originalError":{"details":{"message":"Wrong gateway"}}})")
            << C::AuthenticationFailed;
        QTest::newRow("error in another case")
            << R::ContentNotFoundError << body(R"({"error":"autherror"})") << C::UnknownError;
        QTest::newRow("message without AuthError")
            << R::ContentNotFoundError
            << body(R"({"error":"OtherError","originalError":{"details":{"message":"wrong gateway"}}})")
            << C::UnknownError;
        QTest::newRow("message in the wrong place")
            << R::ContentNotFoundError << body(R"({"error":"AuthError","details":{"message":"wrong gateway"}})")
            << C::AuthenticationFailed;
        QTest::newRow("details not an object")
            << R::ContentNotFoundError << body(R"({"error":"AuthError","originalError":{"details":"wrong gateway"}})")
            << C::AuthenticationFailed;
        QTest::newRow("error not a text") << R::ContentNotFoundError << body(R"({"error":7})") << C::UnknownError;
        QTest::newRow("array body") << R::ContentNotFoundError << body(R"([{"error":"AuthError"}])") << C::UnknownError;
        QTest::newRow("malformed body") << R::ContentNotFoundError << body(R"({"error":"AuthError")")
                                        << C::UnknownError;
        QTest::newRow("gateway time-out, 404") << R::ContentNotFoundError << gatewayTimeout << C::NotReachable;
    }
    void resultOfAFailure()
    {
        QFETCH(QNetworkReply::NetworkError, error);
        QFETCH(QByteArray, body);
        QTEST(CloudController::loginResultOf(error, body), "result");
    }
};

QTEST_MAIN(TestCloudLoginResult)
#include "tst_cloudloginresult.moc"
