#pragma once

#include "ble/transfertelegram.h"

namespace ble {

// Reads count bytes of memory at a memory address; the reply carries the address and the bytes.
class EepromReadTelegram : public TransferTelegram {
public:
    EepromReadTelegram();

    void setRange(int address, int count);
    int rangeAddress() const { return m_address; }
    // The bytes of the last good reply.
    QByteArray readBytes() const { return m_read; }

    QByteArray data() const override;
    ResponseType responseType() const override;
    bool parseTelegram(const QByteArray& reply) override;

private:
    int m_address = 0;
    int m_count = 0;
    QByteArray m_read;
};

} // namespace ble
