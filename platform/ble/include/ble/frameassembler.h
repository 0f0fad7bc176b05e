#pragma once

#include <QByteArray>

namespace ble {

// Joins the packets of one frame: a frame longer than the link's packet arrives in several.
class FrameAssembler {
public:
    enum State { Empty, Incomplete, Complete, Malformed };

    // Adds a packet. Complete: frame() holds it; Malformed: the bytes are dropped.
    State append(const QByteArray& packet);
    QByteArray frame() const { return m_frame; }
    void reset();

private:
    QByteArray m_buffer;
    QByteArray m_frame;
};

} // namespace ble
