#pragma once

#include "ble/blebackend.h"

#include <QBluetoothDeviceInfo>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

namespace ble {

// Finds devices through the service's backend for at most ScanDuration. Without an adapter it
// reports lowEnergyNotSupported() and an unsuccessful scan; with the adapter switched off it asks
// for the adapter to be switched on (requestBluetoothActivation()) and scans once the user agrees.
class BLEScanManager : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created by the Bluetooth LE service")
    Q_PROPERTY(bool isScanning READ isScanning NOTIFY scanStateChanged)

public:
    static constexpr int ScanDuration = 30000;

    explicit BLEScanManager(QObject* parent = nullptr);

    void setBackend(BLEBackend* backend);
    bool isScanning() const { return m_scanning; }

public slots:
    void startScan();
    void stopScan();
    void onBluetoothActivationResponse(bool activate);
    // Settings pages of the mobile systems; the desktop has none to open.
    void redirectToAppSettings();
    void redirectToLocationSettings();

signals:
    void deviceDiscovered(const QBluetoothDeviceInfo& device);
    void scanStateChanged(bool isScanning);
    void scanSucceeded(bool success);
    void lowEnergyNotSupported();
    void requestBluetoothActivation();
    // Asked on the mobile systems only; never sent on the desktop.
    void requestBluetoothActivationIOS();
    void requestBluetoothPermissionIOS();
    void locationServiceResult(bool activated);

private:
    void begin();
    void onAdapterStateChanged();
    // Scans when the adapter is ready, else asks for it or reports that there is none.
    void scanOrAsk(BLEBackend::AdapterState state);
    void onScanFinished();
    void setScanning(bool scanning);

    QPointer<BLEBackend> m_backend;
    bool m_scanning = false;
    bool m_waitingForAdapter = false;
    QTimer m_duration;
};

} // namespace ble
