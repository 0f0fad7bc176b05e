#include "ble/eepromwriterequest.h"

namespace ble {

EepromWriteRequest::EepromWriteRequest(int start, const QByteArray& bytes, int packetSize, bool wholeImage,
                                       QObject* receiver, const char* doneSlot, const char* errorSlot,
                                       const char* progressSlot, bool logPackets, bool retry)
    : EepromTransferRequest(start, int(bytes.size()), packetSize, receiver, doneSlot, errorSlot, progressSlot,
                            logPackets, retry)
    , m_bytes(bytes)
    , m_startTelegram(start, int(bytes.size()), wholeImage)
{
}

void EepromWriteRequest::prepare(int step)
{
    m_step = step;
    if (inPackets()) {
        const TransferPlan::Packet& packet = packets().at(step - 1);
        m_packet.setPacket(start() + packet.offset, m_bytes.mid(packet.offset, packet.length));
    }
}

const BaseTelegram* EepromWriteRequest::current() const
{
    if (m_step == 0)
        return &m_startTelegram;
    if (inPackets())
        return &m_packet;
    return &m_commit;
}

BaseTelegram* EepromWriteRequest::current()
{
    return const_cast<BaseTelegram*>(std::as_const(*this).current());
}

QByteArray EepromWriteRequest::frame() const
{
    return current()->bytes();
}

AbstractBLERequest::Verdict EepromWriteRequest::take(const QByteArray& reply)
{
    if (current()->parseTelegram(reply)) {
        if (inPackets())
            reportProgress(reply);
        return Verdict::Accepted;
    }
    const int address = TransferTelegram::replyAddress(reply);
    const bool late = address >= 0 && (!inPackets() || address != m_packet.packetAddress());
    return late ? Verdict::Stale : Verdict::Rejected;
}

bool EepromWriteRequest::next()
{
    if (m_step > packets().size())
        return false;
    prepare(m_step + 1);
    return true;
}

QString EepromWriteRequest::describe() const
{
    return QStringLiteral("write of %1 bytes at 0x%2 in %3 packets")
        .arg(m_bytes.size())
        .arg(start(), 4, 16, QLatin1Char('0'))
        .arg(packets().size());
}

} // namespace ble
