#pragma once

#include "ble/blerequestresponse.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

namespace ble {

// One request of the request manager's queue: one or more exchanges of a request frame and its
// reply, then one delivery to the receiver. A request whose receiver is destroyed is dropped: it
// is not sent, or not continued, and nothing is delivered.
class AbstractBLERequest {
public:
    enum Error {
        NoError = 0,
        Timeout,         // no reply within the time-out
        Disconnected,    // the link dropped during the request
        NotConnected,    // no device was connected
        DeviceError,     // the device answered with an error frame
        Nak,             // the device did not take the frame
        MalformedReply,  // length or checksum of the reply wrong
        UnexpectedReply, // a reply of another code or length than the request expects
        Aborted,         // the user ended the transfer
        InvalidRequest,  // the request cannot be sent (for example a packet size without room)
    };

    // How a reply fits the exchange under way.
    enum class Verdict {
        Accepted,
        Stale,   // a late reply to an earlier exchange: ignored
        Rejected // a wrong reply
    };

    // The user's text for a failed response (German source text, translated); empty for success.
    static QString errorToString(const BLERequestResponse& response);

    AbstractBLERequest(QObject* receiver, bool logPackets, bool retry);
    virtual ~AbstractBLERequest();
    AbstractBLERequest(const AbstractBLERequest&) = delete;
    AbstractBLERequest& operator=(const AbstractBLERequest&) = delete;

    // False once the receiver it was made for is gone.
    bool isAlive() const { return !m_hasReceiver || m_receiver; }
    bool logsPackets() const { return m_logPackets; }
    bool retries() const { return m_retry; }
    // A request the program repeats by itself (a view's polling): it does not keep the link active.
    bool isPoll() const { return m_poll; }
    void setPoll(bool poll) { m_poll = poll; }

    // Called once before the first exchange with the kind of link; false when the request cannot
    // be sent over it.
    virtual bool begin(bool adapterLink);
    virtual bool isTransfer() const { return false; }
    virtual bool isCritical() const = 0;
    // Whether the reply may take long: the time-out then restarts with each packet of it.
    virtual bool isExtended() const { return false; }
    // The request frame of the exchange under way.
    virtual QByteArray frame() const = 0;
    // Judges a reply to the exchange under way and, when accepted, takes it.
    virtual Verdict take(const QByteArray& reply) = 0;
    // Moves to the next exchange; false when the accepted reply was the last.
    virtual bool next() = 0;
    // Delivers the outcome. Only called while the receiver exists.
    virtual void finish(const BLERequestResponse& response) = 0;
    // What the request is, for the log.
    virtual QString describe() const = 0;

protected:
    QObject* receiver() const { return m_receiver; }
    // Calls the slot named (no signature) of the receiver with the response; nothing for an
    // empty name.
    void invoke(const QByteArray& slot, const BLERequestResponse& response) const;

private:
    QPointer<QObject> m_receiver;
    bool m_poll = false;
    bool m_hasReceiver;
    bool m_logPackets;
    bool m_retry;
};

} // namespace ble
