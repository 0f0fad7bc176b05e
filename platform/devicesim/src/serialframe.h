#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace devicesim {

// The device's own reading and writing of serial frames (docs/serial-protocol.md, "Framing").
class SerialFrame {
public:
    static constexpr quint8 StartMark = 0x7E;
    static constexpr quint8 ReplyFlag = 0x80;
    static constexpr quint8 Error = 0x7F;
    static constexpr int MaxPayload = 200;

    enum ErrorNumber : quint8 {
        UnknownCode = 1,
        BadParameter = 2,
        OutOfRange = 3,
        ImageRefused = 4,
        Busy = 6,
    };

    SerialFrame() = delete;

    static QByteArray make(quint8 code, const QByteArray& payload = {});
    static QByteArray error(quint8 request, ErrorNumber number);
    // The first well-formed frame in buffer as {code, payload}, taken out of it together with the
    // bytes before it; nothing while the frame is incomplete.
    static std::optional<std::pair<quint8, QByteArray>> take(QByteArray& buffer);
};

} // namespace devicesim
