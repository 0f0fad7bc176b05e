#include <QApplication>
#include <QDateTime>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include <ble/bleservice.h>
#include <ble/qtbluetoothbackend.h>
#include <ble/simulatedbackend.h>
#include <core/settingsservice.h>
#include <devices/deviceservice.h>
#include <devicesim/simulateddevice.h>
#include <storage/connectioncodeservice.h>
#include <storage/project.h>
#include <storage/projectservice.h>

#include "maincontroller.h"
#include "projectcontentcontroller.h"
#include "switchtimesviewcontroller.h"
#include "tarvinoapp.h"
#include "viewharness.h"

// The device scan, the connection with its authentication and the data exchange in the
// program's main window, driven as a user drives them, against simulated time switches on the
// Bluetooth LE layer.

namespace {

const int HomeScreenView = 0;
const int ProjectContentView = 2;
// A whole image over the simulated link, in a build with the sanitizers.
const int TransferTimeout = 120000;
const QString ReadMenu = QStringLiteral("TARVINO rix2/rix3 lesen");
const QString WriteMenu = QStringLiteral("Programm TARVINO rix2/rix3");

using namespace std::chrono_literals;

// The simulated devices on the air, owned by the backend the service holds.
struct Air {
    explicit Air(const QList<std::pair<int, QString>>& models)
    {
        auto simulated = std::make_unique<ble::SimulatedBackend>();
        for (const auto& [ot2, serial] : models) {
            auto* device =
                new devicesim::SimulatedDevice(devices::DeviceService::instance().deviceByOt2Number(ot2), serial, simulated.get());
            device->setConnectionInterval(0us);
            simulated->addDevice(device);
            devices.append(device);
        }
        simulated->addForeignName(QStringLiteral("TarvinoRix3_99_990000001"));
        ble::BLEService::instance().setBackend(std::move(simulated));
    }

    QList<devicesim::SimulatedDevice*> devices;
};

} // namespace

class TestViewDeviceScan : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_harness = std::make_unique<ViewHarness>();
        m_window = m_harness->loadMain();
        QVERIFY(m_window);
    }

    void cleanupTestCase() { m_harness.reset(); }

    void init()
    {
        ble::BLEService& service = ble::BLEService::instance();
        service.setShowSyncPopup(false);
        service.setInactivityTimeout(ble::BLEService::DefaultInactivityTimeout);
        storage::ConnectionCodeService::instance().removeCode(QStringLiteral("310200017"));
        MainController::instance().setDirty(false);
    }

    void cleanup()
    {
        ble::BLEService::instance().disconnectFromDevice();
        evaluate(QStringLiteral("ZorvikUtils.deviceScan.close()"));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().isEmpty(); }));
        for (QObject* popup : m_harness->openPopups())
            QVERIFY(QMetaObject::invokeMethod(popup, "close"));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->openPopups().isEmpty(); }));
    }

    void theScanViewTellsWhatItFinds()
    {
        Air air({{102, QStringLiteral("310200017")}, {42, QStringLiteral("204200023")}});
        QVERIFY(m_harness->triggerMenuAction(ReadMenu));
        QQuickItem* view = waitForScanView();
        QVERIFY(view);
        QQuickItem* button = m_harness->find(QStringLiteral("scanConnectButton"));
        QVERIFY(ViewHarness::waitFor([view] { return view->property("deviceCount").toInt() == 2; }));
        // The model the catalogue does not hold is never listed; the first device found is selected.
        QCOMPARE(view->property("title").toString(), QStringLiteral("Suche nach Geräten ..."));
        QCOMPARE(view->property("selectedIndex").toInt(), 0);
        QCOMPARE(ViewHarness::text(button), QStringLiteral("Verbinden"));
        QVERIFY(button->isEnabled());
        evaluate(QStringLiteral("ZorvikUtils.deviceScan.controller.selectedDeviceIndex = -1"));
        QCOMPARE(ViewHarness::text(button), QStringLiteral("Verbinden"));
        QVERIFY(!button->isEnabled());
        QVERIFY(m_harness->find(QStringLiteral("searchWave")));
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("deviceName"))),
                 devices::DeviceService::instance().deviceNameFromOt2(102));
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("deviceSerial"))), QStringLiteral("SN: 31020<b>0017</b>"));

        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("deviceChoice1"))));
        QCOMPARE(view->property("selectedIndex").toInt(), 1);
        QVERIFY(button->isEnabled());

        evaluate(QStringLiteral("ZorvikUtils.deviceScan.controller.abortScan()"));
        QCOMPARE(view->property("title").toString(), QStringLiteral("Gerät gefunden"));
        QCOMPARE(ViewHarness::text(button), QStringLiteral("Verbinden"));
        QVERIFY(!m_harness->find(QStringLiteral("searchWave")));
        evaluate(QStringLiteral("ZorvikUtils.deviceScan.controller.selectedDeviceIndex = -1"));
        QCOMPARE(ViewHarness::text(button), QStringLiteral("Suche"));
        QVERIFY(button->isEnabled());
        QVERIFY(m_harness->click(button));
        QCOMPARE(view->property("title").toString(), QStringLiteral("Suche nach Geräten ..."));

        // "Abbruch" ends the scan with its window.
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("scanCancelButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().isEmpty(); }));
        QCOMPARE(evaluate(QStringLiteral("ZorvikUtils.deviceScan.controller === null")).toBool(), true);
    }

    void aScanWithoutDevicesSaysSo()
    {
        Air air({});
        QVERIFY(m_harness->triggerMenuAction(ReadMenu));
        QQuickItem* view = waitForScanView();
        QVERIFY(view);
        evaluate(QStringLiteral("ZorvikUtils.deviceScan.controller.abortScan()"));
        QCOMPARE(view->property("title").toString(), QStringLiteral("Kein Bluetooth-Gerät gefunden"));
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("scanConnectButton"))), QStringLiteral("Suche"));
    }

    void withoutAnAdapterTheUserIsTold()
    {
        ble::BLEService::instance().setBackend(std::make_unique<ble::QtBluetoothBackend>());
        QVERIFY(m_harness->triggerMenuAction(ReadMenu));
        QObject* info = waitForPopup(QStringLiteral("bluetoothInfoPopup"));
        QVERIFY(info);
        QCOMPARE(info->property("title").toString(), QStringLiteral("Bluetooth nicht verfügbar"));
        QVERIFY(m_harness->dialogs().isEmpty());
        QCOMPARE(evaluate(QStringLiteral("ZorvikUtils.deviceScan.controller === null")).toBool(), true);
    }

    // Export with the push button, then a read that asks nothing: the device's stored code is sent.
    void pushButtonPairingExportThenImport()
    {
        Air air({{102, QStringLiteral("310200017")}});
        devicesim::SimulatedDevice* device = air.devices.first();
        device->setConnectionType(devicesim::SimulatedDevice::ModuleConnection);
        device->pairing().setState(devicesim::Pairing::Unpaired);
        ble::BLEService::instance().setShowSyncPopup(true);
        const QString name = QStringLiteral("Treppenhaus");
        openProject(102, name);

        QVERIFY(m_harness->triggerMenuAction(WriteMenu));
        QVERIFY(connectFirstDevice());
        // The first device of connection type 1 asks what it gets synchronised.
        QObject* sync = waitForPopup(QStringLiteral("syncClockPopup"));
        QVERIFY(sync);
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("syncPopupLanguageSwitch"))));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("syncAcceptButton"))));
        QVERIFY(!ble::BLEService::instance().showSyncPopup());
        QVERIFY(!ble::BLEService::instance().syncLanguage());

        QObject* authentication = waitForPopup(QStringLiteral("connectionPopup"));
        QVERIFY(authentication);
        QCOMPARE(authentication->property("title").toString(), QStringLiteral("Authentifizierung für 0017"));
        // The button not pressed, then pressed.
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("connectionAcceptButton"))));
        QVERIFY(waitForText(QStringLiteral("connectionError"), QStringLiteral("Die Schaltfläche wurde nicht aktiviert!")));
        device->pairing().pressButton();
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("connectionAcceptButton"))));
        // The device makes its code when the request reaches it, not when the button is clicked.
        QVERIFY(ViewHarness::waitFor([device] { return device->pairing().code() != devicesim::Pairing::NoCode; }));
        const QString code = QString::number(device->pairing().code()).rightJustified(6, QLatin1Char('0'));
        QVERIFY(waitForText(QStringLiteral("generatedCode"), code));
        QCOMPARE(storage::ConnectionCodeService::instance().code(QStringLiteral("310200017")), code);
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("connectionAcceptButton"))));

        QObject* exchange = waitForPopup(QStringLiteral("dataExchangePopup"));
        QVERIFY(exchange);
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().isEmpty(); }));
        QCOMPARE(exchange->property("title").toString(), QStringLiteral("Projekt exportieren \"%1\"").arg(name));
        if (!devices::DeviceService::instance().yearlyProgram(102)) {
            QCOMPARE(exchange->property("phase").toString(), QStringLiteral("choice"));
            QVERIFY(m_harness->click(m_harness->find(QStringLiteral("exchangeAcceptButton"))));
        }
        QVERIFY(ViewHarness::waitFor([exchange] { return exchange->property("phase").toString() == QStringLiteral("done"); },
                                     TransferTimeout));
        QVERIFY(exchange->property("succeeded").toBool());
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("exchangePercent"))), QStringLiteral("100 %"));
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("exchangeAcceptButton"))), QStringLiteral("Schließen"));
        QCOMPARE(device->projectName(), name);
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("exchangeAcceptButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findPopup(QStringLiteral("dataExchangePopup")); }));

        // The second connection asks nothing; the import proposes the device's project name.
        QVERIFY(m_harness->triggerMenuAction(ReadMenu));
        QVERIFY(connectFirstDevice());
        exchange = waitForPopup(QStringLiteral("dataExchangePopup"));
        QVERIFY(exchange);
        QVERIFY(!m_harness->findPopup(QStringLiteral("connectionPopup")));
        QCOMPARE(exchange->property("title").toString(), QStringLiteral("Projekt importieren"));
        QVERIFY(ViewHarness::waitFor([exchange] { return exchange->property("phase").toString() == QStringLiteral("done"); },
                                     TransferTimeout));
        QVERIFY2(exchange->property("succeeded").toBool(), qPrintable(exchange->property("errorText").toString()));
        QQuickItem* field = m_harness->find(QStringLiteral("importNameField"));
        QCOMPARE(ViewHarness::text(field), name);
        field->setProperty("text", QStringLiteral("Treppenhaus gelesen"));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("exchangeAcceptButton"))));
        QVERIFY(ViewHarness::waitFor([] {
            const ProjectController* current = MainController::instance().currentProject();
            return current && current->name() == QStringLiteral("Treppenhaus gelesen");
        }));
        QCOMPARE(MainController::instance().currentProject()->deviceOt2(), 102);
    }

    void wrongCodesLockThenThePin()
    {
        Air air({{102, QStringLiteral("310200017")}});
        devicesim::SimulatedDevice* device = air.devices.first();
        device->pairing().setState(devicesim::Pairing::Paired);
        device->pairing().setCode(123456);
        device->pairing().setPinCode(4321);
        device->pairing().setCodeLockTime(2s);
        device->pairing().setPinLockTime(2s);

        QVERIFY(m_harness->triggerMenuAction(ReadMenu));
        QVERIFY(connectFirstDevice());
        QVERIFY(waitForPopup(QStringLiteral("connectionPopup")));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("codeChoice"))));
        QQuickItem* field = m_harness->find(QStringLiteral("codeField"));
        QQuickItem* accept = m_harness->find(QStringLiteral("connectionAcceptButton"));
        QVERIFY(m_harness->typeText(field, QStringLiteral("111111")));
        for (int attempt = 1; attempt < devicesim::Pairing::MaxWrongCodes; ++attempt) {
            QVERIFY(m_harness->click(accept));
            QVERIFY(waitForText(QStringLiteral("connectionError"), QStringLiteral("Falsches Passwort!")));
            QVERIFY(accept->isEnabled());
        }
        // The third wrong code locks the device: the wait, and no way on until it is over.
        QVERIFY(m_harness->click(accept));
        QVERIFY(waitForText(QStringLiteral("lockText"),
                            QStringLiteral("Das Gerät ist aufgrund eines falschen Verbindungscodes verriegelt, Sie müssen "
                                           "0 h 0 min 2 s warten")));
        QVERIFY(!accept->isEnabled());
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->find(QStringLiteral("lockText")); }, 4000));
        QVERIFY(accept->isEnabled());
        field->setProperty("text", QString());
        QVERIFY(m_harness->typeText(field, QStringLiteral("123456")));
        QVERIFY(m_harness->click(accept));

        QVERIFY(waitForPopup(QStringLiteral("pinCodePopup")));
        QVERIFY(!m_harness->findPopup(QStringLiteral("connectionPopup")));
        QQuickItem* pin = m_harness->find(QStringLiteral("pinField"));
        QQuickItem* unlock = m_harness->find(QStringLiteral("pinAcceptButton"));
        QVERIFY(m_harness->typeText(pin, QStringLiteral("12")));
        QVERIFY(!unlock->isEnabled());
        QVERIFY(m_harness->typeText(pin, QStringLiteral("34")));
        for (int attempt = 1; attempt < devicesim::Pairing::MaxWrongPins; ++attempt) {
            QVERIFY(m_harness->click(unlock));
            QVERIFY(waitForText(QStringLiteral("pinError"), QStringLiteral("Falscher PIN-Code!")));
        }
        QVERIFY(m_harness->click(unlock));
        QVERIFY(waitForText(QStringLiteral("pinError"),
                            QStringLiteral("Sie müssen warten, das Gerät ist aufgrund mehrerer fehlgeschlagener Versuche verriegelt")));
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("pinLockText"))),
                 QStringLiteral("Das Gerät ist verriegelt, Sie müssen 0 h 0 min 2 s warten"));
        QVERIFY(!unlock->isEnabled());
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->find(QStringLiteral("pinLockText")); }, 4000));
        pin->setProperty("text", QString());
        QVERIFY(m_harness->typeText(pin, QStringLiteral("4321")));
        QVERIFY(m_harness->click(unlock));

        // The device is ready: its memory is empty, so the import ends with the reason.
        QObject* exchange = waitForPopup(QStringLiteral("dataExchangePopup"));
        QVERIFY(exchange);
        QVERIFY(!m_harness->findPopup(QStringLiteral("pinCodePopup")));
        QVERIFY(ViewHarness::waitFor([exchange] { return exchange->property("phase").toString() == QStringLiteral("done"); },
                                     TransferTimeout));
        QVERIFY(!exchange->property("succeeded").toBool());
        QVERIFY(!ViewHarness::text(m_harness->find(QStringLiteral("exchangeError"))).isEmpty());
        QVERIFY(!m_harness->find(QStringLiteral("importNameField")));
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("exchangeAcceptButton"))), QStringLiteral("OK"));
    }

    void theUserAbortsATransfer()
    {
        Air air({{42, QStringLiteral("204200023")}});
        devicesim::SimulatedDevice* device = air.devices.first();
        device->setConnectionInterval(7500us);
        QVERIFY(m_harness->triggerMenuAction(ReadMenu));
        QVERIFY(connectFirstDevice());
        QObject* exchange = waitForPopup(QStringLiteral("dataExchangePopup"));
        QVERIFY(exchange);
        QVERIFY(ViewHarness::waitFor([exchange] {
            const QVariant controller = exchange->property("controller");
            return controller.value<QObject*>() && controller.value<QObject*>()->property("progression").toDouble() > 0;
        }));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("exchangeCancelButton"))));
        QVERIFY(ViewHarness::waitFor([exchange] { return exchange->property("phase").toString() == QStringLiteral("done"); }));
        QVERIFY(!exchange->property("succeeded").toBool());
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("exchangeError"))),
                 QStringLiteral("Übertragung durch Benutzer abgebrochen"));
        // The device is let go, and nothing was stored.
        QVERIFY(ViewHarness::waitFor([] { return !ble::BLEService::instance().connectedDevice(); }));
        const int projects = MainController::instance().nbProjects();
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("exchangeAcceptButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findPopup(QStringLiteral("dataExchangePopup")); }));
        QCOMPARE(MainController::instance().nbProjects(), projects);
    }

    void anIdleConnectionEnds()
    {
        Air air({{102, QStringLiteral("310200017")}});
        air.devices.first()->pairing().setPinCode(4321);
        ble::BLEService::instance().setInactivityTimeout(300);
        QVERIFY(m_harness->triggerMenuAction(ReadMenu));
        QVERIFY(connectFirstDevice());
        QVERIFY(waitForPopup(QStringLiteral("pinCodePopup")));
        QObject* inactivity = waitForPopup(QStringLiteral("inactivityPopup"));
        QVERIFY(inactivity);
        QCOMPARE(inactivity->property("title").toString(), QStringLiteral("Verbindung aufgrund von Inaktivität geschlossen"));
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findPopup(QStringLiteral("pinCodePopup")); }));
        QVERIFY(!ble::BLEService::instance().connectedDevice());
        // The view no longer waits for the device.
        QVERIFY(m_harness->find(QStringLiteral("scanConnectButton"))->isEnabled());
    }

    // Switch times of an extra program without dates never run: the user is asked before the
    // scan, and "Nein" writes nothing.
    void extraProgramsWithoutDatesAskFirst()
    {
        openProject(102, QStringLiteral("Sonderprogramme"));
        ProjectContentController* content = MainController::instance().projectContent();
        content->setSelectedProgram(1);
        content->switchTimesViewController()->createFromTable(
            0, 1, 128, -1, QDateTime(QDate(2026, 3, 2), QTime(8, 0), Qt::UTC), {}, {}, {});
        QVERIFY(m_harness->triggerMenuAction(WriteMenu));
        QObject* warning = waitForPopup(QStringLiteral("extraProgramWarningPopup"));
        QVERIFY(warning);
        QVERIFY(m_harness->find(QStringLiteral("warningProgram_1_1")));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("rejectButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findPopup(QStringLiteral("extraProgramWarningPopup")); }));
        QTest::qWait(200);
        QVERIFY(!m_harness->findByName(QStringLiteral("deviceScanView")));

        QVERIFY(m_harness->triggerMenuAction(WriteMenu));
        QVERIFY(waitForPopup(QStringLiteral("extraProgramWarningPopup")));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("acceptButton"))));
        QVERIFY(waitForScanView());
    }

    void anExportNeedsTheProjectsModel()
    {
        Air air({{42, QStringLiteral("204200023")}});
        openProject(102, QStringLiteral("Garage"));
        QVERIFY(m_harness->triggerMenuAction(WriteMenu));
        QVERIFY(waitForScanView());
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->find(QStringLiteral("deviceChoice0")); }));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("deviceChoice0"))));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("scanConnectButton"))));
        QObject* info = waitForPopup(QStringLiteral("bluetoothInfoPopup"));
        QVERIFY(info);
        QCOMPARE(info->property("contentText").toString(),
                 QStringLiteral("Dieses Gerät ist nicht kompatibel mit dem Projekt, das Sie exportieren möchten!"));
        QVERIFY(!ble::BLEService::instance().connectedDevice());
    }

    void tooManySwitchTimesAreTold()
    {
        emit ble::BLEService::instance().tooManySZError(130, 128);
        QObject* error = waitForPopup(QStringLiteral("errorPopup"));
        QVERIFY(error);
        QCOMPARE(error->property("contentText").toString(),
                 QStringLiteral("Ihr Projekt überschreitet die Speicherplätze des Zielgeräts (130 / 128)"));
        QVERIFY(QMetaObject::invokeMethod(error, "close"));
    }

    void theSettingsKeepTheSynchronisation()
    {
        ble::BLEService& service = ble::BLEService::instance();
        service.setSyncDateTime(true);
        MainController::instance().closeProject();
        QVERIFY(m_harness->load(QStringLiteral("app/views/GlobalSettingsView.qml")));
        QQuickItem* dateTime = m_harness->find(QStringLiteral("syncDateTimeSwitch"));
        QVERIFY(dateTime);
        QVERIFY(dateTime->property("checked").toBool());
        QVERIFY(m_harness->click(dateTime));
        QVERIFY(service.syncDateTime());
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("okSettingsButton"))));
        QVERIFY(!service.syncDateTime());
        QCOMPARE(m_harness->app().settingsService()->settingValue(QStringLiteral("syncDateTime")).toBool(), false);

        // A project of a model without the internal module hides them.
        QVERIFY(MainController::instance().createProject(42, QStringLiteral("Adapter")));
        QVERIFY(!devices::DeviceService::instance().hasInternalBleModule(42));
        QVERIFY(m_harness->load(QStringLiteral("app/views/GlobalSettingsView.qml")));
        QVERIFY(!m_harness->find(QStringLiteral("syncDateTimeSwitch")));
        QVERIFY(!m_harness->find(QStringLiteral("syncLanguageSwitch")));
        service.setSyncDateTime(true);
    }

private:
    QVariant evaluate(const QString& expression) { return m_harness->evaluate(expression); }

    QQuickItem* waitForScanView() const
    {
        QQuickItem* view = nullptr;
        ViewHarness::waitFor([&] { return (view = m_harness->findByName(QStringLiteral("deviceScanView"))) != nullptr; });
        return view;
    }

    QObject* waitForPopup(const QString& name) const
    {
        QObject* popup = nullptr;
        ViewHarness::waitFor([&] { return (popup = m_harness->findPopup(name)) != nullptr; });
        return popup;
    }

    bool waitForText(const QString& name, const QString& text) const
    {
        return ViewHarness::waitFor([&] { return ViewHarness::text(m_harness->find(name)) == text; });
    }

    // Selects the first device found and presses "Verbinden".
    bool connectFirstDevice() const
    {
        if (!waitForScanView())
            return false;
        QQuickItem* choice = nullptr;
        if (!ViewHarness::waitFor([&] { return (choice = m_harness->find(QStringLiteral("deviceChoice0"))) != nullptr; }))
            return false;
        return m_harness->click(choice) && m_harness->click(m_harness->find(QStringLiteral("scanConnectButton")));
    }

    void openProject(int ot2, const QString& name)
    {
        evaluate(QStringLiteral("ViewLoader.openView(%1, {}, true)").arg(HomeScreenView));
        QVERIFY(MainController::instance().createProject(ot2, name));
        evaluate(QStringLiteral("ViewLoader.openView(%1, {}, true)").arg(ProjectContentView));
        QVERIFY(ViewHarness::waitFor([] { return MainController::instance().projectContent() != nullptr; }));
        MainController::instance().setDirty(false);
    }

    std::unique_ptr<ViewHarness> m_harness;
    QQuickWindow* m_window = nullptr;
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TestViewDeviceScan test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_view_devicescan.moc"
