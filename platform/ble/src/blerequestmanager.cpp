#include "ble/blerequestmanager.h"

#include "ble/abstractblerequest.h"
#include "ble/basetelegram.h"
#include "ble/blebackend.h"
#include "ble/eepromreadrequest.h"
#include "ble/eepromwriterequest.h"
#include "ble/frame.h"
#include "blelogging.h"

#include <algorithm>

namespace ble {

namespace {

bool isTransient(int error, const QByteArray& reply)
{
    switch (error) {
    case AbstractBLERequest::Timeout:
    case AbstractBLERequest::Nak:
    case AbstractBLERequest::MalformedReply:
    case AbstractBLERequest::UnexpectedReply:
        return true;
    case AbstractBLERequest::DeviceError:
        return Frame::errorNumber(reply) == Frame::BusyError;
    default:
        return false;
    }
}

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

int transferPacketSize(int packetSize, int maxBlePacketSize)
{
    return maxBlePacketSize > 0 ? qMin(packetSize, maxBlePacketSize) : packetSize;
}

} // namespace

BLERequestManager::BLERequestManager(QObject* parent)
    : QObject(parent)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(DefaultReplyTimeout);
    connect(&m_timeout, &QTimer::timeout, this, &BLERequestManager::onTimeout);
    m_logSignal.setSingleShot(true);
    m_logSignal.setInterval(LogSignalInterval);
    connect(&m_logSignal, &QTimer::timeout, this, &BLERequestManager::debugLogChanged);
}

BLERequestManager::~BLERequestManager() = default;

void BLERequestManager::setBackend(BLEBackend* backend)
{
    if (m_backend)
        disconnect(m_backend, nullptr, this, nullptr);
    m_backend = backend;
    if (backend)
        connect(backend, &BLEBackend::packetReceived, this, &BLERequestManager::onPacket);
}

void BLERequestManager::setLinkReady(bool ready)
{
    if (ready == m_linkReady)
        return;
    m_linkReady = ready;
    if (!ready && m_current)
        end(BLERequestResponse(AbstractBLERequest::Disconnected, {}));
    schedulePump();
}

void BLERequestManager::createTelegramRequest(BaseTelegram* telegram, QObject* receiver, const char* okSlot,
                                              const char* errorSlot, bool logPackets, bool retry)
{
    enqueue(std::make_unique<TelegramRequest>(telegram, receiver, okSlot, errorSlot, false, logPackets, retry));
}

void BLERequestManager::createTelegramExtendedRequest(BaseTelegram* telegram, QObject* receiver, const char* okSlot,
                                                      const char* errorSlot, bool logPackets)
{
    enqueue(std::make_unique<TelegramRequest>(telegram, receiver, okSlot, errorSlot, true, logPackets, false));
}

void BLERequestManager::createPollRequest(BaseTelegram* telegram, QObject* receiver, const char* okSlot,
                                          const char* errorSlot)
{
    auto request = std::make_unique<TelegramRequest>(telegram, receiver, okSlot, errorSlot, false, false, true);
    request->setPoll(true);
    enqueue(std::move(request));
}

void BLERequestManager::createExtendedPollRequest(BaseTelegram* telegram, QObject* receiver, const char* okSlot,
                                                  const char* errorSlot)
{
    auto request = std::make_unique<TelegramRequest>(telegram, receiver, okSlot, errorSlot, true, false, false);
    request->setPoll(true);
    enqueue(std::move(request));
}

void BLERequestManager::createTelegramRequest(BaseTelegram* telegram, TelegramRequest::Done done,
                                              TelegramRequest::Failure error, bool logPackets, bool retry,
                                              QObject* context)
{
    enqueue(std::make_unique<TelegramRequest>(telegram, context, std::move(done), std::move(error), logPackets,
                                              retry));
}

void BLERequestManager::createEepromWriteRequest(int start, const QByteArray& bytes, int packetSize,
                                                 int maxBlePacketSize, QObject* receiver, const char* doneSlot,
                                                 bool logPackets, const char* errorSlot, const char* progressSlot,
                                                 bool retry, bool fullExport)
{
    enqueue(std::make_unique<EepromWriteRequest>(start, bytes, transferPacketSize(packetSize, maxBlePacketSize),
                                                 fullExport, receiver, doneSlot, errorSlot, progressSlot, logPackets,
                                                 retry));
}

void BLERequestManager::createEepromReadRequest(int start, int size, int packetSize, int maxBlePacketSize,
                                                QObject* receiver, const char* doneSlot, const char* errorSlot,
                                                const char* progressSlot, bool retry)
{
    enqueue(std::make_unique<EepromReadRequest>(start, size, transferPacketSize(packetSize, maxBlePacketSize),
                                                receiver, doneSlot, errorSlot, progressSlot, retry));
}

void BLERequestManager::enqueue(std::unique_ptr<AbstractBLERequest> request)
{
    m_queue.push_back(std::move(request));
    schedulePump();
}

void BLERequestManager::schedulePump()
{
    if (m_pumpScheduled)
        return;
    m_pumpScheduled = true;
    QMetaObject::invokeMethod(this, &BLERequestManager::pump, Qt::QueuedConnection);
}

void BLERequestManager::pump()
{
    m_pumpScheduled = false;
    m_retired.clear();
    while (!m_current && !m_queue.empty()) {
        std::unique_ptr<AbstractBLERequest> request = std::move(m_queue.front());
        m_queue.pop_front();
        if (!request->isAlive()) {
            qCDebug(bleLog).noquote() << "Dropped, its receiver is gone:" << request->describe();
            continue;
        }
        if (!m_linkReady || !m_backend) {
            deliver(std::move(request), BLERequestResponse(AbstractBLERequest::NotConnected, {}));
            continue;
        }
        if (!request->begin(m_backend->isAdapterLink())) {
            deliver(std::move(request), BLERequestResponse(AbstractBLERequest::InvalidRequest, {}));
            continue;
        }
        m_current = std::move(request);
        m_attempt = 0;
        if (m_current->isTransfer())
            log(QStringLiteral("Start of the %1").arg(m_current->describe()));
        send();
    }
}

void BLERequestManager::send()
{
    const QByteArray frame = m_current->frame();
    if (frame.isEmpty() || !m_backend) {
        end(BLERequestResponse(m_backend ? AbstractBLERequest::InvalidRequest : AbstractBLERequest::NotConnected, {}));
        return;
    }
    if (m_current->logsPackets())
        log(QStringLiteral(">> ") + hex(frame));
    m_assembler.reset();
    if (!m_current->isPoll())
        emit activity();
    const int size = qMax(1, m_backend->packetSize());
    for (qsizetype pos = 0; pos < frame.size(); pos += size)
        m_backend->writePacket(frame.mid(pos, size));
    m_timeout.start();
}

void BLERequestManager::onPacket(const QByteArray& packet)
{
    if (!m_current) {
        qCDebug(bleLog).noquote() << "A packet without a request is dropped:" << hex(packet);
        return;
    }
    if (!m_current->isPoll())
        emit activity();
    switch (m_assembler.append(packet)) {
    case FrameAssembler::Incomplete:
        if (m_current->isExtended())
            m_timeout.start();
        return;
    case FrameAssembler::Malformed:
        fail(AbstractBLERequest::MalformedReply, packet);
        return;
    case FrameAssembler::Complete:
        onFrame(m_assembler.frame());
        return;
    case FrameAssembler::Empty:
        return;
    }
}

void BLERequestManager::onFrame(const QByteArray& frame)
{
    AbstractBLERequest* request = m_current.get();
    if (!request->isAlive()) {
        drop(QStringLiteral("its receiver is gone"));
        return;
    }
    if (request->logsPackets())
        log(QStringLiteral("<< ") + hex(frame));
    if (Frame::isNak(frame)) {
        fail(AbstractBLERequest::Nak, frame);
        return;
    }
    if (Frame::isError(frame)) {
        fail(AbstractBLERequest::DeviceError, frame);
        return;
    }
    const AbstractBLERequest::Verdict verdict = request->take(frame);
    // A progress slot may have aborted the transfer or destroyed its receiver.
    if (m_current.get() != request)
        return;
    if (!request->isAlive()) {
        drop(QStringLiteral("its receiver is gone"));
        return;
    }
    switch (verdict) {
    case AbstractBLERequest::Verdict::Stale:
        qCDebug(bleLog).noquote() << "A late reply is ignored:" << hex(frame);
        return;
    case AbstractBLERequest::Verdict::Rejected:
        fail(AbstractBLERequest::UnexpectedReply, frame);
        return;
    case AbstractBLERequest::Verdict::Accepted:
        m_attempt = 0;
        if (request->next())
            send();
        else
            end(BLERequestResponse(AbstractBLERequest::NoError, frame));
        return;
    }
}

void BLERequestManager::onTimeout()
{
    if (!m_current)
        return;
    if (!m_current->isAlive())
        drop(QStringLiteral("its receiver is gone"));
    else
        fail(AbstractBLERequest::Timeout, {});
}

void BLERequestManager::fail(int error, const QByteArray& reply)
{
    if (isTransient(error, reply) && m_current->retries() && m_attempt < MaxRetries) {
        ++m_attempt;
        log(QStringLiteral("Retry %1 of %2 after: %3")
                .arg(m_attempt)
                .arg(MaxRetries)
                .arg(AbstractBLERequest::errorToString(BLERequestResponse(error, reply))));
        send();
        return;
    }
    end(BLERequestResponse(error, reply));
}

void BLERequestManager::end(const BLERequestResponse& response)
{
    m_timeout.stop();
    m_assembler.reset();
    schedulePump();
    deliver(std::move(m_current), response);
}

void BLERequestManager::deliver(std::unique_ptr<AbstractBLERequest> request, const BLERequestResponse& response)
{
    const bool failed = response.error() != AbstractBLERequest::NoError;
    if (failed)
        log(QStringLiteral("Failed %1: %2").arg(request->describe(), AbstractBLERequest::errorToString(response)));
    else if (request->isTransfer())
        log(QStringLiteral("End of the %1").arg(request->describe()));
    if (request->isAlive())
        request->finish(response);
    const bool aborts = failed && request->isCritical();
    retire(std::move(request));
    if (aborts)
        emit requestAborted();
}

void BLERequestManager::drop(const QString& why)
{
    m_timeout.stop();
    m_assembler.reset();
    qCDebug(bleLog).noquote() << "Dropped," << why << ":" << m_current->describe();
    retire(std::move(m_current));
    schedulePump();
}

void BLERequestManager::retire(std::unique_ptr<AbstractBLERequest> request)
{
    m_retired.push_back(std::move(request));
    schedulePump();
}

void BLERequestManager::abortTransfer()
{
    const auto queued = std::remove_if(m_queue.begin(), m_queue.end(),
                                       [](const std::unique_ptr<AbstractBLERequest>& r) { return r->isTransfer(); });
    bool aborted = queued != m_queue.end();
    m_queue.erase(queued, m_queue.end());
    if (m_current && m_current->isTransfer()) {
        drop(QStringLiteral("aborted by the user"));
        aborted = true;
    }
    if (!aborted)
        return;
    log(QStringLiteral("Transfer aborted by the user"));
    emit requestAborted();
}

void BLERequestManager::clearLogs()
{
    m_log.clear();
    announceLog();
}

void BLERequestManager::log(const QString& line)
{
    m_log.append(line);
    qCDebug(bleLog).noquote() << line;
    announceLog();
}

void BLERequestManager::announceLog()
{
    if (!m_logSignal.isActive())
        m_logSignal.start();
}

} // namespace ble
