#include "tarvinoapp.h"

#include "buildinfo.h"
#include "calendarsettings.h"
#include "coloredimageprovider.h"
#include "downloadserver.h"
#include "maincontroller.h"
#include "platformservice.h"
#include "printservice.h"
#include "programsettings.h"
#include "softwareinfo.h"
#include "softwareupdateservice.h"
#include "tarvinologging.h"

#include <QCoreApplication>
#include <QDir>
#include <QQmlContext>
#include <QTemporaryFile>

#include <ble/bleservice.h>
#include <core/languageservice.h>
#include <core/settingsservice.h>
#include <countries/countryservice.h>
#include <devices/deviceservice.h>
#include <devices/eepromservice.h>
#include <encrypter/encryptionservice.h>
#include <encrypter/ftpservice.h>
#include <filemanager/filemanager.h>
#include <holidays/holidaysetservice.h>
#include <network/networkservice.h>
#include <quopral/quopralservice.h>
#include <serial/serialprotocol.h>
#include <storage/connectioncodeservice.h>
#include <storage/projectservice.h>
#include <storage/storageservice.h>
#include <systeminfo/systeminfo.h>

namespace {

const QColor ThemeColor(20, 74, 129);

// Services of the libraries are singletons whose creator records the instance.
template <typename ServiceType>
ServiceType* createService(QObject* parent)
{
    auto* service = new ServiceType(parent);
    ServiceType::m_instance = service;
    return service;
}

// The storage services have no parent: Qt deletes them at exit, in the reverse order of their
// creation. A second application object in the same process reuses them.
template <typename ServiceType>
ServiceType* createParentlessService()
{
    if (!ServiceType::m_instance) {
        ServiceType::m_instance = new ServiceType;
        qAddPostRoutine([] { delete ServiceType::m_instance; });
    }
    return ServiceType::m_instance;
}

// The cloud address is the user's setting: the service starts with the stored one, and each
// change is stored at once.
void keepCloudAddress(network::NetworkService* network, core::SettingsService* settings)
{
    network->setCloudAddress(settings->settingValue(ProgramSettings::CloudAddress).toString());
    QObject::connect(network, &network::NetworkService::cloudAddressChanged, settings, [network, settings] {
        settings->setSettingValueFromStringKey(ProgramSettings::CloudAddress, network->cloudAddress());
    });
}

// The synchronisation options belong to the user's settings, which the Bluetooth LE layer stands
// below: the service starts with the stored options, each change is stored at once, and the
// service always knows the interface language.
void keepSyncOptions(ble::BLEService* ble, core::SettingsService* settings, core::LanguageService* language)
{
    ble->setSyncDateTime(settings->settingValue(ProgramSettings::SyncDateTime).toBool());
    ble->setSyncLanguage(settings->settingValue(ProgramSettings::SyncLanguage).toBool());
    ble->setShowSyncPopup(settings->settingValue(ProgramSettings::ShowSyncPopup).toBool());
    QObject::connect(ble, &ble::BLEService::syncDateTimeChanged, settings,
                     [settings](bool on) { settings->setSettingValueFromStringKey(ProgramSettings::SyncDateTime, on); });
    QObject::connect(ble, &ble::BLEService::syncLanguageChanged, settings,
                     [settings](bool on) { settings->setSettingValueFromStringKey(ProgramSettings::SyncLanguage, on); });
    QObject::connect(ble, &ble::BLEService::showSyncPopupChanged, settings,
                     [settings](bool on) { settings->setSettingValueFromStringKey(ProgramSettings::ShowSyncPopup, on); });
    if (!language)
        return;
    const auto tell = [ble](const QString& locale) { ble->setInterfaceLanguage(locale.left(2).toLower()); };
    tell(language->localeCode());
    QObject::connect(language, &core::LanguageService::localeCodeChanged, ble, tell);
}

} // namespace

TarvinoApp::TarvinoApp()
    : core::BaseApplication(true, QString::fromLatin1(BuildInfo::ProjectVersion),
                            QString::fromLatin1(BuildInfo::BuildNumber), ThemeColor)
{
    // Registered with the engine, before the main window's QML may be compiled, which can begin
    // before initialize().
    systemInfo::init(&engine(), QString::fromLatin1(BuildInfo::ProjectVersion),
                     QString::fromLatin1(BuildInfo::BuildNumber));
}

TarvinoApp::~TarvinoApp() = default;

void TarvinoApp::publish(const char* name, QObject* service)
{
    context()->setContextProperty(QString::fromLatin1(name), service);
}

bool TarvinoApp::initialize()
{
    qCDebug(tarvinoLog) << "Initialize base application";
    const bool initialized = BaseApplication::initialize();
    printSystemInfo();

    qCDebug(tarvinoLog) << "No settings migration required";

    qCDebug(tarvinoLog) << "Initialize devices";
    auto* deviceService = createService<devices::DeviceService>(this);
    deviceService->initInBackground(QStringLiteral(":/data/devices.json"));
    publish("deviceService", deviceService);

    auto* eepromService = createService<devices::EepromService>(this);
    eepromService->init();
    publish("eepromService", eepromService);

    qCDebug(tarvinoLog) << "Initialize storage";
    auto* storageService = createParentlessService<storage::StorageService>();
    if (!storageService->init())
        qCWarning(tarvinoLog).noquote() << "The project storage cannot be opened:" << storageService->errorString();
    publish("storageService", storageService);

    qCDebug(tarvinoLog) << "Initialize projects";
    if (!createParentlessService<storage::ProjectService>()->init())
        qCWarning(tarvinoLog) << "The stored projects cannot be read";

    qCDebug(tarvinoLog) << "Initialize connection codes";
    if (!createParentlessService<storage::ConnectionCodeService>()->init())
        qCWarning(tarvinoLog) << "The stored connection codes cannot be read";

    qCDebug(tarvinoLog) << "Initialize bluetooth";
    auto* bleService = createService<ble::BLEService>(this);
    // The link stands below the settings: the program tells it which devices to talk to.
    bleService->setDemoMode(settingsService()->demoMode());
    bleService->init();
    connect(settingsService(), &core::SettingsService::demoModeChanged, bleService, &ble::BLEService::setDemoMode);
    keepSyncOptions(bleService, settingsService(), languageService());
    publish("bleService", bleService);

    qCDebug(tarvinoLog) << "Initialize software info";
    publish("softwareinfo", new SoftwareInfo(this));

    qCDebug(tarvinoLog) << "Initialize calendar settings";
    publish("calendarSettings", new CalendarSettings(this));

    qCDebug(tarvinoLog) << "Initialize platform";
    publish("platformService", new PlatformService(this));

    qCDebug(tarvinoLog) << "Initialize print service";
    publish("printService", new PrintService(this));

    qCDebug(tarvinoLog) << "Initialize countries";
    auto* countryService = createService<countries::CountryService>(this);
    countryService->init();
    publish("countryService", countryService);

    qCDebug(tarvinoLog) << "Initialize holidays";
    auto* holidaySetService = createService<holidays::HolidaySetService>(this);
    holidaySetService->init();
    publish("holidaySetService", holidaySetService);

    qCDebug(tarvinoLog) << "Initialize network";
    auto* networkService = createService<network::NetworkService>(this);
    keepCloudAddress(networkService, settingsService());
    publish("network", networkService);

    qCDebug(tarvinoLog) << "Initialize serial protocol";
    auto* serialProtocol = createService<serial::SerialProtocol>(this);
    serialProtocol->setPortOverride(settingsService()->settingValue(ProgramSettings::SerialPort).toString());
    publish("serialProtocol", serialProtocol);

    qCDebug(tarvinoLog) << "Initialize device language";
    publish("quopralService", createService<quopral::QuopralService>(this));

    qCDebug(tarvinoLog) << "Initialize software update service";
    initializeDownloadServices();

    // The main controller records its own instance and is never deleted: view controllers
    // still leave its loading set at exit. A second application object reuses it.
    qCDebug(tarvinoLog) << "Initialize main controller";
    auto* mainController = MainController::hasInstance() ? MainController::m_instance : new MainController;
    publish("mainController", mainController);

    publish("localeService", languageService());
    connect(serialProtocol, &serial::SerialProtocol::openProject, mainController, &MainController::openProjectFromBytes);
    context()->setContextProperty(QStringLiteral("hasSerialLib"), true);
    engine().addImageProvider(QString::fromLatin1(ColoredImageProvider::Name), new ColoredImageProvider);

    if (initialized)
        qCDebug(tarvinoLog) << "Initialized application";
    return initialized;
}

// The encryption and FTP services serve the software update only: QML sees neither of them,
// only the update service.
void TarvinoApp::initializeDownloadServices()
{
    const QString keyChannel = QString::fromLatin1(DownloadServer::KeyChannel);
    createService<encrypter::EncryptionService>(this)->init_ECB(keyChannel, keyChannel.toLatin1());
    auto* ftpService = createService<encrypter::FtpService>(this);

    // Stored only once the carried certificate is in the store, so a failed load is tried
    // again at the next start.
    const int version = settingsService()->settingValue(ProgramSettings::FtpCertificateVersion).toInt();
    const bool force = version < DownloadServer::EmbeddedCertificateVersion;
    if (ftpService->loadCertificate(QStringLiteral(":/data/%1").arg(QStringLiteral("root_ca.pem")), force)) {
        qCInfo(tarvinoLog).noquote() << QStringLiteral(">> Update embedded certificate version from %1 to %2")
                                            .arg(version)
                                            .arg(DownloadServer::EmbeddedCertificateVersion);
        settingsService()->setSettingValueFromStringKey(ProgramSettings::FtpCertificateVersion,
                                                        DownloadServer::EmbeddedCertificateVersion);
    }

    ftpService->setCredentials(
        QString::fromLatin1(DownloadServer::Username), QString::fromLatin1(DownloadServer::Password),
        [keyChannel](const QString& text) {
            return QString::fromUtf8(encrypter::EncryptionService::instance().decryptAES_ECB(
                keyChannel, QByteArray::fromHex(text.toUtf8())));
        });

    publish("softwareUpdateService", new SoftwareUpdateService(ftpService, this));
}

void TarvinoApp::onLogExported(const QByteArray& data)
{
    if (m_logFile)
        m_logFile->deleteLater();
    m_logFile = nullptr;
    // An unusable TMPDIR gives no temporary folder; the file must not land in the root folder.
    const QString folder = QDir::tempPath();
    if (folder.isEmpty()) {
        qCWarning(tarvinoLog) << "Cannot export the log: there is no temporary folder";
        return;
    }
    m_logFile = new QTemporaryFile(QStringLiteral("%1/%2_logs_XXXXXX.txt").arg(folder, QStringLiteral("TarvinoRix3")),
                                   this);
    if (!m_logFile->open()) {
        qCWarning(tarvinoLog).noquote() << "Cannot create the log export file in" << folder << ":"
                                        << m_logFile->errorString();
        return;
    }
    const bool written = m_logFile->write(data) == data.size() && m_logFile->flush();
    m_logFile->close();
    if (!written) {
        qCWarning(tarvinoLog).noquote() << "Cannot write the log export file" << m_logFile->fileName() << ":"
                                        << m_logFile->errorString();
        return;
    }
    filemanager::FileManager::exportFile(m_logFile->fileName(), QStringLiteral("text/plain"), nullptr);
}
