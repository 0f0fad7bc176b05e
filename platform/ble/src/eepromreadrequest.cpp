#include "ble/eepromreadrequest.h"

namespace ble {

EepromReadRequest::EepromReadRequest(int start, int size, int packetSize, QObject* receiver, const char* doneSlot,
                                     const char* errorSlot, const char* progressSlot, bool retry)
    : EepromTransferRequest(start, size, packetSize, receiver, doneSlot, errorSlot, progressSlot, false, retry)
{
    m_image.reserve(qMax(0, size));
}

void EepromReadRequest::prepare(int step)
{
    m_step = step;
    const TransferPlan::Packet& packet = packets().at(step);
    m_read.setRange(start() + packet.offset, packet.length);
}

AbstractBLERequest::Verdict EepromReadRequest::take(const QByteArray& reply)
{
    if (m_read.parseTelegram(reply)) {
        m_image += m_read.readBytes();
        reportProgress(reply);
        return Verdict::Accepted;
    }
    const int address = TransferTelegram::replyAddress(reply);
    return address >= 0 && address != m_read.rangeAddress() ? Verdict::Stale : Verdict::Rejected;
}

bool EepromReadRequest::next()
{
    if (m_step + 1 >= packets().size())
        return false;
    prepare(m_step + 1);
    return true;
}

void EepromReadRequest::finish(const BLERequestResponse& response)
{
    EepromTransferRequest::finish(response.error() == NoError ? BLERequestResponse(NoError, m_image) : response);
}

QString EepromReadRequest::describe() const
{
    return QStringLiteral("read of %1 bytes at 0x%2 in %3 packets")
        .arg(size())
        .arg(start(), 4, 16, QLatin1Char('0'))
        .arg(packets().size());
}

} // namespace ble
