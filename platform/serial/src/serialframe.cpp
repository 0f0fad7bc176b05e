#include "serialframe.h"

namespace serial {

namespace {

constexpr quint8 StartMark = 0x7E;
constexpr int MaxPayload = 200;
constexpr int Overhead = 4; // start mark, code, length, checksum

quint8 complementOfSum(const QByteArray& bytes, qsizetype from, qsizetype to)
{
    quint8 sum = 0;
    for (qsizetype i = from; i < to; ++i)
        sum = quint8(sum + quint8(bytes.at(i)));
    return quint8(~sum);
}

} // namespace

QByteArray SerialFrame::make(quint8 code, const QByteArray& payload)
{
    Q_ASSERT(payload.size() <= MaxPayload);
    QByteArray frame;
    frame.reserve(payload.size() + Overhead);
    frame.append(char(StartMark));
    frame.append(char(code));
    frame.append(char(payload.size()));
    frame.append(payload);
    frame.append(char(complementOfSum(frame, 1, frame.size())));
    return frame;
}

std::optional<std::pair<quint8, QByteArray>> SerialFrame::take(QByteArray& buffer)
{
    for (;;) {
        const qsizetype start = buffer.indexOf(char(StartMark));
        if (start < 0) {
            buffer.clear();
            return std::nullopt;
        }
        buffer.remove(0, start);
        if (buffer.size() < 3)
            return std::nullopt;
        const int length = quint8(buffer.at(2));
        if (length <= MaxPayload) {
            if (buffer.size() < length + Overhead)
                return std::nullopt;
            if (quint8(buffer.at(length + 3)) == complementOfSum(buffer, 1, length + 3)) {
                std::pair<quint8, QByteArray> frame{quint8(buffer.at(1)), buffer.mid(3, length)};
                buffer.remove(0, length + Overhead);
                return frame;
            }
        }
        buffer.remove(0, 1);
    }
}

} // namespace serial
