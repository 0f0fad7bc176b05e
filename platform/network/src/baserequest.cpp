#include "baserequest.h"

#include "networklogging.h"

#include <QTimer>

namespace network {

BaseRequest::BaseRequest(QObject* parent)
    : QObject(parent)
{
}

// A reply still running when the request goes is cancelled by its own destruction.
BaseRequest::~BaseRequest() = default;

void BaseRequest::start(QNetworkReply* reply, int timeoutMs, AnswerReader reader)
{
    m_reply = reply;
    m_reply->setParent(this);
    m_reader = std::move(reader);
    connect(m_reply, &QNetworkReply::finished, this, &BaseRequest::onReplyFinished);
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &BaseRequest::onTimeout);
    m_timer->start(timeoutMs);
}

void BaseRequest::failLater(QNetworkReply::NetworkError code)
{
    QMetaObject::invokeMethod(
        this, [this, code] { fail(code, {}); }, Qt::QueuedConnection);
}

void BaseRequest::abort()
{
    if (end())
        qCDebug(networkLog) << ">> Cloud request cancelled";
}

bool BaseRequest::end()
{
    if (m_ended)
        return false;
    m_ended = true;
    if (m_timer)
        m_timer->stop();
    if (m_reply) {
        disconnect(m_reply, nullptr, this, nullptr);
        if (m_reply->isRunning())
            m_reply->abort();
    }
    deleteLater();
    return true;
}

void BaseRequest::onReplyFinished()
{
    const QNetworkReply::NetworkError code = m_reply->error();
    const QByteArray body = m_reply->readAll();
    if (code != QNetworkReply::NoError) {
        qCWarning(networkLog).noquote() << ">> Cloud request" << m_reply->url().path() << "failed:" << code
                                        << m_reply->errorString();
        fail(code, body);
        return;
    }
    // The reader may start the next request; this one counts as ended before it runs.
    const AnswerReader reader = m_reader;
    if (!end())
        return;
    if (!reader(body)) {
        qCWarning(networkLog).noquote() << ">> Cloud request" << m_reply->url().path() << "got an unusable answer";
        emit error(QNetworkReply::ProtocolFailure, body);
        return;
    }
    emit finished(QJsonValue(QString::fromUtf8(body)));
}

void BaseRequest::onTimeout()
{
    qCWarning(networkLog).noquote() << ">> Cloud request" << m_reply->url().path() << "timed out";
    fail(QNetworkReply::TimeoutError, {});
}

void BaseRequest::fail(QNetworkReply::NetworkError code, const QByteArray& body)
{
    if (end())
        emit error(code, body);
}

} // namespace network
