#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace devicesim {

// The device's own reading and writing of frames (docs/device-protocol.md, "Framing").
class DeviceFrame {
public:
    static constexpr quint8 Ack = 0x06;
    static constexpr quint8 Nak = 0x15;
    static constexpr quint8 Error = 0x7F;
    static constexpr quint8 WriteFlag = 0x80;
    static constexpr int Overhead = 3;

    enum ErrorNumber : quint8 {
        UnknownCode = 1,
        BadParameter = 2,
        OutOfRange = 3,
        ImageRefused = 4,
        NoTransfer = 5,
        Busy = 6,
        NotAuthorised = 7,
    };

    DeviceFrame() = delete;

    static QByteArray make(quint8 code, const QByteArray& payload = {});
    static QByteArray ack() { return make(Ack); }
    static QByteArray nak() { return make(Nak); }
    static QByteArray error(ErrorNumber number) { return make(Error, QByteArray(1, char(number))); }
    // A frame whose length byte matches its size and whose checksum is right.
    static bool isValid(const QByteArray& frame);
    static quint8 checksum(const QByteArray& frame, qsizetype length);
    // The frame with a new payload, length and checksum fitted.
    static QByteArray withPayload(const QByteArray& frame, const QByteArray& payload);
    static QByteArray payload(const QByteArray& frame) { return frame.mid(2, frame.size() - Overhead); }
};

} // namespace devicesim
