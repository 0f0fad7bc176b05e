#include "devicesim/serialfrontend.h"

#include "devicesim/simulateddevice.h"
#include "devicesimlogging.h"
#include "imagecheck.h"
#include "littleendian.h"
#include "serialframe.h"

#include <QIODevice>
#include <QTimer>

#include <algorithm>

namespace devicesim {

namespace {

// Request codes of docs/serial-protocol.md.
constexpr quint8 Identify = 0x01;
constexpr quint8 LedOn = 0x02;
constexpr quint8 LedOff = 0x03;
constexpr quint8 Read = 0x04;
constexpr quint8 Write = 0x05;
constexpr quint8 Commit = 0x06;

constexpr int ProtocolVersion = 1;
constexpr int MaxData = 128;
constexpr int ProjectKind = 0;
constexpr int LanguageKind = 1;
constexpr quint8 LanguageMark = 0x81;

} // namespace

SerialFrontEnd::SerialFrontEnd(SimulatedDevice* device, QIODevice* line, QObject* parent)
    : QObject(parent)
    , m_device(device)
    , m_line(line)
{
    connect(line, &QIODevice::readyRead, this, &SerialFrontEnd::readLine);
}

void SerialFrontEnd::readLine()
{
    if (!m_line || !m_device)
        return;
    const QByteArray bytes = m_line->readAll();
    m_requestBytes += bytes.size();
    m_buffer.append(bytes);
    while (auto frame = SerialFrame::take(m_buffer))
        answer(frame->first, frame->second);
}

void SerialFrontEnd::answer(quint8 code, const QByteArray& payload)
{
    ++m_frames;
    switch (m_device->fault().at(m_frames)) {
    case Fault::DroppedReply:
    case Fault::Disconnect:
        return;
    case Fault::ErrorReply:
    case Fault::Nak:
        send(SerialFrame::error(code, SerialFrame::Busy));
        return;
    case Fault::MalformedReply: {
        QByteArray reply = carryOut(code, payload);
        reply.back() = char(reply.back() ^ 0x5A);
        send(reply);
        return;
    }
    case Fault::LateReply: {
        const QByteArray reply = carryOut(code, payload);
        QTimer::singleShot(m_device->lateReplyDelay(), this, [this, reply] { send(reply); });
        return;
    }
    case Fault::ShortReply:
    case Fault::LongReply: {
        const QByteArray reply = carryOut(code, payload);
        QByteArray body = reply.mid(3, reply.size() - 4);
        if (m_device->fault().kind == Fault::ShortReply)
            body.chop(1);
        else
            body.append('\0');
        send(SerialFrame::make(quint8(reply.at(1)), body));
        return;
    }
    case Fault::None:
        break;
    }
    send(carryOut(code, payload));
}

QByteArray SerialFrontEnd::carryOut(quint8 code, const QByteArray& payload)
{
    const quint8 reply = code | SerialFrame::ReplyFlag;
    switch (code) {
    case Identify:
        return payload.isEmpty() ? SerialFrame::make(reply, identify()) : SerialFrame::error(code, SerialFrame::BadParameter);
    case LedOn:
    case LedOff:
        if (!payload.isEmpty())
            return SerialFrame::error(code, SerialFrame::BadParameter);
        m_ledOn = code == LedOn;
        return SerialFrame::make(reply);
    case Read:
        return read(payload);
    case Write:
        return write(payload);
    case Commit:
        return commit(payload);
    default:
        return SerialFrame::error(code, SerialFrame::UnknownCode);
    }
}

QByteArray SerialFrontEnd::identify() const
{
    return QByteArray(1, char(ProtocolVersion)) + u16(m_device->model().ot2Number()) + u16(m_device->activeBankAddress());
}

QByteArray SerialFrontEnd::read(const QByteArray& payload) const
{
    if (payload.size() != 3)
        return SerialFrame::error(Read, SerialFrame::BadParameter);
    const int address = readU16(payload, 0);
    const int count = quint8(payload.at(2));
    if (count < 1 || count > MaxData)
        return SerialFrame::error(Read, SerialFrame::BadParameter);
    if (address + count > m_device->memory().size())
        return SerialFrame::error(Read, SerialFrame::OutOfRange);
    return SerialFrame::make(Read | SerialFrame::ReplyFlag, u16(address) + m_device->memory().mid(address, count));
}

QByteArray SerialFrontEnd::write(const QByteArray& payload)
{
    if (payload.size() < 3 || payload.size() - 2 > MaxData)
        return SerialFrame::error(Write, SerialFrame::BadParameter);
    const int address = readU16(payload, 0);
    const QByteArray data = payload.mid(2);
    if (address + data.size() > m_device->memory().size())
        return SerialFrame::error(Write, SerialFrame::OutOfRange);
    m_device->setMemory(address, data);
    return SerialFrame::make(Write | SerialFrame::ReplyFlag, u16(address));
}

QByteArray SerialFrontEnd::commit(const QByteArray& payload)
{
    if (payload.size() != 3)
        return SerialFrame::error(Commit, SerialFrame::BadParameter);
    const int kind = quint8(payload.at(0));
    const int address = readU16(payload, 1);
    const devices::EepromConfiguration& layout = m_device->layout();
    if (kind == LanguageKind) {
        if (address != 0)
            return SerialFrame::error(Commit, SerialFrame::BadParameter);
        if (!acceptsLanguage())
            return SerialFrame::error(Commit, SerialFrame::ImageRefused);
        m_device->setActiveBank(0);
    } else if (kind == ProjectKind) {
        int bank = 0;
        while (bank < layout.bankCount() && layout.bankAddress(bank) != address)
            ++bank;
        if (bank == layout.bankCount())
            return SerialFrame::error(Commit, SerialFrame::BadParameter);
        if (!ImageCheck::accepts(m_device->memory().mid(address, layout.eepromSize()), layout)) {
            qCDebug(devicesimLog) << "Serial commit refused at" << address;
            return SerialFrame::error(Commit, SerialFrame::ImageRefused);
        }
        m_device->setActiveBank(bank);
    } else {
        return SerialFrame::error(Commit, SerialFrame::BadParameter);
    }
    emit committed();
    return SerialFrame::make(Commit | SerialFrame::ReplyFlag);
}

bool SerialFrontEnd::acceptsLanguage() const
{
    const QByteArray memory = m_device->memory();
    const devices::Device& model = m_device->model();
    quint8 sum = 0;
    for (int i = 5; i <= 8; ++i)
        sum = quint8(sum + quint8(memory.at(i)));
    return quint8(memory.at(5)) == LanguageMark && quint8(memory.at(6)) == LanguageMark
        && quint8(memory.at(7)) == model.eepromVersion() && quint8(memory.at(8)) == quint8(model.ot2Number() - 1)
        && quint8(memory.at(9)) == quint8(~sum);
}

void SerialFrontEnd::send(const QByteArray& frame)
{
    const auto write = [this, frame] {
        if (m_line && m_line->isOpen())
            m_line->write(frame);
    };
    if (m_baud <= 0) {
        write();
        return;
    }
    // The request came in at the line's rate, and the reply goes out at it, after what is still
    // on its way.
    if (!m_clock.isValid())
        m_clock.start();
    const qint64 now = m_clock.nsecsElapsed() / 1000;
    const qint64 bits = 10 * (m_requestBytes + frame.size());
    m_requestBytes = 0;
    m_lineFreeAtUs = std::max(now, m_lineFreeAtUs) + bits * 1000000 / m_baud;
    QTimer::singleShot(int((m_lineFreeAtUs - now + 999) / 1000), Qt::PreciseTimer, this, write);
}

} // namespace devicesim
