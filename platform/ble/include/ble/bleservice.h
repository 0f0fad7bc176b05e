#pragma once

#include "ble/bledevice.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <utils/singleton.h>

#include <memory>

namespace ble {

class BLEBackend;
class BLERequestManager;
class BLEScanManager;

// The program's Bluetooth LE link: the scan, one connected device and the request queue to it.
// Underneath lies a backend: Qt Bluetooth, or the simulated devices of the demonstration mode;
// the program picks it from its "demoMode" setting with setDemoMode(), and a change takes effect
// between connections. A connection without traffic for the inactivity time-out is ended.
class BLEService : public QObject, public utils::Singleton<BLEService> {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created in TarvinoApp")

public:
    static constexpr int DefaultInactivityTimeout = 90000;

    inline static BLEService* m_instance = nullptr;

    explicit BLEService(QObject* parent = nullptr);
    ~BLEService() override;

    // Creates the backend the demonstration mode asks for.
    void init();

    BLEScanManager* scanManager() const { return m_scanManager; }
    BLERequestManager* requestManager() const { return m_requestManager; }
    BLEBackend* backend() const { return m_backend.get(); }
    // Puts a backend in place of the one there (tests); the link to a device ends.
    void setBackend(std::unique_ptr<BLEBackend> backend);
    bool demoMode() const { return m_demoMode; }

    Q_INVOKABLE void connectToDevice(ble::BLEDevice* device);
    Q_INVOKABLE void disconnectFromDevice();
    // The device once it is ready for requests; null otherwise. The service keeps its own copy,
    // valid until the link ends.
    Q_INVOKABLE ble::BLEDevice* connectedDevice() const;
    void setInactivityTimeout(int milliseconds);
    int inactivityTimeout() const { return m_inactivity.interval(); }

public slots:
    void setDemoMode(bool on);
    // Ends the memory transfer under way (the user's abort).
    void abortTransfer();

signals:
    void deviceReady(ble::BLEDevice* device);
    void deviceDisconnected();
    // A German message: the connection could not be made.
    void bluetoothError(const QString& message);
    // The scan that was running cannot go on (the backend changed).
    void abortScan();
    void inactiveForTooLong();
    void transferAborted();
    // A project needs more memory entries than the device holds (used, available).
    void tooManySZError(int nbSz, int maxSZ);

private:
    enum class Link { None, Connecting, Ready };

    void chooseBackend();
    void onConnected();
    void onConnectionError(const QString& message);
    void onLinkLost();
    // False when there was no link.
    bool endLink();
    void onInactive();

    BLEScanManager* m_scanManager;
    BLERequestManager* m_requestManager;
    std::unique_ptr<BLEBackend> m_backend;
    bool m_initialized = false;
    bool m_demoMode = false;
    bool m_backendOutdated = false;
    Link m_link = Link::None;
    std::unique_ptr<BLEDevice> m_device;
    QTimer m_inactivity;
};

} // namespace ble
