#include "serialframe.h"

namespace devicesim {

namespace {

constexpr int Overhead = 4; // start mark, code, length, checksum

quint8 checksum(const QByteArray& bytes, qsizetype from, qsizetype to)
{
    quint8 sum = 0;
    for (qsizetype i = from; i < to; ++i)
        sum = quint8(sum + quint8(bytes.at(i)));
    return quint8(~sum);
}

} // namespace

QByteArray SerialFrame::make(quint8 code, const QByteArray& payload)
{
    QByteArray frame;
    frame.append(char(StartMark));
    frame.append(char(code));
    frame.append(char(payload.size()));
    frame.append(payload);
    frame.append(char(checksum(frame, 1, frame.size())));
    return frame;
}

QByteArray SerialFrame::error(quint8 request, ErrorNumber number)
{
    return make(Error, QByteArray(1, char(request)) + char(number));
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
            if (quint8(buffer.at(length + 3)) == checksum(buffer, 1, length + 3)) {
                std::pair<quint8, QByteArray> frame{quint8(buffer.at(1)), buffer.mid(3, length)};
                buffer.remove(0, length + Overhead);
                return frame;
            }
        }
        buffer.remove(0, 1); // not a frame: look for the next start mark
    }
}

} // namespace devicesim
