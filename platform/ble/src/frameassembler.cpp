#include "ble/frameassembler.h"

#include "ble/frame.h"

namespace ble {

FrameAssembler::State FrameAssembler::append(const QByteArray& packet)
{
    m_frame.clear();
    m_buffer += packet;
    if (m_buffer.isEmpty())
        return Empty;
    const int length = quint8(m_buffer.at(0));
    if (length < Frame::Overhead) {
        reset();
        return Malformed;
    }
    if (m_buffer.size() < length)
        return Incomplete;
    // A packet never carries the start of the next frame, so more bytes mean a broken frame.
    const QByteArray frame = m_buffer;
    reset();
    if (frame.size() != length || !Frame::isWellFormed(frame))
        return Malformed;
    m_frame = frame;
    return Complete;
}

void FrameAssembler::reset()
{
    m_buffer.clear();
}

} // namespace ble
