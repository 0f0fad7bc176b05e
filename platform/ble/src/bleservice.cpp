#include "ble/bleservice.h"

#include "ble/blebackend.h"
#include "ble/blerequestmanager.h"
#include "ble/blescanmanager.h"
#include "ble/gattlayout.h"
#include "ble/qtbluetoothbackend.h"
#include "ble/simulatedbackend.h"
#include "blelogging.h"

#include <storage/connectioncodeservice.h>

#include <QCoreApplication>

namespace ble {

namespace {

constexpr int CodeLockStatus = 1;
constexpr int PinLockStatus = 2;
constexpr int ConnectionTypeWithSync = 1;
constexpr int GeneratedCodeDigits = 6;

storage::ConnectionCodeService* codes()
{
    if (!storage::ConnectionCodeService::hasInstance()) {
        qCWarning(bleLog) << "No connection-code store: codes are not kept";
        return nullptr;
    }
    return &storage::ConnectionCodeService::instance();
}

} // namespace

BLEService::BLEService(QObject* parent)
    : QObject(parent)
    , m_scanManager(new BLEScanManager(this))
    , m_requestManager(new BLERequestManager(this))
{
    m_inactivity.setSingleShot(true);
    m_inactivity.setInterval(DefaultInactivityTimeout);
    connect(&m_inactivity, &QTimer::timeout, this, &BLEService::onInactive);
    connect(m_requestManager, &BLERequestManager::activity, this, [this] {
        if (m_link == Link::Ready || m_link == Link::Authenticating)
            m_inactivity.start();
    });
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
    m_link = Link::Authenticating;
    m_requestManager->setLinkReady(true);
    m_inactivity.start();
    if (GattLayout::asksForAuthentication(m_device->deviceInfo()))
        readStatus();
    else
        finishConnection();
}

std::function<void(bool)> BLEService::onThisLink(void (BLEService::*handler)(bool))
{
    return [this, handler, session = m_session](bool ok) {
        if (session == m_session && m_link == Link::Authenticating)
            (this->*handler)(ok);
    };
}

void BLEService::readStatus()
{
    m_step = Step::Device;
    m_requestManager->createTelegramRequest(&m_status, onThisLink(&BLEService::onStatus), {}, false, true, this);
}

void BLEService::onStatus(bool ok)
{
    if (!ok) {
        failAuthentication();
        return;
    }
    m_needsPin = m_status.needsPin();
    if (m_status.lock() != AuthenticationStatusTelegram::NoLock) {
        m_step = m_status.lock() == AuthenticationStatusTelegram::CodeLock ? Step::User : Step::Pin;
        lock(m_status.lock() == AuthenticationStatusTelegram::CodeLock ? CodeLockStatus : PinLockStatus,
             m_status.remainingSeconds());
        return;
    }
    if (!m_status.needsAuthentication()) {
        continueAfterAuthentication();
        return;
    }
    const QString stored = codes() ? codes()->code(serialNumber()) : QString();
    bool number = false;
    const int code = stored.toInt(&number);
    if (!number) {
        askUser();
        return;
    }
    qCDebug(bleLog) << "Sending the stored connection code";
    sendCode(code, true);
}

void BLEService::askUser()
{
    m_usingStoredCode = false;
    m_step = Step::User;
    emit authenticationRequested(serialNumber());
}

void BLEService::authenticateWithPushButton()
{
    if (m_link != Link::Authenticating || m_step != Step::User)
        return;
    m_usingStoredCode = false;
    m_pushButton = true;
    m_authentication.setPushButton();
    sendAuthentication();
}

void BLEService::authenticateWithCode(int code)
{
    if (m_link != Link::Authenticating || m_step != Step::User)
        return;
    if (code < 0 || code > AuthenticationTelegram::LargestCode) {
        emit wrongCode();
        return;
    }
    sendCode(code, false);
}

void BLEService::sendCode(int code, bool stored)
{
    m_usingStoredCode = stored;
    m_pushButton = false;
    m_code = code;
    m_authentication.setCode(code);
    sendAuthentication();
}

void BLEService::sendAuthentication()
{
    m_step = Step::Device;
    m_requestManager->createTelegramRequest(&m_authentication, onThisLink(&BLEService::onAuthentication), {}, false,
                                            true, this);
}

void BLEService::onAuthentication(bool ok)
{
    if (!ok) {
        failAuthentication();
        return;
    }
    switch (m_authentication.result()) {
    case AuthenticationTelegram::Accepted:
        break;
    case AuthenticationTelegram::Wrong:
        if (m_usingStoredCode) {
            qCDebug(bleLog) << "The device refused the stored code: it is forgotten";
            if (codes())
                codes()->removeCode(serialNumber());
            askUser();
            return;
        }
        m_step = Step::User;
        emit wrongCode();
        return;
    case AuthenticationTelegram::ButtonNotPressed:
        m_step = Step::User;
        emit buttonNotPressed();
        return;
    case AuthenticationTelegram::Locked:
        m_step = Step::User;
        lock(CodeLockStatus, m_authentication.value());
        return;
    }
    if (!m_pushButton) {
        if (!m_usingStoredCode && codes())
            codes()->setCode(serialNumber(), QString::number(m_code));
        continueAfterAuthentication();
        return;
    }
    const QString code = QStringLiteral("%1").arg(m_authentication.value(), GeneratedCodeDigits, 10, QLatin1Char('0'));
    if (codes())
        codes()->setCode(serialNumber(), code);
    m_step = Step::CodeRead;
    emit generatedCodeReceived(code);
}

void BLEService::generatedCodeRead()
{
    if (m_link == Link::Authenticating && m_step == Step::CodeRead)
        continueAfterAuthentication();
}

void BLEService::continueAfterAuthentication()
{
    if (!m_needsPin) {
        finishConnection();
        return;
    }
    m_step = Step::Pin;
    emit pinCodeRequested();
}

void BLEService::unlockWithPinCode(int pin)
{
    if (m_link != Link::Authenticating || m_step != Step::Pin)
        return;
    if (pin < 0 || pin > AuthenticationTelegram::LargestPin) {
        emit wrongPinCode();
        return;
    }
    m_step = Step::Device;
    m_authentication.setPin(pin);
    m_requestManager->createTelegramRequest(&m_authentication, onThisLink(&BLEService::onPin), {}, false, true, this);
}

void BLEService::onPin(bool ok)
{
    if (!ok) {
        failAuthentication();
        return;
    }
    m_step = Step::Pin;
    switch (m_authentication.result()) {
    case AuthenticationTelegram::Accepted:
        finishConnection();
        return;
    case AuthenticationTelegram::Locked:
        lock(PinLockStatus, m_authentication.value());
        return;
    default:
        emit wrongPinCode();
        return;
    }
}

void BLEService::lock(int status, int remainingSeconds)
{
    qCDebug(bleLog) << "The device is locked for" << remainingSeconds << "s, status" << status;
    emit deviceLocked(status, QDateTime::currentDateTimeUtc().addSecs(remainingSeconds));
}

void BLEService::failAuthentication()
{
    const QString message =
        QCoreApplication::translate("Bluetooth", "Die Authentifizierung mit dem Gerät ist fehlgeschlagen.");
    qCWarning(bleLog).noquote() << message;
    failLink(message);
}

void BLEService::finishConnection()
{
    if (!GattLayout::announcesResetMode(m_device->deviceInfo())) {
        becomeReady();
        return;
    }
    m_step = Step::Device;
    m_transmission.setReadState();
    m_requestManager->createTelegramRequest(&m_transmission, onThisLink(&BLEService::onTransmissionStatus), {},
                                            false, true, this);
}

void BLEService::onTransmissionStatus(bool ok)
{
    if (!ok) {
        const QString message = QCoreApplication::translate("Bluetooth", "Der Status des Geräts konnte nicht gelesen werden.");
        qCWarning(bleLog).noquote() << message;
        failLink(message);
        return;
    }
    if (m_transmission.status() != StatusTelegram::ResetMode) {
        becomeReady();
        return;
    }
    qCDebug(bleLog) << "The device is in reset mode";
    openLink();
    emit openResetPopUp();
}

void BLEService::becomeReady()
{
    openLink();
    emit deviceReady(m_device.get());
}

void BLEService::openLink()
{
    if (m_device->connectionType() == ConnectionTypeWithSync)
        synchronise();
    m_link = Link::Ready;
}

void BLEService::synchronise()
{
    const auto report = [](const char* what) {
        return [what](int error, const QByteArray& reply) {
            qCWarning(bleLog).noquote() << "The device did not take the" << what << error << reply.toHex(' ');
        };
    };
    if (m_syncDateTime) {
        // The device keeps wall-clock time: the PC's local date and time as they read.
        m_clock.setDateTime(QDateTime::currentDateTime());
        m_requestManager->createTelegramRequest(&m_clock, {}, report("clock"), false, true, this);
    }
    if (m_syncLanguage && !m_language.isEmpty()) {
        m_languageTelegram.setLanguage(m_language);
        m_requestManager->createTelegramRequest(&m_languageTelegram, {}, report("language"), false, true, this);
    }
}

QString BLEService::serialNumber() const
{
    return m_device ? m_device->serialNumber() : QString();
}

void BLEService::setSyncDateTime(bool on)
{
    if (on == m_syncDateTime)
        return;
    m_syncDateTime = on;
    emit syncDateTimeChanged(on);
}

void BLEService::setSyncLanguage(bool on)
{
    if (on == m_syncLanguage)
        return;
    m_syncLanguage = on;
    emit syncLanguageChanged(on);
}

void BLEService::setShowSyncPopup(bool on)
{
    if (on == m_showSyncPopup)
        return;
    m_showSyncPopup = on;
    emit showSyncPopupChanged(on);
}

void BLEService::stopScan()
{
    m_scanManager->stopScan();
}

void BLEService::onConnectionError(const QString& message)
{
    if (m_link == Link::None)
        return;
    qCWarning(bleLog).noquote() << "Connection failed:" << message;
    if (m_link != Link::Connecting) {
        onLinkLost();
        return;
    }
    failLink(message);
}

void BLEService::failLink(const QString& message)
{
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
    ++m_session;
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
    if (m_link == Link::Ready || m_link == Link::Authenticating)
        m_inactivity.start();
}

void BLEService::onInactive()
{
    if (m_link != Link::Ready && m_link != Link::Authenticating)
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
