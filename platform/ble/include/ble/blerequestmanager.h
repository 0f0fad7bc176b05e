#pragma once

#include "ble/blerequestresponse.h"
#include "ble/frameassembler.h"
#include "ble/telegramrequest.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <deque>
#include <memory>
#include <vector>

namespace ble {

class AbstractBLERequest;
class BaseTelegram;
class BLEBackend;

// The queue of requests to the connected device. Requests run one at a time, in the order they
// were made; each exchange (a request frame and its reply) has a time-out. Replies reach the named
// slot (called with a ble::BLERequestResponse) or the callback on the GUI thread, after the request
// has left the queue, so a reply slot may make the next request. A request whose receiver has been
// destroyed is dropped: not sent, or not continued, and nothing is delivered.
//
// The two flags of the request forms:
// - logPackets: every frame of the request and every reply go into the request log (debugLog());
//   without it only the start, the retries and the end of a memory transfer are logged there.
// - retry: a failed exchange (no reply in time, a NAK, a malformed reply, a reply of the wrong code
//   or length, the device busy) is sent again, at most MaxRetries times; without it the first
//   failure ends the request. Device errors other than busy, a lost link and an abort always end it.
// The extended form has no retry flag: it never sends again.
//
// A failed or aborted memory transfer (or any critical telegram) also emits requestAborted(),
// after its error slot.
class BLERequestManager : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created by the Bluetooth LE service")

public:
    static constexpr int MaxRetries = 3;
    static constexpr int DefaultReplyTimeout = 3000;
    // The request log is signalled at most this often, so a long transfer stays linear.
    static constexpr int LogSignalInterval = 200;

    explicit BLERequestManager(QObject* parent = nullptr);
    ~BLERequestManager() override;

    void setBackend(BLEBackend* backend);
    // The service tells whether the link to the device is up; a lost link ends every request.
    void setLinkReady(bool ready);
    bool isLinkReady() const { return m_linkReady; }
    void setReplyTimeout(int milliseconds) { m_timeout.setInterval(milliseconds); }
    int replyTimeout() const { return m_timeout.interval(); }
    bool isBusy() const { return m_current || !m_queue.empty(); }

    // 1. The reply goes to receiver's okSlot, a failure to errorSlot (an empty name: none).
    void createTelegramRequest(BaseTelegram* telegram, QObject* receiver, const char* okSlot, const char* errorSlot,
                               bool logPackets, bool retry);
    // 2. The same for replies that take several packets: the time-out restarts with each packet.
    void createTelegramExtendedRequest(BaseTelegram* telegram, QObject* receiver, const char* okSlot,
                                       const char* errorSlot, bool logPackets);
    // Forms 1 and 2 for a request a view repeats by itself: it retries (form 1) and is not
    // logged, and it does not count as activity.
    void createPollRequest(BaseTelegram* telegram, QObject* receiver, const char* okSlot, const char* errorSlot);
    void createExtendedPollRequest(BaseTelegram* telegram, QObject* receiver, const char* okSlot,
                                   const char* errorSlot);
    // 3. done(true) after a reply the telegram parsed, else error(code, reply) (when given) and
    // done(false). context owns the telegram: its destruction drops the request.
    void createTelegramRequest(BaseTelegram* telegram, TelegramRequest::Done done, TelegramRequest::Failure error,
                               bool logPackets, bool retry, QObject* context);
    // 4. Memory transfers. The image part is cut into packets of at most
    // min(packetSize, maxBlePacketSize) bytes (over the plug-in adapter: of image bytes, in 69-byte
    // chunks; see TransferPlan). progressSlot is called once per packet, doneSlot at the end (with
    // the commit's reply, or with all bytes read), errorSlot on failure. A write starts with the
    // start telegram (wholeImage: fullExport) and ends with the commit.
    void createEepromWriteRequest(int start, const QByteArray& bytes, int packetSize, int maxBlePacketSize,
                                  QObject* receiver, const char* doneSlot, bool logPackets, const char* errorSlot,
                                  const char* progressSlot, bool retry, bool fullExport);
    void createEepromReadRequest(int start, int size, int packetSize, int maxBlePacketSize, QObject* receiver,
                                 const char* doneSlot, const char* errorSlot, const char* progressSlot, bool retry);

    // Ends the memory transfer under way and drops those waiting, delivering nothing; emits
    // requestAborted() when there was one.
    void abortTransfer();

    QString debugLog() const { return m_log.join(QLatin1Char('\n')); }
    void clearLogs();
    // Adds a line to the request log (and the debug output).
    void log(const QString& line);

signals:
    void requestAborted();
    // A request that is not a poll was sent or got a packet: the user's work goes on.
    void activity();
    void debugLogChanged();

private:
    void enqueue(std::unique_ptr<AbstractBLERequest> request);
    void schedulePump();
    void pump();
    void send();
    void onPacket(const QByteArray& packet);
    void onFrame(const QByteArray& frame);
    void onTimeout();
    void fail(int error, const QByteArray& reply);
    // Ends the request under way with the response.
    void end(const BLERequestResponse& response);
    // Ends the request under way without delivering anything.
    void drop(const QString& why);
    void deliver(std::unique_ptr<AbstractBLERequest> request, const BLERequestResponse& response);
    // A request that has ended may still be running a callout: it is deleted at the next pump.
    void retire(std::unique_ptr<AbstractBLERequest> request);
    void announceLog();

    QPointer<BLEBackend> m_backend;
    bool m_linkReady = false;
    std::deque<std::unique_ptr<AbstractBLERequest>> m_queue;
    std::unique_ptr<AbstractBLERequest> m_current;
    std::vector<std::unique_ptr<AbstractBLERequest>> m_retired;
    FrameAssembler m_assembler;
    QTimer m_timeout;
    int m_attempt = 0;
    bool m_pumpScheduled = false;
    QStringList m_log;
    QTimer m_logSignal;
};

} // namespace ble
