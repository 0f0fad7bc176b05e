#pragma once

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// tarvino-devicesim in a process of its own, serving one simulated device on a pseudo-terminal
// whose memory lies in a file of a temporary folder.
class DeviceSimProcess {
public:
    explicit DeviceSimProcess(int ot2, const QStringList& options = {}, const QByteArray& memory = {})
    {
        m_memoryPath = m_folder.filePath(QStringLiteral("device.mem"));
        if (!memory.isEmpty()) {
            QFile file(m_memoryPath);
            if (file.open(QIODevice::WriteOnly))
                file.write(memory);
        }
        m_process.setProgram(QStringLiteral(TARVINO_DEVICESIM));
        m_process.setArguments(QStringList{QStringLiteral("--model"), QString::number(ot2), QStringLiteral("--memory"),
                                           m_memoryPath}
                               + options);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (m_process.waitForStarted()) {
            while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
            }
            m_port = QString::fromLocal8Bit(m_process.readLine().trimmed());
        }
    }

    ~DeviceSimProcess()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
        m_process.waitForFinished();
    }

    // The slave's name, empty when the program did not start.
    QString port() const { return m_port; }

    // The device's memory as it last committed it.
    QByteArray memory() const
    {
        QFile file(m_memoryPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool hasCommitted() const { return QFile::exists(m_memoryPath); }

private:
    QTemporaryDir m_folder;
    QString m_memoryPath;
    QProcess m_process;
    QString m_port;
};
