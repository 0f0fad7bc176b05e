#pragma once

#include "ble/blebackend.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QLowEnergyCharacteristic>
#include <QLowEnergyController>
#include <QLowEnergyService>
#include <QPointer>

namespace ble {

// Real devices through Qt Bluetooth: low-energy discovery and a QLowEnergyController central on
// our GATT service (docs/device-protocol.md). Packets are as long as the negotiated MTU allows, at
// most the service's largest packet. Without an adapter nothing is started: scans fail with
// NoAdapter and a connection fails with a clear message.
class QtBluetoothBackend : public BLEBackend {
    Q_OBJECT

public:
    explicit QtBluetoothBackend(QObject* parent = nullptr);
    ~QtBluetoothBackend() override;

    AdapterState adapterState() const override;
    void powerOn() override;
    void startScan() override;
    void stopScan() override;
    bool isScanning() const override;
    void connectToDevice(const QBluetoothDeviceInfo& device) override;
    void disconnectFromDevice() override;
    void writePacket(const QByteArray& packet) override;
    int packetSize() const override { return m_packetSize; }
    bool isAdapterLink() const override { return m_adapterLink; }

private:
    void onDiscovered(const QBluetoothDeviceInfo& device);
    void onDiscoveryError(QBluetoothDeviceDiscoveryAgent::Error error);
    void onServicesDiscovered();
    void onServiceState(QLowEnergyService::ServiceState state);
    void onDescriptorWritten(const QLowEnergyDescriptor& descriptor, const QByteArray& value);
    void onCharacteristicChanged(const QLowEnergyCharacteristic& characteristic, const QByteArray& value);
    void onControllerError(QLowEnergyController::Error error);
    void onControllerDisconnected();
    void updatePacketSize();
    void failConnection(const QString& message);
    void releaseLink();

    QPointer<QBluetoothDeviceDiscoveryAgent> m_agent;
    QPointer<QLowEnergyController> m_controller;
    QPointer<QLowEnergyService> m_service;
    QLowEnergyCharacteristic m_write;
    bool m_ready = false;
    bool m_adapterLink = false;
    int m_packetSize = 0;
};

} // namespace ble
