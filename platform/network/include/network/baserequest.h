#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QNetworkReply>
#include <QObject>

#include <functional>

class QTimer;

namespace network {

// One call to the cloud. It ends exactly once, with finished() or error(), unless it is
// aborted, and then deletes itself; keep it in a QPointer.
//
// finished() carries the answer body as text (a string value). error() carries the failure and
// the answer body, if any: the HTTP failures as Qt Network reports them, the request's own
// time-out as QNetworkReply::TimeoutError, and an answer that cannot be used as
// QNetworkReply::ProtocolFailure.
class BaseRequest : public QObject {
    Q_OBJECT

public:
    // Takes in a successful answer; false when the answer is unusable.
    using AnswerReader = std::function<bool(const QByteArray& body)>;

    explicit BaseRequest(QObject* parent);
    ~BaseRequest() override;

    // Follows the reply, which the request takes over, for at most timeoutMs milliseconds.
    void start(QNetworkReply* reply, int timeoutMs, AnswerReader reader);
    // Ends with error(code) from the event loop, so that the caller can connect first.
    void failLater(QNetworkReply::NetworkError code);
    // Cancels the request: it ends without a signal.
    void abort();

signals:
    void error(QNetworkReply::NetworkError error, QByteArray errorData);
    void finished(QJsonValue result);

private:
    void onReplyFinished();
    void onTimeout();
    void fail(QNetworkReply::NetworkError code, const QByteArray& body);
    // Stops following the reply; true when the request had not ended yet.
    bool end();

    QNetworkReply* m_reply = nullptr;
    QTimer* m_timer = nullptr;
    AnswerReader m_reader;
    bool m_ended = false;
};

} // namespace network
