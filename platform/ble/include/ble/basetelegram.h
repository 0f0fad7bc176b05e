#pragma once

#include <QByteArray>

namespace ble {

// A request to the device and the reply it expects (docs/device-protocol.md). A telegram reads or
// writes one numbered characteristic: a read goes out with the characteristic's number as its code
// and is answered with that number + 1; a write sets bit 7 of the code and is answered with the
// standard acknowledgement. Telegram objects are kept by their callers and may be reused; one must
// stay as it was until its reply has come.
class BaseTelegram {
public:
    // What a good reply looks like.
    enum ResponseType {
        Acknowledgement, // exactly STANDARD_ACK
        ShortReply,      // a frame with the reply code, fitting into the smallest packet
        LongReply,       // a frame with the reply code, possibly over several packets
    };

    // The reply of a good write: the frame 03 06 F6.
    static const QByteArray STANDARD_ACK;
    // The smallest packet of any link (ATT MTU 23).
    static constexpr int ShortReplyLimit = 20;

    BaseTelegram(int characteristic, bool write);
    BaseTelegram(const BaseTelegram&) = delete;
    BaseTelegram& operator=(const BaseTelegram&) = delete;

    // The payload of the request.
    virtual QByteArray data() const;
    // Takes the values of a reply's payload; false when they do not fit the telegram.
    virtual bool fromData(const QByteArray& payload);
    virtual ~BaseTelegram();
    // The request frame; empty when the payload does not fit into one.
    virtual QByteArray bytes() const;
    virtual ResponseType responseType() const;
    // True when reply (a whole frame) is the reply this request expects; its values are then
    // taken with fromData.
    virtual bool parseTelegram(const QByteArray& reply);
    // Takes the values of a read reply of the telegram's characteristic (a whole frame) whether
    // the telegram is set to read or to write, so one telegram reads a value and writes it back.
    bool parseReadReply(const QByteArray& reply);
    // A failure of a critical telegram ends the transfer it belongs to (the request manager then
    // emits requestAborted()).
    virtual bool isCritical() const;

    int characteristic() const { return m_characteristic; }
    bool isWrite() const { return m_write; }

protected:
    void setCharacteristic(int characteristic) { m_characteristic = characteristic; }
    void setWrite(bool write) { m_write = write; }
    int requestCode() const;
    int replyCode() const { return m_characteristic + 1; }

private:
    int m_characteristic;
    bool m_write;
};

} // namespace ble
