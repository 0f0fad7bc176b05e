#pragma once

#include "ble/basetelegram.h"
#include "ble/channelinfo.h"

#include <QList>

namespace ble {

// A read whose reply lists the channels: the number of entries, then one entry of a fixed size per
// channel. A reply cut short, or longer than its count, is refused and changes nothing.
class ChannelListTelegram : public BaseTelegram {
public:
    QList<ChannelInfo> channels() const { return m_channels; }

    ResponseType responseType() const override { return LongReply; }
    bool fromData(const QByteArray& payload) override;

protected:
    ChannelListTelegram(int characteristic, int entrySize);
    // The entry that starts at pos; all its bytes lie inside the payload.
    virtual ChannelInfo entry(const QByteArray& payload, qsizetype pos) const = 0;

private:
    int m_entrySize;
    QList<ChannelInfo> m_channels;
};

} // namespace ble
