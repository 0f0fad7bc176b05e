#pragma once

#include <QByteArray>
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
};

} // namespace devicesim
