#pragma once

#include "ble/basetelegram.h"

namespace ble {

// The telegrams of a memory transfer (docs/device-protocol.md, characteristics 10, 12 and 14):
// critical, since the transfer stands or falls with each of them.
class TransferTelegram : public BaseTelegram {
public:
    static constexpr int StartCharacteristic = 10;
    static constexpr int MemoryCharacteristic = 12;
    static constexpr int CommitCharacteristic = 14;
    // Length, code, address (2 bytes) and checksum of a memory packet.
    static constexpr int PacketHeader = 5;

    using BaseTelegram::BaseTelegram;

    bool isCritical() const override;

    // The address a well-formed memory reply (code 13) names; -1 for any other frame. A reply
    // naming another address than the request's is a late reply to an earlier request.
    static int replyAddress(const QByteArray& reply);

protected:
    static QByteArray address(int address);
};

} // namespace ble
