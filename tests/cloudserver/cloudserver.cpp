#include "cloudserver.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace {
constexpr int WaitMs = 30000;
}

CloudServer::CloudServer() = default;

CloudServer::~CloudServer()
{
    stop();
}

bool CloudServer::makeCertificate()
{
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                   QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-keyout"), m_folder.filePath(QStringLiteral("key.pem")), QStringLiteral("-out"),
                   m_folder.filePath(QStringLiteral("cert.pem")), QStringLiteral("-days"), QStringLiteral("2"),
                   QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=IP:127.0.0.1")});
    if (!openssl.waitForFinished(WaitMs) || openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0) {
        m_error = QStringLiteral("openssl req failed: ") + QString::fromLocal8Bit(openssl.readAll())
                  + openssl.errorString();
        return false;
    }
    return true;
}

bool CloudServer::start()
{
    if (!m_folder.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return false;
    }
    // A restarted server keeps its certificate, so a trusted authority stays trusted.
    if (!QFile::exists(m_folder.filePath(QStringLiteral("cert.pem"))) && !makeCertificate())
        return false;
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("python3"),
                    {QStringLiteral(TARVINO_CLOUD_SERVER), m_folder.filePath(QStringLiteral("cert.pem")),
                     m_folder.filePath(QStringLiteral("key.pem"))});
    const QByteArray first = readLine();
    if (!first.startsWith("port ")) {
        m_error = QStringLiteral("the cloud server did not start: ") + m_process.errorString();
        stop();
        return false;
    }
    m_port = first.mid(5).trimmed().toInt();
    return m_port > 0;
}

void CloudServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(WaitMs);
    // Nothing of this run may be read as an answer of the next.
    m_process.readAll();
}

QString CloudServer::address() const
{
    return QStringLiteral("127.0.0.1:%1/app").arg(m_port);
}

QList<QSslCertificate> CloudServer::certificateAuthority() const
{
    return QSslCertificate::fromPath(m_folder.filePath(QStringLiteral("cert.pem")));
}

QByteArray CloudServer::readLine()
{
    while (!m_process.canReadLine()) {
        if (m_process.state() == QProcess::NotRunning || !m_process.waitForReadyRead(WaitMs))
            return {};
    }
    return m_process.readLine();
}

QJsonObject CloudServer::command(const QJsonObject& command)
{
    if (m_process.state() != QProcess::Running)
        return {};
    m_process.write(QJsonDocument(command).toJson(QJsonDocument::Compact) + '\n');
    return QJsonDocument::fromJson(readLine()).object();
}

bool CloudServer::reset()
{
    return command({{QStringLiteral("reset"), true}}).value(QLatin1String("ok")).toBool();
}

bool CloudServer::set(const QJsonObject& changes)
{
    return command({{QStringLiteral("set"), changes}}).value(QLatin1String("ok")).toBool();
}

bool CloudServer::script(const QString& endpoint, int status, const QString& body, double delaySeconds)
{
    QJsonObject answer{{QStringLiteral("delay"), delaySeconds}};
    if (status > 0) {
        answer.insert(QStringLiteral("status"), status);
        answer.insert(QStringLiteral("body"), body);
    }
    return set({{QStringLiteral("scripts"), QJsonObject{{endpoint, answer}}}});
}

QJsonObject CloudServer::state()
{
    return command({{QStringLiteral("state"), true}});
}

int CloudServer::requestCount(const QString& endpoint)
{
    return int(state().value(QLatin1String("requests")).toArray().toVariantList().count(endpoint));
}

int CloudServer::answerCount(const QString& endpoint)
{
    return int(state().value(QLatin1String("answered")).toArray().toVariantList().count(endpoint));
}
