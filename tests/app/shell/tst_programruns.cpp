#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QQmlExtensionPlugin>
#include <QQuickStyle>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <core/customqmainwindow.h>
#include <network/networkservice.h>
#include <core/windowlayout.h>
#include <softwareversion/quicksoftwareversion.h>

#include "calendarsettings.h"
#include "platformservice.h"
#include "programsettings.h"
#include "tarvinoapp.h"

Q_IMPORT_QML_PLUGIN(TarvinoPlugin)

// Two runs of the program in two processes: the second sees what the first chose. Each run is
// this executable started again with "write" or "read"; it starts as the program does and ends
// through the program's own menu, so a sanitizer also checks the way out.

namespace {

void setProgramIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Zorvik"));
    QCoreApplication::setApplicationName(QStringLiteral("TARVINO rix3"));
}

// The entry "&Ende" of the menu "&Datei", in whichever language the run chose.
QAction* quitAction()
{
    const core::CustomQMainWindow* main = core::WindowLayout::instance()->mainWindow();
    const QList<QAction*> menus = main ? main->menuBar()->actions() : QList<QAction*>();
    if (menus.isEmpty() || !menus.first()->menu())
        return nullptr;
    for (QAction* entry : menus.first()->menu()->actions()) {
        if (entry->text() == QCoreApplication::translate("Menus", "&Ende"))
            return entry;
    }
    return nullptr;
}

// As the program runs: the first run chooses, the second prints what it started with. Both
// show the main view and end through the menu entry that quits.
int runProgram(int argc, char* argv[], const QString& mode)
{
    softwareversion::QuickSoftwareVersion softwareVersion;
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    QApplication application(argc, argv);
    setProgramIdentity();
    TarvinoApp app;
    app.initialize();
    CalendarSettings& calendar = CalendarSettings::instance();
    PlatformService& platform = PlatformService::instance();
    if (mode == QLatin1String("write")) {
        calendar.firstDayOfTheWeek()->setSelectedIndex(6);
        calendar.dateFormat()->setSelectedIndex(2);
        platform.setNotifyEnabled(false);
        platform.setOverwriteDisplay(PlatformService::DP_Tablet);
        app.settingsService()->setDebugMode(true);
        network::NetworkService::instance().setCloudAddress(QStringLiteral("cloud.example.org/app"));
    } else {
        QTextStream(stdout) << calendar.firstDayOfTheWeek()->value() << ' ' << calendar.dateFormat()->value() << ' '
                            << platform.notifyEnabled() << ' ' << platform.overwriteDisplay() << ' '
                            << app.settingsService()->debugMode() << ' ' << platform.defaultWindowSize().width()
                            << ' ' << network::NetworkService::instance().cloudAddress() << '\n';
    }

    app.engine().addImportPath(QStringLiteral("qrc:/orvindal"));
    app.engine().load(QUrl(QStringLiteral("qrc:/orvindal/Tarvino/main.qml")));
    QAction* quit = quitAction();
    if (app.engine().rootObjects().isEmpty() || !quit)
        return 2;
    QTimer::singleShot(0, quit, &QAction::trigger);
    const int result = QApplication::exec();
    delete core::WindowLayout::m_instance;
    return result;
}

} // namespace

class TestProgramRuns : public QObject {
    Q_OBJECT

private slots:
    void secondRunKeepsTheFirstRunsChoices()
    {
        setProgramIdentity();
        const QString storedRoot = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                                   QStringLiteral("/certificates/root_ca.pem");
        QVERIFY(!QFile::exists(storedRoot));

        QCOMPARE(run(QStringLiteral("read")), QByteArray("1 1 1 0 0 1024 cloud.zorvik.de/app\n"));
        // The first start forces the carried root certificate into the store.
        QCOMPARE(QSettings().value(ProgramSettings::FtpCertificateVersion).toString(), QStringLiteral("2_1"));
        const QByteArray carried = content(QStringLiteral(":/data/root_ca.pem"));
        QVERIFY(carried.startsWith("-----BEGIN CERTIFICATE-----"));
        QCOMPARE(content(storedRoot), carried);
        // A root renewed since then is kept by later starts.
        QVERIFY(QFile::setPermissions(storedRoot, QFile::ReadOwner | QFile::WriteOwner));
        QFile renewed(storedRoot);
        QVERIFY(renewed.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                renewed.write("renewed root") == 12);
        renewed.close();

        QCOMPARE(run(QStringLiteral("write")), QByteArray());
        QCOMPARE(run(QStringLiteral("read")), QByteArray("7 3 0 2 1 657 cloud.example.org/app\n"));
        QCOMPARE(content(storedRoot), QByteArray("renewed root"));

        const QSettings store;
        QCOMPARE(store.value(ProgramSettings::FirstDay).toString(), QStringLiteral("2_7"));
        QCOMPARE(store.value(ProgramSettings::Notify).toString(), QStringLiteral("1_false"));
        QCOMPARE(store.value(ProgramSettings::FtpCertificateVersion).toString(), QStringLiteral("2_1"));
    }

private:
    static QByteArray content(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QByteArray run(const QString& mode)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QCoreApplication::applicationFilePath(), {mode});
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return QByteArrayLiteral("run failed: ") + mode.toLatin1();
        return process.readAllStandardOutput();
    }
};

int main(int argc, char* argv[])
{
    if (argc == 2 && (qstrcmp(argv[1], "write") == 0 || qstrcmp(argv[1], "read") == 0))
        return runProgram(argc, argv, QString::fromLatin1(argv[1]));
    QCoreApplication application(argc, argv);
    TestProgramRuns test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_programruns.moc"
