#include "ble/qtbluetoothbackend.h"

#include "ble/gattlayout.h"
#include "blelogging.h"

#include <QBluetoothLocalDevice>
#include <QCoreApplication>
#include <QLowEnergyDescriptor>

namespace ble {

namespace {

struct Bluetooth {
    Q_DECLARE_TR_FUNCTIONS(Bluetooth)
};

bool isLowEnergy(const QBluetoothDeviceInfo& device)
{
    return device.coreConfigurations() & QBluetoothDeviceInfo::LowEnergyCoreConfiguration;
}

} // namespace

QtBluetoothBackend::QtBluetoothBackend(QObject* parent)
    : BLEBackend(parent)
{
}

QtBluetoothBackend::~QtBluetoothBackend()
{
    releaseLink();
}

BLEBackend::AdapterState QtBluetoothBackend::adapterState() const
{
    if (QBluetoothLocalDevice::allDevices().isEmpty())
        return NoAdapter;
    return QBluetoothLocalDevice().hostMode() == QBluetoothLocalDevice::HostPoweredOff ? PoweredOff : Ready;
}

void QtBluetoothBackend::powerOn()
{
    auto* local = new QBluetoothLocalDevice(this);
    connect(local, &QBluetoothLocalDevice::hostModeStateChanged, this, [this, local] {
        local->deleteLater();
        emit adapterStateChanged();
    });
    local->powerOn();
}

void QtBluetoothBackend::startScan()
{
    const AdapterState state = adapterState();
    if (state != Ready) {
        QMetaObject::invokeMethod(this, [this, state] { emit scanFailed(state); }, Qt::QueuedConnection);
        return;
    }
    if (!m_agent) {
        m_agent = new QBluetoothDeviceDiscoveryAgent(this);
        // The scan manager ends the scan.
        m_agent->setLowEnergyDiscoveryTimeout(0);
        connect(m_agent, &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this, &QtBluetoothBackend::onDiscovered);
        connect(m_agent, &QBluetoothDeviceDiscoveryAgent::deviceUpdated, this,
                [this](const QBluetoothDeviceInfo& device) { onDiscovered(device); });
        connect(m_agent, &QBluetoothDeviceDiscoveryAgent::errorOccurred, this, &QtBluetoothBackend::onDiscoveryError);
        connect(m_agent, &QBluetoothDeviceDiscoveryAgent::finished, this, &BLEBackend::scanFinished);
        connect(m_agent, &QBluetoothDeviceDiscoveryAgent::canceled, this, &BLEBackend::scanFinished);
    }
    m_agent->start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod);
}

void QtBluetoothBackend::stopScan()
{
    if (m_agent && m_agent->isActive())
        m_agent->stop();
}

bool QtBluetoothBackend::isScanning() const
{
    return m_agent && m_agent->isActive();
}

void QtBluetoothBackend::onDiscovered(const QBluetoothDeviceInfo& device)
{
    if (isLowEnergy(device))
        emit deviceDiscovered(device);
}

void QtBluetoothBackend::onDiscoveryError(QBluetoothDeviceDiscoveryAgent::Error error)
{
    qCWarning(bleLog).noquote() << "The device scan failed:" << (m_agent ? m_agent->errorString() : QString());
    emit scanFailed(error == QBluetoothDeviceDiscoveryAgent::PoweredOffError ? PoweredOff : NoAdapter);
}

void QtBluetoothBackend::connectToDevice(const QBluetoothDeviceInfo& device)
{
    releaseLink();
    if (adapterState() != Ready) {
        failConnection(Bluetooth::tr("Kein Bluetooth-Adapter verfügbar: Die Verbindung mit dem Gerät ist nicht möglich."));
        return;
    }
    m_controller = QLowEnergyController::createCentral(device, this);
    connect(m_controller, &QLowEnergyController::connected, m_controller, &QLowEnergyController::discoverServices);
    connect(m_controller, &QLowEnergyController::discoveryFinished, this, &QtBluetoothBackend::onServicesDiscovered);
    connect(m_controller, &QLowEnergyController::errorOccurred, this, &QtBluetoothBackend::onControllerError);
    connect(m_controller, &QLowEnergyController::disconnected, this, &QtBluetoothBackend::onControllerDisconnected);
    connect(m_controller, &QLowEnergyController::mtuChanged, this, &QtBluetoothBackend::updatePacketSize);
    m_controller->connectToDevice();
}

void QtBluetoothBackend::onServicesDiscovered()
{
    const QList<QBluetoothUuid> services = m_controller->services();
    m_adapterLink = !services.contains(GattLayout::moduleService());
    const QBluetoothUuid uuid = m_adapterLink ? GattLayout::adapterService() : GattLayout::moduleService();
    if (!services.contains(uuid)) {
        failConnection(Bluetooth::tr("Das Gerät bietet keinen Tarvino-Dienst an."));
        return;
    }
    m_service = m_controller->createServiceObject(uuid, this);
    connect(m_service, &QLowEnergyService::stateChanged, this, &QtBluetoothBackend::onServiceState);
    connect(m_service, &QLowEnergyService::descriptorWritten, this, &QtBluetoothBackend::onDescriptorWritten);
    connect(m_service, &QLowEnergyService::characteristicChanged, this, &QtBluetoothBackend::onCharacteristicChanged);
    connect(m_service, &QLowEnergyService::errorOccurred, this,
            [this] { failConnection(Bluetooth::tr("Der Dienst des Geräts antwortet nicht.")); });
    m_service->discoverDetails();
}

void QtBluetoothBackend::onServiceState(QLowEnergyService::ServiceState state)
{
    if (state != QLowEnergyService::RemoteServiceDiscovered)
        return;
    m_write = m_service->characteristic(GattLayout::writeCharacteristic());
    const QLowEnergyCharacteristic notify = m_service->characteristic(GattLayout::notifyCharacteristic());
    const QLowEnergyDescriptor configuration = notify.clientCharacteristicConfiguration();
    if (!m_write.isValid() || !configuration.isValid()) {
        failConnection(Bluetooth::tr("Das Gerät bietet keinen Tarvino-Dienst an."));
        return;
    }
    m_service->writeDescriptor(configuration, QLowEnergyCharacteristic::CCCDEnableNotification);
}

void QtBluetoothBackend::onDescriptorWritten(const QLowEnergyDescriptor& descriptor, const QByteArray& value)
{
    if (m_ready || descriptor.type() != QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration
        || value != QLowEnergyCharacteristic::CCCDEnableNotification)
        return;
    m_ready = true;
    updatePacketSize();
    emit connected();
}

void QtBluetoothBackend::updatePacketSize()
{
    const int largest = m_adapterLink ? GattLayout::AdapterPacketSize : GattLayout::ModulePacketSize;
    const int mtu = m_controller ? m_controller->mtu() : 0;
    m_packetSize = qBound(GattLayout::SmallestPacketSize, mtu - GattLayout::AttOverhead, largest);
    if (m_packetSize < largest)
        qCWarning(bleLog) << "The negotiated MTU" << mtu << "splits packets of" << largest << "bytes into parts of"
                          << m_packetSize;
}

void QtBluetoothBackend::onCharacteristicChanged(const QLowEnergyCharacteristic& characteristic,
                                                 const QByteArray& value)
{
    if (characteristic.uuid() == GattLayout::notifyCharacteristic())
        emit packetReceived(value);
}

void QtBluetoothBackend::writePacket(const QByteArray& packet)
{
    if (!m_ready || !m_service)
        return;
    const bool withoutResponse = m_write.properties() & QLowEnergyCharacteristic::WriteNoResponse;
    m_service->writeCharacteristic(m_write, packet,
                                   withoutResponse ? QLowEnergyService::WriteWithoutResponse
                                                   : QLowEnergyService::WriteWithResponse);
}

void QtBluetoothBackend::onControllerError(QLowEnergyController::Error error)
{
    Q_UNUSED(error)
    const QString detail = m_controller ? m_controller->errorString() : QString();
    if (m_ready) {
        qCWarning(bleLog).noquote() << "The link failed:" << detail;
        onControllerDisconnected();
        return;
    }
    failConnection(Bluetooth::tr("Die Verbindung mit dem Gerät ist fehlgeschlagen: %1").arg(detail));
}

void QtBluetoothBackend::onControllerDisconnected()
{
    const bool wasReady = m_ready;
    releaseLink();
    if (wasReady)
        emit disconnected();
    else
        emit connectionError(Bluetooth::tr("Das Gerät hat die Verbindung beendet."));
}

void QtBluetoothBackend::failConnection(const QString& message)
{
    qCWarning(bleLog).noquote() << message;
    releaseLink();
    QMetaObject::invokeMethod(this, [this, message] { emit connectionError(message); }, Qt::QueuedConnection);
}

void QtBluetoothBackend::disconnectFromDevice()
{
    releaseLink();
}

void QtBluetoothBackend::releaseLink()
{
    m_ready = false;
    m_packetSize = 0;
    if (m_service) {
        disconnect(m_service, nullptr, this, nullptr);
        m_service->deleteLater();
    }
    if (m_controller) {
        disconnect(m_controller, nullptr, this, nullptr);
        m_controller->disconnectFromDevice();
        m_controller->deleteLater();
    }
}

} // namespace ble
