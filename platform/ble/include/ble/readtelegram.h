#pragma once

#include "ble/basetelegram.h"

namespace ble {

// Reads one characteristic and keeps the reply's payload; the callers read the reply bytes.
class ReadTelegram : public BaseTelegram {
public:
    // shortReply: the reply fits into one packet of any link; false for replies that may take
    // several (send those with the extended request form).
    ReadTelegram(int characteristic, bool shortReply);

    void setCharacteristic(int characteristic) { BaseTelegram::setCharacteristic(characteristic); }
    QByteArray payload() const { return m_payload; }

    bool fromData(const QByteArray& payload) override;
    ResponseType responseType() const override;

private:
    bool m_shortReply;
    QByteArray m_payload;
};

} // namespace ble
