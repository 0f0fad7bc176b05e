#include "httpstestserver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const char Python[] = "/usr/bin/python3";

QString servedFolder(const QTemporaryDir& folder)
{
    return folder.filePath(QStringLiteral("served"));
}

QString logPath(const QTemporaryDir& folder)
{
    return folder.filePath(QStringLiteral("requests.log"));
}

} // namespace

HttpsTestServer::~HttpsTestServer()
{
    stop();
}

bool HttpsTestServer::start(const QString& certificate, const QString& key, const QString& truncatedName)
{
    if (!m_folder.isValid() || !QDir(m_folder.path()).mkpath(QStringLiteral("served"))) {
        m_error = QStringLiteral("the server's folder cannot be made");
        return false;
    }
    QStringList arguments{QStringLiteral(HTTPS_SERVER_SCRIPT), certificate, key, servedFolder(m_folder)};
    if (!truncatedName.isEmpty())
        arguments << truncatedName;
    m_process.setStandardErrorFile(logPath(m_folder));
    m_process.start(QString::fromLatin1(Python), arguments);
    if (!m_process.waitForStarted(10000) || !m_process.waitForReadyRead(20000)) {
        m_error = QStringLiteral("%1 did not start: %2").arg(QString::fromLatin1(Python), m_process.errorString());
        return false;
    }
    m_port = m_process.readLine().trimmed().toUShort();
    if (!m_port) {
        m_error = QStringLiteral("the server told no port");
        return false;
    }
    return true;
}

void HttpsTestServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    // A static file server has nothing to finish.
    m_process.kill();
    m_process.waitForFinished(10000);
}

QString HttpsTestServer::url(const QString& path) const
{
    return QStringLiteral("https://127.0.0.1:%1/%2").arg(m_port).arg(path);
}

bool HttpsTestServer::addFile(const QString& relativePath, const QByteArray& content) const
{
    const QString target = QDir(servedFolder(m_folder)).filePath(relativePath);
    QFile file(target);
    return QDir().mkpath(QFileInfo(target).path()) && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

QStringList HttpsTestServer::requests() const
{
    QFile log(logPath(m_folder));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression request(QStringLiteral("\"GET (\\S+) HTTP/[0-9.]+\""));
    QStringList paths;
    for (const QByteArray& line : log.readAll().split('\n')) {
        const QRegularExpressionMatch match = request.match(QString::fromUtf8(line));
        if (match.hasMatch())
            paths << match.captured(1);
    }
    return paths;
}
