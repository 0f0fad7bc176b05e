#pragma once

#include "ble/basetelegram.h"
#include "ble/channelinfo.h"

#include <QList>

namespace ble {

// Reads the operating-hours counters of every channel (characteristic 40).
class ReadOperatingTimeTelegram : public BaseTelegram {
public:
    static constexpr int Characteristic = 40;

    ReadOperatingTimeTelegram();

    QList<ChannelInfo> channels() const { return m_channels; }

    ResponseType responseType() const override { return LongReply; }
    // A payload cut short, or longer than its count, is refused and changes nothing.
    bool fromData(const QByteArray& payload) override;

private:
    QList<ChannelInfo> m_channels;
};

} // namespace ble
