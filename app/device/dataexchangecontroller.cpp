#include "dataexchangecontroller.h"

#include "devicelogging.h"
#include "exportableproject.h"
#include "readprojectowner.h"
#include "trfunctions.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFuture>

#include <ble/abstractblerequest.h>
#include <ble/blerequestmanager.h>
#include <ble/bleservice.h>
#include <ble/transferplan.h>
#include <devices/deviceservice.h>
#include <devices/eepromconfiguration.h>
#include <devices/eepromservice.h>

namespace {

// The city, read with the short form.
constexpr int CityCharacteristic = 50;
constexpr char CityReplyCode = '3';
constexpr int CityFirstCharByte = 5;
constexpr int CityChecksumByte = 6;

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

devices::Device catalogueDevice(int ot2)
{
    return devices::DeviceService::hasInstance() ? devices::DeviceService::instance().deviceByOt2Number(ot2)
                                                 : devices::Device();
}

} // namespace

DataExchangeController::DataExchangeController(int deviceOt2Number, ReadProjectOwner* owner, QObject* parent)
    : QObject(parent)
    , m_eepromService(devices::EepromService::hasInstance() ? &devices::EepromService::instance() : nullptr)
    , m_requestManager(ble::BLEService::hasInstance() ? ble::BLEService::instance().requestManager() : nullptr)
    , m_bleService(ble::BLEService::hasInstance() ? &ble::BLEService::instance() : nullptr)
    , m_cityTelegram(CityCharacteristic, true)
    , m_device(catalogueDevice(deviceOt2Number))
    , m_owner(owner)
{
    m_disconnect.setSingleShot(true);
    m_disconnect.setInterval(DisconnectDelay);
    connect(&m_disconnect, &QTimer::timeout, this, [this] { disconnectIfStill(m_bleService, m_endedLink); });
    if (m_requestManager) {
        connect(m_requestManager, &ble::BLERequestManager::requestAborted, this, &DataExchangeController::onRequestAborted);
        connect(m_requestManager, &ble::BLERequestManager::debugLogChanged, this, [this] { emit logsChanged(logs()); });
    }
}

DataExchangeController::~DataExchangeController()
{
    qCDebug(deviceLog) << "Destroy data exchange controller";
    // The disconnect after a transfer outlives the controller.
    if (m_disconnect.isActive() && m_bleService) {
        const QPointer<ble::BLEDevice> link = m_endedLink;
        const QPointer<ble::BLEService> service = m_bleService;
        QTimer::singleShot(m_disconnect.remainingTime(), m_bleService, [service, link] { disconnectIfStill(service, link); });
    }
}

void DataExchangeController::disconnectIfStill(ble::BLEService* service, ble::BLEDevice* device)
{
    if (service && device && service->connectedDevice() == device)
        service->disconnectFromDevice();
}

QString DataExchangeController::logs() const
{
    return m_requestManager ? m_requestManager->debugLog() : QString();
}

int DataExchangeController::progressSteps(int n, int divisor, bool withoutModule)
{
    return ble::TransferPlan::packetCount(n, divisor, withoutModule);
}

int DataExchangeController::packetSize() const
{
    return m_device.hasInternalBleModule() ? m_device.maxBlePacketSize() : devices::Device::ExternalAdapterPacketSize;
}

bool DataExchangeController::begin()
{
    m_running = true;
    setErrorString({});
    m_stepsDone = 0;
    m_totalSteps = 0;
    m_progression = 0;
    emit progressionChanged(m_progression);
    if (!m_eepromService || !m_requestManager || !m_device.isValid()) {
        abort(trText("Data exchange", "Die Übertragung ist nicht möglich: das Gerätemodell oder der Bluetooth-Dienst fehlt."));
        return false;
    }
    m_requestManager->clearLogs();
    return true;
}

void DataExchangeController::exportProject(QObject* project, bool fullExport)
{
    m_project = project;
    m_fullExport = fullExport;
    auto* exportable = qobject_cast<ExportableProject*>(project);
    if (!exportable) {
        m_running = true;
        finishWrite(false, trText("Data exchange", "Kein Projekt zum Übertragen."));
        return;
    }
    if (!begin())
        return;
    devices::EepromConfiguration configuration;
    configuration.init(m_device);
    QFuture<devices::Ot2File> built = exportable->buildFile(true);
    built.waitForFinished();
    if (built.isCanceled() || built.resultCount() == 0) {
        finishWrite(false, trText("Data exchange", "Das Projekt konnte nicht gelesen werden."));
        return;
    }
    const devices::Ot2File file = built.result();
    const QByteArray bytes = fullExport ? m_eepromService->projectToBytes(file) : m_eepromService->projectSZToBytes(file);
    if (bytes.isEmpty()) {
        finishWrite(false, m_eepromService->errorString());
        return;
    }
    const int start = fullExport ? 0 : configuration.settingsSize();
    m_totalSteps = progressSteps(int(bytes.size()), packetSize(), !m_device.hasInternalBleModule());
    m_writingInPlace = configuration.bankCount() == 1;
    log(QStringLiteral("----------------\nStart Export\n----------------"));
    m_requestManager->createEepromWriteRequest(start, bytes, packetSize(), m_device.maxBlePacketSize(), this,
                                               "onEepWritten", !m_device.yearlyProgram(), "onEepWriteError",
                                               "onIntermediaryWrite", true, fullExport);
}

void DataExchangeController::onEepWritten(const ble::BLERequestResponse& response)
{
    m_writingInPlace = false;
    log(QStringLiteral("WRITE COMPLETE ") + hex(response.data()));
    log(QStringLiteral("----------------\nExport Finished\n----------------"));
    if (m_fullExport)
        sendProjectNameTelegram();
    else
        finishWrite(true);
}

void DataExchangeController::sendProjectNameTelegram()
{
    if (!m_requestManager)
        return;
    m_running = true;
    m_nameTelegram.setWriteState();
    m_nameTelegram.setProjectName(m_projectName);
    m_requestManager->createTelegramExtendedRequest(&m_nameTelegram, this, "onProjectNameWritten",
                                                    "onProjectNameWrittenError", false);
}

void DataExchangeController::onProjectNameWritten(const ble::BLERequestResponse& response)
{
    log(QStringLiteral("ProjectNameWritten Succes: ") + hex(response.data()));
    finishWrite(true);
}

void DataExchangeController::onProjectNameWrittenError(const ble::BLERequestResponse& response)
{
    warn(QStringLiteral("ProjectNameWritten Error: %1 - %2").arg(response.error()).arg(hex(response.data())));
    finishWrite(false, trText("Data exchange", "Der Projektname konnte nicht geschrieben werden: %1")
                           .arg(ble::AbstractBLERequest::errorToString(response)));
}

void DataExchangeController::readAdditionalInfo()
{
    if (!m_requestManager)
        return;
    m_nameTelegram.setReadState();
    m_requestManager->createTelegramExtendedRequest(&m_nameTelegram, this, "onProjectNameRead",
                                                    "onProjectNameReadError", false);
    if (m_device.isAstro())
        m_requestManager->createTelegramRequest(&m_cityTelegram, this, "onLocationRead", "onLocationReadError", false,
                                                true);
}

void DataExchangeController::importProject()
{
    m_project = nullptr;
    m_readFile = {};
    if (!begin())
        return;
    devices::EepromConfiguration configuration;
    configuration.init(m_device);
    const int size = configuration.eepromSize();
    m_totalSteps = progressSteps(size, m_device.maxBlePacketSize(), !m_device.hasInternalBleModule());
    log(QStringLiteral("----------------\nStart Import\n----------------"));
    if (!m_device.hasInternalBleModule()) {
        readImage(0, size);
        return;
    }
    m_requestManager->createTelegramRequest(
        &m_bankTelegram, [this, size](bool ok) { onBankRead(ok, size); }, nullptr, false, true, this);
}

void DataExchangeController::onBankRead(bool ok, int size)
{
    if (!m_running)
        return;
    if (!ok) {
        abort(trText("Data exchange", "Der aktive Speicherbereich des Geräts konnte nicht gelesen werden."));
        return;
    }
    log(QStringLiteral(">> Active bank = %1").arg(m_bankTelegram.bankAddress()));
    readImage(m_bankTelegram.bankAddress(), size);
}

void DataExchangeController::readImage(int start, int size)
{
    m_requestManager->createEepromReadRequest(start, size, packetSize(), m_device.maxBlePacketSize(), this,
                                              "onDataImported", "onEepWriteError", "onIntermediaryWrite", true);
}

void DataExchangeController::onDataImported(const ble::BLERequestResponse& response)
{
    m_image = response.data();
    log(QStringLiteral("----------------\nImport Finished\n----------------"));
    if (response.error() != ble::AbstractBLERequest::NoError) {
        finishImport(false, ble::AbstractBLERequest::errorToString(response));
        return;
    }
    // A refused image ends the import here: no name is asked and nothing is stored.
    m_readFile = m_eepromService->bytesToOt2(m_image, m_device.ot2Nummer());
    if (!m_readFile.isValid())
        finishImport(false, m_eepromService->errorString());
    else
        finishImport(true);
}

void DataExchangeController::onProjectNameRead(const ble::BLERequestResponse& response)
{
    const bool named = m_nameTelegram.parseTelegram(response.data()) && !m_nameTelegram.projectName().isEmpty();
    m_projectName = named ? m_nameTelegram.projectName() : importName();
    emit projectNameChanged(m_projectName);
}

void DataExchangeController::onProjectNameReadError(const ble::BLERequestResponse& response)
{
    Q_UNUSED(response)
    m_projectName = importName();
    emit projectNameChanged(m_projectName);
}

void DataExchangeController::onLocationRead(const ble::BLERequestResponse& response)
{
    log(QStringLiteral("Location read Succes: ") + hex(response.data()));
    m_cityReply = response.data();
}

void DataExchangeController::onLocationReadError(const ble::BLERequestResponse& response)
{
    warn(QStringLiteral("Error while reading the location: %1 - %2").arg(response.error()).arg(hex(response.data())));
}

bool DataExchangeController::openReadProject(const QString& name)
{
    if (!m_readFile.isValid()) {
        warn(QStringLiteral("No project was read that could be opened"));
        return false;
    }
    devices::Ot2File file = m_readFile;
    if (m_device.isAstro() && m_cityReply.size() == CityReplySize && m_cityReply.at(1) == CityReplyCode)
        file.astro().setFirstCharAndChecksum(quint8(m_cityReply.at(CityFirstCharByte)),
                                             quint8(m_cityReply.at(CityChecksumByte)));
    if (!m_owner) {
        warn(QStringLiteral("Nobody takes the project read"));
        return false;
    }
    if (m_owner->openReadProject(name, file))
        return true;
    setErrorString(trText("Data exchange", "Das gelesene Projekt konnte nicht gespeichert werden."));
    return false;
}

void DataExchangeController::onIntermediaryWrite(const ble::BLERequestResponse& response)
{
    Q_UNUSED(response)
    ++m_stepsDone;
    m_progression = m_totalSteps > 0 ? m_stepsDone * 100.0 / m_totalSteps : 0;
    emit progressionChanged(m_progression);
}

void DataExchangeController::onEepWriteError(const ble::BLERequestResponse& response)
{
    log(QStringLiteral("Eep error ") + hex(response.data()));
    abort(ble::AbstractBLERequest::errorToString(response));
}

void DataExchangeController::onRequestAborted()
{
    abort(ble::AbstractBLERequest::errorToString(ble::BLERequestResponse(ble::AbstractBLERequest::Aborted, {})));
}

void DataExchangeController::setProjectName(const QString& name)
{
    if (name == m_projectName)
        return;
    m_projectName = name;
    emit projectNameChanged(name);
}

bool DataExchangeController::end(const QString& error)
{
    if (!m_running)
        return false;
    m_running = false;
    setErrorString(writeError(error));
    m_writingInPlace = false;
    m_endedLink = m_bleService ? m_bleService->connectedDevice() : nullptr;
    m_disconnect.start();
    return true;
}

QString DataExchangeController::writeError(const QString& error) const
{
    if (!m_writingInPlace)
        return error;
    return error + QLatin1Char('\n')
           + trText("Data exchange", "Das Gerät enthält jetzt kein gültiges Programm. Übertragen Sie das Projekt erneut.");
}

void DataExchangeController::finishWrite(bool success, const QString& error)
{
    if (end(error))
        emit writeFinished(success);
}

void DataExchangeController::finishImport(bool success, const QString& error)
{
    if (end(error))
        emit importFinished(success);
}

void DataExchangeController::abort(const QString& error)
{
    if (end(error))
        emit requestAborted();
}

void DataExchangeController::setErrorString(const QString& error)
{
    if (error == m_errorString)
        return;
    m_errorString = error;
    emit errorStringChanged();
}

void DataExchangeController::log(const QString& line) const
{
    if (m_requestManager)
        m_requestManager->log(line);
    else
        qCDebug(deviceLog).noquote() << line;
}

void DataExchangeController::warn(const QString& line) const
{
    qCWarning(deviceLog).noquote() << line;
    if (m_requestManager)
        m_requestManager->log(line);
}

QString DataExchangeController::importName()
{
    return QStringLiteral("Import_") + QDateTime::currentDateTime().toString(QStringLiteral("dd-MM-yyyy_hh.mm.ss"));
}
