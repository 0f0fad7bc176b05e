#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace ble {

// One message in either direction (docs/device-protocol.md, "Framing"): length, code, payload,
// checksum (complement of the 8-bit sum of the bytes before it).
class Frame {
public:
    static constexpr int Overhead = 3;
    static constexpr int MaxLength = 255;
    static constexpr quint8 AckCode = 0x06;
    static constexpr quint8 NakCode = 0x15;
    static constexpr quint8 ErrorCode = 0x7F;
    static constexpr quint8 WriteFlag = 0x80;
    // Device error numbers the program acts on.
    static constexpr int BusyError = 6;

    Frame() = delete;

    // Empty when the payload does not fit into a frame.
    static QByteArray build(quint8 code, const QByteArray& payload = {});
    // Length byte equal to the size (at least 3) and checksum right.
    static bool isWellFormed(const QByteArray& frame);
    static quint8 code(const QByteArray& frame) { return frame.size() > 1 ? quint8(frame.at(1)) : 0; }
    static QByteArray payload(const QByteArray& frame);
    static bool isNak(const QByteArray& frame) { return isWellFormed(frame) && code(frame) == NakCode; }
    static bool isError(const QByteArray& frame) { return isWellFormed(frame) && code(frame) == ErrorCode; }
    // The device's error number of an error frame, 0 for any other frame.
    static int errorNumber(const QByteArray& frame);
};

} // namespace ble
