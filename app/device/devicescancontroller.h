#pragma once

#include <QBluetoothDeviceInfo>
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

#include <ble/bledevice.h>
#include <ble/bledevicecontainer.h>

namespace ble {
class BLEScanManager;
class BLEService;
} // namespace ble

class DataExchangeController;
class ReadProjectOwner;

// One device scan: lists the time switches whose model the catalogue knows, keeps the user's
// choice, connects it, and hands the connected device on (to the data exchange or the direct
// commands). The selection follows its device while stale devices leave the list; when the
// selected device goes, nothing is selected.
class DeviceScanController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created in MainController")
    Q_PROPERTY(ble::BLEDeviceContainer* deviceContainer READ deviceContainer CONSTANT)
    Q_PROPERTY(int selectedDeviceIndex READ selectedDeviceIndex WRITE setSelectedDeviceIndex NOTIFY selectedDeviceChanged)
    Q_PROPERTY(bool isScanning READ isScanning NOTIFY scanStateChanged)

public:
    // The delays of the second and third demonstration device.
    static constexpr int SecondDummyDelay = 300;
    static constexpr int ThirdDummyDelay = 800;

    // owner takes the projects read from a device.
    explicit DeviceScanController(ReadProjectOwner* owner = nullptr, QObject* parent = nullptr);
    ~DeviceScanController() override;

    ble::BLEDeviceContainer* deviceContainer() const { return m_container; }
    int selectedDeviceIndex() const { return m_selectedIndex; }
    bool isScanning() const;

    Q_INVOKABLE ble::BLEDevice* deviceByIndex(int index) const;
    // Writing to the device: project is the project controller (an ExportableProject with a name).
    Q_INVOKABLE DataExchangeController* openExchangeView(QObject* project, int deviceOt2Number, bool fullExport);
    // Reading the device.
    Q_INVOKABLE DataExchangeController* openExchangeView(int deviceOt2Number);
    // The lock texts of the connection and PIN views for BLEService::deviceLocked; empty once
    // the wait is over.
    Q_INVOKABLE QString lockText(int status, const QDateTime& unlockTime) const;
    Q_INVOKABLE QString pinLockText(const QDateTime& unlockTime) const;

public slots:
    void deviceDiscovered(const QBluetoothDeviceInfo& device);
    void abortScan();
    void startScan();
    void connectBLEDevice();
    void onScanStateChanged(bool isScanning);
    void onDeviceReady(ble::BLEDevice* device);
    void setSelectedDeviceIndex(int index);
    void discoverDummyDevices();
    void onViewCompleted();
    void onBluetoothActivationResponse(bool activate);
    void redirectToLocationSettings();
    void redirectToAppSettings();

signals:
    void scanStateChanged(bool isScanning);
    void deviceReady(ble::BLEDevice* connectedDevice);
    void selectedDeviceChanged(int selectedDeviceIndex);
    void closeScan();
    void askForBluetoothPermission();
    void askForBluetoothActivationIOS();
    void askForBluetoothPermissionIOS();
    void scanSucceeded(bool success);
    void bluetoothPermissionResult(int status);
    void locationServiceResult(bool activated);
    void locationServiceRequestResult(bool activated);
    void lowEnergyNotSupported();
    void showSyncPopup();

private:
    void connectSources();
    // The selection moves with its device after rows left the list.
    void followSelection();

    ble::BLEDeviceContainer* m_container;
    QPointer<ble::BLEService> m_service;
    QPointer<ble::BLEScanManager> m_scanManager;
    int m_selectedIndex = -1;
    QPointer<ble::BLEDevice> m_selected;
    ReadProjectOwner* m_owner;
};
