#include "ble/eepromwritetelegram.h"

namespace ble {

EepromWriteTelegram::EepromWriteTelegram()
    : TransferTelegram(MemoryCharacteristic, true)
{
}

void EepromWriteTelegram::setPacket(int address, const QByteArray& bytes)
{
    m_address = address;
    m_bytes = bytes;
}

QByteArray EepromWriteTelegram::data() const
{
    return address(m_address) + m_bytes;
}

BaseTelegram::ResponseType EepromWriteTelegram::responseType() const
{
    return ShortReply;
}

bool EepromWriteTelegram::parseTelegram(const QByteArray& reply)
{
    return reply.size() == PacketHeader && replyAddress(reply) == m_address;
}

} // namespace ble
