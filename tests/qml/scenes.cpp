// The screenshot scenes (scripts/screenshot): each scene shows one view, or one item, with a
// fixed language and the view tests' fixtures, and photographs its window into OUTPUT_DIR as
// "<view>-<language>.png" (single items as "<item>.png"). Fails when a scene logs a QML
// warning. Run it under an X display with the xcb platform.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QJsonObject>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTest>
#include <QTextStream>

#include <QLocalSocket>

#include <ble/bleservice.h>
#include <ble/simulatedbackend.h>
#include <core/customqmainwindow.h>
#include <core/settingsservice.h>
#include <core/windowlayout.h>
#include <devices/deviceservice.h>
#include <network/gateway.h>

#include "cloudcontroller.h"
#include <devicesim/serialfrontend.h>
#include <devicesim/simulateddevice.h>
#include <quopral/quopralservice.h>
#include <serial/serialprotocol.h>

#include <sys/socket.h>

#include "astrochannelcontroller.h"
#include "astroprojectcontroller.h"
#include "maincontroller.h"
#include "metadatacontroller.h"
#include "noctaprojectcontroller.h"
#include "tarvinoapp.h"
#include "projectcontentcontroller.h"
#include "extraprogramviewcontroller.h"
#include "sommerwintertablemodel.h"
#include <holidays/holiday.h>
#include <holidays/holidaysetservice.h>
#include "extraprogramswitchtimecontroller.h"
#include "coordinatessettingscontroller.h"
#include "viewharness.h"

namespace {

bool save(const QImage& picture, const QString& path)
{
    if (picture.isNull() || !picture.save(path)) {
        QTextStream(stderr) << "Cannot write " << path << "\n";
        return false;
    }
    QTextStream(stdout) << "Wrote " << path << "\n";
    return true;
}

// The main window as the user sees it: the native window with its menu bar and the views.
QImage photographMainWindow()
{
    core::CustomQMainWindow* main = core::WindowLayout::instance()->mainWindow();
    if (!main)
        return {};
    main->raise();
    main->activateWindow();
    QTest::qWait(500);
    return main->screen()->grabWindow(main->winId()).toImage();
}

bool reportOffences(const ViewHarness& harness)
{
    if (harness.offences().isEmpty())
        return true;
    QTextStream(stderr) << "The scene logged QML warnings:\n" << harness.offences().join(QLatin1Char('\n')) << "\n";
    return false;
}

QImage photographItemScene(QQuickWindow* window)
{
    QTest::qWait(500);
    return window ? window->grabWindow() : QImage();
}

const int HomeScreenView = 0;

// The main window's stack shows the view of that kind.
bool showView(ViewHarness& harness, QQuickWindow* window, int viewKind)
{
    auto* stack = window->findChild<QQuickItem*>(QStringLiteral("viewStack"));
    harness.evaluate(QStringLiteral("ViewLoader.openView(%1, {}, true)").arg(viewKind));
    return ViewHarness::waitFor([stack, viewKind] {
        const auto* view = stack->property("currentItem").value<QQuickItem*>();
        return view && view->property("viewKind").toInt() == viewKind && !stack->property("busy").toBool();
    });
}

// The home list with a few projects, the creation form, the settings and the software
// information, each in the main window as the user sees it.
bool photographShellViews(const QDir& output)
{
    ViewHarness harness;
    QQuickWindow* window = harness.loadMain();
    if (!window)
        return false;
    MainController& main = MainController::instance();
    bool saved = main.createProject(102, QStringLiteral("Bürogebäude Nord")) &&
                 main.createProject(111, QStringLiteral("Parkplatz Beleuchtung")) &&
                 main.createProject(141, QStringLiteral("Schaufenster")) && main.createProject(131, QStringLiteral("Heizung"));
    main.closeProject();
    const struct {
        int viewKind;
        const char* name;
        QStringList languages;
    } scenes[] = {
        {HomeScreenView, "home", {QStringLiteral("de"), QStringLiteral("en")}},
        {3, "creation", {QStringLiteral("de"), QStringLiteral("en")}},
        {8, "settings", {QStringLiteral("de"), QStringLiteral("en")}},
        {9, "softwareinfo", {QStringLiteral("de")}},
    };
    for (const auto& scene : scenes) {
        for (const QString& language : scene.languages) {
            // Each view opens in the language, as the settings read the language on opening.
            saved &= harness.setLanguage(language);
            saved &= showView(harness, window, scene.viewKind);
            saved &= save(photographMainWindow(),
                          output.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(scene.name), language)));
            // Leaves the view, so that the next language opens it anew.
            saved &= showView(harness, window, HomeScreenView);
        }
        saved &= harness.setLanguage(QStringLiteral("de"));
    }
    return saved & reportOffences(harness);
}

// The scan window listing the simulated devices of the demonstration mode, the first selected.
bool photographDeviceScan(const QDir& output)
{
    ViewHarness harness;
    if (!harness.loadMain())
        return false;
    harness.app().settingsService()->setDemoMode(true);
    harness.evaluate(QStringLiteral("ZorvikUtils.deviceScan.readProject()"));
    QQuickItem* view = nullptr;
    const bool listed = ViewHarness::waitFor([&] {
        view = harness.findByName(QStringLiteral("deviceScanView"));
        return view && view->property("deviceCount").toInt() >= 6;
    });
    if (!listed)
        return false;
    harness.evaluate(QStringLiteral("ZorvikUtils.deviceScan.controller.selectedDeviceIndex = 0"));
    QQuickWindow* dialog = view->window();
    dialog->raise();
    dialog->requestActivate();
    const bool saved = save(photographItemScene(dialog), output.filePath(QStringLiteral("device-scan.png")));
    harness.evaluate(QStringLiteral("ZorvikUtils.deviceScan.close()"));
    return saved & reportOffences(harness);
}

// The open project's view with its print buttons, and the way of a cloud model's project to
// its device: the upload button, the cloud login, the choice among the account's gateways and
// the gateway login (the gateways given as the cloud would list them).
bool photographProjectAndCloudViews(const QDir& output)
{
    ViewHarness harness;
    QQuickWindow* window = harness.loadMain();
    if (!window)
        return false;
    MainController& main = MainController::instance();
    bool saved = main.createProject(102, QStringLiteral("Druckerei Mitte"));
    saved &= showView(harness, window, 2);
    saved &= save(photographMainWindow(), output.filePath(QStringLiteral("project-de.png")));
    main.closeProject();

    int cloudModel = -1;
    for (const devices::Device& device : devices::DeviceService::instance().devices()) {
        if (device.cloudDevice() && cloudModel < 0)
            cloudModel = device.ot2Number();
    }
    saved &= cloudModel > 0 && main.createProject(cloudModel, QStringLiteral("Lagerhalle Süd"));
    main.closeProject();
    saved &= showView(harness, window, HomeScreenView);
    saved &= save(photographMainWindow(), output.filePath(QStringLiteral("home-cloud-de.png")));
    QQuickItem* row = harness.find(QStringLiteral("project_Lagerhalle Süd"));
    saved &= row && harness.click(row->findChild<QQuickItem*>(QStringLiteral("uploadButton")));
    saved &= ViewHarness::waitFor([&harness] { return harness.findPopup(QStringLiteral("cloudLoginPopup")); });
    saved &= save(photographMainWindow(), output.filePath(QStringLiteral("cloud-login-de.png")));

    main.cloud()->gateways()->setGateways({
        network::Gateway(QJsonObject{{"name", "Halle 3"}, {"serial", "KQ-1001"}, {"type", "kq207m"}}),
        network::Gateway(QJsonObject{{"name", "Büro"}, {"serial", "KQ-1003"}, {"type", "kq207m"}}),
    });
    harness.evaluate(QStringLiteral("PopUpManager.opened[0].openDevices()"));
    saved &= ViewHarness::waitFor([&harness] { return harness.find(QStringLiteral("gateway_KQ-1003")); });
    QQuickWindow* dialog = harness.dialogs().value(0);
    saved &= dialog != nullptr;
    if (dialog) {
        saved &= save(photographItemScene(dialog), output.filePath(QStringLiteral("cloud-devices-de.png")));
        saved &= harness.click(harness.find(QStringLiteral("gateway_KQ-1003")));
        saved &= save(photographItemScene(dialog), output.filePath(QStringLiteral("gateway-login-de.png")));
    }
    return saved & reportOffences(harness);
}

// The pop-up of that name, once it has opened.
QObject* waitForPopup(const ViewHarness& harness, const QString& name)
{
    QObject* popup = nullptr;
    const bool opened = ViewHarness::waitFor([&] {
        popup = harness.findPopup(name);
        return popup && popup->property("opened").toBool();
    });
    return opened ? popup : nullptr;
}

bool chooseEntry(const ViewHarness& harness, const QString& box, const QString& text)
{
    QQuickItem* combo = harness.find(box);
    int row = -1;
    return combo && QMetaObject::invokeMethod(combo, "find", Q_RETURN_ARG(int, row), Q_ARG(QString, text))
           && harness.choose(combo, row);
}

// The device-language pop-up over the sample languages, the serial transfer of a project to a
// simulated device in this process, and the software update's question.
bool photographSerialAndUpdatePopUps(const QDir& output)
{
    ViewHarness harness;
    QQuickWindow* window = harness.loadMain();
    if (!window)
        return false;
    quopral::QuopralService::instance().initialize();
    const int model = 42;
    bool saved = MainController::instance().createProject(model, QStringLiteral("Bürogebäude Nord"));

    saved &= harness.triggerMenuAction(QStringLiteral("Sprache erstellen TARVINO rix2/rix3"))
             && waitForPopup(harness, QStringLiteral("deviceLanguagePopup"))
             && chooseEntry(harness, QStringLiteral("deviceTypeChoice"),
                            devices::DeviceService::instance().deviceByOt2Number(model).name())
             && chooseEntry(harness, QStringLiteral("deviceLanguageChoice"), QStringLiteral("fr"));
    saved &= save(photographMainWindow(), output.filePath(QStringLiteral("devicelanguage-de.png")));
    harness.evaluate(QStringLiteral("PopUpManager.closeTopPopup()"));

    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0)
        return false;
    QLocalSocket program;
    QLocalSocket line;
    program.setSocketDescriptor(fds[0]);
    line.setSocketDescriptor(fds[1]);
    devicesim::SimulatedDevice device(devices::DeviceService::instance().deviceByOt2Number(model), QStringLiteral("7"));
    devicesim::SerialFrontEnd frontEnd(&device, &line);
    serial::SerialProtocol::instance().setDevice(&program);
    // With the adapter there, the menu first asks for the medium.
    saved &= harness.triggerMenuAction(QStringLiteral("Programm TARVINO rix2/rix3"))
             && waitForPopup(harness, QStringLiteral("transferMediumPopup"))
             && harness.click(harness.find(QStringLiteral("PC-Set Tarvino")))
             && ViewHarness::waitFor([&harness] {
                    QQuickItem* status = harness.find(QStringLiteral("serialStatusText"));
                    return status && ViewHarness::text(status) == QStringLiteral("Übertragung abgeschlossen");
                });
    saved &= save(photographMainWindow(), output.filePath(QStringLiteral("serialtransfer-de.png")));
    harness.evaluate(QStringLiteral("PopUpManager.closeTopPopup()"));
    serial::SerialProtocol::instance().setDevice(nullptr);

    harness.evaluate(QStringLiteral("ZorvikUtils.window.offerSoftwareUpdate()"));
    saved &= waitForPopup(harness, QStringLiteral("softwareUpdatePopup")) != nullptr;
    saved &= save(photographMainWindow(), output.filePath(QStringLiteral("softwareupdate-de.png")));
    harness.evaluate(QStringLiteral("PopUpManager.closeTopPopup()"));
    return saved & reportOffences(harness);
}

// Switch times of every kind on the days of one week.
void addWeekOfSwitchTimes(SwitchTimesViewController* switches)
{
    const auto at = [](int hour, int minute, int second = 0) {
        return QDateTime(QDate(2026, 3, 29), QTime(hour, minute, second), Qt::UTC);
    };
    const int weekdays = 128 | 64 | 32 | 16 | 8;
    switches->createFromTable(0, 1, weekdays, -1, at(6, 30), {}, {}, {});
    switches->createFromTable(0, 0, weekdays, -1, at(18, 0), {}, {}, {});
    switches->createFromTable(0, 1, 4 | 2, -1, at(9, 0), {}, {}, {});
    switches->createFromTable(0, 0, 4 | 2, -1, at(13, 0), {}, {}, {});
    switches->createFromTable(1, 1, 128 | 32, -1, at(12, 0, 30), {}, at(0, 1, 30), {});
    switches->createFromTable(2, 0, 16, 4, at(20, 0), at(23, 0), at(0, 15), at(0, 45));
}

// A week of switch times of every kind in the program view: grid above, table below.
bool photographProgramGrid(const QDir& output)
{
    ViewHarness harness;
    QQuickWindow* window = harness.loadMain();
    if (!window)
        return false;
    MainController& main = MainController::instance();
    if (!main.createProject(102, QStringLiteral("Bürogebäude Nord")) || !showView(harness, window, 2))
        return false;
    addWeekOfSwitchTimes(main.projectContent()->switchTimesViewController());
    const bool saved = save(photographMainWindow(), output.filePath(QStringLiteral("program-grid.png")));
    main.closeProject();
    return saved & reportOffences(harness);
}

// The ot2 number of the model of that name; -1 when the catalogue has none.
int modelNamed(const QString& name)
{
    for (const devices::Device& device : devices::DeviceService::instance().devices()) {
        if (device.name() == name)
            return device.ot2Number();
    }
    return -1;
}

// The device settings of a model with an extension module, the light settings of a twilight
// model with a row per weekday, and the project settings window with its descriptive data.
bool photographProjectSettings(const QDir& output)
{
    ViewHarness harness;
    QQuickWindow* window = harness.loadMain();
    if (!window)
        return false;
    MainController& main = MainController::instance();
    bool saved = showView(harness, window, HomeScreenView)
                 && main.createProject(modelNamed(QStringLiteral("Tarvino Rix3 Weekly 2")), QStringLiteral("Turnhalle"));
    harness.evaluate(QStringLiteral("mainController.selectedProjectId = mainController.currentProject.id"));
    saved &= showView(harness, window, 2);
    saved &= saved && main.projectContent()->toggleExtensionModule(true);
    saved &= harness.findByName(QStringLiteral("projectTabs"))->setProperty("currentIndex", 1);
    saved &= save(photographItemScene(window), output.filePath(QStringLiteral("device-settings.png")));

    MetadataController* metadata = main.currentProject()->metadataController();
    metadata->setProjectTitle(QStringLiteral("Turnhalle West"));
    metadata->setProjectDescription(QStringLiteral("Beleuchtung und Lüftung der Sporthalle"));
    metadata->setChannelsDescription({QStringLiteral("Hallenlicht"), QStringLiteral("Lüftung")});
    metadata->setDeviceChans({QStringLiteral("LICHT"), QStringLiteral("LUEFT-1")});
    saved &= harness.load(QStringLiteral("app/views/ProjectSettingsView.qml"),
                          {{QStringLiteral("projectController"), QVariant::fromValue(main.currentProject())},
                           {QStringLiteral("insideDialog"), true}}) != nullptr;
    saved &= harness.click(harness.findByName(QStringLiteral("tab_3")));
    saved &= save(photographItemScene(harness.window()), output.filePath(QStringLiteral("project-settings.png")));
    harness.load(QStringLiteral("components/DefaultText.qml"));
    main.closeProject();

    saved &= showView(harness, window, HomeScreenView);
    saved &= main.createProject(modelNamed(QStringLiteral("Tarvino Rix3 Lumen 2")), QStringLiteral("Parkplatz"));
    harness.evaluate(QStringLiteral("mainController.selectedProjectId = mainController.currentProject.id"));
    saved &= showView(harness, window, 2);
    if (auto* nocta = qobject_cast<NoctaProjectController*>(main.currentProject())) {
        for (int day = 0; day < 5; ++day) {
            nocta->setLuxOnValue(day, 20);
            nocta->setLuxOffValue(day, 50);
        }
        nocta->setDelaySunsetTime(QDateTime(QDate(2026, 3, 29), QTime(0, 2, 30)));
    }
    saved &= harness.findByName(QStringLiteral("projectTabs"))->setProperty("currentIndex", 2);
    saved &= save(photographItemScene(window), output.filePath(QStringLiteral("light-settings.png")));
    main.closeProject();
    return saved & reportOffences(harness);
}

// A project of two channels with the extension module whose channels differ in every row.
bool prepareChannelProject(MainController& main)
{
    if (!main.createProject(102, QStringLiteral("Bürogebäude Nord")) || !main.openCurrentProject())
        return false;
    ProjectContentController* content = main.projectContent();
    content->toggleExtensionModule(true);
    const auto at = [](int hour) { return QDateTime(QDate(2026, 3, 30), QTime(hour, 0), Qt::UTC); };
    content->switchTimesViewController()->createFromTable(0, 1, 128 | 64 | 32 | 16 | 8, -1, at(7), {}, {}, {});
    content->switchTimesViewController()->createFromTable(0, 0, 128 | 64 | 32 | 16 | 8, -1, at(19), {}, {}, {});
    content->setSignaling(6);
    ChannelController* first = content->channelController();
    first->setExternalInputFunction(1);
    first->setExternalTasterFunction(1);
    first->setExternalInputTime(at(2));
    first->setOperatingHour(2500);
    content->setSelectedChannel(1);
    content->switchTimesViewController()->createFromTable(0, 1, 4 | 2, -1, at(9), {}, {}, {});
    ChannelController* second = content->channelController();
    second->setHolidayStatus(2);
    second->setHolidayDateBegin(QDateTime(QDate(2026, 8, 3), QTime(0, 0), Qt::UTC));
    second->setHolidayTimeBegin(at(6));
    second->setHolidayDateEnd(QDateTime(QDate(2026, 8, 21), QTime(0, 0), Qt::UTC));
    second->setHolidayTimeEnd(at(18));
    second->setExternalInputFunction(2);
    content->setSelectedChannel(0);
    return true;
}

// The channel overview window, and the channel and holiday settings of one channel.
bool photographChannelSettings(const QDir& output)
{
    ViewHarness harness(ViewHarness::Options{QStringLiteral("de"), true, QSize(760, 560)});
    MainController& main = MainController::instance();
    if (!prepareChannelProject(main))
        return false;
    ProjectContentController* content = main.projectContent();
    const QVariantMap properties{
        {QStringLiteral("signalingChannels"), QVariant::fromValue(main.currentProject()->signalingChannels())},
        {QStringLiteral("viewController"), QVariant::fromValue(content->settingsController())},
        {QStringLiteral("projectContentController"), QVariant::fromValue(content)}};
    auto* dialog = qobject_cast<QQuickWindow*>(harness.load(
        QStringLiteral("components/WindowDialog.qml"),
        {{QStringLiteral("source"), QStringLiteral("qrc:/orvindal/Tarvino/app/settings/ChannelOverview.qml")},
         {QStringLiteral("properties"), properties}, {QStringLiteral("minimumWidth"), 800},
         {QStringLiteral("minimumHeight"), 475}}));
    bool saved = dialog && save(photographItemScene(dialog), output.filePath(QStringLiteral("channel-overview.png")));

    const QByteArray scene = R"(
        import QtQuick
        import QtQuick.Layouts
        import Tarvino
        Rectangle {
            id: root
            property var viewController
            color: Colors.white
            ColumnLayout {
                anchors.fill: parent
                anchors.margins: Metrics.middleMargin
                spacing: Metrics.margin
                TitledSection {
                    Layout.fillWidth: true
                    title: bindTr("Direct commands", "Kanal") + " 2"
                    ChannelSettings { viewController: root.viewController }
                }
                TitledSection {
                    Layout.fillWidth: true
                    title: bindTr("Program settings", "Ferien")
                    HolidaySettings { viewController: root.viewController }
                }
                Item { Layout.fillHeight: true }
            }
        })";
    content->setSelectedChannel(1);
    saved &= harness.loadData(scene, {{QStringLiteral("viewController"), QVariant::fromValue(content->settingsController())}})
             && save(photographItemScene(harness.window()), output.filePath(QStringLiteral("channel-settings.png")));
    main.closeProject();
    return saved & reportOffences(harness);
}

// The direct commands of a twilight switch with three light sensors, in their window, and the
// sensors' assignment in theirs.
bool photographDirectCommands(const QDir& output)
{
    ViewHarness harness;
    if (!harness.loadMain())
        return false;
    auto simulated = std::make_unique<ble::SimulatedBackend>();
    auto* device = new devicesim::SimulatedDevice(devices::DeviceService::instance().deviceByOt2Number(74),
                                                  QStringLiteral("207400074"), simulated.get());
    device->setConnectionInterval(std::chrono::microseconds(0));
    device->setDateTime(QDateTime(QDate(2026, 3, 29), QTime(17, 42, 5), Qt::UTC));
    device->sensors().setSensors({{12, 0x01}, {85, 0x02}, {1400, 0x01}});
    devicesim::ChannelControls::Channel permanent;
    permanent.mode = devicesim::ChannelControls::Permanent;
    permanent.relayState = 1;
    device->channels().setChannel(1, permanent);
    device->channels().setOperatingHours(0, 1320);
    device->channels().setOperatingHours(1, 412);
    device->setServiceInterval(0, 1000);
    device->setServiceInterval(1, 2000);
    simulated->addDevice(device);
    ble::BLEService::instance().setBackend(std::move(simulated));

    QQuickItem* view = nullptr;
    QQuickItem* choice = nullptr;
    bool saved = harness.triggerMenuAction(QStringLiteral("Direkte Befehle"))
                 && ViewHarness::waitFor([&] { return (choice = harness.find(QStringLiteral("deviceChoice0"))) != nullptr; })
                 && harness.click(choice) && harness.click(harness.find(QStringLiteral("scanConnectButton")))
                 && ViewHarness::waitFor([&] {
                        view = harness.findByName(QStringLiteral("directCommandsView"));
                        QQuickItem* lux = harness.findByName(QStringLiteral("channelLine1Cell5"));
                        return view && lux && ViewHarness::text(lux) == QStringLiteral("85 lx");
                    });
    if (!saved)
        return false;
    saved &= ViewHarness::waitFor([&harness] {
        return ViewHarness::text(harness.findByName(QStringLiteral("channelLine1Cell4"))) == QStringLiteral("2000");
    });
    QQuickWindow* window = view->window();
    window->raise();
    window->requestActivate();
    saved &= save(photographItemScene(window), output.filePath(QStringLiteral("direct-commands-de.png")));

    // The button lies at the foot of the scrolled sections.
    QQuickItem* button = harness.find(QStringLiteral("sensorAffectationButton"));
    for (QQuickItem* parent = button ? button->parentItem() : nullptr; parent; parent = parent->parentItem()) {
        if (parent->inherits("QQuickFlickable")) {
            parent->setProperty("contentY", parent->property("contentHeight").toReal() - parent->height());
            break;
        }
    }
    QTest::qWait(100);
    QQuickItem* table = nullptr;
    saved &= harness.click(button)
             && ViewHarness::waitFor([&] { return (table = harness.findByName(QStringLiteral("sensorAffectationTable"))) != nullptr; })
             && ViewHarness::waitFor([&] { return harness.findByName(QStringLiteral("sensorRow2")) != nullptr; });
    if (table) {
        table->window()->raise();
        table->window()->requestActivate();
        saved &= save(photographItemScene(table->window()), output.filePath(QStringLiteral("sensor-assignment-de.png")));
        table->window()->close();
    }
    window->close();
    ble::BLEService::instance().disconnectFromDevice();
    return saved & reportOffences(harness);
}

// The date table of an extra program with a range of each kind, under the program's own
// switch times (an astronomic channel: its night and day switching).
bool photographExtraProgramTable(const QDir& output)
{
    ViewHarness harness;
    QQuickWindow* window = harness.loadMain();
    if (!window)
        return false;
    MainController& main = MainController::instance();
    if (!main.createProject(modelNamed(QStringLiteral("Tarvino Rix2 Astro 1")), QStringLiteral("Sportplatz"))
        || !showView(harness, window, 2))
        return false;
    main.projectContent()->setSelectedProgram(1);
    ExtraProgramViewController* extra = main.projectContent()->extraProgramViewController(1);
    const auto at = [](int year, int month, int day, int hour = 0, int minute = 0) {
        return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
    };
    ExtraProgramSwitchTimeController* times = extra->switchTimes();
    if (!times)
        return false;
    times->setIsActiveOnProg1(true);
    times->setOnTimeProg1(at(2026, 1, 1, 23));
    times->setOffTimeProg1(at(2026, 1, 1, 5));
    times->setIsActiveOnProg2(true);
    times->setOnTimeProg2(at(2026, 1, 1, 9));
    times->setOffTimeProg2(at(2026, 1, 1, 16, 30));
    times->saveModifications();
    extra->createFromTable(0, at(2026, 7, 27, 6), at(2026, 8, 14, 18), at(2026, 7, 27, 6), at(2026, 8, 14, 18), 0, 1);
    extra->createFromTable(1, at(2008, 12, 24), at(2008, 12, 27), at(2008, 12, 24), at(2008, 12, 27), 0, 1);
    extra->createFromTable(2, at(2026, 1, 1), at(2026, 1, 1), at(2026, 1, 1), at(2026, 1, 1), -2, 1);
    extra->createFromTable(3, at(2026, 3, 2, 8), at(2026, 3, 3, 8), at(2026, 3, 2, 8), at(2026, 3, 3, 8), 0, 1);
    extra->createFromTable(4, at(2026, 1, 1, 6), at(2026, 1, 1, 6), at(2026, 1, 1, 6), at(2026, 1, 1, 6), 0, 1);
    extra->createFromTable(0, at(2026, 5, 3), at(2026, 5, 1), at(2026, 5, 3), at(2026, 5, 1), 0, 1);
    const bool saved = ViewHarness::waitFor([&harness] { return harness.findByName(QStringLiteral("dateTable")); })
                       && save(photographMainWindow(), output.filePath(QStringLiteral("extra-program-table.png")));
    main.closeProject();
    return saved & reportOffences(harness);
}

// The holiday set window in edit mode on a set of the user's own, then the form of one rule.
bool photographHolidayViews(const QDir& output)
{
    ViewHarness::Options options;
    options.windowSize = QSize(768, 700);
    ViewHarness harness(options);
    holidays::HolidaySetService& service = holidays::HolidaySetService::instance();
    if (!service.addCustomHolidaySet(QStringLiteral("Betriebsferien")))
        return false;
    const int set = service.currentIndex(true);
    service.addHoliday(set, holidays::Holiday(QStringLiteral("Weihnachtsruhe"), 0, 0, 24, 12, 2008, 12, 0, 27, 2008, 12, 6).data(), true);
    service.addHoliday(set, holidays::Holiday(QStringLiteral("Brückentag"), 1, 4, 1, 5, 2008, 0, 1, 0, 0, 0, 0).data(), true);
    service.addHoliday(set, holidays::Holiday(QStringLiteral("Osterpause"), 2, -2, 0, 0, 0, 0, 1, 0, 0, 0, 0).data(), true);
    service.addHoliday(set, holidays::Holiday(QStringLiteral("Inventur"), 4, 0, 2, 1, 2027, 6, 0, 3, 2027, 1, 18).data(), true);
    if (!harness.load(QStringLiteral("app/holidays/HolidaySetEdition.qml")))
        return false;
    QTest::qWait(300);
    bool saved = save(photographItemScene(harness.window()), output.filePath(QStringLiteral("holiday-sets.png")));
    harness.click(harness.findByName(QStringLiteral("holidayRule_3")));
    harness.click(harness.findByName(QStringLiteral("editRule")));
    QTest::qWait(500);
    saved &= save(photographItemScene(harness.window()), output.filePath(QStringLiteral("holiday-rule.png")));
    service.removeCustomHolidaySet(service.currentIndex(true), true);
    return saved & reportOffences(harness);
}

// The reset settings of an astronomic device that connected in reset mode, over the main window.
bool photographResetSettings(const QDir& output)
{
    ViewHarness harness;
    if (!harness.loadMain())
        return false;
    auto simulated = std::make_unique<ble::SimulatedBackend>();
    auto* device = new devicesim::SimulatedDevice(devices::DeviceService::instance().deviceByOt2Number(111),
                                                  QStringLiteral("311100047"), simulated.get());
    device->setConnectionInterval(std::chrono::microseconds(0));
    device->resetSettings().setResetMode(true);
    device->setDateTime(QDateTime(QDate(2026, 3, 14), QTime(9, 30), Qt::UTC));
    simulated->addDevice(device);
    ble::SimulatedBackend* backend = simulated.get();
    ble::BLEService::instance().setBackend(std::move(simulated));
    ble::BLEDevice found(backend->advertisement(device), QString());
    ble::BLEService::instance().connectToDevice(&found);
    const bool read = ViewHarness::waitFor([&] {
        QQuickItem* accept = harness.findByName(QStringLiteral("acceptButton"));
        return harness.findPopup(QStringLiteral("resetSettingsPopup")) && accept && accept->isEnabled();
    }, 20000);
    const bool saved = read && save(photographMainWindow(), output.filePath(QStringLiteral("resetsettings-de.png")));
    ble::BLEService::instance().disconnectFromDevice();
    return saved & reportOffences(harness);
}

// The narrow layout's sorted list of a week's switch times, and the editor of its impulse.
bool photographProgramListAndEditor(const QDir& output)
{
    ViewHarness harness;
    QQuickWindow* window = harness.loadMain();
    if (!window)
        return false;
    harness.evaluate(QStringLiteral("platformService.overwriteDisplay = 1"));
    MainController& main = MainController::instance();
    bool saved = main.createProject(102, QStringLiteral("Bürogebäude Nord")) && showView(harness, window, 2);
    SwitchTimesViewController* switches = main.projectContent()->switchTimesViewController();
    const auto at = [](int hour, int minute, int second = 0) {
        return QDateTime(QDate(2026, 3, 29), QTime(hour, minute, second), Qt::UTC);
    };
    const int weekdays = 128 | 64 | 32 | 16 | 8;
    switches->createFromTable(0, 1, weekdays, -1, at(6, 30), {}, {}, {});
    switches->createFromTable(0, 0, weekdays, -1, at(18, 0), {}, {}, {});
    switches->createFromTable(0, 1, 4 | 2, -1, at(9, 0), {}, {}, {});
    switches->createFromTable(1, 1, 128 | 32, -1, at(12, 0, 30), {}, at(0, 1, 30), {});
    switches->createFromTable(2, 0, 16, 4, at(20, 0), at(23, 0), at(0, 15), at(0, 45));
    saved &= ViewHarness::waitFor([&harness] { return harness.findByName(QStringLiteral("switchItem_3")); });
    saved &= save(photographMainWindow(), output.filePath(QStringLiteral("program-list.png")));

    // The last entry lies below the phone's window until the list scrolls.
    if (QQuickItem* list = harness.findByName(QStringLiteral("switchList")))
        QMetaObject::invokeMethod(list, "positionViewAtEnd");
    saved &= ViewHarness::waitFor([&harness] { return harness.findByName(QStringLiteral("switchItem_4")); });
    saved &= harness.click(harness.findByName(QStringLiteral("switchItem_4")));
    saved &= ViewHarness::waitFor([&harness] { return harness.findByName(QStringLiteral("switchTimeEdition")); });
    // The editor in the desktop's window.
    harness.setPhoneLayout(false);
    saved &= save(photographMainWindow(), output.filePath(QStringLiteral("switchtime-editor.png")));
    harness.evaluate(QStringLiteral("ViewLoader.popView()"));
    main.closeProject();
    return saved & reportOffences(harness);
}

// The own astro table with the Belgian preset, its fill window, and the yearly astro table of
// an astronomic project in Munich, each in its window.
bool photographAstroTables(const QDir& output)
{
    ViewHarness harness;
    MainController& main = MainController::instance();
    if (!main.createProject(modelNamed(QStringLiteral("Tarvino Rix3 Astro 2")), QStringLiteral("Gartenhaus"))
        || !main.openCurrentProject())
        return false;
    ProjectContentController* content = main.projectContent();
    auto* astro = qobject_cast<AstroProjectController*>(main.currentProject());
    if (!astro)
        return false;
    astro->coordinatesController()->setLatitudeLongitude(48.13715, 11.57549);
    OwnAstroTableModel* table = astro->ownAstroTableModel();
    table->setName(QStringLiteral("MET"));
    table->setMETTime();
    const auto photographWindow = [&](const QString& view, const QVariantMap& properties, QSize size, const QString& file) {
        auto* dialog = qobject_cast<QQuickWindow*>(harness.load(
            QStringLiteral("components/WindowDialog.qml"),
            {{QStringLiteral("source"), QStringLiteral("qrc:/orvindal/Tarvino/app/astro/%1.qml").arg(view)},
             {QStringLiteral("properties"), properties}, {QStringLiteral("minimumWidth"), size.width()},
             {QStringLiteral("minimumHeight"), size.height()}}));
        return dialog && save(photographItemScene(dialog), output.filePath(file));
    };
    const QVariant controller = QVariant::fromValue(content);
    bool saved = photographWindow(QStringLiteral("EditOwnAstroTable"),
                                  {{QStringLiteral("viewController"), controller}},
                                  QSize(768, 550), QStringLiteral("own-astro-table.png"));
    saved &= photographWindow(QStringLiteral("AutomaticFill"),
                              {{QStringLiteral("viewController"), controller},
                               {QStringLiteral("table"), QVariant::fromValue(table)}},
                              QSize(768, 768), QStringLiteral("automatic-fill.png"));
    auto* channel = qobject_cast<AstroChannelController*>(content->channelController());
    if (channel) {
        channel->setOffsetSunrise(15);
        channel->setOffsetSunset(-10);
    }
    saved &= photographWindow(QStringLiteral("YearlyAstroTable"),
                              {{QStringLiteral("viewController"), controller}},
                              QSize(1024, 900), QStringLiteral("yearly-astro-table.png"));
    harness.load(QStringLiteral("components/DefaultText.qml"));
    main.closeProject();
    return saved & reportOffences(harness);
}

// The own summer/winter rule of a project, one direction on a fixed day, and the own table of
// another year span filled from the rule, in its window with two rows selected.
bool photographSummerWinter(const QDir& output)
{
    ViewHarness harness(ViewHarness::Options{QStringLiteral("de"), true, QSize(1100, 420)});
    MainController& main = MainController::instance();
    if (!main.createProject(101, QStringLiteral("Sommerzeit")) || !main.openCurrentProject())
        return false;
    ProjectController* project = main.currentProject();
    project->setSoWiRuleType(9);
    project->setCustomWiSo(1);
    project->setWiSoDate(QDate(2026, 3, 27));
    const QByteArray scene = R"(
        import QtQuick
        import QtQuick.Layouts
        import Tarvino
        Rectangle {
            id: root
            property var viewController
            color: Colors.white
            ColumnLayout {
                anchors.fill: parent
                anchors.margins: Metrics.middleMargin
                SettingsSection {
                    title: bindTr("Program settings", "Sommer-/Winterregel")
                    SoWiSettings { Layout.fillWidth: true; viewController: root.viewController }
                }
                Item { Layout.fillHeight: true }
            }
        })";
    bool saved = harness.loadData(scene, {{QStringLiteral("viewController"), QVariant::fromValue(project)}})
                 && save(photographItemScene(harness.window()), output.filePath(QStringLiteral("summer-winter.png")));

    project->setSoWiRuleType(10);
    SommerWinterTableModel* table = project->sommerWinterTable();
    table->automaticFill(2008, 2030, 4, QDate(2008, 3, 1), 2, 6, 4, QDate(2008, 10, 1), 2, 6);
    table->select(2, false);
    table->select(3, true);
    table->removeSelected();
    project->saveSommerWinterTable();
    auto* dialog = qobject_cast<QQuickWindow*>(harness.load(
        QStringLiteral("components/WindowDialog.qml"),
        {{QStringLiteral("source"), QStringLiteral("qrc:/orvindal/Tarvino/app/settings/EditSoWiTable.qml")},
         {QStringLiteral("properties"), QVariantMap{{QStringLiteral("projectController"), QVariant::fromValue(project)}}},
         {QStringLiteral("minimumWidth"), 900}, {QStringLiteral("minimumHeight"), 700}}));
    if (dialog) {
        table->select(5, false);
        table->select(6, true);
        QTest::qWait(200);
    }
    saved &= dialog && save(photographItemScene(dialog), output.filePath(QStringLiteral("summer-winter-table.png")));
    main.closeProject();
    return saved & reportOffences(harness);
}

// The astro tab of a project with two astro channels, tall enough for every section, and the
// favourite locations of that project.
bool photographAstroViews(const QDir& output)
{
    ViewHarness::Options options;
    options.windowSize = QSize(900, 1500);
    ViewHarness harness(options);
    MainController& main = MainController::instance();
    bool saved = main.createProject(modelNamed(QStringLiteral("Tarvino Rix2 Astro 2")), QStringLiteral("Sportplatz"))
                 && main.openCurrentProject();
    auto* project = qobject_cast<AstroProjectController*>(main.currentProject());
    saved &= project != nullptr;
    if (!saved)
        return false;
    if (auto* channel = qobject_cast<AstroChannelController*>(project->channel(1))) {
        channel->setOffsetSunrise(-15);
        channel->setAstroMode(3);
    }
    saved &= harness.load(QStringLiteral("app/astro/AstroSettingsView.qml"),
                          {{QStringLiteral("viewController"), QVariant::fromValue(main.projectContent())}}) != nullptr;
    saved &= save(photographItemScene(harness.window()), output.filePath(QStringLiteral("astro-settings.png")));

    const QList<QVariantList> favourites{{QStringLiteral("SPORTPLATZ NORD"), 48, 11, 13},
                                         {QStringLiteral("FERIENHAUS"), 43, 7, 13},
                                         {QStringLiteral("LAGER 2"), 52, 13, 13}};
    for (int index = 0; index < favourites.size(); ++index) {
        project->addFavorite();
        for (int type = 0; type < 4; ++type)
            project->setFavorite({{QStringLiteral("index"), index}, {QStringLiteral("type"), type},
                                  {QStringLiteral("value"), favourites.at(index).at(type)}});
    }
    saved &= harness.load(QStringLiteral("app/views/FavoriteLocationsView.qml"),
                          {{QStringLiteral("viewController"), QVariant::fromValue(project)},
                           {QStringLiteral("insideDialog"), true},
                           {QStringLiteral("width"), 768},
                           {QStringLiteral("height"), 550}}) != nullptr;
    saved &= save(photographItemScene(harness.window()).copy(0, 0, 768, 550),
                  output.filePath(QStringLiteral("favourite-locations.png")));
    harness.load(QStringLiteral("components/DefaultText.qml"));
    main.closeProject();
    return saved & reportOffences(harness);
}

// The switch times of an extra program: the heads of each channel kind, the boxes above the
// dates, a permanent program and the holiday set choice on one page; then the editors.
bool photographExtraProgramEditors(const QDir& output)
{
    ViewHarness::Options options;
    options.windowSize = QSize(900, 1000);
    ViewHarness harness(options);
    MainController& main = MainController::instance();
    if (!main.createProject(74, QStringLiteral("Parkplatz Süd")) || !main.openCurrentProject())
        return false;
    ExtraProgramViewController* extra = main.projectContent()->extraProgramViewController(1);
    ExtraProgramSwitchTimeController* times = extra->switchTimes();
    const auto at = [](int hour, int minute = 0) { return QDateTime(QDate(2026, 1, 1), QTime(hour, minute), Qt::UTC); };
    times->setIsActiveOnProg1(true);
    times->setOnTimeProg1(at(22, 30));
    times->setOffTimeProg1(at(5));
    times->setIsActiveOnProg2(false);
    times->saveModifications();
    const int permanent = main.currentProject()->programms() - 2;
    ExtraProgramViewController* on = main.projectContent()->extraProgramViewController(permanent);
    const auto day = [](int month, int date, int hour) { return QDateTime(QDate(2026, month, date), QTime(hour, 0), Qt::UTC); };
    on->createFromTable(0, day(7, 27, 6), day(8, 14, 18), day(7, 27, 6), day(8, 14, 18), 0, 1);
    on->createFromTable(2, day(1, 1, 8), day(1, 1, 18), day(1, 1, 8), day(1, 1, 18), -2, 1);
    const QByteArray scene = "import QtQuick\nimport QtQuick.Layouts\nimport Tarvino\n"
                             "ColumnLayout {\n    property var times\n    property var extra\n    property var permanent\n"
                             "    spacing: 20\n"
                             "    SonderProgram1Header { Layout.fillWidth: true; Layout.margins: 10; switchTimes: times }\n"
                             "    SonderProgram1AstroHeader { Layout.fillWidth: true; Layout.margins: 10; switchTimes: times }\n"
                             "    SonderProgram1NoctaHeader { Layout.fillWidth: true; Layout.margins: 10; switchTimes: times }\n"
                             "    DateSwitchLimit { Layout.margins: 10; switchTimes: times }\n"
                             "    SonderProgram23Edition { Layout.fillWidth: true; Layout.margins: 10; epViewController: permanent }\n"
                             "    SonderProgramHolidays { Layout.fillWidth: true; Layout.margins: 10; parentController: extra }\n"
                             "    Item { Layout.fillHeight: true }\n}\n";
    bool saved = harness.loadData(scene, {{QStringLiteral("times"), QVariant::fromValue(times)},
                                          {QStringLiteral("extra"), QVariant::fromValue(extra)},
                                          {QStringLiteral("permanent"), QVariant::fromValue(on)}})
                 && save(photographItemScene(harness.window()), output.filePath(QStringLiteral("extra-program-heads.png")));
    saved = saved && harness.load(QStringLiteral("app/views/SonderProgramOnOffEditionView.qml"),
                                  {{QStringLiteral("viewController"), QVariant::fromValue(times)},
                                   {QStringLiteral("lightMode"), true},
                                   {QStringLiteral("projectName"), QStringLiteral("Parkplatz Süd")},
                                   {QStringLiteral("deviceName"), QStringLiteral("Tarvino Rix2 Lumen 2")}})
            && save(photographItemScene(harness.window()), output.filePath(QStringLiteral("extra-program-onoff.png")));
    main.closeProject();
    if (!main.createProject(42, QStringLiteral("Bürogebäude Nord")) || !main.openCurrentProject())
        return false;
    saved = saved && harness.load(QStringLiteral("app/views/SonderProgramOnOffEditionView.qml"),
                                  {{QStringLiteral("viewController"),
                                    QVariant::fromValue(main.projectContent()->extraProgramViewController(1)->switchTimes())},
                                   {QStringLiteral("projectName"), QStringLiteral("Bürogebäude Nord")}})
            && save(photographItemScene(harness.window()), output.filePath(QStringLiteral("extra-program-onoff-plain.png")));
    main.closeProject();
    return saved & reportOffences(harness);
}

// An extra program in the phone's layout: the list of its ranges with the program's own switch
// times, then the editor of the first range.
bool photographExtraProgramList(const QDir& output)
{
    ViewHarness harness;
    QQuickWindow* window = harness.loadMain();
    if (!window)
        return false;
    harness.setPhoneLayout(true);
    MainController& main = MainController::instance();
    bool saved = main.createProject(modelNamed(QStringLiteral("Tarvino Rix2 Weekly 2")), QStringLiteral("Bürogebäude Nord"))
                 && showView(harness, window, 2);
    main.projectContent()->setSelectedProgram(1);
    ExtraProgramViewController* extra = main.projectContent()->extraProgramViewController(1);
    const auto at = [](int year, int month, int day, int hour = 0) {
        return QDateTime(QDate(year, month, day), QTime(hour, 0), Qt::UTC);
    };
    if (ExtraProgramSwitchTimeController* times = extra->switchTimes()) {
        times->setIsActiveOnProg1(true);
        times->setOnTimeProg1(at(2026, 1, 1, 7));
        times->setIsActiveOffProg1(true);
        times->setOffTimeProg1(at(2026, 1, 1, 18));
        times->setIsActiveOnProg2(false);
        times->setIsActiveOffProg2(false);
        times->saveModifications();
    } else {
        saved = false;
    }
    extra->createFromTable(0, at(2026, 7, 27, 6), at(2026, 8, 14, 18), at(2026, 7, 27, 6), at(2026, 8, 14, 18), 0, 1);
    extra->createFromTable(2, at(2026, 1, 1), at(2026, 1, 1), at(2026, 1, 1), at(2026, 1, 1), -2, 1);
    extra->createFromTable(3, at(2026, 3, 2, 8), at(2026, 3, 5, 8), at(2026, 3, 2, 8), at(2026, 3, 5, 8), 0, 1);
    extra->createFromTable(4, at(2026, 1, 1, 6), at(2026, 1, 1, 6), at(2026, 1, 1, 6), at(2026, 1, 1, 6), 0, 1);
    saved &= ViewHarness::waitFor([&harness] { return harness.findByName(QStringLiteral("rangeItem_3")); });
    saved &= save(photographMainWindow(), output.filePath(QStringLiteral("extra-program-list.png")));

    // The first range of the list.
    saved &= harness.click(harness.findByName(QStringLiteral("rangeItem_0")));
    saved &= ViewHarness::waitFor([&harness] {
        return harness.findByName(QStringLiteral("sonderProgramDate"))
               && !harness.evaluate(QStringLiteral("ViewLoader.stack.busy")).toBool();
    });
    saved &= save(photographMainWindow(), output.filePath(QStringLiteral("date-range-editor.png")));
    harness.evaluate(QStringLiteral("ViewLoader.popView()"));
    harness.setPhoneLayout(false);
    main.closeProject();
    return saved & reportOffences(harness);
}

// The location window on Munich: the map with its marker and the matched city beside it.
bool photographAstroLocation(const QDir& output)
{
    ViewHarness::Options options;
    options.windowSize = QSize(768, 550);
    ViewHarness harness(options);
    CoordinatesSettingsController location;
    location.setLatitudeLongitude(48.13743, 11.57549);
    if (!harness.load(QStringLiteral("app/views/AstroLocationView.qml"),
                      {{QStringLiteral("locationController"), QVariant::fromValue(&location)},
                       {QStringLiteral("insideDialog"), true}}))
        return false;
    const bool saved = save(photographItemScene(harness.window()), output.filePath(QStringLiteral("astro-location.png")));
    harness.load(QStringLiteral("components/DefaultText.qml"));
    return saved & reportOffences(harness);
}

// The own astro table and its fill as pages of the phone's stack.
bool photographPhoneAstroPages(const QDir& output)
{
    ViewHarness harness;
    QQuickWindow* window = harness.loadMain();
    if (!window)
        return false;
    harness.setPhoneLayout(true);
    MainController& main = MainController::instance();
    if (!main.createProject(modelNamed(QStringLiteral("Tarvino Rix3 Astro 2")), QStringLiteral("Gartenhaus"))
        || !main.openCurrentProject())
        return false;
    auto* astro = qobject_cast<AstroProjectController*>(main.currentProject());
    if (!astro)
        return false;
    OwnAstroTableModel* table = astro->ownAstroTableModel();
    table->setName(QStringLiteral("MET"));
    table->setMETTime();
    const auto shows = [&harness](const QString& name) {
        return ViewHarness::waitFor([&harness, name] {
            return harness.findByName(name) && !harness.evaluate(QStringLiteral("ViewLoader.stack.busy")).toBool();
        });
    };
    harness.evaluate(QStringLiteral("ViewLoader.openPage(View.EditOwnAstroTableView, "
                                    "'qrc:/orvindal/Tarvino/app/astro/EditOwnAstroTable.qml', "
                                    "{ viewController: mainController.projectContent })"));
    bool saved = shows(QStringLiteral("ownTableCell_0_0"));
    saved &= save(photographMainWindow(), output.filePath(QStringLiteral("own-astro-table-phone.png")));
    saved &= harness.click(harness.findByName(QStringLiteral("automaticFillButton")));
    saved &= shows(QStringLiteral("fillOk"));
    saved &= save(photographMainWindow(), output.filePath(QStringLiteral("automatic-fill-phone.png")));
    harness.evaluate(QStringLiteral("ViewLoader.stack.pop(null)"));
    saved &= ViewHarness::waitFor([&harness] { return !harness.evaluate(QStringLiteral("ViewLoader.stack.busy")).toBool(); });
    harness.setPhoneLayout(false);
    main.closeProject();
    return saved & reportOffences(harness);
}

// The home list and the program view of a week in Greek and in Hebrew, whose views run right
// to left; the language is switched at run time, as the settings view does.
bool photographLanguageViews(const QDir& output)
{
    const QStringList languages{QStringLiteral("el"), QStringLiteral("he")};
    ViewHarness harness;
    QQuickWindow* window = harness.loadMain();
    if (!window)
        return false;
    MainController& main = MainController::instance();
    bool saved = main.createProject(102, QStringLiteral("Bürogebäude Nord")) &&
                 main.createProject(111, QStringLiteral("Parkplatz Beleuchtung")) &&
                 main.createProject(141, QStringLiteral("Schaufenster"));
    main.closeProject();
    for (const QString& language : languages) {
        saved &= harness.setLanguage(language);
        saved &= showView(harness, window, HomeScreenView);
        saved &= save(photographMainWindow(), output.filePath(QStringLiteral("home-%1.png").arg(language)));
    }
    saved &= harness.setLanguage(QStringLiteral("de"));
    saved &= main.createProject(102, QStringLiteral("Halle 7")) && showView(harness, window, 2);
    if (saved)
        addWeekOfSwitchTimes(main.projectContent()->switchTimesViewController());
    for (const QString& language : languages) {
        saved &= harness.setLanguage(language);
        saved &= save(photographMainWindow(), output.filePath(QStringLiteral("program-%1.png").arg(language)));
    }
    main.closeProject();
    saved &= harness.setLanguage(QStringLiteral("de"));
    return saved & reportOffences(harness);
}

// The gallery of the shared components.
bool photographComponents(const QDir& output)
{
    ViewHarness harness;
    if (!harness.load(QStringLiteral("qrc:/gallery/ComponentGallery.qml")))
        return false;
    const bool saved = save(photographItemScene(harness.window()), output.filePath(QStringLiteral("components.png")));
    return saved & reportOffences(harness);
}

// The empty main window in German and in English.
bool photographMainWindowLanguages(const QDir& output)
{
    ViewHarness harness;
    if (!harness.loadMain())
        return false;
    bool saved = true;
    for (const QString& language : {QStringLiteral("de"), QStringLiteral("en")}) {
        saved &= harness.setLanguage(language);
        saved &= save(photographMainWindow(), output.filePath(QStringLiteral("main-window-%1.png").arg(language)));
    }
    return saved & reportOffences(harness);
}

// Names a scene that failed, so a run that ends with 1 says where.
bool reported(const char* scene, bool saved)
{
    if (!saved)
        QTextStream(stderr) << "The scene " << scene << " failed\n";
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QDir output(application.arguments().value(1, QStringLiteral("docs/screenshots")));
    if (!output.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "Cannot make the folder " << output.path() << "\n";
        return 1;
    }

    bool saved = true;
    saved &= reported("photographComponents", photographComponents(output));
    saved &= reported("photographMainWindowLanguages", photographMainWindowLanguages(output));
    saved &= reported("photographShellViews", photographShellViews(output));
    saved &= reported("photographDeviceScan", photographDeviceScan(output));
    saved &= reported("photographProjectAndCloudViews", photographProjectAndCloudViews(output));
    // The sample languages that the build copies.
    if (qEnvironmentVariableIsEmpty(quopral::QuopralService::FolderVariable))
        qputenv(quopral::QuopralService::FolderVariable, TARVINO_SAMPLE_LANGUAGES);
    saved &= reported("photographSerialAndUpdatePopUps", photographSerialAndUpdatePopUps(output));
    saved &= reported("photographProgramGrid", photographProgramGrid(output));
    saved &= reported("photographProjectSettings", photographProjectSettings(output));
    saved &= reported("photographChannelSettings", photographChannelSettings(output));
    saved &= reported("photographDirectCommands", photographDirectCommands(output));
    saved &= reported("photographExtraProgramTable", photographExtraProgramTable(output));
    saved &= reported("photographHolidayViews", photographHolidayViews(output));
    saved &= reported("photographResetSettings", photographResetSettings(output));
    saved &= reported("photographProgramListAndEditor", photographProgramListAndEditor(output));
    saved &= reported("photographAstroTables", photographAstroTables(output));
    saved &= reported("photographSummerWinter", photographSummerWinter(output));
    saved &= reported("photographAstroViews", photographAstroViews(output));
    saved &= reported("photographExtraProgramEditors", photographExtraProgramEditors(output));
    saved &= reported("photographExtraProgramList", photographExtraProgramList(output));
    saved &= reported("photographAstroLocation", photographAstroLocation(output));
    saved &= reported("photographPhoneAstroPages", photographPhoneAstroPages(output));
    saved &= reported("photographLanguageViews", photographLanguageViews(output));
    return saved ? 0 : 1;
}
