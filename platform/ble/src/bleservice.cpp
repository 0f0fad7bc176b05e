#include "ble/bleservice.h"

#include "ble/blebackend.h"
#include "ble/blerequestmanager.h"
#include "ble/blescanmanager.h"
#include "ble/qtbluetoothbackend.h"
#include "ble/simulatedbackend.h"
#include "blelogging.h"

namespace ble {

BLEService::BLEService(QObject* parent)
    : QObject(parent)
    , m_scanManager(new BLEScanManager(this))
    , m_requestManager(new BLERequestManager(this))
{
    m_inactivity.setSingleShot(true);
    m_inactivity.setInterval(DefaultInactivityTimeout);
    connect(&m_inactivity, &QTimer::timeout, this, &BLEService::onInactive);
}

BLEService::~BLEService()
{
    m_scanManager->setBackend(nullptr);
    m_requestManager->setBackend(nullptr);
    if (m_backend)
        disconnect(m_backend.get(), nullptr, this, nullptr);
}

void BLEService::init()
{
    m_initialized = true;
    chooseBackend();
}

void BLEService::setDemoMode(bool on)
{
    if (on == m_demoMode)
        return;
    m_demoMode = on;
    if (!m_initialized)
        return;
    if (m_link == Link::None)
        chooseBackend();
    else
        m_backendOutdated = true;
}

void BLEService::chooseBackend()
{
    m_backendOutdated = false;
    qCDebug(bleLog) << (m_demoMode ? "Simulated devices of the demonstration mode" : "Bluetooth LE through Qt Bluetooth");
    if (m_demoMode)
        setBackend(SimulatedBackend::demonstration());
    else
        setBackend(std::make_unique<QtBluetoothBackend>());
}

void BLEService::setBackend(std::unique_ptr<BLEBackend> backend)
{
    const bool scanning = m_scanManager->isScanning();
    const bool linked = endLink();
    if (m_backend) {
        disconnect(m_backend.get(), nullptr, this, nullptr);
        // It may be emitting the signal that brought us here.
        m_backend.release()->deleteLater();
    }
    m_scanManager->setBackend(backend.get());
    m_requestManager->setBackend(backend.get());
    m_backend = std::move(backend);
    if (m_backend) {
        connect(m_backend.get(), &BLEBackend::connected, this, &BLEService::onConnected);
        connect(m_backend.get(), &BLEBackend::connectionError, this, &BLEService::onConnectionError);
        connect(m_backend.get(), &BLEBackend::disconnected, this, &BLEService::onLinkLost);
        connect(m_backend.get(), &BLEBackend::packetReceived, &m_inactivity, qOverload<>(&QTimer::start));
    }
    if (linked)
        emit deviceDisconnected();
    if (scanning)
        emit abortScan();
}

void BLEService::connectToDevice(BLEDevice* device)
{
    if (!device || !m_backend)
        return;
    if (m_link != Link::None)
        disconnectFromDevice();
    m_device = std::make_unique<BLEDevice>(device->deviceInfo(), device->name());
    m_link = Link::Connecting;
    qCDebug(bleLog).noquote() << "Connecting to" << device->advertisedName();
    m_backend->connectToDevice(device->deviceInfo());
}

void BLEService::onConnected()
{
    if (m_link != Link::Connecting)
        return;
    m_link = Link::Ready;
    m_requestManager->setLinkReady(true);
    m_inactivity.start();
    emit deviceReady(m_device.get());
}

void BLEService::onConnectionError(const QString& message)
{
    if (m_link == Link::None)
        return;
    qCWarning(bleLog).noquote() << "Connection failed:" << message;
    if (m_link == Link::Ready) {
        onLinkLost();
        return;
    }
    endLink();
    emit bluetoothError(message);
    if (m_backendOutdated)
        chooseBackend();
}

void BLEService::onLinkLost()
{
    if (m_link == Link::None)
        return;
    endLink();
    emit deviceDisconnected();
    if (m_backendOutdated)
        chooseBackend();
}

void BLEService::disconnectFromDevice()
{
    if (m_link == Link::None)
        return;
    if (m_backend)
        m_backend->disconnectFromDevice();
    onLinkLost();
}

bool BLEService::endLink()
{
    m_inactivity.stop();
    if (m_link == Link::None)
        return false;
    m_link = Link::None;
    if (m_backend)
        m_backend->disconnectFromDevice();
    m_requestManager->setLinkReady(false);
    // Receivers may still hold the device while the signals of its end run.
    if (m_device)
        m_device.release()->deleteLater();
    return true;
}

BLEDevice* BLEService::connectedDevice() const
{
    return m_link == Link::Ready ? m_device.get() : nullptr;
}

void BLEService::setInactivityTimeout(int milliseconds)
{
    m_inactivity.setInterval(milliseconds);
    if (m_link == Link::Ready)
        m_inactivity.start();
}

void BLEService::onInactive()
{
    if (m_link != Link::Ready)
        return;
    qCDebug(bleLog) << "No traffic for" << m_inactivity.interval() << "ms: the link ends";
    emit inactiveForTooLong();
    disconnectFromDevice();
}

void BLEService::abortTransfer()
{
    m_requestManager->abortTransfer();
    emit transferAborted();
}

} // namespace ble
