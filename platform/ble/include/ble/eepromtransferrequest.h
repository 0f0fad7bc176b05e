#pragma once

#include "ble/abstractblerequest.h"
#include "ble/transferplan.h"

#include <QList>

namespace ble {

// A memory transfer: the image part cut into packets (TransferPlan), the progress slot called once
// per packet, the done slot once at the end, the error slot when it fails.
class EepromTransferRequest : public AbstractBLERequest {
public:
    EepromTransferRequest(int start, int size, int packetSize, QObject* receiver, const char* doneSlot,
                          const char* errorSlot, const char* progressSlot, bool logPackets, bool retry);

    bool begin(bool adapterLink) override;
    bool isTransfer() const override { return true; }
    bool isCritical() const override { return true; }
    bool isExtended() const override { return true; }
    void finish(const BLERequestResponse& response) override;

protected:
    int start() const { return m_start; }
    int size() const { return m_size; }
    const QList<TransferPlan::Packet>& packets() const { return m_packets; }
    void reportProgress(const QByteArray& reply) const;
    // Gets the exchange of the given step ready; called by begin() with 0 and by next().
    virtual void prepare(int step) = 0;

private:
    int m_start;
    int m_size;
    int m_packetSize;
    QList<TransferPlan::Packet> m_packets;
    QByteArray m_doneSlot;
    QByteArray m_errorSlot;
    QByteArray m_progressSlot;
};

} // namespace ble
