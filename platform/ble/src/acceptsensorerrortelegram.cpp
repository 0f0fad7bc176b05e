#include "ble/acceptsensorerrortelegram.h"

namespace ble {

AcceptSensorErrorTelegram::AcceptSensorErrorTelegram()
    : BaseTelegram(Characteristic, true)
{
}

} // namespace ble
