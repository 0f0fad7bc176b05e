#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QIODevice;

namespace devicesim {

class SimulatedDevice;

// The device side of the serial programming link (docs/serial-protocol.md) for a simulated time
// switch: reads request frames from a byte stream and answers them on the same stream. The
// device's fault applies to the serial frames it receives, counted from 1.
class SerialFrontEnd : public QObject {
    Q_OBJECT

public:
    SerialFrontEnd(SimulatedDevice* device, QIODevice* line, QObject* parent = nullptr);

    bool ledOn() const { return m_ledOn; }
    int framesReceived() const { return m_frames; }
    // Paces the line as a real one at that rate (ten bits a byte, both directions); 0, the
    // default, answers at memory speed.
    void setBaudRate(int baud) { m_baud = baud; }

signals:
    // A commit was taken: the memory changed for good.
    void committed();

private:
    void readLine();
    void answer(quint8 code, const QByteArray& payload);
    QByteArray carryOut(quint8 code, const QByteArray& payload);
    QByteArray identify() const;
    QByteArray read(const QByteArray& payload) const;
    QByteArray write(const QByteArray& payload);
    QByteArray commit(const QByteArray& payload);
    bool acceptsLanguage() const;
    void send(const QByteArray& frame);

    QPointer<SimulatedDevice> m_device;
    QPointer<QIODevice> m_line;
    QByteArray m_buffer;
    int m_frames = 0;
    bool m_ledOn = false;
    int m_baud = 0;
    qsizetype m_requestBytes = 0;
    QElapsedTimer m_clock;
    qint64 m_lineFreeAtUs = 0;
};

} // namespace devicesim
