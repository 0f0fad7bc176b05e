#include "ble/basetelegram.h"

#include "ble/frame.h"

namespace ble {

const QByteArray BaseTelegram::STANDARD_ACK = Frame::build(Frame::AckCode);

BaseTelegram::BaseTelegram(int characteristic, bool write)
    : m_characteristic(characteristic)
    , m_write(write)
{
}

BaseTelegram::~BaseTelegram() = default;

QByteArray BaseTelegram::data() const
{
    return {};
}

bool BaseTelegram::fromData(const QByteArray& payload)
{
    return payload.isEmpty();
}

QByteArray BaseTelegram::bytes() const
{
    return Frame::build(quint8(requestCode()), data());
}

int BaseTelegram::requestCode() const
{
    return m_write ? m_characteristic | Frame::WriteFlag : m_characteristic;
}

BaseTelegram::ResponseType BaseTelegram::responseType() const
{
    return m_write ? Acknowledgement : ShortReply;
}

bool BaseTelegram::parseTelegram(const QByteArray& reply)
{
    const ResponseType type = responseType();
    if (type == Acknowledgement)
        return reply == STANDARD_ACK;
    if (!Frame::isWellFormed(reply) || Frame::code(reply) != replyCode())
        return false;
    if (type == ShortReply && reply.size() > ShortReplyLimit)
        return false;
    return fromData(Frame::payload(reply));
}

bool BaseTelegram::parseReadReply(const QByteArray& reply)
{
    return Frame::isWellFormed(reply) && Frame::code(reply) == replyCode() && fromData(Frame::payload(reply));
}

bool BaseTelegram::isCritical() const
{
    return false;
}

} // namespace ble
