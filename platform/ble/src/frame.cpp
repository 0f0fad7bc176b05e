#include "ble/frame.h"

#include <devices/eepromutils.h>

namespace ble {

QByteArray Frame::build(quint8 code, const QByteArray& payload)
{
    if (payload.size() > MaxLength - Overhead)
        return {};
    QByteArray frame;
    frame.reserve(payload.size() + Overhead);
    frame.append(char(payload.size() + Overhead));
    frame.append(char(code));
    frame.append(payload);
    frame.append(char(devices::EepromUtils::headerChecksum(frame, 0, frame.size() - 1)));
    return frame;
}

bool Frame::isWellFormed(const QByteArray& frame)
{
    return frame.size() >= Overhead && quint8(frame.at(0)) == frame.size()
        && quint8(frame.back()) == devices::EepromUtils::headerChecksum(frame, 0, frame.size() - 2);
}

QByteArray Frame::payload(const QByteArray& frame)
{
    return frame.size() > Overhead ? frame.mid(2, frame.size() - Overhead) : QByteArray();
}

int Frame::errorNumber(const QByteArray& frame)
{
    return isError(frame) && frame.size() > Overhead ? quint8(frame.at(2)) : 0;
}

} // namespace ble
