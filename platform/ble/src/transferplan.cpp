#include "ble/transferplan.h"

#include "ble/transfertelegram.h"

namespace ble {

int TransferPlan::dataPerPacket(int packetSize, bool adapter)
{
    return adapter ? packetSize : packetSize - TransferTelegram::PacketHeader;
}

TransferPlan::TransferPlan(int size, int packetSize, bool adapter)
    : m_dataPerPacket(dataPerPacket(packetSize, adapter))
{
    if (!isValid())
        return;
    const int chunk = adapter ? AdapterChunk : size;
    for (int chunkStart = 0; chunkStart < size; chunkStart += chunk) {
        const int chunkEnd = qMin(size, chunkStart + chunk);
        for (int offset = chunkStart; offset < chunkEnd; offset += m_dataPerPacket)
            m_packets.append({offset, qMin(m_dataPerPacket, chunkEnd - offset)});
    }
}

int TransferPlan::packetCount(int n, int packetSize, bool adapter)
{
    return int(TransferPlan(n, packetSize, adapter).packets().size());
}

} // namespace ble
