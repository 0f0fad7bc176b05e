#pragma once

#include "ble/eepromreadtelegram.h"

#include <QList>

namespace ble {

// Reads the service intervals (hours, u32 each) from the block at the model's service address,
// one channel at a time: after each good reply nextChannel() moves on until atEnd().
class ReadServiceTimeTelegram : public EepromReadTelegram {
public:
    ReadServiceTimeTelegram(quint64 serviceAddress, int channels);

    // Every channel has been read.
    bool atEnd() const { return m_times.size() >= m_channels; }
    void nextChannel();
    QList<int> serviceTimes() const { return m_times; }

    bool parseTelegram(const QByteArray& reply) override;
    // Not part of a memory transfer.
    bool isCritical() const override { return false; }

private:
    quint64 m_address;
    int m_channels;
    QList<int> m_times;
};

} // namespace ble
