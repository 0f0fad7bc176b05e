#pragma once

namespace ble {

// One channel of a channel-state or operating-time reply. id() is the channel number from 1,
// while the commands address channels by their 0-based index.
class ChannelInfo {
public:
    ChannelInfo() = default;
    ChannelInfo(int id, int relayState, int state, double hours)
        : m_id(id)
        , m_relayState(relayState)
        , m_state(state)
        , m_hours(hours)
    {
    }

    int id() const { return m_id; }
    // 0 off, 1 on; -1 in an operating-time reply.
    int relayState() const { return m_relayState; }
    // The channel's mode (0 automatic ... 13); -1 in an operating-time reply.
    int state() const { return m_state; }
    // Operating hours; 0 in a channel-state reply.
    double hours() const { return m_hours; }

private:
    int m_id = 0;
    int m_relayState = -1;
    int m_state = -1;
    double m_hours = 0;
};

} // namespace ble
