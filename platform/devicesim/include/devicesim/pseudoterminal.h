#pragma once

#include <QIODevice>
#include <QString>

class QSocketNotifier;

namespace devicesim {

// The master side of a pseudo-terminal as a byte stream; a serial port opens the slave side by
// its name. The slave stays open here as well, so that the master keeps working while no
// program holds the port.
class PseudoTerminal : public QIODevice {
    Q_OBJECT

public:
    explicit PseudoTerminal(QObject* parent = nullptr);
    ~PseudoTerminal() override;

    // Opens a new pseudo-terminal (raw, no echo); false with errorString() when none is left.
    bool open(OpenMode mode = ReadWrite) override;
    void close() override;
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

    QString slaveName() const { return m_slaveName; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slaveName;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace devicesim
