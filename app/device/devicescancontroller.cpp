#include "devicescancontroller.h"

#include "dataexchangecontroller.h"
#include "devicelogging.h"
#include "lockwait.h"

#include <ble/bledevice.h>
#include <ble/bledevicecontainer.h>
#include <ble/blescanmanager.h>
#include <ble/bleservice.h>
#include <devices/deviceservice.h>

#include <QBluetoothUuid>
#include <QTimer>

namespace {

constexpr int SyncConnectionType = 1;

QBluetoothDeviceInfo dummy(const QBluetoothUuid& uuid, const char* name)
{
    return QBluetoothDeviceInfo(uuid, QString::fromLatin1(name), 0);
}

} // namespace

DeviceScanController::DeviceScanController(ReadProjectOwner* owner, QObject* parent)
    : QObject(parent)
    , m_container(new ble::BLEDeviceContainer(this))
    , m_owner(owner)
{
    if (ble::BLEService::hasInstance()) {
        m_service = &ble::BLEService::instance();
        m_scanManager = m_service->scanManager();
    } else {
        qCWarning(deviceLog) << "No Bluetooth LE service: the scan finds nothing";
    }
    connectSources();
    connect(m_container, &QAbstractItemModel::rowsRemoved, this, &DeviceScanController::followSelection);
}

DeviceScanController::~DeviceScanController()
{
    qCDebug(deviceLog) << "DeviceScanController deleted";
}

void DeviceScanController::connectSources()
{
    if (m_scanManager) {
        using ble::BLEScanManager;
        connect(m_scanManager, &BLEScanManager::locationServiceResult, this,
                &DeviceScanController::locationServiceResult);
        connect(m_scanManager, &BLEScanManager::deviceDiscovered, this, &DeviceScanController::deviceDiscovered);
        connect(m_scanManager, &BLEScanManager::scanStateChanged, this, &DeviceScanController::onScanStateChanged);
        connect(m_scanManager, &BLEScanManager::requestBluetoothActivation, this,
                &DeviceScanController::askForBluetoothPermission);
        connect(m_scanManager, &BLEScanManager::requestBluetoothActivationIOS, this,
                &DeviceScanController::askForBluetoothActivationIOS);
        connect(m_scanManager, &BLEScanManager::requestBluetoothPermissionIOS, this,
                &DeviceScanController::askForBluetoothPermissionIOS);
        connect(m_scanManager, &BLEScanManager::scanSucceeded, this, &DeviceScanController::scanSucceeded);
        connect(m_scanManager, &BLEScanManager::lowEnergyNotSupported, this,
                &DeviceScanController::lowEnergyNotSupported);
    }
    if (m_service) {
        connect(m_service, &ble::BLEService::deviceReady, this, &DeviceScanController::onDeviceReady);
        connect(m_service, &ble::BLEService::abortScan, this, &DeviceScanController::closeScan);
    }
}

bool DeviceScanController::isScanning() const
{
    return m_scanManager && m_scanManager->isScanning();
}

void DeviceScanController::deviceDiscovered(const QBluetoothDeviceInfo& device)
{
    const int ot2 = ble::BLEDevice::parseOt2Number(device.name());
    if (!devices::DeviceService::hasInstance() || !devices::DeviceService::instance().exists(ot2))
        return;
    const int before = m_container->length();
    m_container->addDevice(device, devices::DeviceService::instance().deviceNameFromOt2(ot2));
    // Only a device just added is selected: one seen again keeps the user's choice.
    if (before == 0 && m_container->length() == 1)
        setSelectedDeviceIndex(0);
}

void DeviceScanController::abortScan()
{
    if (m_scanManager)
        m_scanManager->stopScan();
}

void DeviceScanController::startScan()
{
    if (m_scanManager)
        m_scanManager->startScan();
}

void DeviceScanController::connectBLEDevice()
{
    abortScan();
    ble::BLEDevice* device = m_container->indexOf(m_selected) == m_selectedIndex ? m_selected.data() : nullptr;
    if (!device || !m_service)
        return;
    if (device->connectionType() == SyncConnectionType && m_service->showSyncPopup()) {
        emit showSyncPopup();
        return;
    }
    qCDebug(deviceLog).noquote() << "connect to" << device->name();
    m_service->connectToDevice(device);
}

void DeviceScanController::onScanStateChanged(bool isScanning)
{
    emit scanStateChanged(isScanning);
    if (isScanning)
        m_container->startRemoveStaleDevices();
    else
        m_container->stopRemoveStaleDevices();
}

void DeviceScanController::onDeviceReady(ble::BLEDevice* device)
{
    emit deviceReady(device);
}

void DeviceScanController::setSelectedDeviceIndex(int index)
{
    m_selected = m_container->bleDeviceByIndex(index);
    if (index == m_selectedIndex)
        return;
    m_selectedIndex = index;
    emit selectedDeviceChanged(index);
}

void DeviceScanController::followSelection()
{
    if (m_selectedIndex < 0)
        return;
    const int index = m_container->indexOf(m_selected);
    if (index < 0)
        m_selected = nullptr;
    if (index == m_selectedIndex)
        return;
    m_selectedIndex = index;
    emit selectedDeviceChanged(index);
}

void DeviceScanController::onViewCompleted()
{
    m_selectedIndex = -1;
    m_selected = nullptr;
}

ble::BLEDevice* DeviceScanController::deviceByIndex(int index) const
{
    return m_container->bleDeviceByIndex(index);
}

void DeviceScanController::discoverDummyDevices()
{
    using Service = QBluetoothUuid::ServiceClassUuid;
    deviceDiscovered(dummy(QBluetoothUuid(Service::AV_RemoteControlTarget), "TarvinoRix3_00_-17370756"));
    QTimer::singleShot(SecondDummyDelay, this, [this] {
        deviceDiscovered(dummy(QBluetoothUuid(Service::AV_RemoteControl), "TarvinoRix3_85_211876245"));
    });
    QTimer::singleShot(ThirdDummyDelay, this, [this] {
        deviceDiscovered(dummy(QBluetoothUuid(QBluetoothUuid::CharacteristicType::AerobicHeartRateLowerLimit),
                               "TarvinoRix3_58_000000258"));
    });
}

DataExchangeController* DeviceScanController::openExchangeView(QObject* project, int deviceOt2Number, bool fullExport)
{
    qCDebug(deviceLog) << "Export " << project;
    auto* controller = new DataExchangeController(deviceOt2Number, m_owner);
    if (project)
        controller->setProjectName(project->property("name").toString());
    controller->exportProject(project, fullExport);
    return controller;
}

DataExchangeController* DeviceScanController::openExchangeView(int deviceOt2Number)
{
    qCDebug(deviceLog) << "Import " << deviceOt2Number;
    auto* controller = new DataExchangeController(deviceOt2Number, m_owner);
    controller->readAdditionalInfo();
    controller->importProject();
    return controller;
}

QString DeviceScanController::lockText(int status, const QDateTime& unlockTime) const
{
    return LockWait::text(status, unlockTime, QDateTime::currentDateTimeUtc());
}

QString DeviceScanController::pinLockText(const QDateTime& unlockTime) const
{
    return LockWait::pinText(unlockTime, QDateTime::currentDateTimeUtc());
}

void DeviceScanController::onBluetoothActivationResponse(bool activate)
{
    if (m_scanManager)
        m_scanManager->onBluetoothActivationResponse(activate);
}

void DeviceScanController::redirectToLocationSettings()
{
    if (m_scanManager)
        m_scanManager->redirectToLocationSettings();
}

void DeviceScanController::redirectToAppSettings()
{
    if (m_scanManager)
        m_scanManager->redirectToAppSettings();
}
