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

// Up to four projects for the home list, closed again.
bool createHomeProjects(MainController& main, int count)
{
    const std::pair<int, QString> projects[] = {{102, QStringLiteral("Bürogebäude Nord")},
                                                {111, QStringLiteral("Parkplatz Beleuchtung")},
                                                {141, QStringLiteral("Schaufenster")},
                                                {131, QStringLiteral("Heizung")}};
    bool created = true;
    for (int index = 0; index < count; ++index)
        created = created && main.createProject(projects[index].first, projects[index].second);
    main.closeProject();
    return created;
}

// A new project of that model, open as the views show it.
bool openNewProject(MainController& main, int model, const QString& name)
{
    return main.createProject(model, name) && main.openCurrentProject();
}

// Closes the open project once the window no longer shows a view of it.
void closeShownProject(ViewHarness& harness)
{
    harness.load(QStringLiteral("components/DefaultText.qml"));
    MainController::instance().closeProject();
}

// The stack has settled on a view that shows the item of that name.
bool showsSettled(ViewHarness& harness, const QString& name)
{
    return ViewHarness::waitFor([&harness, name] {
        return harness.findByName(name) && !harness.evaluate(QStringLiteral("ViewLoader.stack.busy")).toBool();
    });
}

// The view of the module's file in a window of its own, at least `size`, as the program opens it.
QQuickWindow* openWindowDialog(ViewHarness& harness, const QString& file, const QVariantMap& properties, QSize size)
{
    return qobject_cast<QQuickWindow*>(harness.load(
        QStringLiteral("components/WindowDialog.qml"),
        {{QStringLiteral("source"), QStringLiteral("qrc:/orvindal/Tarvino/%1").arg(file)},
         {QStringLiteral("properties"), properties}, {QStringLiteral("minimumWidth"), size.width()},
         {QStringLiteral("minimumHeight"), size.height()}}));
}

// The sections (QML items that read `root.viewController`) one under the other on a white
// page, photographed into `path`.
bool photographSections(ViewHarness& harness, const QByteArray& sections, QObject* viewController, const QString& path)
{
    const QByteArray page = "import QtQuick\nimport QtQuick.Layouts\nimport Tarvino\n"
                            "Rectangle {\n    id: root\n    property var viewController\n    color: Colors.white\n"
                            "    ColumnLayout {\n        anchors.fill: parent\n        anchors.margins: Metrics.middleMargin\n"
                            "        spacing: Metrics.margin\n"
                            + sections + "        Item { Layout.fillHeight: true }\n    }\n}\n";
    return harness.loadData(page, {{QStringLiteral("viewController"), QVariant::fromValue(viewController)}})
           && save(photographItemScene(harness.window()), path);
}

// The BLE service's simulated backend, with one device of that model answering at once, its
// clock at `now`.
ble::SimulatedBackend* simulateDevice(int model, const QString& serial, const QDateTime& now)
{
    auto simulated = std::make_unique<ble::SimulatedBackend>();
    auto* device = new devicesim::SimulatedDevice(devices::DeviceService::instance().deviceByOt2Number(model), serial,
                                                  simulated.get());
    device->setConnectionInterval(std::chrono::microseconds(0));
    device->setDateTime(now);
    simulated->addDevice(device);
    ble::SimulatedBackend* backend = simulated.get();
    ble::BLEService::instance().setBackend(std::move(simulated));
    return backend;
}

// The home list with a few projects, the creation form, the settings and the software
// information, each in the main window as the user sees it.
bool photographShellViews(ViewHarness& harness, QQuickWindow* window, const QDir& output)
{
    MainController& main = MainController::instance();
    bool saved = createHomeProjects(main, 4);
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
    return saved;
}

// The scan window listing the simulated devices of the demonstration mode, the first selected.
bool photographDeviceScan(ViewHarness& harness, QQuickWindow*, const QDir& output)
{
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
    return saved;
}

// The open project's view with its print buttons, and the way of a cloud model's project to
// its device: the upload button, the cloud login, the choice among the account's gateways and
// the gateway login (the gateways given as the cloud would list them).
bool photographProjectAndCloudViews(ViewHarness& harness, QQuickWindow* window, const QDir& output)
{
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
    return saved;
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
bool photographSerialAndUpdatePopUps(ViewHarness& harness, QQuickWindow*, const QDir& output)
{
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
    return saved;
}

// Switch times of every kind on the days of one week; on the weekend the lights go off at 13:00
// unless `weekendOff` is false.
void addWeekOfSwitchTimes(SwitchTimesViewController* switches, bool weekendOff = true)
{
    const auto at = [](int hour, int minute, int second = 0) {
        return QDateTime(QDate(2026, 3, 29), QTime(hour, minute, second), Qt::UTC);
    };
    const int weekdays = 128 | 64 | 32 | 16 | 8;
    switches->createFromTable(0, 1, weekdays, -1, at(6, 30), {}, {}, {});
    switches->createFromTable(0, 0, weekdays, -1, at(18, 0), {}, {}, {});
    switches->createFromTable(0, 1, 4 | 2, -1, at(9, 0), {}, {}, {});
    if (weekendOff)
        switches->createFromTable(0, 0, 4 | 2, -1, at(13, 0), {}, {}, {});
    switches->createFromTable(1, 1, 128 | 32, -1, at(12, 0, 30), {}, at(0, 1, 30), {});
    switches->createFromTable(2, 0, 16, 4, at(20, 0), at(23, 0), at(0, 15), at(0, 45));
}

// A week of switch times of every kind in the program view: grid above, table below.
bool photographProgramGrid(ViewHarness& harness, QQuickWindow* window, const QDir& output)
{
    MainController& main = MainController::instance();
    if (!main.createProject(102, QStringLiteral("Bürogebäude Nord")) || !showView(harness, window, 2))
        return false;
    addWeekOfSwitchTimes(main.projectContent()->switchTimesViewController());
    const bool saved = save(photographMainWindow(), output.filePath(QStringLiteral("program-grid.png")));
    main.closeProject();
    return saved;
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

// A new astronomic project whose own table holds the MET preset.
AstroProjectController* openAstroProjectWithOwnTable(MainController& main)
{
    if (!openNewProject(main, modelNamed(QStringLiteral("Tarvino Rix3 Astro 2")), QStringLiteral("Gartenhaus")))
        return nullptr;
    auto* astro = qobject_cast<AstroProjectController*>(main.currentProject());
    if (astro) {
        astro->ownAstroTableModel()->setName(QStringLiteral("MET"));
        astro->ownAstroTableModel()->setMETTime();
    }
    return astro;
}

// The device settings of a model with an extension module, the light settings of a twilight
// model with a row per weekday, and the project settings window with its descriptive data.
bool photographProjectSettings(ViewHarness& harness, QQuickWindow* window, const QDir& output)
{
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
    closeShownProject(harness);

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
    return saved;
}

// A project of two channels with the extension module whose channels differ in every row.
bool prepareChannelProject(MainController& main)
{
    if (!openNewProject(main, 102, QStringLiteral("Bürogebäude Nord")))
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
bool photographChannelSettings(ViewHarness& harness, const QDir& output)
{
    MainController& main = MainController::instance();
    if (!prepareChannelProject(main))
        return false;
    ProjectContentController* content = main.projectContent();
    const QVariantMap properties{
        {QStringLiteral("signalingChannels"), QVariant::fromValue(main.currentProject()->signalingChannels())},
        {QStringLiteral("viewController"), QVariant::fromValue(content->settingsController())},
        {QStringLiteral("projectContentController"), QVariant::fromValue(content)}};
    QQuickWindow* dialog = openWindowDialog(harness, QStringLiteral("app/settings/ChannelOverview.qml"), properties, QSize(800, 475));
    bool saved = dialog && save(photographItemScene(dialog), output.filePath(QStringLiteral("channel-overview.png")));

    const QByteArray sections = R"(
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
)";
    content->setSelectedChannel(1);
    saved &= photographSections(harness, sections, content->settingsController(),
                                output.filePath(QStringLiteral("channel-settings.png")));
    main.closeProject();
    return saved;
}

// The direct commands of a twilight switch with three light sensors, in their window, and the
// sensors' assignment in theirs.
bool photographDirectCommands(ViewHarness& harness, QQuickWindow*, const QDir& output)
{
    ble::SimulatedBackend* backend =
        simulateDevice(74, QStringLiteral("207400074"), QDateTime(QDate(2026, 3, 29), QTime(17, 42, 5), Qt::UTC));
    devicesim::SimulatedDevice* device = backend->devices().constFirst();
    device->sensors().setSensors({{12, 0x01}, {85, 0x02}, {1400, 0x01}});
    devicesim::ChannelControls::Channel permanent;
    permanent.mode = devicesim::ChannelControls::Permanent;
    permanent.relayState = 1;
    device->channels().setChannel(1, permanent);
    device->channels().setOperatingHours(0, 1320);
    device->channels().setOperatingHours(1, 412);
    device->setServiceInterval(0, 1000);
    device->setServiceInterval(1, 2000);

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
    return saved;
}

// The date table of an extra program with a range of each kind, under the program's own
// switch times (an astronomic channel: its night and day switching).
bool photographExtraProgramTable(ViewHarness& harness, QQuickWindow* window, const QDir& output)
{
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
    return saved;
}

// The holiday set window in edit mode on a set of the user's own, then the form of one rule.
bool photographHolidayViews(ViewHarness& harness, const QDir& output)
{
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
    return saved;
}

// The reset settings of an astronomic device that connected in reset mode, over the main window.
bool photographResetSettings(ViewHarness& harness, QQuickWindow*, const QDir& output)
{
    ble::SimulatedBackend* backend =
        simulateDevice(111, QStringLiteral("311100047"), QDateTime(QDate(2026, 3, 14), QTime(9, 30), Qt::UTC));
    devicesim::SimulatedDevice* device = backend->devices().constFirst();
    device->resetSettings().setResetMode(true);
    ble::BLEDevice found(backend->advertisement(device), QString());
    ble::BLEService::instance().connectToDevice(&found);
    const bool read = ViewHarness::waitFor([&] {
        QQuickItem* accept = harness.findByName(QStringLiteral("acceptButton"));
        return harness.findPopup(QStringLiteral("resetSettingsPopup")) && accept && accept->isEnabled();
    }, 20000);
    const bool saved = read && save(photographMainWindow(), output.filePath(QStringLiteral("resetsettings-de.png")));
    ble::BLEService::instance().disconnectFromDevice();
    return saved;
}

// The narrow layout's sorted list of a week's switch times, and the editor of its impulse.
bool photographProgramListAndEditor(ViewHarness& harness, QQuickWindow* window, const QDir& output)
{
    harness.evaluate(QStringLiteral("platformService.overwriteDisplay = 1"));
    MainController& main = MainController::instance();
    bool saved = main.createProject(102, QStringLiteral("Bürogebäude Nord")) && showView(harness, window, 2);
    addWeekOfSwitchTimes(main.projectContent()->switchTimesViewController(), false);
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
    return saved;
}

// The own astro table with the Belgian preset, its fill window, and the yearly astro table of
// an astronomic project in Munich, each in its window.
bool photographAstroTables(ViewHarness& harness, const QDir& output)
{
    MainController& main = MainController::instance();
    AstroProjectController* astro = openAstroProjectWithOwnTable(main);
    if (!astro)
        return false;
    ProjectContentController* content = main.projectContent();
    astro->coordinatesController()->setLatitudeLongitude(48.13715, 11.57549);
    OwnAstroTableModel* table = astro->ownAstroTableModel();
    const auto photographWindow = [&](const QString& view, const QVariantMap& properties, QSize size, const QString& file) {
        QQuickWindow* dialog = openWindowDialog(harness, QStringLiteral("app/astro/%1.qml").arg(view), properties, size);
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
    closeShownProject(harness);
    return saved;
}

// The own summer/winter rule of a project, one direction on a fixed day, and the own table of
// another year span filled from the rule, in its window with two rows selected.
bool photographSummerWinter(ViewHarness& harness, const QDir& output)
{
    MainController& main = MainController::instance();
    if (!openNewProject(main, 101, QStringLiteral("Sommerzeit")))
        return false;
    ProjectController* project = main.currentProject();
    project->setSoWiRuleType(9);
    project->setCustomWiSo(1);
    project->setWiSoDate(QDate(2026, 3, 27));
    const QByteArray sections = R"(
        SettingsSection {
            title: bindTr("Program settings", "Sommer-/Winterregel")
            SoWiSettings { Layout.fillWidth: true; viewController: root.viewController }
        }
)";
    bool saved = photographSections(harness, sections, project, output.filePath(QStringLiteral("summer-winter.png")));

    project->setSoWiRuleType(10);
    SommerWinterTableModel* table = project->sommerWinterTable();
    table->automaticFill(2008, 2030, 4, QDate(2008, 3, 1), 2, 6, 4, QDate(2008, 10, 1), 2, 6);
    table->select(2, false);
    table->select(3, true);
    table->removeSelected();
    project->saveSommerWinterTable();
    QQuickWindow* dialog = openWindowDialog(harness, QStringLiteral("app/settings/EditSoWiTable.qml"),
                                            {{QStringLiteral("projectController"), QVariant::fromValue(project)}},
                                            QSize(900, 700));
    if (dialog) {
        table->select(5, false);
        table->select(6, true);
        QTest::qWait(200);
    }
    saved &= dialog && save(photographItemScene(dialog), output.filePath(QStringLiteral("summer-winter-table.png")));
    main.closeProject();
    return saved;
}

// The astro tab of a project with two astro channels, tall enough for every section, and the
// favourite locations of that project.
bool photographAstroViews(ViewHarness& harness, const QDir& output)
{
    MainController& main = MainController::instance();
    bool saved = openNewProject(main, modelNamed(QStringLiteral("Tarvino Rix2 Astro 2")), QStringLiteral("Sportplatz"));
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
    closeShownProject(harness);
    return saved;
}

// The switch times of an extra program: the heads of each channel kind, the boxes above the
// dates, a permanent program and the holiday set choice on one page; then the editors.
bool photographExtraProgramEditors(ViewHarness& harness, const QDir& output)
{
    MainController& main = MainController::instance();
    if (!openNewProject(main, 74, QStringLiteral("Parkplatz Süd")))
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
    if (!openNewProject(main, 42, QStringLiteral("Bürogebäude Nord")))
        return false;
    saved = saved && harness.load(QStringLiteral("app/views/SonderProgramOnOffEditionView.qml"),
                                  {{QStringLiteral("viewController"),
                                    QVariant::fromValue(main.projectContent()->extraProgramViewController(1)->switchTimes())},
                                   {QStringLiteral("projectName"), QStringLiteral("Bürogebäude Nord")}})
            && save(photographItemScene(harness.window()), output.filePath(QStringLiteral("extra-program-onoff-plain.png")));
    main.closeProject();
    return saved;
}

// An extra program in the phone's layout: the list of its ranges with the program's own switch
// times, then the editor of the first range.
bool photographExtraProgramList(ViewHarness& harness, QQuickWindow* window, const QDir& output)
{
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
    saved &= showsSettled(harness, QStringLiteral("sonderProgramDate"));
    saved &= save(photographMainWindow(), output.filePath(QStringLiteral("date-range-editor.png")));
    harness.evaluate(QStringLiteral("ViewLoader.popView()"));
    harness.setPhoneLayout(false);
    main.closeProject();
    return saved;
}

// The location window on Munich: the map with its marker and the matched city beside it.
bool photographAstroLocation(ViewHarness& harness, const QDir& output)
{
    CoordinatesSettingsController location;
    location.setLatitudeLongitude(48.13743, 11.57549);
    if (!harness.load(QStringLiteral("app/views/AstroLocationView.qml"),
                      {{QStringLiteral("locationController"), QVariant::fromValue(&location)},
                       {QStringLiteral("insideDialog"), true}}))
        return false;
    const bool saved = save(photographItemScene(harness.window()), output.filePath(QStringLiteral("astro-location.png")));
    harness.load(QStringLiteral("components/DefaultText.qml"));
    return saved;
}

// The own astro table and its fill as pages of the phone's stack.
bool photographPhoneAstroPages(ViewHarness& harness, QQuickWindow*, const QDir& output)
{
    harness.setPhoneLayout(true);
    MainController& main = MainController::instance();
    if (!openAstroProjectWithOwnTable(main))
        return false;
    harness.evaluate(QStringLiteral("ViewLoader.openPage(View.EditOwnAstroTableView, "
                                    "'qrc:/orvindal/Tarvino/app/astro/EditOwnAstroTable.qml', "
                                    "{ viewController: mainController.projectContent })"));
    bool saved = showsSettled(harness, QStringLiteral("ownTableCell_0_0"));
    saved &= save(photographMainWindow(), output.filePath(QStringLiteral("own-astro-table-phone.png")));
    saved &= harness.click(harness.findByName(QStringLiteral("automaticFillButton")));
    saved &= showsSettled(harness, QStringLiteral("fillOk"));
    saved &= save(photographMainWindow(), output.filePath(QStringLiteral("automatic-fill-phone.png")));
    harness.evaluate(QStringLiteral("ViewLoader.stack.pop(null)"));
    saved &= ViewHarness::waitFor([&harness] { return !harness.evaluate(QStringLiteral("ViewLoader.stack.busy")).toBool(); });
    harness.setPhoneLayout(false);
    main.closeProject();
    return saved;
}

// The home list and the program view of a week in Greek and in Hebrew, whose views run right
// to left; the language is switched at run time, as the settings view does.
bool photographLanguageViews(ViewHarness& harness, QQuickWindow* window, const QDir& output)
{
    const QStringList languages{QStringLiteral("el"), QStringLiteral("he")};
    MainController& main = MainController::instance();
    bool saved = createHomeProjects(main, 3);
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
    return saved;
}

// The gallery of the shared components.
bool photographComponents(ViewHarness& harness, const QDir& output)
{
    if (!harness.load(QStringLiteral("qrc:/gallery/ComponentGallery.qml")))
        return false;
    return save(photographItemScene(harness.window()), output.filePath(QStringLiteral("components.png")));
}

// The empty main window in German and in English.
bool photographMainWindowLanguages(ViewHarness& harness, QQuickWindow*, const QDir& output)
{
    bool saved = true;
    for (const QString& language : {QStringLiteral("de"), QStringLiteral("en")}) {
        saved &= harness.setLanguage(language);
        saved &= save(photographMainWindow(), output.filePath(QStringLiteral("main-window-%1.png").arg(language)));
    }
    return saved;
}

// Names a scene that failed, so a run that ends with 1 says where.
bool reported(const char* scene, bool saved)
{
    if (!saved)
        QTextStream(stderr) << "The scene " << scene << " failed\n";
    return saved;
}

// A scene photographs into the folder; true when it wrote every picture.
using Scene = bool (*)(ViewHarness& harness, const QDir& output);
using MainWindowScene = bool (*)(ViewHarness& harness, QQuickWindow* window, const QDir& output);

// Runs a scene in a harness of its own; it fails as well when it logs a QML warning.
bool run(const char* name, Scene scene, const QDir& output, const ViewHarness::Options& options = {})
{
    ViewHarness harness(options);
    return reported(name, scene(harness, output) & reportOffences(harness));
}

// The same in the program's main window.
bool run(const char* name, MainWindowScene scene, const QDir& output)
{
    ViewHarness harness;
    QQuickWindow* window = harness.loadMain();
    return reported(name, (window && scene(harness, window, output)) & reportOffences(harness));
}

// A harness whose window has that size.
ViewHarness::Options windowOf(QSize size)
{
    ViewHarness::Options options;
    options.windowSize = size;
    return options;
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
    saved &= run("photographComponents", photographComponents, output);
    saved &= run("photographMainWindowLanguages", photographMainWindowLanguages, output);
    saved &= run("photographShellViews", photographShellViews, output);
    saved &= run("photographDeviceScan", photographDeviceScan, output);
    saved &= run("photographProjectAndCloudViews", photographProjectAndCloudViews, output);
    // The sample languages that the build copies.
    if (qEnvironmentVariableIsEmpty(quopral::QuopralService::FolderVariable))
        qputenv(quopral::QuopralService::FolderVariable, TARVINO_SAMPLE_LANGUAGES);
    saved &= run("photographSerialAndUpdatePopUps", photographSerialAndUpdatePopUps, output);
    saved &= run("photographProgramGrid", photographProgramGrid, output);
    saved &= run("photographProjectSettings", photographProjectSettings, output);
    saved &= run("photographChannelSettings", photographChannelSettings, output, windowOf(QSize(760, 560)));
    saved &= run("photographDirectCommands", photographDirectCommands, output);
    saved &= run("photographExtraProgramTable", photographExtraProgramTable, output);
    saved &= run("photographHolidayViews", photographHolidayViews, output, windowOf(QSize(768, 700)));
    saved &= run("photographResetSettings", photographResetSettings, output);
    saved &= run("photographProgramListAndEditor", photographProgramListAndEditor, output);
    saved &= run("photographAstroTables", photographAstroTables, output);
    saved &= run("photographSummerWinter", photographSummerWinter, output, windowOf(QSize(1100, 420)));
    saved &= run("photographAstroViews", photographAstroViews, output, windowOf(QSize(900, 1500)));
    saved &= run("photographExtraProgramEditors", photographExtraProgramEditors, output, windowOf(QSize(900, 1000)));
    saved &= run("photographExtraProgramList", photographExtraProgramList, output);
    saved &= run("photographAstroLocation", photographAstroLocation, output, windowOf(QSize(768, 550)));
    saved &= run("photographPhoneAstroPages", photographPhoneAstroPages, output);
    saved &= run("photographLanguageViews", photographLanguageViews, output);
    return saved ? 0 : 1;
}
