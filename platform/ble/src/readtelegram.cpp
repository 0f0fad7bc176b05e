#include "ble/readtelegram.h"

namespace ble {

ReadTelegram::ReadTelegram(int characteristic, bool shortReply)
    : BaseTelegram(characteristic, false)
    , m_shortReply(shortReply)
{
}

bool ReadTelegram::fromData(const QByteArray& payload)
{
    m_payload = payload;
    return true;
}

BaseTelegram::ResponseType ReadTelegram::responseType() const
{
    return m_shortReply ? ShortReply : LongReply;
}

} // namespace ble
