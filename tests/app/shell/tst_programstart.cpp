#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <devices/deviceservice.h>
#include <devices/iniwritter.h>
#include <devices/ot2file.h>

// The built program itself, started as a user starts it: with a project file named on the command
// line it stores that project once; without one it stores nothing. Each run gets a home of its
// own. The program runs until its main window is loaded and the event loop runs (it says so in
// its log); then the test ends it, as the desktop session would.

namespace {

const QByteArray Loaded = "Main window loaded";

struct Run {
    QStringList projects;
    int switchTimes = -1;
    QString failure;
};

class ProgramHome {
public:
    ProgramHome()
    {
        for (const char* folder : {"home", "config", "data", "cache", "runtime"})
            QDir(m_root.path()).mkpath(QLatin1String(folder));
        QFile::setPermissions(path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString path(const char* folder) const { return QDir(m_root.path()).filePath(QLatin1String(folder)); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), path("home"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path("config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), path("data"));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), path("cache"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path("runtime"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return environment;
    }

    // A value of the program's settings store, as the settings service writes it.
    QString setting(const QString& key) const
    {
        const QSettings store(QDir(path("config")).filePath(QStringLiteral("Zorvik/TARVINO rix3.conf")), QSettings::IniFormat);
        return store.value(key).toString();
    }

    // The projects in the program's store.
    Run stored() const
    {
        Run run;
        QDirIterator found(path("data"), {QStringLiteral("projects.sqlite")}, QDir::Files, QDirIterator::Subdirectories);
        if (!found.hasNext()) {
            run.failure = QStringLiteral("no projects.sqlite");
            return run;
        }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("program"));
            db.setDatabaseName(found.next());
            if (db.open()) {
                QSqlQuery query(db);
                query.exec(QStringLiteral("SELECT name FROM projects ORDER BY id"));
                while (query.next())
                    run.projects.append(query.value(0).toString());
                query.exec(QStringLiteral("SELECT COUNT(*) FROM switch_times WHERE channel >= 0"));
                if (query.next())
                    run.switchTimes = query.value(0).toInt();
            } else {
                run.failure = QStringLiteral("the store does not open");
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("program"));
        return run;
    }

private:
    QTemporaryDir m_root;
};

// Starts the program, waits until its main window is loaded and ends it.
QString runProgram(const ProgramHome& home, const QStringList& arguments)
{
    QProcess program;
    program.setProcessEnvironment(home.environment());
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QStringLiteral(TARVINO_PROGRAM), arguments);
    if (!program.waitForStarted(60000))
        return QStringLiteral("the program does not start");
    QByteArray log;
    while (!log.contains(Loaded) && program.state() == QProcess::Running && program.waitForReadyRead(120000))
        log += program.readAllStandardOutput();
    if (!log.contains(Loaded)) {
        program.kill();
        program.waitForFinished();
        return QStringLiteral("the main window was not loaded:\n") + QString::fromLocal8Bit(log + program.readAllStandardOutput());
    }
    program.terminate();
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
    }
    return {};
}

} // namespace

class TestProgramStart : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_devices.init(QStringLiteral(":/data/devices.json"));
        devices::DeviceService::m_instance = &m_devices;
    }

    void projectFileOnTheCommandLineIsStoredOnce()
    {
        ProgramHome home;
        const QString path = QDir(home.path("home")).filePath(QStringLiteral("Cmdline.ot2"));
        devices::Ot2File file(104);
        file.fitToDevice(m_devices.deviceByOt2Number(104));
        file.setName(QStringLiteral("Hall"));
        file.metadata().projectTitle = QStringLiteral("Beleuchtung Halle 3");
        devices::Ot2File::SwitchTime on;
        on.state = 1;
        on.startDays = 254;
        on.startTime = 6 * 3600;
        file.channels()[0].programs[0].switches.append(on);
        devices::IniWritter writer(path);
        file.save(writer);
        QVERIFY(writer.end());

        const QString failure = runProgram(home, {path});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const Run run = home.stored();
        QVERIFY2(run.failure.isEmpty(), qPrintable(run.failure));
        QCOMPARE(run.projects, QStringList{QStringLiteral("Cmdline")});
        QCOMPARE(run.switchTimes, 1);
        // The home is new: the terms pop-up was open beside the imported project and nobody
        // accepted it.
        QVERIFY(home.setting(QStringLiteral("settings/AcceptedTermsAndConditions")) != QStringLiteral("1_true"));
    }

    void withoutAFileNothingIsStored()
    {
        ProgramHome home;
        const QString failure = runProgram(home, {});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const Run run = home.stored();
        QVERIFY2(run.failure.isEmpty(), qPrintable(run.failure));
        QCOMPARE(run.projects, QStringList());
        QCOMPARE(run.switchTimes, 0);
    }

private:
    devices::DeviceService m_devices;
};

QTEST_GUILESS_MAIN(TestProgramStart)
#include "tst_programstart.moc"
