#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>
#include <utility>

namespace serial {

// Frames of the serial link (docs/serial-protocol.md, "Framing"): start mark, code, payload
// length, payload, checksum.
class SerialFrame {
public:
    static constexpr quint8 ReplyFlag = 0x80;
    static constexpr quint8 Error = 0x7F;

    SerialFrame() = delete;

    static QByteArray make(quint8 code, const QByteArray& payload = {});
    // The first well-formed frame in buffer as {code, payload}, taken out of it together with
    // the bytes before it; nothing while none is complete. Malformed frames are dropped.
    static std::optional<std::pair<quint8, QByteArray>> take(QByteArray& buffer);
};

} // namespace serial
