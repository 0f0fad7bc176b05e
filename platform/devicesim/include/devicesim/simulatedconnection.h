#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QTimer>

namespace devicesim {

class SimulatedDevice;

// The link to a simulated device. Connection events follow each other at the device's
// connection interval; each event carries at most one packet from the central to the device and
// one back, and the device answers within the event that brought its request, so one exchange
// takes one interval. With an interval of 0 events follow as fast as the event loop turns.
class SimulatedConnection : public QObject {
    Q_OBJECT

public:
    explicit SimulatedConnection(SimulatedDevice* device, QObject* parent = nullptr);
    ~SimulatedConnection() override;

    bool isOpen() const { return m_open; }
    SimulatedDevice* device() const { return m_device; }
    // The largest packet either side sends.
    int packetSize() const;

    // A packet from the central, delivered at the next connection event.
    void send(const QByteArray& packet);
    // The central ends the link; nothing more is delivered.
    void close();

signals:
    // A packet for the central.
    void packetReceived(const QByteArray& packet);
    // The device ended the link.
    void closed();

private:
    struct Outgoing {
        QByteArray packet;
        qint64 due = 0; // nanoseconds on the connection's clock
    };

    void scheduleEvent();
    void connectionEvent();
    void receivePacket(const QByteArray& packet);
    void receiveFrame(const QByteArray& frame);
    void queueReply(const QByteArray& frame, qint64 due);
    qint64 interval() const;

    QPointer<SimulatedDevice> m_device;
    bool m_open = true;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastEvent = -1;
    QQueue<QByteArray> m_toDevice;
    QList<Outgoing> m_toCentral;
    QByteArray m_assembling;
    int m_frames = 0;
};

} // namespace devicesim
