#pragma once

#include "ble/basetelegram.h"

namespace ble {

// Asks a device with two memory banks where the bank it runs starts (characteristic 16).
class ReadActiveBankAddress : public BaseTelegram {
public:
    static constexpr int Characteristic = 16;

    ReadActiveBankAddress();

    // The address of the last good reply; 0 before one.
    int bankAddress() const { return m_bankAddress; }

    bool fromData(const QByteArray& payload) override;

private:
    int m_bankAddress = 0;
};

} // namespace ble
