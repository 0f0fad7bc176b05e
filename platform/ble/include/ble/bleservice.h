#pragma once

#include "ble/authenticationstatustelegram.h"
#include "ble/authenticationtelegram.h"
#include "ble/bledevice.h"
#include "ble/statustelegram.h"
#include "ble/synctelegram.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <utils/singleton.h>

#include <functional>
#include <memory>

namespace ble {

class BLEBackend;
class BLERequestManager;
class BLEScanManager;

// The program's Bluetooth LE link: the scan, one connected device and the request queue to it.
// Underneath lies a backend: Qt Bluetooth, or the simulated devices of the demonstration mode;
// the program picks it from its "demoMode" setting with setDemoMode(), and a change takes effect
// between connections.
//
// A device that asks for it is authenticated before deviceReady() (docs/device-protocol.md,
// "Authentication"): a code stored for its serial number in storage::ConnectionCodeService is sent
// without asking; otherwise, or when the device refuses the stored code (which is then forgotten),
// authenticationRequested() lets the user choose the push button or a code. A code the push
// button brings is stored, shown once (generatedCodeReceived()) and the link goes on after
// generatedCodeRead(). A PIN follows when the device has one. Locks report their end time.
// After that a device of connection type 1 gets the PC's clock and the interface language when
// syncDateTime and syncLanguage are set; the program keeps these options in its settings.
// A device that announces its reset mode has its transmission status read then: still reset, the
// link is ready for requests (connectedDevice()) but the service emits openResetPopUp() instead of
// deviceReady(); whoever gives the device its settings emits deviceReady() once it takes them.
//
// Inactivity: every request the user's work makes keeps the link active while it is sent and
// answered; the polls a view repeats by itself do not, and waiting for the user counts as idle.
// A link idle for the inactivity time-out ends with inactiveForTooLong().
class BLEService : public QObject, public utils::Singleton<BLEService> {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created in TarvinoApp")
    Q_PROPERTY(bool syncDateTime READ syncDateTime WRITE setSyncDateTime NOTIFY syncDateTimeChanged)
    Q_PROPERTY(bool syncLanguage READ syncLanguage WRITE setSyncLanguage NOTIFY syncLanguageChanged)
    Q_PROPERTY(bool showSyncPopup READ showSyncPopup WRITE setShowSyncPopup NOTIFY showSyncPopupChanged)

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
    // Takes effect at once: an open link counts its idle time from now.
    void setInactivityTimeout(int milliseconds);
    int inactivityTimeout() const { return m_inactivity.interval(); }

    bool syncDateTime() const { return m_syncDateTime; }
    bool syncLanguage() const { return m_syncLanguage; }
    // Whether the user is still to choose the synchronisation before a connection-type-1 device.
    bool showSyncPopup() const { return m_showSyncPopup; }
    // The interface language a device gets (ISO 639-1, such as "de").
    void setInterfaceLanguage(const QString& language) { m_language = language; }

    // The user's answers while a device asks for authentication.
    Q_INVOKABLE void authenticateWithPushButton();
    // A code of at most 6 digits; a longer one is wrong without asking the device.
    Q_INVOKABLE void authenticateWithCode(int code);
    Q_INVOKABLE void generatedCodeRead();
    // A PIN of 4 digits (0 ... 9999).
    Q_INVOKABLE void unlockWithPinCode(int pin);
    Q_INVOKABLE void stopScan();

public slots:
    void setDemoMode(bool on);
    // Ends the memory transfer under way (the user's abort).
    void abortTransfer();
    void setSyncDateTime(bool on);
    void setSyncLanguage(bool on);
    void setShowSyncPopup(bool on);

signals:
    void deviceReady(ble::BLEDevice* device);
    // The connected device is in reset mode and needs its basic settings before use.
    void openResetPopUp();
    void deviceDisconnected();
    // A German message: the connection could not be made.
    void bluetoothError(const QString& message);
    // The scan that was running cannot go on (the backend changed).
    void abortScan();
    void inactiveForTooLong();
    // The device wants the user's push button or code; the serial number names it.
    void authenticationRequested(const QString& serialNumber);
    // The code the device generated for the push button, already stored; shown once.
    void generatedCodeReceived(const QString& code);
    void wrongCode();
    void buttonNotPressed();
    void pinCodeRequested();
    void wrongPinCode();
    // status 1: locked after wrong codes, 2: after wrong PINs; unlockTime on the PC's clock (UTC).
    // A lock found on connecting comes before anything is asked of the user.
    void deviceLocked(int status, const QDateTime& unlockTime);
    void syncDateTimeChanged(bool syncDateTime);
    void syncLanguageChanged(bool syncLanguage);
    void showSyncPopupChanged(bool showSyncPopup);
    void transferAborted();
    // A project needs more memory entries than the device holds (used, available).
    void tooManySZError(int nbSz, int maxSZ);

private:
    enum class Link { None, Connecting, Authenticating, Ready };
    // What an authenticating link waits for.
    enum class Step { Device, User, CodeRead, Pin };

    void chooseBackend();
    void onConnected();
    void onConnectionError(const QString& message);
    // Ends a link that never became ready.
    void failLink(const QString& message);
    void onLinkLost();
    // False when there was no link.
    bool endLink();
    void onInactive();
    void readStatus();
    void onStatus(bool ok);
    // stored: the code kept for the device, forgotten when the device refuses it.
    void sendCode(int code, bool stored);
    void sendAuthentication();
    void onAuthentication(bool ok);
    void onPin(bool ok);
    void askUser();
    void continueAfterAuthentication();
    void finishConnection();
    void onTransmissionStatus(bool ok);
    void becomeReady();
    // Lets requests go to the device, after the clock and language it is to get.
    void openLink();
    void synchronise();
    void failAuthentication();
    // Runs the reply handler only while the link that asked is still the one being authenticated.
    std::function<void(bool)> onThisLink(void (BLEService::*handler)(bool));
    void lock(int status, int remainingSeconds);
    QString serialNumber() const;

    BLEScanManager* m_scanManager;
    BLERequestManager* m_requestManager;
    std::unique_ptr<BLEBackend> m_backend;
    bool m_initialized = false;
    bool m_demoMode = false;
    bool m_backendOutdated = false;
    Link m_link = Link::None;
    std::unique_ptr<BLEDevice> m_device;
    QTimer m_inactivity;
    int m_session = 0;
    Step m_step = Step::Device;
    bool m_needsPin = false;
    bool m_usingStoredCode = false;
    bool m_pushButton = false;
    int m_code = 0;
    AuthenticationStatusTelegram m_status;
    AuthenticationTelegram m_authentication;
    StatusTelegram m_transmission{StatusTelegram::ResetMode};
    SyncTelegram m_clock;
    SyncTelegram m_languageTelegram;
    bool m_syncDateTime = false;
    bool m_syncLanguage = false;
    bool m_showSyncPopup = false;
    QString m_language;
};

} // namespace ble
