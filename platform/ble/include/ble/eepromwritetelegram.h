#pragma once

#include "ble/transfertelegram.h"

namespace ble {

// One packet of image bytes at an image address; the device answers with that address.
class EepromWriteTelegram : public TransferTelegram {
public:
    EepromWriteTelegram();

    void setPacket(int address, const QByteArray& bytes);
    int packetAddress() const { return m_address; }

    QByteArray data() const override;
    ResponseType responseType() const override;
    bool parseTelegram(const QByteArray& reply) override;

private:
    int m_address = 0;
    QByteArray m_bytes;
};

} // namespace ble
