#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QQmlContext>
#include <QQmlExtensionPlugin>
#include <QQuickStyle>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QStandardPaths>
#include <QTest>

#include <ble/bleservice.h>
#include <ble/qtbluetoothbackend.h>
#include <ble/simulatedbackend.h>
#include <core/customqmainwindow.h>
#include <core/windowlayout.h>
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
#include <softwareversion/quicksoftwareversion.h>
#include <storage/connectioncodeservice.h>
#include <storage/projectservice.h>
#include <storage/storageservice.h>

#include "basecontroller.h"
#include "calendarsettings.h"
#include "devicesimprocess.h"
#include "downloadserver.h"
#include "maincontroller.h"
#include "platformservice.h"
#include "printservice.h"
#include "programsettings.h"
#include "projectcontroller.h"
#include "softwareinfo.h"
#include "softwareupdateservice.h"
#include "tarvinoapp.h"

Q_IMPORT_QML_PLUGIN(TarvinoPlugin)

using core::WindowLayout;

namespace {

QStringList menuTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

// The start-up's lines in the program's category, in their order.
QStringList startupLines;
QtMessageHandler previousHandler = nullptr;

void recordStartup(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (context.category && qstrcmp(context.category, "tarvino") == 0)
        startupLines.append(message);
    previousHandler(type, context, message);
}

// Offers of the file manager, answered with a target in a folder of the test.
struct OfferedFile {
    QString suggestedPath;
    QString filter;
};

} // namespace

class TestTarvinoApp : public QObject {
    Q_OBJECT

public slots:
    // The user's browser, for the pages the program opens.
    void openUrl(const QUrl& url) { openedUrls << url; }

private slots:
    void initTestCase()
    {
        QQuickStyle::setStyle(QStringLiteral("Basic"));
        QCoreApplication::setOrganizationName(QStringLiteral("Zorvik"));
        QCoreApplication::setApplicationName(QStringLiteral("TARVINO rix3"));
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0.32"));
        QVERIFY(exportFolder.isValid());
        filemanager::FileManager::setSaveLocationChooser([this](const QString& suggested, const QString& filter) {
            offers.append({suggested, filter});
            return QDir(exportFolder.path()).filePath(QFileInfo(suggested).fileName());
        });
    }

    void cleanupTestCase()
    {
        filemanager::FileManager::setSaveLocationChooser({});
        delete WindowLayout::m_instance;
        app.reset();
    }

    void cleanStartStoresTheDefaults()
    {
        QVERIFY(QSettings().allKeys().isEmpty());
        app = std::make_unique<TarvinoApp>();
        previousHandler = qInstallMessageHandler(recordStartup);
        const bool initialized = app->initialize();
        qInstallMessageHandler(previousHandler);
        QVERIFY(initialized);

        const QSettings store;
        QCOMPARE(store.value(ProgramSettings::DateFormat).toString(), QStringLiteral("2_1"));
        QCOMPARE(store.value(ProgramSettings::FirstDay).toString(), QStringLiteral("2_1"));
        QCOMPARE(store.value(ProgramSettings::Notify).toString(), QStringLiteral("1_true"));
        QCOMPARE(store.value(ProgramSettings::Vibrate).toString(), QStringLiteral("1_true"));
        QCOMPARE(store.value(ProgramSettings::OverwriteDisplay).toString(), QStringLiteral("2_0"));
        QCOMPARE(store.value(ProgramSettings::OverwriteOrientation).toString(), QStringLiteral("2_-1"));
        // A fresh store forces the carried certificate into the certificate store.
        QCOMPARE(store.value(ProgramSettings::FtpCertificateVersion).toString(), QStringLiteral("2_1"));
        QCOMPARE(store.value(ProgramSettings::ForceOnlineSoftwareUpdateSearch).toString(), QStringLiteral("1_true"));
        QCOMPARE(store.value(ProgramSettings::OpenPath).toString(), QStringLiteral("10_") + QDir::homePath());
        QVERIFY(store.value(ProgramSettings::SoftwareUpdateEndpoint).toString().startsWith(QLatin1String("10_ftp://")));
        QVERIFY(store.value(ProgramSettings::SoftwareUpdateEndpoint).toString().endsWith(QLatin1String(":21/app/")));
        QCOMPARE(store.value(ProgramSettings::CloudAddress).toString(), QStringLiteral("10_cloud.zorvik.de/app"));
        for (const QString& withoutDefault : {ProgramSettings::CloudPassword, ProgramSettings::CloudUsername,
                                              ProgramSettings::CredentialsGateways,
                                              ProgramSettings::LastSoftwareUpdateChecked}) {
            QVERIFY2(!store.contains(withoutDefault), qPrintable(withoutDefault));
            QVERIFY(!app->settingsService()->settingValue(withoutDefault).isValid());
        }
        QCOMPARE(app->settingsService()->settingValue(ProgramSettings::FirstDay), QVariant(1));
        QCOMPARE(app->settingsService()->settingValue(ProgramSettings::OverwriteOrientation), QVariant(-1));
    }

    void servicesArePublishedByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QObject*>("service");
        QTest::newRow("devices") << "deviceService" << static_cast<QObject*>(devices::DeviceService::m_instance);
        QTest::newRow("bluetooth") << "bleService" << static_cast<QObject*>(ble::BLEService::m_instance);
        QTest::newRow("software info") << "softwareinfo" << static_cast<QObject*>(SoftwareInfo::m_instance);
        QTest::newRow("calendar") << "calendarSettings" << static_cast<QObject*>(CalendarSettings::m_instance);
        QTest::newRow("platform") << "platformService" << static_cast<QObject*>(PlatformService::m_instance);
        QTest::newRow("print") << "printService" << static_cast<QObject*>(PrintService::m_instance);
        QTest::newRow("device memory") << "eepromService" << static_cast<QObject*>(devices::EepromService::m_instance);
        QTest::newRow("countries") << "countryService" << static_cast<QObject*>(countries::CountryService::m_instance);
        QTest::newRow("holidays") << "holidaySetService"
                                  << static_cast<QObject*>(holidays::HolidaySetService::m_instance);
        QTest::newRow("network") << "network" << static_cast<QObject*>(network::NetworkService::m_instance);
        QTest::newRow("serial") << "serialProtocol" << static_cast<QObject*>(serial::SerialProtocol::m_instance);
        QTest::newRow("device languages") << "quopralService" << static_cast<QObject*>(quopral::QuopralService::m_instance);
        QTest::newRow("software update") << "softwareUpdateService"
                                         << static_cast<QObject*>(SoftwareUpdateService::m_instance);
        QTest::newRow("language") << "localeService" << static_cast<QObject*>(app->languageService());
        QTest::newRow("settings") << "settingsService" << static_cast<QObject*>(app->settingsService());
        QTest::newRow("application") << "app" << static_cast<QObject*>(app.get());
    }
    void servicesArePublishedByName()
    {
        QFETCH(QString, name);
        QFETCH(QObject*, service);
        QVERIFY(service);
        QCOMPARE(app->context()->contextProperty(name).value<QObject*>(), service);
        QCOMPARE(service->parent(), name == QLatin1String("app") ? nullptr : static_cast<QObject*>(app.get()));
    }

    void serialServicesStartAfterTheNetwork()
    {
        const qsizetype serial = startupLines.indexOf(QStringLiteral("Initialize serial protocol"));
        QVERIFY2(serial > 0, qPrintable(startupLines.join(u'|')));
        QCOMPARE(startupLines.at(serial - 1), QStringLiteral("Initialize network"));
        QCOMPARE(startupLines.at(serial + 1), QStringLiteral("Initialize device language"));
        QCOMPARE(startupLines.at(serial + 2), QStringLiteral("Initialize software update service"));
        QCOMPARE(app->context()->contextProperty(QStringLiteral("hasSerialLib")), QVariant(true));
    }

    void printServiceStartsBetweenPlatformAndCountries()
    {
        const qsizetype print = startupLines.indexOf(QStringLiteral("Initialize print service"));
        QVERIFY2(print > 0, qPrintable(startupLines.join(u'|')));
        QCOMPARE(startupLines.at(print - 1), QStringLiteral("Initialize platform"));
        QCOMPARE(startupLines.at(print + 1), QStringLiteral("Initialize countries"));
    }

    void storageServicesLiveWithoutParent()
    {
        QObject* storageService = app->context()->contextProperty(QStringLiteral("storageService")).value<QObject*>();
        QCOMPARE(storageService, static_cast<QObject*>(storage::StorageService::m_instance));
        QVERIFY(storage::StorageService::instance().errorString().isEmpty());
        QVERIFY(!storageService->parent());
        QVERIFY(storage::ProjectService::hasInstance());
        QVERIFY(!storage::ProjectService::instance().parent());
        QVERIFY(storage::ConnectionCodeService::hasInstance());
        QVERIFY(!storage::ConnectionCodeService::instance().parent());
    }

    void mainControllerIsPublishedWithoutParent()
    {
        QVERIFY(MainController::hasInstance());
        QObject* mainController = app->context()->contextProperty(QStringLiteral("mainController")).value<QObject*>();
        QCOMPARE(mainController, static_cast<QObject*>(MainController::m_instance));
        QVERIFY(!mainController->parent());
        QCOMPARE(mainController->property("projects").value<QObject*>(),
                 static_cast<QObject*>(storage::ProjectService::instance().model()));
        QVERIFY(mainController->property("ready").toBool());
    }

    // The cloud controller works on the program's network service, whose address the user sets.
    void cloudUsesTheProgramsCloudAddress()
    {
        auto* cloud = MainController::instance().property("cloud").value<CloudController*>();
        QVERIFY(cloud);
        QCOMPARE(cloud->parent(), static_cast<QObject*>(MainController::m_instance));
        QCOMPARE(cloud->gateways()->parent(), static_cast<QObject*>(cloud));

        network::NetworkService& network = network::NetworkService::instance();
        network.setCloudAddress(QStringLiteral("cloud.example.org/app"));
        QCOMPARE(app->settingsService()->settingValue(ProgramSettings::CloudAddress).toString(),
                 QStringLiteral("cloud.example.org/app"));
        QCOMPARE(QSettings().value(ProgramSettings::CloudAddress).toString(), QStringLiteral("10_cloud.example.org/app"));

        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        QVERIFY(cloud->openRegistrationPage());
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(openedUrls, QList<QUrl>{QUrl(QStringLiteral("https://cloud.example.org"))});

        network.setCloudAddress(QString());
        QCOMPARE(app->settingsService()->settingValue(ProgramSettings::CloudAddress).toString(),
                 QStringLiteral("cloud.zorvik.de/app"));
    }

    void downloadServicesHaveNoName()
    {
        QVERIFY(encrypter::EncryptionService::hasInstance());
        QVERIFY(encrypter::FtpService::hasInstance());
        QCOMPARE(encrypter::EncryptionService::instance().parent(), static_cast<QObject*>(app.get()));
        QCOMPARE(encrypter::FtpService::instance().parent(), static_cast<QObject*>(app.get()));
        const QStringList names{"encryptionService", "ftpService"};
        for (const QString& name : names)
            QVERIFY2(!app->context()->contextProperty(name).isValid(), qPrintable(name));
    }

    // The update service works on the FTP service, so it comes after it, before the main
    // controller.
    void softwareUpdateServiceFollowsTheFtpService()
    {
        const QObjectList children = app->children();
        const qsizetype ftp = children.indexOf(encrypter::FtpService::m_instance);
        const qsizetype update = children.indexOf(SoftwareUpdateService::m_instance);
        QVERIFY(ftp >= 0);
        QVERIFY(update > ftp);
        const qsizetype line = startupLines.indexOf(QStringLiteral("Initialize software update service"));
        QVERIFY2(line > 0, qPrintable(startupLines.join(u'|')));
        QVERIFY(startupLines.indexOf(QStringLiteral("Initialize main controller")) > line);
    }

    void carriedCertificateIsInTheStore()
    {
        QFile carried(QStringLiteral(":/data/root_ca.pem"));
        QVERIFY(carried.open(QIODevice::ReadOnly));
        const QByteArray pem = carried.readAll();
        QCOMPARE(QSslCertificate(pem, QSsl::Pem).subjectInfo(QSslCertificate::CommonName),
                 QStringList{QStringLiteral("Zorvik Tarvino Update Root CA")});
        QFile stored(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                     QStringLiteral("/certificates/root_ca.pem"));
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), pem);
    }

    void credentialsDecipherOnTheKeyChannel_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<int>("shortest");
        QTest::addColumn<int>("longest");
        QTest::newRow("user name") << QString::fromLatin1(DownloadServer::Username) << 16 << 31;
        QTest::newRow("password") << QString::fromLatin1(DownloadServer::Password) << 48 << 63;
    }
    void credentialsDecipherOnTheKeyChannel()
    {
        QFETCH(QString, hex);
        QFETCH(int, shortest);
        QFETCH(int, longest);
        QCOMPARE(hex.size(), longest == 31 ? 64 : 128);
        const QByteArray plain = encrypter::EncryptionService::instance().decryptAES_ECB(
            QString::fromLatin1(DownloadServer::KeyChannel), QByteArray::fromHex(hex.toLatin1()));
        QVERIFY2(plain.size() >= shortest && plain.size() <= longest, plain.constData());
        for (const char byte : plain)
            QVERIFY(byte > ' ' && byte < 127);
    }

    void servicesAreReady()
    {
        const devices::DeviceService& catalogue = devices::DeviceService::instance();
        QVERIFY(!catalogue.devices().isEmpty());
        QVERIFY(catalogue.exists(catalogue.devices().first().ot2Number()));
        QCOMPARE(PlatformService::instance().defaultWindowSize(), QSize(1024, 912));
        QCOMPARE(CalendarSettings::instance().firstDayOfTheWeek()->value(), 1);
    }

    void bluetoothFollowsTheDemonstrationMode()
    {
        const ble::BLEService& service = ble::BLEService::instance();
        QVERIFY(!service.demoMode());
        QVERIFY(qobject_cast<ble::QtBluetoothBackend*>(service.backend()));
        app->settingsService()->setDemoMode(true);
        QVERIFY(qobject_cast<ble::SimulatedBackend*>(service.backend()));
        app->settingsService()->setDemoMode(false);
        QVERIFY(qobject_cast<ble::QtBluetoothBackend*>(service.backend()));
    }

    void theSynchronisationOptionsAreSettings()
    {
        ble::BLEService& service = ble::BLEService::instance();
        // Until the user has chosen, the first device that could be synchronised asks.
        QVERIFY(service.showSyncPopup());
        QVERIFY(service.syncDateTime());
        QVERIFY(service.syncLanguage());
        QCOMPARE(QSettings().value(ProgramSettings::ShowSyncPopup).toString(), QStringLiteral("1_true"));

        service.setSyncLanguage(false);
        service.setShowSyncPopup(false);
        QCOMPARE(app->settingsService()->settingValue(ProgramSettings::SyncLanguage), QVariant(false));
        QCOMPARE(QSettings().value(ProgramSettings::ShowSyncPopup).toString(), QStringLiteral("1_false"));
        QCOMPARE(app->settingsService()->settingValue(ProgramSettings::SyncDateTime), QVariant(true));
        service.setSyncLanguage(true);
        service.setShowSyncPopup(true);
    }

    void softwareInfoTellsTheBuild()
    {
        const SoftwareInfo& info = SoftwareInfo::instance();
        QCOMPARE(info.projectVersion(), QStringLiteral("1.0.32"));
        QCOMPARE(info.buildVersion(), QStringLiteral("84"));
        QCOMPARE(info.buildDate(), QStringLiteral("12/2024"));
        QCOMPARE(info.buildType(), QStringLiteral("RELEASE"));
        QCOMPARE(info.buildTypeDebug(), QString());
    }

    void mainViewShowsTheWindowWithItsMenuBar()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("qrc:/orvindal/Tarvino")));
        // The menus are checked by their German source texts; no fitting locale chose English.
        core::LanguageService* language = app->languageService();
        language->setCurrentLanguage(language->languages().indexOf(QStringLiteral("Deutsch")));
        QCOMPARE(language->localeCode(), QStringLiteral("de"));
        QQmlApplicationEngine& engine = app->engine();
        engine.addImportPath(QStringLiteral("qrc:/orvindal"));
        engine.load(QUrl(QStringLiteral("qrc:/orvindal/Tarvino/main.qml")));
        QCOMPARE(engine.rootObjects().size(), 1);

        core::CustomQMainWindow* main = WindowLayout::instance()->mainWindow();
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QCOMPARE(main->windowTitle(), QStringLiteral("TARVINO rix3"));
        QCOMPARE(main->centralWidget()->minimumSize(), QSize(1024, 912 - WindowLayout::ReservedHeight));

        const QList<QAction*> bar = main->menuBar()->actions();
        QCOMPARE(menuTexts(bar), QStringList({"&Datei", "Bearbeiten", "Projekt", "Einstellungen", "Hilfe"}));
        const QList<QAction*> file = bar.at(0)->menu()->actions();
        QCOMPARE(menuTexts(file), QStringList({"&Neues Projekt", "&Öffnen", "&Speichern", "&Speichern unter",
                                               "TARVINO rix2/rix3 lesen", "Programm TARVINO rix2/rix3", "Direkte Befehle",
                                               "Exportieren", "Senden per E-Mail", "Drucken", "Druckvorschau", "-",
                                               "&Ende"}));
        QCOMPARE(file.at(0)->shortcut(), QKeySequence(QKeySequence::New));
        QCOMPARE(file.at(1)->shortcut(), QKeySequence(QKeySequence::Open));
        QCOMPARE(file.at(2)->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(file.at(9)->shortcut(), QKeySequence(QKeySequence::Print));
        QCOMPARE(file.at(12)->shortcut(), QKeySequence(QKeySequence::Quit));
        QCOMPARE(menuTexts(bar.at(1)->menu()->actions()),
                 QStringList({"Rückgängig", "Wiederherstellen", "Ausschneiden", "Kopieren", "Einfügen",
                              "Alles markieren", "Löschen"}));
        QCOMPARE(menuTexts(bar.at(2)->menu()->actions()),
                 QStringList({"Sortieren...", "Optimieren", "&Projekteinstellungen..."}));
        QCOMPARE(menuTexts(bar.at(3)->menu()->actions()),
                 QStringList({"Sprache erstellen TARVINO rix2/rix3", "&Feiertag", "&App-Einstellungen..."}));
        QCOMPARE(menuTexts(bar.at(4)->menu()->actions()), QStringList({"&Hilfe", "&Software-Infos", "&Zorvik AG"}));
        // Without an open project only the actions that need none are enabled.
        const QStringList projectActions{"&Speichern", "&Speichern unter", "Programm TARVINO rix2/rix3",
                                         "Exportieren", "Senden per E-Mail", "Drucken", "Druckvorschau",
                                         "Rückgängig", "Wiederherstellen", "Ausschneiden", "Kopieren",
                                         "Einfügen", "Alles markieren", "Löschen", "Sortieren...", "Optimieren",
                                         "&Projekteinstellungen..."};
        for (const QAction* menu : bar) {
            for (const QAction* entry : menu->menu()->actions()) {
                QVERIFY2(entry->isVisible(), qPrintable(entry->text()));
                QVERIFY2(entry->isEnabled() != projectActions.contains(entry->text()), qPrintable(entry->text()));
            }
        }
    }

    void openingWaitsWhileAControllerLoads()
    {
        QAction* open = WindowLayout::instance()->mainWindow()->menuBar()->actions().at(0)->menu()->actions().at(1);
        QCOMPARE(open->text(), QStringLiteral("&Öffnen"));
        BaseController loading;
        QVERIFY(QMetaObject::invokeMethod(&loading, "loadingStart"));
        QVERIFY(!open->isEnabled());
        QVERIFY(QMetaObject::invokeMethod(&loading, "loadingEnd"));
        QVERIFY(open->isEnabled());
    }

    void logViewFollowsTheLogState()
    {
        QObject* root = app->engine().rootObjects().value(0);
        QVERIFY(root);
        QVERIFY(!root->property("logView").value<QObject*>());
        app->setLogState(true);
        QVERIFY(root->property("logView").value<QObject*>());
        app->setLogState(false);
        QVERIFY(!root->property("logView").value<QObject*>());
    }

    void closingAsksTheMainView()
    {
        core::CustomQMainWindow* main = WindowLayout::instance()->mainWindow();
        QVERIFY(main);
        QCloseEvent event;
        QCoreApplication::sendEvent(main, &event);
        QVERIFY(event.isAccepted());
    }

    void logExportIsOfferedAsTextFile()
    {
        offers.clear();
        exportLog("first log\n");
        QCOMPARE(offers.size(), 1);
        const QString firstName = QFileInfo(offers.at(0).suggestedPath).fileName();
        QVERIFY2(QRegularExpression(QStringLiteral("^TarvinoRix3_logs_.{6}\\.txt$")).match(firstName).hasMatch(),
                 qPrintable(firstName));
        QVERIFY(offers.at(0).filter.contains(QLatin1String("*.txt")));
        const QString firstTemporary = QDir(QDir::tempPath()).filePath(firstName);
        QVERIFY(QFile::exists(firstTemporary));
        QCOMPARE(exported(firstName), QByteArray("first log\n"));

        exportLog("second log\n");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(offers.size(), 2);
        const QString secondName = QFileInfo(offers.at(1).suggestedPath).fileName();
        QVERIFY(secondName != firstName);
        QVERIFY(!QFile::exists(firstTemporary));
        QVERIFY(QFile::exists(QDir(QDir::tempPath()).filePath(secondName)));
        QCOMPARE(exported(secondName), QByteArray("second log\n"));
    }

    void failedLogExportIsReported_data()
    {
        QTest::addColumn<QString>("temporaryFolder");
        QTest::addColumn<QString>("warning");
        QTest::newRow("missing folder") << "missing/folder" << "there is no temporary folder";
        QTest::newRow("folder is a file") << "plain-file" << "Cannot create the log export file";
    }
    void failedLogExportIsReported()
    {
        QFETCH(QString, temporaryFolder);
        QFETCH(QString, warning);
        QFile plainFile(QDir(exportFolder.path()).filePath(QStringLiteral("plain-file")));
        QVERIFY(plainFile.open(QIODevice::WriteOnly));
        plainFile.close();
        offers.clear();
        const QByteArray tmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QDir(exportFolder.path()).filePath(temporaryFolder).toLocal8Bit());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        exportLog("lost log\n");
        qputenv("TMPDIR", tmp);
        QVERIFY(offers.isEmpty());
    }

    // The serial link hands what it read to the main controller; a refused image changes nothing.
    void aProgramReadOverTheSerialLinkOpensAsANewProject()
    {
        MainController& main = *MainController::m_instance;
        serial::SerialProtocol& link = serial::SerialProtocol::instance();
        QVERIFY(main.createProject(42, QStringLiteral("Offen")));
        ProjectController* open = main.currentProject();
        const int stored = main.nbProjects();
        const QByteArray image = devices::EepromService::instance().projectToBytes(open->toOt2(true));
        QVERIFY(!image.isEmpty());

        QByteArray damaged = image;
        damaged[damaged.size() - 2] = char(damaged.at(damaged.size() - 2) ^ 0x40);
        {
            DeviceSimProcess sim(42, {}, damaged);
            link.setPortOverride(sim.port());
            QSignalSpy failed(&link, &serial::SerialProtocol::operationError);
            link.readProgramAsync();
            QVERIFY(failed.wait(20000));
            QCOMPARE(failed.first().first().value<serial::SerialProtocol::SerialError>(),
                     serial::SerialProtocol::InvalidDataError);
            QCOMPARE(main.currentProject(), open);
            QCOMPARE(main.nbProjects(), stored);
        }
        DeviceSimProcess sim(42, {}, image);
        link.setPortOverride(sim.port());
        QSignalSpy finished(&link, &serial::SerialProtocol::operationFinished);
        link.readProgramAsync();
        QVERIFY(finished.wait(20000));
        QCOMPARE(main.nbProjects(), stored + 1);
        QVERIFY(main.currentProject() != open);
        QCOMPARE(main.currentProject()->deviceOt2(), 42);
        QVERIFY(main.currentProject()->name().startsWith(QLatin1String("Import_")));
        link.setPortOverride(QString());
    }

private:
    void exportLog(const QByteArray& data)
    {
        QVERIFY(QMetaObject::invokeMethod(app.get(), "onLogExported", Q_ARG(QByteArray, data)));
    }

    QByteArray exported(const QString& name) const
    {
        QFile file(QDir(exportFolder.path()).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    softwareversion::QuickSoftwareVersion softwareVersion;
    std::unique_ptr<TarvinoApp> app;
    QList<QUrl> openedUrls;
    QTemporaryDir exportFolder;
    QList<OfferedFile> offers;
};

QTEST_MAIN(TestTarvinoApp)
#include "tst_tarvinoapp.moc"
