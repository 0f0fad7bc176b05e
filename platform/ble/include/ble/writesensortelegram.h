#pragma once

#include "ble/basetelegram.h"

#include <QList>

namespace ble {

// The sensors' channel assignment and blinking (characteristic 58): the number of sensors, then
// per sensor its assignment mask (bit i: channel i from 0) and its blink flag.
class WriteSensorTelegram : public BaseTelegram {
public:
    static constexpr int Characteristic = 58;

    WriteSensorTelegram();

    // Both lists in sensor order; the shorter one gives the number of sensors.
    void setSensorsInfo(const QList<bool>& blinking, const QList<unsigned char>& masks);

    QByteArray data() const override { return m_payload; }

private:
    QByteArray m_payload;
};

} // namespace ble
