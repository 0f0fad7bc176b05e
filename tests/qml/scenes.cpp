// The screenshot scenes (scripts/screenshot): each scene shows one view, or one item, with a
// fixed language and the view tests' fixtures, and photographs its window into OUTPUT_DIR as
// "<view>-<language>.png" (single items as "<item>.png"). Fails when a scene logs a QML
// warning. Run it under an X display with the xcb platform.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTest>
#include <QTextStream>

#include <core/customqmainwindow.h>
#include <core/windowlayout.h>

#include "maincontroller.h"
#include "projectcontentcontroller.h"
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
    SwitchTimesViewController* switches = main.projectContent()->switchTimesViewController();
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
    const bool saved = save(photographMainWindow(), output.filePath(QStringLiteral("program-grid.png")));
    main.closeProject();
    return saved & reportOffences(harness);
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
    {
        ViewHarness harness;
        if (harness.load(QStringLiteral("qrc:/gallery/ComponentGallery.qml")))
            saved &= save(photographItemScene(harness.window()), output.filePath(QStringLiteral("components.png")));
        else
            saved = false;
        saved &= reportOffences(harness);
    }
    {
        ViewHarness harness;
        if (harness.loadMain()) {
            for (const QString& language : {QStringLiteral("de"), QStringLiteral("en")}) {
                saved &= harness.setLanguage(language);
                saved &= save(photographMainWindow(), output.filePath(QStringLiteral("main-window-%1.png").arg(language)));
            }
        } else {
            saved = false;
        }
        saved &= reportOffences(harness);
    }
    saved &= photographShellViews(output);
    saved &= photographProgramGrid(output);
    return saved ? 0 : 1;
}
