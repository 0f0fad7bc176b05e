#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QTime>

namespace devicesim {

// The channels of a simulated time switch as the direct commands see them (docs/device-protocol.md,
// "Direct commands"): relay state, mode, the operating-hours counter and what the manual, timer,
// random and holiday commands last set. Channels are addressed by their 0-based index; replies
// number them from 1.
class ChannelControls {
public:
    enum Mode {
        Automatic = 0,
        RandomTwo = 1,
        RandomOne = 2,
        Timer = 5,
        Holiday = 6,
        Manual = 7,
        Permanent = 8,
        LastMode = 13,
    };

    struct Channel {
        int relayState = 0;
        int mode = Automatic;
        quint32 operatingMinutes = 0;
        int timerStatus = 0;
        QTime timerDuration;
        int randomStatus = 0;
        int holidayStatus = 0;
        QDateTime holidayBegin; // wall-clock values in Qt::UTC
        QDateTime holidayEnd;
    };

    explicit ChannelControls(int count = 0);

    int count() const { return int(m_channels.size()); }
    // A default channel for an index outside.
    Channel channel(int index) const;
    void setChannel(int index, const Channel& channel);
    void setOperatingHours(int index, double hours);
    double operatingHours(int index) const;

    // Whether the request code is one of the direct commands of the channels.
    static bool handles(quint8 code);
    QByteArray handle(quint8 code, const QByteArray& payload);

private:
    QByteArray states() const;
    QByteArray operatingTimes() const;
    QByteArray resetOperatingTime(const QByteArray& payload);
    QByteArray switchState(const QByteArray& payload);
    QByteArray timer(const QByteArray& payload);
    QByteArray random(const QByteArray& payload);
    QByteArray holiday(const QByteArray& payload);
    // The channel the payload's first byte names, null for none; the payload must have size bytes.
    Channel* addressed(const QByteArray& payload, int size);

    QList<Channel> m_channels;
};

} // namespace devicesim
