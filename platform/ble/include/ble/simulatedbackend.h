#pragma once

#include "ble/blebackend.h"

#include <QBluetoothAddress>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <devicesim/simulatedconnection.h>
#include <devicesim/simulateddevice.h>

#include <memory>

namespace ble {

// Simulated time switches in place of the Bluetooth adapter: the demonstration mode and the
// tests. A scan reports every device (and every name that only advertises) at once and then once
// per AdvertisingInterval; a connection is a devicesim::SimulatedConnection.
class SimulatedBackend : public BLEBackend {
    Q_OBJECT

public:
    static constexpr int AdvertisingInterval = 1000;

    explicit SimulatedBackend(QObject* parent = nullptr);
    ~SimulatedBackend() override;

    // The demonstration set of devicesim::DemonstrationSet, owned by the backend.
    static std::unique_ptr<SimulatedBackend> demonstration();

    // Devices are not owned; a destroyed device leaves the air.
    void addDevice(devicesim::SimulatedDevice* device);
    // A name that advertises without offering our service.
    void addForeignName(const QString& name);
    QList<devicesim::SimulatedDevice*> devices() const;
    devicesim::SimulatedDevice* connectedDevice() const;
    // What the device advertises.
    QBluetoothDeviceInfo advertisement(const devicesim::SimulatedDevice* device) const;

    AdapterState adapterState() const override { return m_adapter; }
    // An adapter switched off (or missing) for tests; powerOn() switches an adapter on.
    void setAdapterState(AdapterState state);
    void powerOn() override;
    void startScan() override;
    void stopScan() override;
    bool isScanning() const override { return m_advertising.isActive(); }
    void connectToDevice(const QBluetoothDeviceInfo& device) override;
    void disconnectFromDevice() override;
    void writePacket(const QByteArray& packet) override;
    int packetSize() const override;
    bool isAdapterLink() const override;

private:
    struct OnAir {
        QPointer<devicesim::SimulatedDevice> device;
        QString name; // of a foreign device, which has no simulated device
        bool isOnAir() const { return device || !name.isEmpty(); }
        QBluetoothAddress address;
    };

    void advertise();
    QBluetoothDeviceInfo info(const OnAir& entry) const;
    void onLinkClosed();

    QList<OnAir> m_air;
    AdapterState m_adapter = Ready;
    QTimer m_advertising;
    QPointer<devicesim::SimulatedConnection> m_connection;
};

} // namespace ble
