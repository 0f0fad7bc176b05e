#pragma once

#include "ble/transfertelegram.h"

namespace ble {

// Announces a memory transfer: where the image part starts, how long it is, and whether it is the
// whole image or the switch times only.
class EepromStartTelegram : public TransferTelegram {
public:
    EepromStartTelegram(int start, int length, bool wholeImage);

    QByteArray data() const override;

private:
    int m_start;
    int m_length;
    bool m_wholeImage;
};

} // namespace ble
