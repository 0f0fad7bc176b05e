#include <QTest>

#include <encrypter/ftpfileinfo.h>

using encrypter::FtpFileInfo;

// Lines of machine-readable listings (MLSD). The "live" rows are lines as ProFTPD 1.3.8 sent
// them on the wire, with their CR LF.

class TestFtpFileInfo : public QObject {
    Q_OBJECT

private slots:
    void readsEveryFact_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("permissions");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("owner");
        QTest::addColumn<QDateTime>("modified");

        QTest::newRow("example") << "modify=20240131120000;perm=r;size=1234;type=file;unique=801U2A;UNIX."
                                    "group=1000;UNIX.mode=0644;"
                                    "UNIX.owner=1000; info.json"
                                 << "info.json" << 0 << 1234 << "r"
                                 << "801U2A" << 1000 << 644 << 1000
                                 << QDateTime(QDate(2024, 1, 31), QTime(12, 0), Qt::UTC);
        QTest::newRow("live file")
            << "modify=20261210093448;perm=adfr;size=21;type=file;unique=FE00UA72362;UNIX.group=0;"
               "UNIX.groupname=65534;UNIX.mode=0644;UNIX.owner=0;UNIX.ownername=tarvino; info.json\r\n"
            << "info.json" << 0 << 21 << "adfr"
            << "FE00UA72362" << 0 << 644 << 0 << QDateTime(QDate(2026, 12, 10), QTime(9, 34, 48), Qt::UTC);
        QTest::newRow("live cdir") << "modify=20261210094017;perm=fle;type=cdir;unique=FE00UA72352;UNIX."
                                      "group=0;UNIX.groupname=65534;"
                                      "UNIX.mode=0755;UNIX.owner=0;UNIX.ownername=tarvino; .\r\n"
                                   << "." << 3 << 0 << "fle"
                                   << "FE00UA72352" << 0 << 755 << 0
                                   << QDateTime(QDate(2026, 12, 10), QTime(9, 40, 17), Qt::UTC);
        QTest::newRow("live pdir") << "modify=20261210093448;perm=fle;type=pdir;unique=FE00UA72051;UNIX."
                                      "group=0;UNIX.groupname=65534;"
                                      "UNIX.mode=0755;UNIX.owner=0;UNIX.ownername=tarvino; ..\r\n"
                                   << ".." << 2 << 0 << "fle"
                                   << "FE00UA72051" << 0 << 755 << 0
                                   << QDateTime(QDate(2026, 12, 10), QTime(9, 34, 48), Qt::UTC);
        QTest::newRow("live dir")
            << "modify=20261210094017;perm=fle;type=dir;unique=FE00UA721D3;UNIX.group=0;UNIX.groupname=65534;"
               "UNIX.mode=0755;UNIX.owner=0;UNIX.ownername=tarvino; sub\r\n"
            << "sub" << 1 << 0 << "fle"
            << "FE00UA721D3" << 0 << 755 << 0 << QDateTime(QDate(2026, 12, 10), QTime(9, 40, 17), Qt::UTC);
        QTest::newRow("live name like a fact")
            << "modify=20261210094017;perm=adfr;size=0;type=file;unique=FE00UA721D5;UNIX.group=0;"
               "UNIX.groupname=65534;UNIX.mode=0644;UNIX.owner=0;UNIX.ownername=tarvino; size=5.txt\r\n"
            << "size=5.txt" << 0 << 0 << "adfr"
            << "FE00UA721D5" << 0 << 644 << 0 << QDateTime(QDate(2026, 12, 10), QTime(9, 40, 17), Qt::UTC);
        QTest::newRow("live name with semicolon")
            << "modify=20261210094017;perm=adfr;size=0;type=file;unique=FE00UA721D6;UNIX.group=0;"
               "UNIX.groupname=65534;UNIX.mode=0644;UNIX.owner=0;UNIX.ownername=tarvino; a;b.txt\r\n"
            << "a;b.txt" << 0 << 0 << "adfr"
            << "FE00UA721D6" << 0 << 644 << 0 << QDateTime(QDate(2026, 12, 10), QTime(9, 40, 17), Qt::UTC);
        // The group name comes before the group number here: its key is a different one.
        QTest::newRow("group name first")
            << "type=dir;unique=9;UNIX.groupname=staff;UNIX.group=50;UNIX.ownername=root;UNIX.owner=7; x"
            << "x" << 1 << 0 << ""
            << "9" << 50 << -1 << 7 << QDateTime();
        QTest::newRow("other facts whose keys end alike")
            << "media-type=text/plain;type=file;xsize=9;size=12;unique=u1; notes.txt"
            << "notes.txt" << 0 << 12 << ""
            << "u1" << -1 << -1 << -1 << QDateTime();
        QTest::newRow("repeated key: the first wins") << "type=file;size=1;size=2;unique=u; twice"
                                                      << "twice" << 0 << 1 << ""
                                                      << "u" << -1 << -1 << -1 << QDateTime();
        QTest::newRow("spaces kept inside the name") << "type=file;unique=u;  two  spaces \n"
                                                     << " two  spaces " << 0 << 0 << ""
                                                     << "u" << -1 << -1 << -1 << QDateTime();
        QTest::newRow("size beyond int") << "type=file;size=4294967296;unique=u; big"
                                         << "big" << 0 << 0 << ""
                                         << "u" << -1 << -1 << -1 << QDateTime();
        QTest::newRow("fractional seconds") << "modify=20240131120000.250;type=file;unique=u; f"
                                            << "f" << 0 << 0 << ""
                                            << "u" << -1 << -1 << -1 << QDateTime();
        QTest::newRow("impossible date") << "modify=20240230120000;type=file;unique=u; f"
                                         << "f" << 0 << 0 << ""
                                         << "u" << -1 << -1 << -1 << QDateTime();
    }
    void readsEveryFact()
    {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QFETCH(int, type);
        QFETCH(int, size);
        QFETCH(QString, permissions);
        QFETCH(QString, id);
        QFETCH(int, group);
        QFETCH(int, mode);
        QFETCH(int, owner);
        QFETCH(QDateTime, modified);
        const FtpFileInfo entry(line);
        QCOMPARE(entry.name(), name);
        QCOMPARE(int(entry.type()), type);
        QCOMPARE(entry.size(), size);
        QCOMPARE(entry.permissions(), permissions);
        QCOMPARE(entry.id(), id);
        QCOMPARE(entry.group(), group);
        QCOMPARE(entry.mode(), mode);
        QCOMPARE(entry.owner(), owner);
        QCOMPARE(entry.modificationDate(), modified);
        QCOMPARE(entry.modificationDate().timeSpec(), modified.isValid() ? Qt::UTC : Qt::LocalTime);
        QVERIFY(entry.isValid());
    }

    void refusesWhatIsNoEntry_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("empty") << "";
        QTest::newRow("line end only") << "\r\n";
        QTest::newRow("no unique id") << "modify=20240131120000;perm=r;size=1;type=file; info.json";
        QTest::newRow("no type") << "size=1;unique=u; info.json";
        QTest::newRow("type with a capital") << "Type=file;unique=u; info.json";
        QTest::newRow("unknown type") << "type=link;unique=u; info.json";
        QTest::newRow("type in upper case") << "type=FILE;unique=u; info.json";
        QTest::newRow("no name") << "type=file;unique=u; ";
        QTest::newRow("no space before the name") << "type=file;unique=u;info.json";
        QTest::newRow("facts only in the name") << "x; type=file;unique=u;";
        QTest::newRow("a status line") << "226 Transfer complete";
        QTest::newRow("a plain listing") << "-rw-r--r--   1 0  0   21 Dec 10 09:34 info.json";
    }
    void refusesWhatIsNoEntry()
    {
        QFETCH(QString, line);
        QVERIFY(!FtpFileInfo(line).isValid());
    }

    void missingFactsHaveTheirDefaults()
    {
        const FtpFileInfo entry(QStringLiteral("type=dir;unique=d; folder"));
        QVERIFY(entry.isValid());
        QCOMPARE(entry.size(), 0);
        QCOMPARE(entry.group(), -1);
        QCOMPARE(entry.mode(), -1);
        QCOMPARE(entry.owner(), -1);
        QVERIFY(entry.permissions().isEmpty());
        QVERIFY(!entry.modificationDate().isValid());
    }

    void copiesAreIndependent()
    {
        FtpFileInfo copy(QStringLiteral("type=file;unique=a; first"));
        const FtpFileInfo other(QStringLiteral("type=dir;unique=b; second"));
        const FtpFileInfo kept = copy;
        copy = other;
        QCOMPARE(copy.name(), QStringLiteral("second"));
        QCOMPARE(kept.name(), QStringLiteral("first"));
        QCOMPARE(int(kept.type()), 0);
    }

    void printsOneLine()
    {
        QTest::ignoreMessage(QtDebugMsg,
                             "Name: info.json type: 0 modification date: "
                             "QDateTime(2024-01-31 12:00:00.000 UTC Qt::UTC) size: 5 permissions: r "
                             "group: 1 mode: 644 owner: 2 id: u");
        FtpFileInfo(QStringLiteral("modify=20240131120000;perm=r;size=5;type=file;unique=u;UNIX.group=1;"
                                   "UNIX.mode=0644;UNIX.owner=2; info.json"))
            .print();
    }
};

QTEST_GUILESS_MAIN(TestFtpFileInfo)
#include "tst_ftpfileinfo.moc"
