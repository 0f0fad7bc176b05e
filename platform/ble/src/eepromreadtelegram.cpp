#include "ble/eepromreadtelegram.h"

#include "ble/frame.h"

namespace ble {

EepromReadTelegram::EepromReadTelegram()
    : TransferTelegram(MemoryCharacteristic, false)
{
}

void EepromReadTelegram::setRange(int address, int count)
{
    m_address = address;
    m_count = count;
    m_read.clear();
}

QByteArray EepromReadTelegram::data() const
{
    return address(m_address) + char(m_count);
}

BaseTelegram::ResponseType EepromReadTelegram::responseType() const
{
    return LongReply;
}

bool EepromReadTelegram::parseTelegram(const QByteArray& reply)
{
    if (reply.size() != PacketHeader + m_count || replyAddress(reply) != m_address)
        return false;
    m_read = Frame::payload(reply).mid(2);
    return true;
}

} // namespace ble
