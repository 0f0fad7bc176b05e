#pragma once

#include "ble/basetelegram.h"

namespace ble {

// Acknowledges the sensor error the device reports (write of characteristic 62).
class AcceptSensorErrorTelegram : public BaseTelegram {
public:
    static constexpr int Characteristic = 62;

    AcceptSensorErrorTelegram();
};

} // namespace ble
