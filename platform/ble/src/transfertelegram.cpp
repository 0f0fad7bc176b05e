#include "ble/transfertelegram.h"

#include "ble/frame.h"

#include <devices/eepromutils.h>

namespace ble {

bool TransferTelegram::isCritical() const
{
    return true;
}

int TransferTelegram::replyAddress(const QByteArray& reply)
{
    if (!Frame::isWellFormed(reply) || Frame::code(reply) != MemoryCharacteristic + 1
        || reply.size() < PacketHeader)
        return -1;
    return int(devices::EepromUtils::readUInt(reply, 2, 2));
}

QByteArray TransferTelegram::address(int address)
{
    QByteArray bytes(2, '\0');
    devices::EepromUtils::writeUInt(bytes, 0, quint32(address), 2);
    return bytes;
}

} // namespace ble
