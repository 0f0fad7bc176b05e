#pragma once

#include "ble/eepromcommittelegram.h"
#include "ble/eepromstarttelegram.h"
#include "ble/eepromtransferrequest.h"
#include "ble/eepromwritetelegram.h"

namespace ble {

// Writes an image part: the start telegram, the packets, the commit. The done slot gets the
// commit's reply.
class EepromWriteRequest : public EepromTransferRequest {
public:
    EepromWriteRequest(int start, const QByteArray& bytes, int packetSize, bool wholeImage, QObject* receiver,
                       const char* doneSlot, const char* errorSlot, const char* progressSlot, bool logPackets,
                       bool retry);

    QByteArray frame() const override;
    Verdict take(const QByteArray& reply) override;
    bool next() override;
    QString describe() const override;

protected:
    void prepare(int step) override;

private:
    BaseTelegram* current();
    const BaseTelegram* current() const;
    bool inPackets() const { return m_step > 0 && m_step <= packets().size(); }

    QByteArray m_bytes;
    EepromStartTelegram m_startTelegram;
    EepromWriteTelegram m_packet;
    EepromCommitTelegram m_commit;
    int m_step = 0; // 0 the start, 1 .. n the packets, n + 1 the commit
};

} // namespace ble
