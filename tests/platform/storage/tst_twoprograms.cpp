#include "storagefixture.h"

#include <storage/project.h>
#include <storage/switchtime.h>

#include <QCoreApplication>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace storage;

// Two programs on one store, as two real processes. B opens the store and reads it; A then
// changes one project and removes two; B changes another project and saves. Nothing of what B did
// not change may overwrite A's work or bring back what A removed. Each program is this executable
// started again as "a" or "b" with the path of the store.

namespace {

constexpr int Device = 104;

// A summer/winter table of many rows: a hash hands them out in another order in every process.
QHash<int, SummerWinterDateTimeValues> summerWinterTable()
{
    QHash<int, SummerWinterDateTimeValues> rows;
    for (int row = 0; row < 40; ++row) {
        const int year = 2008 + row;
        rows.insert(row, SummerWinterDateTimeValues(year, QDate(year, 3, 25), 2, QDate(year, 10, 28), 3, row % 2 == 0));
    }
    return rows;
}

Project storedProject(const QString& name, int switchTimes)
{
    Project project(Device, name);
    project.setProjectTitle(QStringLiteral("original"));
    project.setSummerWinterDateTimes(summerWinterTable());
    QList<SwitchTime> switches;
    for (int i = 0; i < switchTimes; ++i) {
        SwitchTime s(SwitchTime::Switch, SwitchTime::On, 3600 + i * 60, SwitchTime::AllDays);
        s.store();
        switches.append(s);
    }
    project.data()->channel(0)->program(0)->setSwitches(switches);
    project.store();
    return project;
}

Project byName(ProjectService& projects, const QString& name)
{
    for (const Project& project : projects.projets()) {
        if (project.name() == name)
            return project;
    }
    return {};
}

// The other program: changes P, removes R and S.
int runA(const QString& path)
{
    StorageFixture store(path);
    if (!store.isOpen())
        return 2;
    byName(store.projects(), QStringLiteral("P")).setProjectTitle(QStringLiteral("changed by A"));
    if (!store.storage().save())
        return 3;
    for (const QString& name : {QStringLiteral("R"), QStringLiteral("S")}) {
        if (!byName(store.projects(), name).remove())
            return 4;
    }
    return 0;
}

// This program: reads everything but S's content, waits for A, then changes only Q and saves.
int runB(const QString& path)
{
    StorageFixture store(path);
    if (!store.isOpen())
        return 2;
    for (const QString& name : {QStringLiteral("P"), QStringLiteral("Q"), QStringLiteral("R")})
        byName(store.projects(), name).constData();
    QTextStream out(stdout);
    out << "loaded" << Qt::endl;
    if (QTextStream(stdin).readLine() != QLatin1String("go"))
        return 3;
    byName(store.projects(), QStringLiteral("Q")).setClientName(QStringLiteral("edited by B"));
    return store.storage().save() ? 0 : 4;
}

} // namespace

class TestTwoPrograms : public QObject {
    Q_OBJECT

private slots:
    void secondProgramKeepsTheFirstProgramsWork()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("projects.sqlite"));
        {
            StorageFixture store(path);
            QVERIFY(store.isOpen());
            for (const QString& name : {QStringLiteral("P"), QStringLiteral("Q"), QStringLiteral("R"), QStringLiteral("S")})
                QVERIFY(!storedProject(name, 5).isNull());
        }

        QProcess b;
        b.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        b.start(QCoreApplication::applicationFilePath(), {QStringLiteral("b"), path});
        QVERIFY(b.waitForStarted());
        QByteArray said;
        while (!said.contains("loaded\n") && b.waitForReadyRead(60000))
            said += b.readAllStandardOutput();
        QCOMPARE(said, QByteArray("loaded\n"));

        QProcess a;
        a.setProcessChannelMode(QProcess::ForwardedChannels);
        a.start(QCoreApplication::applicationFilePath(), {QStringLiteral("a"), path});
        QVERIFY(a.waitForFinished(60000));
        QCOMPARE(a.exitStatus(), QProcess::NormalExit);
        QCOMPARE(a.exitCode(), 0);

        b.write("go\n");
        b.closeWriteChannel();
        QVERIFY(b.waitForFinished(60000));
        QCOMPARE(b.exitStatus(), QProcess::NormalExit);
        QCOMPARE(b.exitCode(), 0);

        StorageFixture store(path);
        QVERIFY(store.isOpen());
        QCOMPARE(byName(store.projects(), QStringLiteral("P")).projectTitle(), QStringLiteral("changed by A"));
        QStringList names;
        for (const Project& project : store.projects().projets())
            names.append(project.name());
        QCOMPARE(names, (QStringList{QStringLiteral("P"), QStringLiteral("Q")}));
        QCOMPARE(byName(store.projects(), QStringLiteral("Q")).clientName(), QStringLiteral("edited by B"));
        QCOMPARE(byName(store.projects(), QStringLiteral("Q")).summerWinterDateTimes(), summerWinterTable());

        // Nothing of R and S is left behind either.
        QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        raw.setDatabaseName(path);
        QVERIFY(raw.open());
        QSqlQuery count(raw);
        QVERIFY(count.exec(QStringLiteral("SELECT COUNT(*) FROM switch_times")) && count.next());
        QCOMPARE(count.value(0).toInt(), 10);
        count.finish();
        raw.close();
        raw = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "a") == 0)
        return runA(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], "b") == 0)
        return runB(QString::fromLocal8Bit(argv[2]));
    TestTwoPrograms test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_twoprograms.moc"
