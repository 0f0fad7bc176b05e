#include "devicesim/simulatedconnection.h"

#include "deviceframe.h"
#include "devicesim/simulateddevice.h"
#include "devicesimlogging.h"

#include <chrono>

namespace devicesim {

namespace {

constexpr qint64 NanosecondsPerMillisecond = 1000000;

// A reply altered as the fault asks; empty when it is lost.
QByteArray altered(const QByteArray& frame, Fault::Kind fault)
{
    switch (fault) {
    case Fault::ShortReply:
        if (frame.size() > DeviceFrame::Overhead)
            return DeviceFrame::withPayload(frame, DeviceFrame::payload(frame).chopped(1));
        return frame.chopped(1);
    case Fault::LongReply:
        return DeviceFrame::withPayload(frame, DeviceFrame::payload(frame) + '\0');
    case Fault::MalformedReply: {
        QByteArray broken = frame;
        broken.back() = char(broken.back() ^ 0x5A);
        return broken;
    }
    case Fault::DroppedReply:
    case Fault::Disconnect:
        return {};
    default:
        return frame;
    }
}

} // namespace

SimulatedConnection::SimulatedConnection(SimulatedDevice* device, QObject* parent)
    : QObject(parent)
    , m_device(device)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SimulatedConnection::connectionEvent);
    m_clock.start();
    if (device)
        device->pairing().beginSession();
}

SimulatedConnection::~SimulatedConnection() = default;

int SimulatedConnection::packetSize() const
{
    return m_device ? m_device->packetLimit() : 0;
}

qint64 SimulatedConnection::interval() const
{
    return m_device ? std::chrono::nanoseconds(m_device->connectionInterval()).count() : 0;
}

void SimulatedConnection::send(const QByteArray& packet)
{
    if (!m_open)
        return;
    m_toDevice.enqueue(packet);
    scheduleEvent();
}

void SimulatedConnection::close()
{
    m_open = false;
    m_timer.stop();
    m_toDevice.clear();
    m_toCentral.clear();
}

void SimulatedConnection::scheduleEvent()
{
    if (!m_open || (m_toDevice.isEmpty() && m_toCentral.isEmpty()))
        return;
    const qint64 now = m_clock.nsecsElapsed();
    qint64 earliest = now;
    if (m_toDevice.isEmpty()) {
        earliest = m_toCentral.first().due;
        for (const Outgoing& out : std::as_const(m_toCentral))
            earliest = qMin(earliest, out.due);
    }
    const qint64 step = interval();
    qint64 next = qMax(earliest, now);
    if (step > 0) {
        // Events lie on a fixed grid, so rounding a timer to milliseconds never adds up.
        if (m_lastEvent >= 0)
            next = qMax(next, m_lastEvent + step);
        next = (next + step - 1) / step * step;
    }
    const int wait = int((next - now + NanosecondsPerMillisecond - 1) / NanosecondsPerMillisecond);
    // A packet from the central must not wait behind a late reply.
    if (m_timer.isActive() && m_timer.remainingTime() <= wait)
        return;
    m_timer.start(wait);
}

void SimulatedConnection::connectionEvent()
{
    const QPointer<SimulatedConnection> self(this);
    const qint64 now = m_clock.nsecsElapsed();
    const qint64 step = interval();
    m_lastEvent = step > 0 ? now / step * step : now;
    if (!m_toDevice.isEmpty())
        receivePacket(m_toDevice.dequeue());
    if (!self || !m_open)
        return;
    // The reply to the packet just taken goes out in the same event.
    const qint64 replyTime = m_clock.nsecsElapsed();
    for (qsizetype i = 0; i < m_toCentral.size(); ++i) {
        if (m_toCentral.at(i).due <= replyTime) {
            const QByteArray packet = m_toCentral.takeAt(i).packet;
            emit packetReceived(packet);
            if (!self)
                return;
            break;
        }
    }
    scheduleEvent();
}

void SimulatedConnection::receivePacket(const QByteArray& packet)
{
    m_assembling += packet;
    if (m_assembling.isEmpty())
        return;
    const int length = quint8(m_assembling.at(0));
    if (length < DeviceFrame::Overhead) {
        m_assembling.clear();
        queueReply(DeviceFrame::nak(), m_clock.nsecsElapsed());
        return;
    }
    if (m_assembling.size() < length)
        return;
    // A packet never carries the start of the next frame: what lies beyond is garbage.
    const QByteArray frame = m_assembling.size() == length ? m_assembling : QByteArray();
    m_assembling.clear();
    if (frame.isEmpty())
        queueReply(DeviceFrame::nak(), m_clock.nsecsElapsed());
    else
        receiveFrame(frame);
}

void SimulatedConnection::receiveFrame(const QByteArray& frame)
{
    if (!m_device)
        return;
    const Fault::Kind fault = m_device->fault().at(++m_frames);
    const QByteArray reply = altered(m_device->handleFrame(frame, fault), fault);
    if (fault == Fault::Disconnect) {
        qCDebug(devicesimLog) << "The device drops the link after frame" << m_frames;
        close();
        emit closed();
        return;
    }
    qint64 due = m_clock.nsecsElapsed();
    if (fault == Fault::LateReply)
        due += std::chrono::nanoseconds(m_device->lateReplyDelay()).count();
    queueReply(reply, due);
}

void SimulatedConnection::queueReply(const QByteArray& frame, qint64 due)
{
    const int size = qMax(1, packetSize());
    for (qsizetype pos = 0; pos < frame.size(); pos += size)
        m_toCentral.append({frame.mid(pos, size), due});
}

} // namespace devicesim
