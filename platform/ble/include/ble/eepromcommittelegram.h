#pragma once

#include "ble/transfertelegram.h"

namespace ble {

// Ends a memory transfer: the device checks the image and, when it is good, runs it.
class EepromCommitTelegram : public TransferTelegram {
public:
    EepromCommitTelegram();
};

} // namespace ble
