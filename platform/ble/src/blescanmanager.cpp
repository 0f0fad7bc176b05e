#include "ble/blescanmanager.h"

#include "blelogging.h"

namespace ble {

BLEScanManager::BLEScanManager(QObject* parent)
    : QObject(parent)
{
    m_duration.setSingleShot(true);
    m_duration.setInterval(ScanDuration);
    connect(&m_duration, &QTimer::timeout, this, &BLEScanManager::stopScan);
}

void BLEScanManager::setBackend(BLEBackend* backend)
{
    if (m_backend)
        disconnect(m_backend, nullptr, this, nullptr);
    setScanning(false);
    m_waitingForAdapter = false;
    m_backend = backend;
    if (!backend)
        return;
    connect(backend, &BLEBackend::deviceDiscovered, this, &BLEScanManager::deviceDiscovered);
    connect(backend, &BLEBackend::scanFinished, this, &BLEScanManager::onScanFinished);
    connect(backend, &BLEBackend::scanFailed, this, &BLEScanManager::scanOrAsk);
    connect(backend, &BLEBackend::adapterStateChanged, this, &BLEScanManager::onAdapterStateChanged);
}

void BLEScanManager::startScan()
{
    if (m_scanning)
        return;
    scanOrAsk(m_backend ? m_backend->adapterState() : BLEBackend::NoAdapter);
}

void BLEScanManager::scanOrAsk(BLEBackend::AdapterState state)
{
    setScanning(false);
    switch (state) {
    case BLEBackend::Ready:
        begin();
        return;
    case BLEBackend::PoweredOff:
        emit requestBluetoothActivation();
        return;
    case BLEBackend::NoAdapter:
        qCWarning(bleLog) << "No Bluetooth LE adapter: no scan";
        emit lowEnergyNotSupported();
        emit scanSucceeded(false);
        return;
    }
}

void BLEScanManager::begin()
{
    m_backend->startScan();
    setScanning(true);
    m_duration.start();
    emit scanSucceeded(true);
}

void BLEScanManager::stopScan()
{
    m_waitingForAdapter = false;
    if (!m_scanning)
        return;
    if (m_backend)
        m_backend->stopScan();
    setScanning(false);
}

void BLEScanManager::onScanFinished()
{
    setScanning(false);
}

void BLEScanManager::setScanning(bool scanning)
{
    if (!scanning)
        m_duration.stop();
    if (scanning == m_scanning)
        return;
    m_scanning = scanning;
    emit scanStateChanged(scanning);
}

void BLEScanManager::onBluetoothActivationResponse(bool activate)
{
    if (!activate || !m_backend) {
        emit scanSucceeded(false);
        return;
    }
    m_waitingForAdapter = true;
    m_backend->powerOn();
    onAdapterStateChanged();
}

void BLEScanManager::onAdapterStateChanged()
{
    if (!m_waitingForAdapter || !m_backend || m_backend->adapterState() != BLEBackend::Ready)
        return;
    m_waitingForAdapter = false;
    begin();
}

void BLEScanManager::redirectToAppSettings()
{
    qCDebug(bleLog) << "There are no application settings to open on this system";
}

void BLEScanManager::redirectToLocationSettings()
{
    qCDebug(bleLog) << "There are no location settings to open on this system";
}

} // namespace ble
