#pragma once

#include <QBluetoothDeviceInfo>
#include <QByteArray>
#include <QObject>
#include <QString>

namespace ble {

// What lies under the Bluetooth LE service: finding devices, one link at a time, and raw packets
// over it (docs/device-protocol.md, "GATT layout"). Framing and reply reassembly are the request
// manager's, above every backend.
class BLEBackend : public QObject {
    Q_OBJECT

public:
    enum AdapterState { NoAdapter, PoweredOff, Ready };

    using QObject::QObject;

    virtual AdapterState adapterState() const = 0;
    // Asks to switch the adapter on; adapterStateChanged() follows.
    virtual void powerOn() {}

    virtual void startScan() = 0;
    virtual void stopScan() = 0;
    virtual bool isScanning() const = 0;

    // connected() once packets can flow, or connectionError().
    virtual void connectToDevice(const QBluetoothDeviceInfo& device) = 0;
    // Ends the link; disconnected() is not emitted for it.
    virtual void disconnectFromDevice() = 0;
    virtual void writePacket(const QByteArray& packet) = 0;
    // The largest packet the link carries now.
    virtual int packetSize() const = 0;
    // True for the plug-in adapter's service, false for the internal module's.
    virtual bool isAdapterLink() const = 0;

signals:
    void adapterStateChanged();
    void deviceDiscovered(const QBluetoothDeviceInfo& device);
    void scanFinished();
    // The scan could not go on: no adapter, or it was switched off.
    void scanFailed(ble::BLEBackend::AdapterState state);
    void connected();
    // The link dropped by itself.
    void disconnected();
    // A German message for the user.
    void connectionError(const QString& message);
    void packetReceived(const QByteArray& packet);
};

} // namespace ble
