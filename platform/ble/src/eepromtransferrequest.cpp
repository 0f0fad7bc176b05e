#include "ble/eepromtransferrequest.h"

namespace ble {

EepromTransferRequest::EepromTransferRequest(int start, int size, int packetSize, QObject* receiver,
                                             const char* doneSlot, const char* errorSlot, const char* progressSlot,
                                             bool logPackets, bool retry)
    : AbstractBLERequest(receiver, logPackets, retry)
    , m_start(start)
    , m_size(size)
    , m_packetSize(packetSize)
    , m_doneSlot(doneSlot)
    , m_errorSlot(errorSlot)
    , m_progressSlot(progressSlot)
{
}

bool EepromTransferRequest::begin(bool adapterLink)
{
    const TransferPlan plan(m_size, m_packetSize, adapterLink);
    if (!plan.isValid() || m_start < 0 || plan.packets().isEmpty())
        return false;
    m_packets = plan.packets();
    prepare(0);
    return true;
}

void EepromTransferRequest::reportProgress(const QByteArray& reply) const
{
    invoke(m_progressSlot, BLERequestResponse(NoError, reply));
}

void EepromTransferRequest::finish(const BLERequestResponse& response)
{
    invoke(response.error() == NoError ? m_doneSlot : m_errorSlot, response);
}

} // namespace ble
