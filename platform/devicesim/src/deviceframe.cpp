#include "deviceframe.h"

namespace devicesim {

quint8 DeviceFrame::checksum(const QByteArray& frame, qsizetype length)
{
    quint8 sum = 0;
    for (qsizetype i = 0; i < length; ++i)
        sum = quint8(sum + quint8(frame.at(i)));
    return quint8(~sum);
}

QByteArray DeviceFrame::make(quint8 code, const QByteArray& payload)
{
    QByteArray frame;
    frame.reserve(payload.size() + Overhead);
    frame.append(char(payload.size() + Overhead));
    frame.append(char(code));
    frame.append(payload);
    frame.append(char(checksum(frame, frame.size())));
    return frame;
}

bool DeviceFrame::isValid(const QByteArray& frame)
{
    return frame.size() >= Overhead && quint8(frame.at(0)) == frame.size()
        && quint8(frame.back()) == checksum(frame, frame.size() - 1);
}

QByteArray DeviceFrame::withPayload(const QByteArray& frame, const QByteArray& payload)
{
    return make(quint8(frame.at(1)), payload);
}

} // namespace devicesim
