#pragma once

#include "ble/basetelegram.h"

namespace ble {

// A write that addresses one channel: the first payload byte is the 0-based channel index.
class ChannelTelegram : public BaseTelegram {
public:
    explicit ChannelTelegram(int characteristic);

    void setChannel(quint8 channel) { m_channel = channel; }
    quint8 channel() const { return m_channel; }

    QByteArray data() const override;

protected:
    // The payload after the channel byte.
    virtual QByteArray arguments() const = 0;

private:
    quint8 m_channel = 0;
};

} // namespace ble
