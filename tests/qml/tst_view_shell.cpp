#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <core/customqmainwindow.h>
#include <core/windowlayout.h>
#include <devices/deviceservice.h>
#include <devices/ot2file.h>
#include <filemanager/filemanager.h>
#include <storage/project.h>
#include <storage/projectservice.h>
#include <storage/storageservice.h>

#include "basecontroller.h"
#include "calendarsettings.h"
#include "exportfiles.h"
#include "maincontroller.h"
#include "platformservice.h"
#include "projectfiles.h"
#include "tarvinoapp.h"
#include "viewharness.h"

// The shell's views in the program's main window, driven as a user drives them: the terms at
// the first start, the first view, new projects through the form, the home list's modes, the
// menus and closing with unsaved changes.

namespace {

const int HomeScreenView = 0;
const int ProjectContentView = 2;
const int ProjectCreationView = 3;

// The child run: started with a project file as its only argument, it prints the kind of the
// view the main window shows.
const char* const ChildRun = "TARVINO_SHELL_CHILD_RUN";

// A controller that loads while the test wants it.
class LoadingController : public BaseController {
    Q_OBJECT

public:
    using BaseController::BaseController;
};

QStringList storedNames()
{
    QStringList names;
    for (const storage::Project& project : storage::ProjectService::instance().projets())
        names.append(project.name());
    names.sort();
    return names;
}

int storedDevice(const QString& name)
{
    for (const storage::Project& project : storage::ProjectService::instance().projets()) {
        if (project.name() == name)
            return project.device();
    }
    return -1;
}

QAction* menuAction(const QString& text)
{
    const core::CustomQMainWindow* main = core::WindowLayout::instance()->mainWindow();
    if (!main)
        return nullptr;
    QList<QAction*> pending = main->menuBar()->actions();
    while (!pending.isEmpty()) {
        QAction* action = pending.takeFirst();
        if (action->text() == text)
            return action;
        if (action->menu())
            pending.append(action->menu()->actions());
    }
    return nullptr;
}

int childRun(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ViewHarness harness;
    QQuickWindow* window = harness.loadMain();
    auto* stack = window ? window->findChild<QQuickItem*>(QStringLiteral("viewStack")) : nullptr;
    if (!stack || !ViewHarness::waitFor([stack] { return stack->property("currentItem").value<QQuickItem*>(); }))
        return 2;
    const auto* view = stack->property("currentItem").value<QQuickItem*>();
    QTextStream(stdout) << view->property("viewKind").toInt() << ' ' << harness.offences().size() << '\n';
    return 0;
}

} // namespace

class TestViewShell : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ViewHarness::Options options;
        options.termsAccepted = false;
        m_harness = std::make_unique<ViewHarness>(options);
        m_window = m_harness->loadMain();
        QVERIFY(m_window);
        m_stack = m_window->findChild<QQuickItem*>(QStringLiteral("viewStack"));
        QVERIFY(m_stack);
        QVERIFY(m_exportDir.isValid());
    }

    void cleanupTestCase()
    {
        ExportFiles::setSaveFileChooser({});
        filemanager::FileManager::setSaveLocationChooser({});
        m_harness.reset();
    }

    void termsPopupIsModalAtTheFirstStart()
    {
        QVERIFY(m_harness->waitFor([this] { return m_harness->findPopup(QStringLiteral("termsPopup")); }));
        QCOMPARE(currentKind(), ProjectCreationView);
        QVERIFY(!m_harness->app().settingsService()->hasAcceptedLegalTerms());

        // The view behind takes no input while the terms are open.
        QQuickItem* astro = m_harness->find(QStringLiteral("deviceType_1"));
        QVERIFY(astro);
        QVERIFY(m_harness->click(astro));
        QVERIFY(!astro->property("selected").toBool());
        // Nor does the pop-up go without the acceptance.
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("acceptTermsButton"))));
        QVERIFY(m_harness->findPopup(QStringLiteral("termsPopup")));

        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("acceptTermsBox"))));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("acceptTermsButton"))));
        QVERIFY(m_harness->waitFor([this] { return m_harness->app().settingsService()->hasAcceptedLegalTerms(); }));
        QVERIFY(!m_harness->findPopup(QStringLiteral("termsPopup")));
        QCOMPARE(QSettings().value(QStringLiteral("settings/AcceptedTermsAndConditions")).toString(),
                 QStringLiteral("1_true"));

        QVERIFY(m_harness->click(astro));
        QVERIFY(astro->property("selected").toBool());
    }

    void withoutAnArgumentTheCreationViewOpens()
    {
        QCOMPARE(currentKind(), ProjectCreationView);
        QVERIFY(!mainController().currentProject());
    }

    void aProjectFileAsArgumentOpensTheProjectView()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString path = home.filePath(QStringLiteral("Argument.ot2"));
        devices::Ot2File file(102);
        file.fitToDevice(devices::DeviceService::instance().deviceByOt2Number(102));
        file.setName(QStringLiteral("Argument"));
        QVERIFY(ProjectFiles::writeProjectFile(path, file));

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
            const QString folder = home.filePath(QLatin1String(variable));
            QVERIFY(QDir().mkpath(folder));
            environment.insert(QLatin1String(variable), folder);
        }
        environment.insert(QLatin1String(ChildRun), QStringLiteral("1"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {path});
        QVERIFY(child.waitForFinished(120000));
        QCOMPARE(child.exitCode(), 0);
        // The project view, without a QML warning.
        QCOMPARE(child.readAllStandardOutput(), QByteArray("2 0\n"));
    }

    void shortDatesFallInTheLeapYear_data()
    {
        QTest::addColumn<int>("formatRow");
        QTest::addColumn<QString>("shortDate");
        QTest::addColumn<QString>("completed");
        QTest::addColumn<QString>("mask");
        QTest::newRow("dot") << 0 << "29.02" << "29.02.08" << "00.00";
        QTest::newRow("slash") << 1 << "02/29" << "02/29/08" << "00/00";
        QTest::newRow("hyphen") << 2 << "02-29" << "08-02-29" << "00-00";
    }

    // Dates without a year belong to the project's leap reference year 2008.
    void shortDatesFallInTheLeapYear()
    {
        QFETCH(int, formatRow);
        QFETCH(QString, shortDate);
        QFETCH(QString, completed);
        QFETCH(QString, mask);
        DateFormatSetting* format = CalendarSettings::instance().dateFormat();
        const int before = format->selectedIndex();
        format->setSelectedIndex(formatRow);
        QVariant result;
        QVERIFY(QMetaObject::invokeMethod(m_window, "shortDateToLeapYear", Q_RETURN_ARG(QVariant, result),
                                          Q_ARG(QVariant, shortDate)));
        QCOMPARE(result.toString(), completed);
        QVERIFY(QDate::fromString(completed, CalendarSettings::instance().dateFormatPattern()).isValid());
        QVERIFY(QMetaObject::invokeMethod(m_window, "calendarInputMask", Q_RETURN_ARG(QVariant, result),
                                          Q_ARG(QVariant, true)));
        QCOMPARE(result.toString(), mask);
        format->setSelectedIndex(before);
    }

    void shortDayListStartsAtTheFirstDay()
    {
        const QStringList names = CalendarSettings::instance().shortWeekDaysUnordered();
        QVariant days;
        // Monday (bit 7) and Sunday (bit 1), the week starting on Sunday.
        QVERIFY(QMetaObject::invokeMethod(m_window, "shortDayList", Q_RETURN_ARG(QVariant, days), Q_ARG(QVariant, 130),
                                          Q_ARG(QVariant, 6), Q_ARG(QVariant, false)));
        QCOMPARE(days.toStringList(), QStringList({names.at(6), names.at(0)}));
        QVERIFY(QMetaObject::invokeMethod(m_window, "shortDayList", Q_RETURN_ARG(QVariant, days), Q_ARG(QVariant, 130),
                                          Q_ARG(QVariant, 6), Q_ARG(QVariant, true)));
        QCOMPARE(days.toStringList(), QStringList({names.at(6), names.at(0), "  ", "  ", "  ", "  ", "  "}));
    }

    void createdProjectsAreStoredAndOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("ot2");
        QTest::newRow("weekly") << "Weekly" << 102;
        QTest::newRow("astronomic") << "Astro" << 111;
        QTest::newRow("twilight") << "Twilight" << 141;
        QTest::newRow("controls") << "Controls" << 131;
    }

    void createdProjectsAreStoredAndOpen()
    {
        QFETCH(QString, name);
        QFETCH(int, ot2);
        if (currentKind() != ProjectCreationView) {
            QVERIFY(m_harness->click(m_harness->find(QStringLiteral("newProjectButton"))));
            answerUnsavedChanges(QStringLiteral("rejectButton"));
            QVERIFY(waitForView(ProjectCreationView));
        }
        const devices::DeviceService& catalogue = devices::DeviceService::instance();
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("deviceType_%1").arg(catalogue.deviceType(ot2)))));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("channels_%1").arg(catalogue.channelNumber(ot2)))));
        QVERIFY(m_harness->waitFor([&] { return m_harness->click(m_harness->find(QStringLiteral("device_%1").arg(ot2))); }));
        replaceText(m_harness->find(QStringLiteral("projectNameField")), name);
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("createProjectButton"))));

        QVERIFY(waitForView(ProjectContentView));
        QCOMPARE(storedDevice(name), ot2);
        QCOMPARE(mainController().currentProject()->name(), name);
        QCOMPARE(currentView()->property("title").toString(), name);
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("projectTitleName"))), name);
    }

    void copyProposesTheNameWithCopy()
    {
        openHome();
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("copyModeButton"))));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("project_Weekly"))));
        QObject* popup = waitForPopup(QStringLiteral("projectNamePopup"));
        QVERIFY(popup);
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("projectNameField"))), QStringLiteral("Weekly_Copy"));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("acceptButton"))));
        QVERIFY(waitForView(ProjectContentView));
        QCOMPARE(storedNames(), QStringList({"Astro", "Controls", "Twilight", "Weekly", "Weekly_Copy"}));
        QCOMPARE(storedDevice(QStringLiteral("Weekly_Copy")), 102);
    }

    void editRenames()
    {
        openHome();
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("editModeButton"))));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("project_Weekly_Copy"))));
        QVERIFY(waitForPopup(QStringLiteral("projectNamePopup")));
        replaceText(m_harness->find(QStringLiteral("projectNameField")), QStringLiteral("Renamed"));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("acceptButton"))));
        QVERIFY(m_harness->waitFor([] { return storedNames().contains(QStringLiteral("Renamed")); }));
        QCOMPARE(storedNames(), QStringList({"Astro", "Controls", "Renamed", "Twilight", "Weekly"}));
        QVERIFY(m_harness->find(QStringLiteral("project_Renamed")));
        QCOMPARE(currentKind(), HomeScreenView);
    }

    void exportWritesTheProjectFile()
    {
        const QString target = m_exportDir.filePath(QStringLiteral("Exported.ot2"));
        filemanager::FileManager::setSaveLocationChooser([&](const QString&, const QString&) { return target; });
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("exportModeButton"))));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("project_Astro"))));
        QVERIFY(m_harness->waitFor([&] { return QFile::exists(target); }));
        QFile written(target);
        QVERIFY(written.open(QIODevice::ReadOnly));
        devices::Ot2File file;
        QVERIFY(ProjectFiles::read(written.readAll(), &file));
        QCOMPARE(file.ot2Number(), 111);
        QCOMPARE(storedNames().size(), 5);
    }

    void deleteAsksAndRemoves_data()
    {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("buttonText");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("one") << QStringList{"Renamed"} << "Projekt löschen"
                             << "Sind Sie sicher, dass Sie das Projekt dauerhaft löschen möchten?"
                             << QStringList{"Astro", "Controls", "Twilight", "Weekly"};
        QTest::newRow("several") << QStringList{"Weekly", "Astro"} << "2 Projekte löschen"
                                 << "Sind Sie sicher, dass Sie 2 Projekte dauerhaft löschen möchten?"
                                 << QStringList{"Controls", "Twilight"};
        QTest::newRow("all") << QStringList() << "Alle Projekte löschen"
                             << "Sind Sie sicher, dass Sie alle Projekte dauerhaft löschen möchten?" << QStringList();
    }

    void deleteAsksAndRemoves()
    {
        QFETCH(QStringList, selected);
        QFETCH(QString, buttonText);
        QFETCH(QString, question);
        QFETCH(QStringList, left);
        QCOMPARE(currentKind(), HomeScreenView);
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("deleteModeButton"))));
        for (const QString& name : selected)
            QVERIFY(m_harness->click(m_harness->find(QStringLiteral("project_") + name)));
        if (selected.isEmpty())
            QVERIFY(m_harness->click(m_harness->find(QStringLiteral("selectAllButton"))));
        QQuickItem* remove = m_harness->find(QStringLiteral("deleteProjectsButton"));
        QCOMPARE(ViewHarness::text(remove), buttonText);
        QVERIFY(m_harness->click(remove));
        QObject* popup = waitForPopup(QStringLiteral("confirmPopup"));
        QVERIFY(popup);
        QCOMPARE(popup->property("contentText").toString(), question);
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("acceptButton"))));
        QVERIFY(m_harness->waitFor([&] { return storedNames() == left; }));
    }

    void aReceivedFileIsImportedOnceConfirmed()
    {
        QCOMPARE(currentKind(), HomeScreenView);
        devices::Ot2File file(111);
        file.fitToDevice(devices::DeviceService::instance().deviceByOt2Number(111));
        file.setName(QStringLiteral("Received"));
        const QString path = m_exportDir.filePath(QStringLiteral("Sent.ot2"));
        QVERIFY(ProjectFiles::writeProjectFile(path, file));
        QFile sent(path);
        QVERIFY(sent.open(QIODevice::ReadOnly));
        emit PlatformService::instance().receivedOt2File(QStringLiteral("Received.ot2"), QString(), sent.readAll());

        QObject* popup = waitForPopup(QStringLiteral("confirmPopup"));
        QVERIFY(popup);
        QCOMPARE(popup->property("contentText").toString(),
                 QStringLiteral("Möchten Sie das Projekt \"Received\" importieren?"));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("acceptButton"))));
        QVERIFY(waitForView(ProjectContentView));
        QCOMPARE(storedNames(), QStringList{QStringLiteral("Received")});
        QCOMPARE(storedDevice(QStringLiteral("Received")), 111);
        mainController().closeProject();
    }

    void projectMenuActionsNeedAProjectAndReadiness()
    {
        const QStringList projectEntries{"&Speichern", "&Speichern unter", "Exportieren", "Senden per E-Mail",
                                         "Drucken", "Druckvorschau"};
        QVERIFY(!mainController().currentProject());
        for (const QString& entry : projectEntries) {
            QVERIFY2(menuAction(entry), qPrintable(entry));
            QVERIFY2(!menuAction(entry)->isEnabled(), qPrintable(entry));
        }
        QVERIFY(mainController().createProject(102, QStringLiteral("Menus")));
        for (const QString& entry : projectEntries)
            QVERIFY2(menuAction(entry)->isEnabled(), qPrintable(entry));

        LoadingController loading;
        QVERIFY(QMetaObject::invokeMethod(&loading, "loadingStart"));
        QVERIFY(!mainController().isReady());
        for (const QString& entry : projectEntries + QStringList{"&Neues Projekt", "&Öffnen"})
            QVERIFY2(!menuAction(entry)->isEnabled(), qPrintable(entry));
        QVERIFY(QMetaObject::invokeMethod(&loading, "loadingEnd"));
        QVERIFY(mainController().isReady());
        for (const QString& entry : projectEntries)
            QVERIFY2(menuAction(entry)->isEnabled(), qPrintable(entry));
    }

    void settingsAndSoftwareInfoOpenInWindowsOfTheirOwn()
    {
        // The program's window is no top-level window: no dialog may take it as its parent.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("must be a top level window")));
        QVERIFY(m_harness->triggerMenuAction(QStringLiteral("&App-Einstellungen...")));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().size() == 1; }));
        QVERIFY(m_harness->find(QStringLiteral("languageChoice")));
        // The buttons stand at the right once the new window has laid its view out.
        QQuickItem* cancel = m_harness->find(QStringLiteral("cancelSettingsButton"));
        QVERIFY(ViewHarness::waitFor([cancel] { return cancel->mapToScene(QPointF()).x() > cancel->window()->width() / 2; }));
        QVERIFY(m_harness->click(cancel));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().isEmpty(); }));

        QVERIFY(m_harness->triggerMenuAction(QStringLiteral("&Software-Infos")));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().size() == 1; }));
        QVERIFY(ViewHarness::text(m_harness->find(QStringLiteral("versionTitle"))).startsWith(QStringLiteral("Version 1.0.32")));
        m_harness->dialogs().first()->close();
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().isEmpty(); }));
    }

    void closingWithUnsavedChanges()
    {
        QVERIFY(mainController().currentProject());
        mainController().setDirty(true);
        QVERIFY(mainController().dirty());
        // Quitting is observed, not done.
        QQmlApplicationEngine& engine = m_harness->app().engine();
        QVERIFY(QObject::disconnect(&engine, SIGNAL(exit(int)), qApp, nullptr));
        QSignalSpy exited(&engine, &QQmlEngine::exit);
        core::CustomQMainWindow* main = core::WindowLayout::instance()->mainWindow();

        // "Abbruch" keeps the program open and the project unsaved.
        QVERIFY(!main->close());
        answerUnsavedChanges(QStringLiteral("cancelButton"));
        QVERIFY(main->isVisible());
        QVERIFY(mainController().dirty());
        QCOMPARE(exited.size(), 0);

        // A save that fails keeps the program open and shows why.
        ExportFiles::setSaveFileChooser(
            [&](const QString&) { return m_exportDir.filePath(QStringLiteral("missing/folder/Menus.ot2")); });
        QVERIFY(!main->close());
        answerUnsavedChanges(QStringLiteral("acceptButton"));
        QVERIFY(waitForPopup(QStringLiteral("errorPopup")));
        QVERIFY(main->isVisible());
        QVERIFY(mainController().dirty());
        QCOMPARE(mainController().currentProject()->name(), QStringLiteral("Menus"));
        QCOMPARE(exited.size(), 0);
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("okButton"))));
        QVERIFY(m_harness->waitFor([this] { return !m_harness->findPopup(QStringLiteral("errorPopup")); }));

        // "Änderungen ignorieren" quits.
        QVERIFY(!main->close());
        answerUnsavedChanges(QStringLiteral("rejectButton"));
        QVERIFY(m_harness->waitFor([&] { return exited.size() == 1; }));
        QCOMPARE(exited.first().first().toInt(), 0);
        mainController().setDirty(false);
    }

    // The menu's shortcuts reach their actions while a view of the QML window has the keyboard
    // focus, as it has whenever the user works in the program.
    void menuShortcutsFireFromTheFocusedView()
    {
        QVERIFY(mainController().createProject(102, QStringLiteral("Shortcuts")));
        m_harness->evaluate(QStringLiteral("ViewLoader.openView(%1, {}, true)").arg(ProjectContentView));
        QVERIFY(waitForView(ProjectContentView));
        const QString target = m_exportDir.filePath(QStringLiteral("Shortcut.ot2"));
        ExportFiles::setSaveFileChooser([&](const QString&) { return target; });
        mainController().setDirty(true);
        // A window of its own opened and closed before: the keys go back to the main window.
        QVERIFY(m_harness->triggerMenuAction(QStringLiteral("&App-Einstellungen...")));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().size() == 1; }));
        m_harness->dialogs().first()->close();
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().isEmpty(); }));
        currentView()->forceActiveFocus();
        QVERIFY(ViewHarness::waitFor([this] { return QGuiApplication::focusWindow() == m_window; }));
        QVERIFY(m_window->activeFocusItem());

        m_harness->key(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(m_harness->waitFor([&] { return QFile::exists(target); }));
        QVERIFY(!mainController().dirty());

        m_harness->key(Qt::Key_N, Qt::ControlModifier);
        QVERIFY(waitForView(ProjectCreationView));
        ExportFiles::setSaveFileChooser({});
    }

    // Projects opened one after another each show their own name and model in the title, however
    // they were opened: from the home list, from a file, or created.
    void projectsOpenedOneAfterAnotherShowTheirTitle()
    {
        QVERIFY(mainController().createProject(102, QStringLiteral("Listed")));
        mainController().closeProject();
        openHome();
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("project_Listed"))));
        QVERIFY(waitForView(ProjectContentView));
        QCOMPARE(shownTitles(), QStringList({"Listed", deviceName(102)}));

        const QString path = m_exportDir.filePath(QStringLiteral("Opened.ot2"));
        devices::Ot2File file(111);
        file.fitToDevice(devices::DeviceService::instance().deviceByOt2Number(111));
        file.setName(QStringLiteral("Opened"));
        QVERIFY(ProjectFiles::writeProjectFile(path, file));
        QVERIFY(mainController().importOt2File(path));
        QVERIFY(m_harness->waitFor([this] { return shownTitles().value(0) == QStringLiteral("Opened"); }));
        QVERIFY(waitForView(ProjectContentView));
        QCOMPARE(shownTitles(), QStringList({"Opened", deviceName(111)}));
        QCOMPARE(mainController().currentProject()->name(), QStringLiteral("Opened"));

        QVERIFY(mainController().createProject(141, QStringLiteral("Created")));
        m_harness->evaluate(QStringLiteral("ViewLoader.openView(%1, {}, true)").arg(ProjectContentView));
        QVERIFY(m_harness->waitFor([this] { return shownTitles().value(0) == QStringLiteral("Created"); }));
        QVERIFY(waitForView(ProjectContentView));
        QCOMPARE(shownTitles(), QStringList({"Created", deviceName(141)}));
        QCOMPARE(mainController().currentProject()->name(), QStringLiteral("Created"));
        QCOMPARE(currentView()->property("viewController").value<QObject*>(), mainController().projectContent());
    }

    // A title with room beside the buttons shows whole.
    void theProjectTitleShowsWholeWhereThereIsRoom()
    {
        QVERIFY(mainController().createProject(102, QStringLiteral("Druckerei Mitte")));
        m_harness->evaluate(QStringLiteral("ViewLoader.openView(%1, {}, true)").arg(ProjectContentView));
        QVERIFY(m_harness->waitFor([this] { return shownTitles().value(0) == QStringLiteral("Druckerei Mitte"); }));
        QVERIFY(waitForView(ProjectContentView));
        for (const QString& name : {QStringLiteral("projectTitleName"), QStringLiteral("projectTitleDevice")}) {
            const QQuickItem* text = m_harness->find(name);
            QVERIFY2(text, qPrintable(name));
            QVERIFY(ViewHarness::waitFor([text] { return text->width() > 0 && !text->property("truncated").toBool(); }));
            QVERIFY2(!text->property("truncated").toBool(), qPrintable(name));
        }
    }

    // While a controller loads, the dimmed overlay takes the clicks meant for the view; once
    // it has loaded the same click opens the new-project form.
    void theNotReadyOverlaySwallowsClicksWhileAControllerLoads()
    {
        mainController().setDirty(false);
        openHome();
        auto* overlay = m_window->findChild<QQuickItem*>(QStringLiteral("notReadyOverlay"));
        QVERIFY(overlay);
        QVERIFY(!overlay->isVisible());
        QQuickItem* newProject = m_harness->find(QStringLiteral("newProjectButton"));
        QVERIFY(newProject);
        QCOMPARE(ViewHarness::text(newProject), QStringLiteral("Neues Projekt"));

        LoadingController loading;
        QVERIFY(QMetaObject::invokeMethod(&loading, "loadingStart"));
        QVERIFY(m_harness->waitFor([overlay] { return overlay->isVisible(); }));
        QVERIFY(m_harness->click(newProject));
        QVERIFY(!m_harness->findPopup(QStringLiteral("projectCreationPopup")));
        QCOMPARE(currentKind(), HomeScreenView);

        QVERIFY(QMetaObject::invokeMethod(&loading, "loadingEnd"));
        QVERIFY(m_harness->waitFor([overlay] { return !overlay->isVisible(); }));
        QVERIFY(m_harness->click(newProject));
        QVERIFY(waitForPopup(QStringLiteral("projectCreationPopup")));
    }

    void aProjectCreatedInTheHomePopUpIsStoredAndOpens()
    {
        if (!m_harness->findPopup(QStringLiteral("projectCreationPopup"))) {
            openHome();
            QVERIFY(m_harness->click(m_harness->find(QStringLiteral("newProjectButton"))));
        }
        QVERIFY(waitForPopup(QStringLiteral("projectCreationPopup")));
        chooseModel(23);
        replaceText(m_harness->find(QStringLiteral("projectNameField")), QStringLiteral("Aus dem Dialog"));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("createProjectButton"))));

        QVERIFY(waitForView(ProjectContentView));
        QVERIFY(m_harness->waitFor([this] { return !m_harness->findPopup(QStringLiteral("projectCreationPopup")); }));
        QCOMPARE(storedDevice(QStringLiteral("Aus dem Dialog")), 23);
        QCOMPARE(mainController().currentProject()->name(), QStringLiteral("Aus dem Dialog"));
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("projectTitleName"))), QStringLiteral("Aus dem Dialog"));
    }

    void theProjectTabsFollowTheModesOfTheModel_data()
    {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<bool>("astro");
        QTest::addColumn<bool>("light");
        QTest::addColumn<QStringList>("tabs");
        const QString program = QStringLiteral("Programm");
        const QString settings = QStringLiteral("Einstellungen Gerät");
        QTest::newRow("astronomic") << 111 << true << false << QStringList{program, settings, "Astro"};
        QTest::newRow("twilight") << 141 << false << true << QStringList{program, settings, "Licht"};
        QTest::newRow("controls") << 131 << true << false << QStringList{program, settings, "Astro"};
        QTest::newRow("weekly") << 102 << false << false << QStringList{program, settings};
    }
    // The tabs come from the modes the shell keeps for the current project.
    void theProjectTabsFollowTheModesOfTheModel()
    {
        QFETCH(int, ot2);
        QFETCH(bool, astro);
        QFETCH(bool, light);
        QFETCH(QStringList, tabs);
        QVERIFY(mainController().createProject(ot2, QStringLiteral("Modi %1").arg(ot2)));
        m_harness->evaluate(QStringLiteral("ViewLoader.openView(%1, {}, true)").arg(ProjectContentView));
        QVERIFY(m_harness->waitFor([&] { return shownTitles().value(0) == QStringLiteral("Modi %1").arg(ot2); }));
        QVERIFY(waitForView(ProjectContentView));
        QCOMPARE(m_harness->evaluate(QStringLiteral("ZorvikUtils.modes.astroMode")).toBool(), astro);
        QCOMPARE(m_harness->evaluate(QStringLiteral("ZorvikUtils.modes.lightMode")).toBool(), light);
        QStringList shown;
        for (int index = 0; QQuickItem* tab = m_harness->findByName(QStringLiteral("tab_%1").arg(index)); ++index)
            shown.append(ViewHarness::text(tab));
        QCOMPARE(shown, tabs);
    }

    void theDeviceInfoShowsTheCatalogueFacts_data()
    {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<QStringList>("facts");
        // Label and value of the rows that tell the models apart.
        QTest::newRow("weekly with extension") << 102 << QStringList{
            "Kanäle", "2", "Programme", "17", "Speicherplätze", "800", "Externe Eingänge", "1",
            "Uhrentyp", "Jahresschaltuhr", "Jahresprogramm", "Ja", "Erweiterungsmodul", "Ja",
            "Dämmerungsschalter", "Nein"};
        QTest::newRow("twilight") << 141 << QStringList{
            "Kanäle", "2", "Programme", "4", "Speicherplätze", "800", "Externe Eingänge", "1",
            "Uhrentyp", "Dämmerungsschalter", "Jahresprogramm", "Nein", "Erweiterungsmodul", "Nein",
            "Dämmerungsschalter", "Ja"};
    }
    void theDeviceInfoShowsTheCatalogueFacts()
    {
        QFETCH(int, ot2);
        QFETCH(QStringList, facts);
        mainController().setDirty(false);
        if (currentKind() != ProjectCreationView) {
            QVERIFY(m_harness->click(m_harness->find(QStringLiteral("newProjectButton"))));
            QVERIFY(waitForView(ProjectCreationView));
        }
        chooseModel(ot2);
        QQuickItem* tile = m_harness->find(QStringLiteral("device_%1").arg(ot2));
        QVERIFY(tile);
        QVERIFY(m_harness->click(tile->findChild<QQuickItem*>(QStringLiteral("deviceInfoButton"))));
        QObject* popup = waitForPopup(QStringLiteral("deviceInfoPopup"));
        QVERIFY(popup);
        QCOMPARE(popup->property("title").toString(), deviceName(ot2));

        const QMap<QString, QString> rows = deviceInfoRows(popup);
        for (int at = 0; at + 1 < facts.size(); at += 2)
            QCOMPARE(rows.value(facts.at(at)), facts.at(at + 1));
        // Every row against the catalogue.
        const devices::DeviceService& catalogue = devices::DeviceService::instance();
        const auto yesNo = [](bool value) { return value ? QStringLiteral("Ja") : QStringLiteral("Nein"); };
        const QMap<QString, QString> expected{
            {"Kanäle", QString::number(catalogue.channelNumber(ot2))},
            {"Programme", QString::number(catalogue.programms(ot2))},
            {"Speicherplätze", QString::number(catalogue.memory(ot2))},
            {"Externe Eingänge", QString::number(catalogue.inputs(ot2))},
            {"Sonderprogramme mit Schaltzeiten", yesNo(catalogue.extraProgramWithSwitches(ot2))},
            {"Uhrentyp", catalogue.clockTypeText(ot2)},
            {"Jahresprogramm", yesNo(catalogue.yearlyProgram(ot2))},
            {"Impuls", yesNo(catalogue.hasImpuls(ot2))},
            {"Zyklus", yesNo(catalogue.hasZyclus(ot2))},
            {"Earth Hour", yesNo(catalogue.hasEarthHour(ot2))},
            {"Erweiterungsmodul", yesNo(catalogue.hasExtensionModule(ot2))},
            {"Internes Bluetooth-Modul", yesNo(catalogue.hasInternalBleModule(ot2))},
            {"Zeitzone einstellbar", yesNo(catalogue.timezoneIsSettable(ot2))},
            {"Dämmerungsschalter", yesNo(catalogue.isNocta(ot2))}};
        QCOMPARE(rows, expected);

        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("okButton"))));
        // Gone, not only closing: its dimmed background takes clicks until it has faded.
        const QPointer<QObject> shown(popup);
        QVERIFY(m_harness->waitFor([shown] { return !shown || !shown->property("visible").toBool(); }));
    }

    // The indicator shows exactly while the storage writes.
    void theStorageBusyIndicatorShowsWhileTheStorageWrites()
    {
        auto* indicator = m_window->findChild<QQuickItem*>(QStringLiteral("storageBusyIndicator"));
        QVERIFY(indicator);
        QVERIFY(!indicator->isVisible());
        storage::StorageService& storage = storage::StorageService::instance();
        QList<bool> shownWhileBusy;
        const QMetaObject::Connection watch = connect(&storage, &storage::StorageService::busyChanged, indicator,
                                                      [&](bool busy) { shownWhileBusy.append(busy && indicator->isVisible()); });
        QVERIFY(storage.save());
        disconnect(watch);
        QCOMPARE(shownWhileBusy, QList<bool>({true, false}));
        QVERIFY(!indicator->isVisible());
    }

    // A save that fails tells the user, whichever action asked for it.
    void aFailedSaveIsShown()
    {
        const auto refuse = [](const QString& statement) {
            const QStringList names = QSqlDatabase::connectionNames();
            const auto store = std::find_if(names.cbegin(), names.cend(),
                                            [](const QString& name) { return name.startsWith(QLatin1String("storage-")); });
            return store != names.cend() && QSqlQuery(QSqlDatabase::database(*store)).exec(statement);
        };
        QVERIFY(refuse(QStringLiteral(
            "CREATE TRIGGER refuse BEFORE INSERT ON projects BEGIN SELECT RAISE(ABORT, 'disk full'); END")));
        const int stored = MainController::instance().nbProjects();
        QVERIFY(!MainController::instance().createProject(devices::DeviceService::instance().devices().first().ot2Number(),
                                                          QStringLiteral("Voll")));
        QVERIFY(refuse(QStringLiteral("DROP TRIGGER refuse")));
        QObject* popup = nullptr;
        QVERIFY(ViewHarness::waitFor([&] { return (popup = m_harness->findPopup(QStringLiteral("saveFailedPopup"))); }));
        QVERIFY(popup->property("contentText").toString().startsWith(
            QStringLiteral("Die Änderungen konnten nicht gespeichert werden: ")));
        QVERIFY(popup->property("contentText").toString().contains(QStringLiteral("disk full")));
        QCOMPARE(MainController::instance().nbProjects(), stored);
        QVERIFY(QMetaObject::invokeMethod(popup, "close"));
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findPopup(QStringLiteral("saveFailedPopup")); }));
    }

    void theHolidayMenuEntryOpensTheSetWindow()
    {
        QVERIFY(m_harness->dialogs().isEmpty());
        QVERIFY(m_harness->triggerMenuAction(QStringLiteral("&Feiertag")));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().size() == 1; }));
        QQuickWindow* dialog = m_harness->dialogs().first();
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->find(QStringLiteral("holidaySetChooser")); }));
        QCOMPARE(dialog->width(), 768);
        QCOMPARE(dialog->height(), 700);
        // The set window in edit mode.
        QVERIFY(m_harness->find(QStringLiteral("newSet")));
        dialog->close();
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().isEmpty(); }));
    }

    void theLicenceListNamesWhatTheProgramIsBuiltFrom_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("licence");
        QTest::addColumn<bool>("inNotice");
        QTest::newRow("Qt Core") << "Qt Core" << "LGPL 3.0" << false;
        QTest::newRow("Qt Quick") << "Qt Quick" << "LGPL 3.0" << false;
        QTest::newRow("Qt Svg") << "Qt Svg" << "LGPL 3.0" << false;
        QTest::newRow("Qt Sql") << "Qt Sql" << "LGPL 3.0" << false;
        QTest::newRow("Qt Positioning") << "Qt Positioning" << "LGPL 3.0" << false;
        QTest::newRow("OpenSSL") << "OpenSSL" << "Apache License 2.0" << false;
        QTest::newRow("libcurl") << "libcurl" << "curl" << false;
        QTest::newRow("SQLite") << "SQLite" << "Public Domain" << false;
        QTest::newRow("fonts") << "Noto Sans Light, Noto Sans Medium" << "SIL Open Font License 1.1" << true;
        QTest::newRow("time zones") << "timezone-boundary-builder" << "ODbL 1.0" << true;
        QTest::newRow("OpenStreetMap") << "OpenStreetMap contributors" << "ODbL 1.0" << true;
        QTest::newRow("cities") << "GeoNames" << "CC BY 4.0" << true;
        QTest::newRow("map") << "Natural Earth" << "Public Domain" << true;
        QTest::newRow("map package") << "world-atlas" << "ISC" << true;
    }
    // Opened from the software information, as the user reaches it.
    void theLicenceListNamesWhatTheProgramIsBuiltFrom()
    {
        QFETCH(QString, name);
        QFETCH(QString, licence);
        QFETCH(bool, inNotice);
        if (inNotice) {
            QFile notice(QStringLiteral(TARVINO_SOURCE_DIR "/resources/NOTICE.md"));
            QVERIFY(notice.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(notice.readAll()).simplified();
            for (const QString& part : name.split(QStringLiteral(", ")))
                QVERIFY2(text.contains(part), qPrintable(part));
            QVERIFY2(text.contains(licence, Qt::CaseInsensitive), qPrintable(licence));
        }
        QVERIFY(m_harness->triggerMenuAction(QStringLiteral("&Software-Infos")));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().size() == 1; }));
        // The link stands last on the page: scrolled to the end once the new window has laid its
        // view out.
        QQuickItem* link = m_harness->find(QStringLiteral("licensesLink"));
        QVERIFY(link);
        QQuickItem* page = nullptr;
        QVERIFY(ViewHarness::waitFor([&] {
            page = link->parentItem();
            while (page && !page->inherits("QQuickFlickable"))
                page = page->parentItem();
            return page && page->height() > 0;
        }));
        page->setProperty("contentY", qMax(0.0, page->property("contentHeight").toReal() - page->height()));
        QVERIFY(m_harness->click(link));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().size() == 2; }));
        QQuickItem* list = nullptr;
        QVERIFY(ViewHarness::waitFor([&] { return (list = m_harness->find(QStringLiteral("licenseList"))); }));

        const QList<QStringList> rows = licenceRows(list);
        QVERIFY(rows.size() >= 20);
        const bool listed = std::any_of(rows.cbegin(), rows.cend(), [&](const QStringList& row) {
            return row.size() == 2 && row.at(0).contains(name) && row.at(1).contains(licence);
        });
        for (QQuickWindow* dialog : m_harness->dialogs())
            dialog->close();
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().isEmpty(); }));
        QVERIFY2(listed, qPrintable(name));
    }

private:
    MainController& mainController() const { return MainController::instance(); }

    QQuickItem* currentView() const { return m_stack->property("currentItem").value<QQuickItem*>(); }

    int currentKind() const
    {
        const QQuickItem* view = currentView();
        return view ? view->property("viewKind").toInt() : -1;
    }

    bool waitForView(int kind) const
    {
        return ViewHarness::waitFor([&] { return currentKind() == kind && !m_stack->property("busy").toBool(); });
    }

    QObject* waitForPopup(const QString& name) const
    {
        QObject* popup = nullptr;
        ViewHarness::waitFor([&] {
            popup = m_harness->findPopup(name);
            return popup && popup->property("opened").toBool();
        });
        return popup;
    }

    // The visible name and model texts of the project titles in the tool bar.
    QStringList shownTitles() const
    {
        QStringList texts;
        QList<QQuickItem*> pending{m_window->contentItem()};
        while (!pending.isEmpty()) {
            const QQuickItem* item = pending.takeFirst();
            const QString name = item->objectName();
            if ((name == QStringLiteral("projectTitleName") || name == QStringLiteral("projectTitleDevice"))
                && item->isVisible())
                texts.append(ViewHarness::text(item));
            pending.append(item->childItems());
        }
        return texts;
    }

    static QString deviceName(int ot2) { return devices::DeviceService::instance().deviceNameFromOt2(ot2); }

    void answerUnsavedChanges(const QString& button) const
    {
        if (!waitForPopup(QStringLiteral("unsavedChangesPopup")))
            return;
        QVERIFY(m_harness->click(m_harness->find(button)));
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findPopup(QStringLiteral("unsavedChangesPopup")); }));
    }

    // Chooses the model on the new-project form that shows.
    void chooseModel(int ot2) const
    {
        const devices::DeviceService& catalogue = devices::DeviceService::instance();
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("deviceType_%1").arg(catalogue.deviceType(ot2)))));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("channels_%1").arg(catalogue.channelNumber(ot2)))));
        QVERIFY(m_harness->waitFor([&] { return m_harness->click(m_harness->find(QStringLiteral("device_%1").arg(ot2))); }));
    }

    // The label and value texts of the device information's rows.
    static QMap<QString, QString> deviceInfoRows(const QObject* popup)
    {
        QMap<QString, QString> rows;
        auto* content = popup->property("contentItem").value<QQuickItem*>();
        QList<QQuickItem*> pending{content};
        while (!pending.isEmpty()) {
            const QQuickItem* item = pending.takeFirst();
            const QList<QQuickItem*> children = item->childItems();
            if (item->inherits("QQuickRowLayout") && children.size() == 2 && children.at(0)->property("text").isValid())
                rows.insert(ViewHarness::text(children.at(0)), ViewHarness::text(children.at(1)));
            pending.append(children);
        }
        return rows;
    }

    // The name and licence texts of every row of the licence list, scrolled into view in turn.
    static QList<QStringList> licenceRows(QQuickItem* list)
    {
        QList<QStringList> rows;
        const int count = list->property("count").toInt();
        for (int index = 0; index < count; ++index) {
            QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, index), Q_ARG(int, 0));
            QQuickItem* row = nullptr;
            QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, row), Q_ARG(int, index));
            QStringList texts;
            for (const QQuickItem* text : row ? row->childItems() : QList<QQuickItem*>())
                texts.append(ViewHarness::text(text));
            rows.append(texts);
        }
        return rows;
    }

    void openHome() const
    {
        if (currentKind() == ProjectContentView) {
            QVERIFY(m_harness->click(m_harness->find(QStringLiteral("newProjectButton"))));
            answerUnsavedChanges(QStringLiteral("rejectButton"));
            QVERIFY(waitForView(ProjectCreationView));
        }
        if (currentKind() == ProjectCreationView)
            QVERIFY(m_harness->click(m_harness->find(QStringLiteral("storedProjectsButton"))));
        QVERIFY(waitForView(HomeScreenView));
    }

    void replaceText(QQuickItem* field, const QString& text) const
    {
        QVERIFY(field);
        // The first key after the window's activation would be lost.
        QVERIFY(m_harness->typeText(field, QString()));
        QVERIFY(ViewHarness::waitFor([field] { return field->hasActiveFocus() && QGuiApplication::focusWindow() == field->window(); }));
        QVERIFY(QMetaObject::invokeMethod(field, "selectAll"));
        QVERIFY(m_harness->typeText(field, text));
        QCOMPARE(ViewHarness::text(field), text);
    }

    std::unique_ptr<ViewHarness> m_harness;
    QQuickWindow* m_window = nullptr;
    QQuickItem* m_stack = nullptr;
    QTemporaryDir m_exportDir;
};

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet(ChildRun))
        return childRun(argc, argv);
    QApplication application(argc, argv);
    TestViewShell test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_view_shell.moc"
