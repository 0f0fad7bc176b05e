#pragma once

#include "ble/basetelegram.h"

namespace ble {

// Reads the device's firmware version (characteristic 52): major and minor, as major.minor.
class ReadFirmwareVersionTelegram : public BaseTelegram {
public:
    static constexpr int Characteristic = 52;

    ReadFirmwareVersionTelegram();

    // 0 before a reply was taken.
    double version() const { return m_version; }

    bool fromData(const QByteArray& payload) override;

private:
    double m_version = 0;
};

} // namespace ble
