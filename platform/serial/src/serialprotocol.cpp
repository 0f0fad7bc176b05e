#include "serial/serialprotocol.h"

#include "portlocator.h"
#include "seriallogging.h"
#include "serialframe.h"

#include <devices/deviceservice.h>
#include <devices/eepromconfiguration.h>
#include <devices/eepromservice.h>
#include <devices/eepromutils.h>

#include <QSerialPort>

namespace serial {

namespace {

using devices::EepromUtils;

// Request codes of docs/serial-protocol.md.
constexpr quint8 Identify = 0x01;
constexpr quint8 LedOn = 0x02;
constexpr quint8 LedOff = 0x03;
constexpr quint8 Read = 0x04;
constexpr quint8 Write = 0x05;
constexpr quint8 Commit = 0x06;

constexpr int ProtocolVersion = 1;
constexpr int IdentifySize = 5;
constexpr int Chunk = 128;
constexpr quint8 ProjectKind = 0;
constexpr quint8 LanguageKind = 1;
constexpr int BaudRate = 115200;

// The identification bytes 5 to 9 of docs/memory-image.md.
constexpr int MarkByte = 5;
constexpr int ModelByte = 8;
constexpr quint8 EmptyMark = 0xFF;
constexpr quint8 LanguageMark = 0x81;

QByteArray u16(int value)
{
    QByteArray bytes(2, '\0');
    EepromUtils::writeUInt(bytes, 0, quint32(value), 2);
    return bytes;
}

int readU16(const QByteArray& bytes, int pos)
{
    return int(EepromUtils::readUInt(bytes, pos, 2));
}

SerialProtocol::SerialError noPayload(const QByteArray& payload)
{
    return payload.isEmpty() ? SerialProtocol::NoError : SerialProtocol::BadBehaviorError;
}

bool marked(const QByteArray& image, quint8 mark)
{
    return quint8(image.at(MarkByte)) == mark && quint8(image.at(MarkByte + 1)) == mark;
}

devices::Device model(int ot2)
{
    return devices::DeviceService::hasInstance() ? devices::DeviceService::instance().deviceByOt2Number(ot2)
                                                 : devices::Device();
}

} // namespace

SerialProtocol::SerialProtocol(QObject* parent)
    : QObject(parent)
{
    m_replyTimer.setSingleShot(true);
    m_replyTimer.setInterval(ReplyTimeoutMs);
    connect(&m_replyTimer, &QTimer::timeout, this, &SerialProtocol::replyTimedOut);
}

SerialProtocol::~SerialProtocol()
{
    m_replyTimer.stop();
    if (m_line)
        m_line->disconnect(this);
}

void SerialProtocol::setPortOverride(const QString& portName)
{
    if (m_portOverride == portName)
        return;
    m_portOverride = portName;
    emit adapterPresentChanged();
}

void SerialProtocol::setDevice(QIODevice* line)
{
    m_injected = line;
    emit adapterPresentChanged();
}

bool SerialProtocol::adapterPresent() const
{
    return m_injected || !PortLocator::portName(m_portOverride).isEmpty();
}

void SerialProtocol::readProgramAsync()
{
    start(ReadProgram, {});
}

void SerialProtocol::writeProgramAsync(const QByteArray& bytes)
{
    start(WriteProgram, bytes);
}

void SerialProtocol::writeDataAsync(const QByteArray& bytes)
{
    start(WriteLanguage, bytes);
}

void SerialProtocol::abortOperation()
{
    if (busy())
        fail(OperationAborted);
}

void SerialProtocol::start(Operation operation, const QByteArray& bytes)
{
    if (busy()) {
        qCWarning(serialLog) << "A serial operation is running; the new one is refused";
        emit operationRefused();
        return;
    }
    m_operation = operation;
    m_writesInPlace = m_programLost = false;
    m_data = bytes;
    m_ot2 = 0;
    m_steps = m_stepsDone = 0;
    m_requests.clear();
    m_buffer.clear();
    setProgress(0);
    emit busyChanged(true);
    // An empty image is what the memory service gives for a project it refused: nothing is sent.
    if (operation != ReadProgram && bytes.size() <= ModelByte) {
        fail(EmptyDataError);
        return;
    }
    if (!openLine())
        return;
    request(Identify, {}, BadBehaviorError, [this](const QByteArray& payload) {
        if (payload.size() != IdentifySize || quint8(payload.at(0)) != ProtocolVersion)
            return BadBehaviorError;
        return identified(readU16(payload, 1), readU16(payload, 3));
    });
    sendNext();
}

bool SerialProtocol::openLine()
{
    if (m_injected) {
        m_line = m_injected;
        m_ownLine = false;
    } else {
        const QString name = PortLocator::portName(m_portOverride);
        if (name.isEmpty()) {
            qCWarning(serialLog) << "No serial programming adapter found";
            fail(PortFindingError);
            return false;
        }
        auto* port = new QSerialPort(name, this);
        port->setBaudRate(BaudRate);
        port->setDataBits(QSerialPort::Data8);
        port->setParity(QSerialPort::NoParity);
        port->setStopBits(QSerialPort::OneStop);
        port->setFlowControl(QSerialPort::NoFlowControl);
        if (!port->open(QIODevice::ReadWrite)) {
            qCWarning(serialLog).noquote() << "Cannot open the serial port" << name << ":" << port->errorString();
            delete port;
            fail(PortOpeningError);
            return false;
        }
        port->clear(); // replies a device sent to an earlier program
        m_line = port;
        m_ownLine = true;
    }
    connect(m_line, &QIODevice::readyRead, this, &SerialProtocol::readLine);
    return true;
}

void SerialProtocol::closeLine()
{
    if (!m_line)
        return;
    m_line->disconnect(this);
    if (m_ownLine) {
        m_line->close();
        m_line->deleteLater(); // we may be inside its readyRead
    }
    m_line = nullptr;
}

void SerialProtocol::request(quint8 code, const QByteArray& payload, SerialError refusal,
                             std::function<SerialError(const QByteArray&)> take, bool step)
{
    m_requests.enqueue({code, payload, refusal, std::move(take), step});
    if (step)
        ++m_steps;
}

void SerialProtocol::sendNext()
{
    if (m_requests.isEmpty()) {
        finish();
        return;
    }
    m_current = m_requests.dequeue();
    m_waiting = true;
    m_line->write(SerialFrame::make(m_current.code, m_current.payload));
    m_replyTimer.start();
}

void SerialProtocol::readLine()
{
    if (!m_line)
        return;
    m_buffer.append(m_line->readAll());
    while (m_waiting) {
        const auto frame = SerialFrame::take(m_buffer);
        if (!frame)
            return;
        m_waiting = false;
        m_replyTimer.stop();
        const Request current = std::move(m_current);
        const auto& [code, payload] = *frame;
        if (code == SerialFrame::Error && payload.size() == 2 && quint8(payload.at(0)) == current.code) {
            qCWarning(serialLog) << "The device refused request" << current.code << "with error" << int(quint8(payload.at(1)));
            fail(current.refusal);
            return;
        }
        if (code != (current.code | SerialFrame::ReplyFlag)) {
            qCWarning(serialLog) << "Unexpected reply" << code << "to request" << current.code;
            fail(BadBehaviorError);
            return;
        }
        if (const SerialError error = current.take(payload); error != NoError) {
            fail(error);
            return;
        }
        if (current.step) {
            const Operation operation = m_operation;
            ++m_stepsDone;
            setProgress(m_stepsDone * 100.0 / m_steps);
            if (m_operation != operation || !m_line) // aborted by a listener
                return;
        }
        sendNext();
    }
    m_buffer.clear(); // nothing asked: a late reply
}

void SerialProtocol::replyTimedOut()
{
    qCWarning(serialLog) << "No reply from the device to request" << m_current.code;
    m_waiting = false;
    fail(BadBehaviorError);
}

SerialProtocol::SerialError SerialProtocol::identified(int ot2, int activeBank)
{
    qCDebug(serialLog) << "Device" << ot2 << "with its active bank at" << activeBank;
    m_ot2 = ot2;
    if (m_operation == ReadProgram && !model(ot2).isValid()) {
        qCWarning(serialLog) << "The catalogue has no model" << ot2;
        return InvalidDataError;
    }
    if (m_operation != ReadProgram && quint8(m_data.at(ModelByte)) != quint8(ot2 - 1)) {
        qCWarning(serialLog) << "The image is not one of device model" << ot2;
        return WriteError;
    }
    request(LedOn, {}, LedOnError, [this](const QByteArray& payload) {
        if (!payload.isEmpty())
            return BadBehaviorError;
        emit startProgress();
        return NoError;
    });
    queueTransfer(ot2, activeBank);
    request(LedOff, {}, LedOffError, noPayload);
    return NoError;
}

void SerialProtocol::queueTransfer(int ot2, int activeBank)
{
    if (m_operation == ReadProgram) {
        devices::EepromConfiguration layout;
        layout.init(model(ot2));
        queueRead(activeBank, layout.eepromSize());
        return;
    }
    if (m_operation == WriteLanguage) {
        queueWrite(0);
        request(Commit, QByteArray(1, char(LanguageKind)) + u16(0), WriteError, noPayload);
        return;
    }
    devices::EepromConfiguration layout;
    const bool twoBanks = layout.init(model(ot2)) && layout.bankCount() > 1;
    m_writesInPlace = !twoBanks;
    const int target = twoBanks && activeBank == layout.bankAddress(0) ? layout.bankAddress(1) : 0;
    queueWrite(target);
    request(Commit, QByteArray(1, char(ProjectKind)) + u16(target), WriteError, noPayload);
}

void SerialProtocol::queueRead(int start, int size)
{
    m_data.clear();
    m_data.reserve(size);
    for (int offset = 0; offset < size; offset += Chunk) {
        const int address = start + offset;
        const int count = qMin(Chunk, size - offset);
        request(Read, u16(address) + char(count), ReadError, [this, offset, address, count](const QByteArray& payload) {
            if (payload.size() != count + 2 || readU16(payload, 0) != address)
                return BadBehaviorError;
            m_data.append(payload.mid(2));
            if (offset == 0 && (marked(m_data, EmptyMark) || marked(m_data, LanguageMark)))
                skipRemainingReads();
            return NoError;
        }, true);
    }
}

// The first block shows an empty or language memory: the rest would be read only to be refused.
// The LED still goes off, and the refusal comes when the read completes.
void SerialProtocol::skipRemainingReads()
{
    const qsizetype before = m_requests.size();
    m_requests.removeIf([](const Request& request) { return request.code == Read; });
    m_steps -= int(before - m_requests.size());
}

void SerialProtocol::queueWrite(int start)
{
    for (int offset = 0; offset < m_data.size(); offset += Chunk) {
        const int address = start + offset;
        request(Write, u16(address) + m_data.mid(offset, Chunk), WriteError, [this, address](const QByteArray& payload) {
            // The device has overwritten part of its only program.
            m_programLost = m_programLost || m_writesInPlace;
            return payload.size() == 2 && readU16(payload, 0) == address ? NoError : BadBehaviorError;
        }, true);
    }
}

void SerialProtocol::finish()
{
    if (m_operation == ReadProgram) {
        completeRead();
        return;
    }
    m_programLost = false;
    end();
    emit operationFinished();
}

// The image is looked at before anything opens it, so that a refused one leaves the open
// project alone.
void SerialProtocol::completeRead()
{
    const QByteArray image = m_data;
    const int ot2 = m_ot2;
    if (marked(image, EmptyMark)) {
        fail(ReadErrorEmpty);
        return;
    }
    if (marked(image, LanguageMark)) {
        fail(ReadErrorLanguage);
        return;
    }
    devices::EepromService memory;
    if (!memory.bytesToOt2(image, ot2).isValid()) {
        qCWarning(serialLog).noquote() << "The image read is refused:" << memory.errorString();
        fail(InvalidDataError);
        return;
    }
    end();
    emit openProject(image, ot2);
    emit operationFinished();
}

void SerialProtocol::fail(SerialError error)
{
    end();
    emit operationError(error);
}

void SerialProtocol::end()
{
    m_replyTimer.stop();
    m_waiting = false;
    m_requests.clear();
    closeLine();
    const bool wasBusy = busy();
    m_operation = None;
    if (wasBusy)
        emit busyChanged(false);
}

void SerialProtocol::setProgress(double progress)
{
    if (m_progress == progress)
        return;
    m_progress = progress;
    emit progressChanged(progress);
}

} // namespace serial
