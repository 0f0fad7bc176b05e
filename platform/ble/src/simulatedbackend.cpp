#include "ble/simulatedbackend.h"

#include "ble/gattlayout.h"

#include <QBluetoothAddress>

#include <devicesim/demonstrationset.h>
#include <devicesim/simulatedconnection.h>
#include <devicesim/simulateddevice.h>

#include <QCoreApplication>

namespace ble {

namespace {
// Locally administered addresses, one per device on the air.
constexpr quint64 AddressBase = 0x020000000000ULL;
} // namespace

SimulatedBackend::SimulatedBackend(QObject* parent)
    : BLEBackend(parent)
{
    m_advertising.setInterval(AdvertisingInterval);
    connect(&m_advertising, &QTimer::timeout, this, &SimulatedBackend::advertise);
}

SimulatedBackend::~SimulatedBackend()
{
    disconnectFromDevice();
}

std::unique_ptr<SimulatedBackend> SimulatedBackend::demonstration()
{
    auto backend = std::make_unique<SimulatedBackend>();
    for (devicesim::SimulatedDevice* device : devicesim::DemonstrationSet::devices(backend.get()))
        backend->addDevice(device);
    for (const QString& name : devicesim::DemonstrationSet::foreignNames())
        backend->addForeignName(name);
    return backend;
}

void SimulatedBackend::addDevice(devicesim::SimulatedDevice* device)
{
    m_air.append({device, QString(), QBluetoothAddress(AddressBase + quint64(m_air.size()) + 1)});
}

void SimulatedBackend::addForeignName(const QString& name)
{
    m_air.append({nullptr, name, QBluetoothAddress(AddressBase + quint64(m_air.size()) + 1)});
}

QList<devicesim::SimulatedDevice*> SimulatedBackend::devices() const
{
    QList<devicesim::SimulatedDevice*> devices;
    for (const OnAir& entry : m_air) {
        if (entry.device)
            devices.append(entry.device);
    }
    return devices;
}

devicesim::SimulatedDevice* SimulatedBackend::connectedDevice() const
{
    return m_connection ? m_connection->device() : nullptr;
}

QBluetoothDeviceInfo SimulatedBackend::advertisement(const devicesim::SimulatedDevice* device) const
{
    for (const OnAir& entry : m_air) {
        if (entry.device == device)
            return info(entry);
    }
    return {};
}

QBluetoothDeviceInfo SimulatedBackend::info(const OnAir& entry) const
{
    QBluetoothDeviceInfo info(entry.address, entry.device ? entry.device->advertisedName() : entry.name, 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    if (entry.device) {
        const bool module = entry.device->connectionType() == devicesim::SimulatedDevice::ModuleConnection;
        info.setServiceUuids({module ? GattLayout::moduleService() : GattLayout::adapterService()});
        info.setManufacturerData(GattLayout::ManufacturerId,
                                 GattLayout::flags(entry.device->pairing().asksForSomething(),
                                                   entry.device->resetSettings().isInResetMode()));
    }
    return info;
}

void SimulatedBackend::setAdapterState(AdapterState state)
{
    if (state == m_adapter)
        return;
    m_adapter = state;
    if (state != Ready)
        stopScan();
    emit adapterStateChanged();
}

void SimulatedBackend::powerOn()
{
    if (m_adapter == PoweredOff)
        QMetaObject::invokeMethod(this, [this] { setAdapterState(Ready); }, Qt::QueuedConnection);
}

void SimulatedBackend::startScan()
{
    if (m_adapter != Ready) {
        const AdapterState state = m_adapter;
        QMetaObject::invokeMethod(this, [this, state] { emit scanFailed(state); }, Qt::QueuedConnection);
        return;
    }
    m_advertising.start();
    QMetaObject::invokeMethod(this, &SimulatedBackend::advertise, Qt::QueuedConnection);
}

void SimulatedBackend::stopScan()
{
    m_advertising.stop();
}

void SimulatedBackend::advertise()
{
    if (!isScanning())
        return;
    const QList<OnAir> air = m_air;
    for (const OnAir& entry : air) {
        if (entry.isOnAir())
            emit deviceDiscovered(info(entry));
    }
}

void SimulatedBackend::connectToDevice(const QBluetoothDeviceInfo& device)
{
    disconnectFromDevice();
    devicesim::SimulatedDevice* target = nullptr;
    // An advertisement without an address (as systems that hide addresses give) is found by name.
    const bool byName = device.address().isNull();
    for (const OnAir& entry : std::as_const(m_air)) {
        if (entry.device && (byName ? entry.device->advertisedName() == device.name() : entry.address == device.address()))
            target = entry.device;
    }
    if (!target) {
        const QString message = QCoreApplication::translate("Bluetooth", "Das Gerät bietet keinen Tarvino-Dienst an.");
        QMetaObject::invokeMethod(this, [this, message] { emit connectionError(message); }, Qt::QueuedConnection);
        return;
    }
    m_connection = new devicesim::SimulatedConnection(target, this);
    connect(m_connection, &devicesim::SimulatedConnection::packetReceived, this, &BLEBackend::packetReceived);
    connect(m_connection, &devicesim::SimulatedConnection::closed, this, &SimulatedBackend::onLinkClosed);
    const QPointer<devicesim::SimulatedConnection> connection = m_connection;
    QMetaObject::invokeMethod(
        this,
        [this, connection] {
            if (connection && connection == m_connection && connection->isOpen())
                emit connected();
        },
        Qt::QueuedConnection);
}

void SimulatedBackend::onLinkClosed()
{
    if (m_connection)
        m_connection->deleteLater();
    m_connection = nullptr;
    emit disconnected();
}

void SimulatedBackend::disconnectFromDevice()
{
    if (!m_connection)
        return;
    disconnect(m_connection, nullptr, this, nullptr);
    m_connection->close();
    m_connection->deleteLater();
    m_connection = nullptr;
}

void SimulatedBackend::writePacket(const QByteArray& packet)
{
    if (m_connection)
        m_connection->send(packet);
}

int SimulatedBackend::packetSize() const
{
    return m_connection ? m_connection->packetSize() : GattLayout::SmallestPacketSize;
}

bool SimulatedBackend::isAdapterLink() const
{
    const devicesim::SimulatedDevice* device = connectedDevice();
    return !device || device->connectionType() != devicesim::SimulatedDevice::ModuleConnection;
}

} // namespace ble
