#include "ble/eepromcommittelegram.h"

namespace ble {

EepromCommitTelegram::EepromCommitTelegram()
    : TransferTelegram(CommitCharacteristic, true)
{
}

} // namespace ble
