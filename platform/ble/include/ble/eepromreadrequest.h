#pragma once

#include "ble/eepromreadtelegram.h"
#include "ble/eepromtransferrequest.h"

namespace ble {

// Reads size bytes of memory from a memory address; the done slot gets the bytes.
class EepromReadRequest : public EepromTransferRequest {
public:
    EepromReadRequest(int start, int size, int packetSize, QObject* receiver, const char* doneSlot,
                      const char* errorSlot, const char* progressSlot, bool retry);

    QByteArray frame() const override { return m_read.bytes(); }
    Verdict take(const QByteArray& reply) override;
    bool next() override;
    void finish(const BLERequestResponse& response) override;
    QString describe() const override;

protected:
    void prepare(int step) override;

private:
    EepromReadTelegram m_read;
    QByteArray m_image;
    int m_step = 0;
};

} // namespace ble
