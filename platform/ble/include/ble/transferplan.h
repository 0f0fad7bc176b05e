#pragma once

#include <QList>

namespace ble {

// How a memory transfer cuts its bytes into packets (docs/device-protocol.md, "Writing a
// project"). Over the internal module a packet of P bytes carries P - 5 image bytes. Over the
// plug-in adapter the bytes go in chunks of 69, each chunk in packets of at most P image bytes.
class TransferPlan {
public:
    static constexpr int AdapterChunk = 69;

    struct Packet {
        int offset = 0;
        int length = 0;
        bool operator==(const Packet&) const = default;
    };

    TransferPlan(int size, int packetSize, bool adapter);

    // False when the packet size leaves no room for image bytes.
    bool isValid() const { return m_dataPerPacket > 0; }
    const QList<Packet>& packets() const { return m_packets; }

    // The number of packets of a transfer of n bytes; 0 for n <= 0 and for packet sizes that leave
    // no room for image bytes.
    static int packetCount(int n, int packetSize, bool adapter);

private:
    static int dataPerPacket(int packetSize, bool adapter);

    int m_dataPerPacket;
    QList<Packet> m_packets;
};

} // namespace ble
