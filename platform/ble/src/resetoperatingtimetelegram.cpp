#include "ble/resetoperatingtimetelegram.h"

namespace ble {

ResetOperatingTimeTelegram::ResetOperatingTimeTelegram()
    : ChannelTelegram(Characteristic)
{
}

} // namespace ble
