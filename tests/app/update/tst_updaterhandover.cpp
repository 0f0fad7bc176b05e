#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <encrypter/ftpservice.h>

#include "softwareupdateservice.h"
#include "updatefixture.h"

using encrypter::FtpService;

// The hand-over to the two updater programs: their copies beside the files they need, and a
// whole update with an uninstaller, an installer and a program written here as shell scripts.

namespace {

constexpr int Timeout = 60000;

const QString PendingName = QStringLiteral("Tarvino_1.0.33_07122026_101500_x64.exe");

QString abi()
{
    return QSysInfo::buildAbi().section(QLatin1Char('-'), 0, 0);
}

QString updaterName()
{
    return QStringLiteral("updater_%1.exe").arg(abi());
}

QString watcherName()
{
    return QStringLiteral("update-watcher_%1.exe").arg(abi());
}

QString updaterFolder()
{
    return updateFolder() + QStringLiteral("/updater");
}

bool writeScript(const QString& path, const QString& body)
{
    return writeFile(path, ("#!/bin/sh\n" + body).toUtf8()) &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

struct Run {
    int exitCode = -1;
    QString output;
};

Run runProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(Timeout);
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

} // namespace

class TestUpdaterHandOver : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setApplicationNames(); }

    void init()
    {
        QVERIFY(QDir(updateFolder()).removeRecursively());
        install = std::make_unique<QTemporaryDir>();
        records = std::make_unique<QTemporaryDir>();
        settings = std::make_unique<UpdateSettings>();
        ftpService = std::make_unique<FtpService>();
        service = makeService(ftpService.get(), install->path());
        service->setUpdaterLayout(layout());
    }

    void cleanup()
    {
        service.reset();
        ftpService.reset();
        settings.reset();
    }

    void programsAreCopiedOutExecutable()
    {
        QVERIFY(service->prepareUpdaterFiles());
        for (const QString& name : {updaterName(), watcherName()}) {
            const QFileInfo copy(QDir(updaterFolder()).filePath(name));
            QVERIFY2(copy.isExecutable(), qPrintable(copy.filePath()));
            QCOMPARE(sha256(fileContent(copy.filePath())), sha256(fileContent(QStringLiteral(":/updater/") + name)));
        }
    }

    void librariesAndPluginFoldersAreCopied()
    {
        const QDir folder(install->path());
        QVERIFY(writeFile(folder.filePath(QStringLiteral("libQt6Core.so.6")), "core"));
        QVERIFY(writeFile(folder.filePath(QStringLiteral("libQt6Gui.so.6")), "gui"));
        QVERIFY(writeFile(folder.filePath(QStringLiteral("platforms/libqoffscreen.so")), "offscreen"));
        QVERIFY(writeFile(folder.filePath(QStringLiteral("qml/QtQuick/Controls/qmldir")), "module"));
        QVERIFY(writeFile(folder.filePath(QStringLiteral("qml/QtQuick/.hidden")), "hidden"));
        UpdaterLayout withQt = layout();
        withQt.qtLibraries = {"libQt6Core.so.6", "libQt6Gui.so.6"};
        withQt.pluginFolders = {"platforms", "qml"};
        service->setUpdaterLayout(withQt);
        QVERIFY(service->prepareUpdaterFiles());
        const QDir copy(updaterFolder());
        for (const char* file : {"libQt6Core.so.6", "libQt6Gui.so.6", "platforms/libqoffscreen.so",
                                    "qml/QtQuick/Controls/qmldir", "qml/QtQuick/.hidden"})
            QCOMPARE(fileContent(copy.filePath(QString::fromLatin1(file))), fileContent(folder.filePath(QString::fromLatin1(file))));
    }

    void preparationFails_data()
    {
        QTest::addColumn<QStringList>("libraries");
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("warning");
        QTest::newRow("missing library") << QStringList{"libA.so", "libMissing.so"} << QStringList{}
                                         << ">> Couldn't copy required libMissing.so library";
        QTest::newRow("missing folder") << QStringList{"libA.so"} << QStringList{"platforms", "qml"}
                                        << ">> Couldn't copy required folder: qml";
    }
    void preparationFails()
    {
        QFETCH(QStringList, libraries);
        QFETCH(QStringList, folders);
        QFETCH(QString, warning);
        QVERIFY(writeFile(QDir(install->path()).filePath(QStringLiteral("libA.so")), "a"));
        QVERIFY(writeFile(QDir(install->path()).filePath(QStringLiteral("platforms/libq.so")), "q"));
        UpdaterLayout withQt = layout();
        withQt.qtLibraries = libraries;
        withQt.pluginFolders = folders;
        service->setUpdaterLayout(withQt);
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        QVERIFY(!service->prepareUpdaterFiles());
        QVERIFY(!QFile::exists(QDir(updaterFolder()).filePath(updaterName())));
    }

    // A copy never overwrites, so a second preparation in the same run fails.
    void leftoverUpdaterFolderFailsThePreparation()
    {
        QVERIFY(writeFile(QDir(install->path()).filePath(QStringLiteral("libA.so")), "a"));
        UpdaterLayout withQt = layout();
        withQt.qtLibraries = {"libA.so"};
        service->setUpdaterLayout(withQt);
        QVERIFY(service->prepareUpdaterFiles());
        QTest::ignoreMessage(QtWarningMsg, ">> Couldn't copy required libA.so library");
        QVERIFY(!service->prepareUpdaterFiles());
    }

    void copyFolder()
    {
        QTemporaryDir source;
        QTemporaryDir target;
        QVERIFY(writeFile(QDir(source.path()).filePath(QStringLiteral("a/b/c.txt")), "c"));
        QVERIFY(writeFile(QDir(source.path()).filePath(QStringLiteral("top.txt")), "top"));
        const QString copy = QDir(target.path()).filePath(QStringLiteral("copy"));
        QVERIFY(SoftwareUpdateService::copyFolder(source.path(), copy));
        QCOMPARE(fileContent(copy + QStringLiteral("/a/b/c.txt")), QByteArray("c"));
        QCOMPARE(fileContent(copy + QStringLiteral("/top.txt")), QByteArray("top"));
        QVERIFY(!SoftwareUpdateService::copyFolder(source.path(), copy));
        QVERIFY(!SoftwareUpdateService::copyFolder(QDir(source.path()).filePath(QStringLiteral("missing")),
                                                   QDir(target.path()).filePath(QStringLiteral("other"))));
    }

    void wholeUpdate()
    {
        writeUpdateScripts(0, 0);
        offerPendingInstaller();

        // startUpdater quits the application: its event loop returns.
        QTimer::singleShot(0, service.get(), &SoftwareUpdateService::startUpdater);
        QCOMPARE(runUntilQuit(), 0);

        const QString started = records->filePath(QStringLiteral("program.started"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(started), Timeout);
        QTRY_COMPARE(fileContent(started), QByteArray("after the updater\n"));

        const QString updater = updaterFolder();
        QCOMPARE(fileContent(records->filePath(QStringLiteral("uninstall.args"))),
                 QStringLiteral("--script=%1/auto_uninstall.qs\n").arg(updater).toUtf8());
        QCOMPARE(fileContent(records->filePath(QStringLiteral("install.args"))),
                 QStringLiteral("--script=%1/auto_install.qs\n").arg(updater).toUtf8());
        QVERIFY(fileContent(updater + QStringLiteral("/auto_install.qs"))
                    .contains(QStringLiteral("installer.setValue(\"TargetDir\", \"%1\")").arg(install->path()).toUtf8()));
        QVERIFY(fileContent(updater + QStringLiteral("/auto_uninstall.qs")).contains("function Controller()"));
        QCOMPARE(fileContent(QDir(install->path()).filePath(QStringLiteral("version.txt"))), QByteArray("1.0.33\n"));

        const QByteArray log = fileContent(QDir(updateFolder()).filePath(QStringLiteral("updateLog.txt")));
        QVERIFY2(log.contains("Uninstaller Exit code = 0 exitStatus = 0"), log.constData());
        QVERIFY2(log.contains("Installer Exit code = 0 exitStatus = 0"), log.constData());

        QSignalSpy changed(service.get(), &SoftwareUpdateService::changelogChanged);
        QVERIFY(service->shouldDisplayChangelog());
        QCOMPARE(service->changelog(), QStringLiteral("Neu in 1.0.33: größere Schrift\n"));
        QCOMPARE(changed.count(), 1);
        QVERIFY(!QFile::exists(QDir(updateFolder()).filePath(QStringLiteral("changelog.txt"))));
        QVERIFY(!service->shouldDisplayChangelog());

        // The copies are still there, and a copy never overwrites.
        QTest::ignoreMessage(QtWarningMsg,
                             ">> Couldn't copy update watcher, app won't be started at the end of the update!");
        QTest::ignoreMessage(QtWarningMsg, "Failed to prepare files for updater");
        service->startUpdater();
    }

    void failedStepEndsTheUpdate_data()
    {
        QTest::addColumn<int>("uninstallCode");
        QTest::addColumn<int>("installCode");
        QTest::addColumn<QStringList>("logged");
        QTest::addColumn<QString>("notLogged");
        QTest::newRow("uninstaller fails") << 3 << 0
                                           << QStringList{"Uninstaller Exit code = 3 exitStatus = 0",
                                                          "Failed to uninstall the current app: exit code 3"}
                                           << "Installer Exit code";
        QTest::newRow("installer fails") << 0 << 4
                                         << QStringList{"Uninstaller Exit code = 0 exitStatus = 0",
                                                        "Installer Exit code = 4 exitStatus = 0",
                                                        "Failed to install the update: exit code 4"}
                                         << "Update finished";
    }
    void failedStepEndsTheUpdate()
    {
        QFETCH(int, uninstallCode);
        QFETCH(int, installCode);
        QFETCH(QStringList, logged);
        QFETCH(QString, notLogged);
        writeUpdateScripts(uninstallCode, installCode);
        offerPendingInstaller();
        QTimer::singleShot(0, service.get(), &SoftwareUpdateService::startUpdater);
        QCOMPARE(runUntilQuit(), 0);

        // The watcher starts the program all the same.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(records->filePath(QStringLiteral("program.started"))), Timeout);
        const QByteArray log = fileContent(QDir(updateFolder()).filePath(QStringLiteral("updateLog.txt")));
        for (const QString& line : logged)
            QVERIFY2(log.contains(line.toUtf8()), log.constData());
        QVERIFY2(!log.contains(notLogged.toUtf8()), log.constData());
        QCOMPARE(QFile::exists(records->filePath(QStringLiteral("install.args"))), uninstallCode == 0);
        QVERIFY(!service->shouldDisplayChangelog());
    }

    void missingInstallerStartsNothing()
    {
        writeUpdateScripts(0, 0);
        offerPendingInstaller();
        QVERIFY(QFile::remove(QDir(updateFolder()).filePath(PendingName)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Update failed, can't find file .*%1$")
                                                                  .arg(QRegularExpression::escape(PendingName))));
        service->startUpdater();
        QVERIFY(!QDir(updaterFolder()).exists());
    }

    void programsCheckTheirArguments_data()
    {
        QTest::addColumn<bool>("watcher");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString missing = QStringLiteral("/nonexistent/Tarvino_1.0.33.exe");
        QTest::newRow("updater, none") << false << QStringList{} << "Wrong argument count!";
        QTest::newRow("updater, one") << false << QStringList{missing} << "Wrong argument count!";
        QTest::newRow("updater, three") << false << QStringList{missing, missing, missing} << "Wrong argument count!";
        QTest::newRow("updater, missing file") << false << QStringList{missing, "/bin/sh"}
                                               << QStringLiteral("File %1 doesn't exists!").arg(missing);
        QTest::newRow("watcher, one") << true << QStringList{missing} << ">> Wrong argument count:  1";
        QTest::newRow("watcher, three") << true << QStringList{missing, missing, missing}
                                        << ">> Wrong argument count:  3";
    }
    void programsCheckTheirArguments()
    {
        QFETCH(bool, watcher);
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QVERIFY(service->prepareUpdaterFiles());
        const Run run =
            runProgram(QDir(updaterFolder()).filePath(watcher ? watcherName() : updaterName()), arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.output.contains(message), qPrintable(run.output));
    }

private:
    // The application's event loop, ended by the service or, failing that, after a while.
    static int runUntilQuit()
    {
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, QCoreApplication::instance(), [] { QCoreApplication::exit(1); });
        limit.start(Timeout);
        return QCoreApplication::exec();
    }

    UpdaterLayout layout() const
    {
        const QDir folder(install->path());
        return {install->path(), folder.filePath(QStringLiteral("program")), folder.filePath(QStringLiteral("uninstall")),
                {}, {}};
    }

    // The uninstaller and the installer end with the given codes; the installer writes the new
    // version and its change log first; the program tells whether the updater had ended when it
    // was started.
    void writeUpdateScripts(int uninstallCode, int installCode)
    {
        const QDir folder(install->path());
        const QString pidFile = updaterFolder() + QStringLiteral("/updater.pid");
        QVERIFY(writeScript(folder.filePath(QStringLiteral("uninstall")),
                            QStringLiteral("printf '%s\\n' \"$@\" > '%1'\nexit %2\n")
                                .arg(records->filePath("uninstall.args"))
                                .arg(uninstallCode)));
        QVERIFY(writeScript(folder.filePath(QStringLiteral("program")),
                            QStringLiteral("if grep -q finished '%1'; then echo 'after the updater'; "
                                           "else echo 'while the updater ran'; fi > '%2'\n")
                                .arg(pidFile, records->filePath("program.started"))));
        QVERIFY(writeScript(QDir(updateFolder()).filePath(PendingName),
                            QStringLiteral("printf '%s\\n' \"$@\" > '%1'\n"
                                           "echo 1.0.33 > '%2'\n"
                                           "echo 'Neu in 1.0.33: größere Schrift' > '%3'\n"
                                           "exit %4\n")
                                .arg(records->filePath("install.args"), folder.filePath("version.txt"),
                                     folder.filePath("changelog.txt"))
                                .arg(installCode)));
    }

    // A pending installer of the offered version: the user is asked to install it.
    void offerPendingInstaller()
    {
        QVERIFY(writeFile(records->filePath(QStringLiteral("info.json")),
                          infoJson(QStringLiteral("1.0.33"), QStringLiteral("file:///nowhere"))));
        service->setSoftwareUpdateEndpoint(QString::fromUtf8(QUrl::fromLocalFile(records->path()).toEncoded()));
        QSignalSpy shown(service.get(), &SoftwareUpdateService::showSoftwareUpdate);
        service->checkForSoftwareUpdate();
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 1, Timeout);
    }

    std::unique_ptr<QTemporaryDir> install;
    std::unique_ptr<QTemporaryDir> records;
    std::unique_ptr<UpdateSettings> settings;
    std::unique_ptr<FtpService> ftpService;
    std::unique_ptr<SoftwareUpdateService> service;
};

QTEST_GUILESS_MAIN(TestUpdaterHandOver)
#include "tst_updaterhandover.moc"
