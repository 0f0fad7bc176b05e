#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <filemanager/filemanager.h>

using filemanager::FileManager;

namespace {

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFileManager : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
    }
    void cleanup()
    {
        FileManager::setSaveLocationChooser({});
        folder.reset();
    }

    void exportLocationIsEmptiedAndCreated()
    {
        const QString location = path(QStringLiteral("export_eep"));
        QVERIFY(QDir().mkpath(location + QStringLiteral("/old")));
        QVERIFY(writeFile(location + QStringLiteral("/old/project.eep"), "x"));
        QVERIFY(writeFile(location + QStringLiteral("/project.eep"), "x"));
        QVERIFY(FileManager::clearAndCreateExportLocation(location));
        QVERIFY(QDir(location).exists());
        QVERIFY(QDir(location).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));

        const QString nested = path(QStringLiteral("a/b/c"));
        QVERIFY(FileManager::clearAndCreateExportLocation(nested));
        QVERIFY(QDir(nested).exists());
    }

    void dangerousFoldersAreNeverCleared_data()
    {
        QTest::addColumn<QString>("location");
        QTest::newRow("empty") << QString();
        QTest::newRow("relative") << "export_eep";
        QTest::newRow("root") << "/";
        QTest::newRow("home") << QDir::homePath();
        QTest::newRow("home with a trailing slash") << QDir::homePath() + "/";
        QTest::newRow("home through dots") << QDir::homePath() + "/sub/..";
    }
    void dangerousFoldersAreNeverCleared()
    {
        QFETCH(QString, location);
        const QString keep = QDir(QDir::homePath()).filePath(QStringLiteral("keep.txt"));
        QVERIFY(writeFile(keep, "keep"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Refusing to clear")));
        QVERIFY(!FileManager::clearAndCreateExportLocation(location));
        QCOMPARE(readFile(keep), QByteArray("keep"));
    }

    void exportCopiesTheFileToTheChosenPlace()
    {
        const QString source = path(QStringLiteral("TarvinoRix3_logs_abc123.txt"));
        QVERIFY(writeFile(source, "log lines\n"));
        const QString target = path(QStringLiteral("chosen.txt"));
        QString suggested;
        QString filter;
        FileManager::setSaveLocationChooser([&](const QString& path, const QString& nameFilter) {
            suggested = path;
            filter = nameFilter;
            return target;
        });
        QVERIFY(FileManager::exportFile(source, QStringLiteral("text/plain"), nullptr));
        QCOMPARE(readFile(target), QByteArray("log lines\n"));
        QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("TarvinoRix3_logs_abc123.txt"));
        QCOMPARE(QFileInfo(suggested).absolutePath(),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QVERIFY2(filter.contains(QLatin1String("*.txt")), qPrintable(filter));
        QVERIFY(QFile::exists(source));
    }

    void exportReplacesAnEarlierFile()
    {
        const QString source = path(QStringLiteral("new.txt"));
        const QString target = path(QStringLiteral("old.txt"));
        QVERIFY(writeFile(source, "new"));
        QVERIFY(writeFile(target, "older and longer"));
        FileManager::setSaveLocationChooser([&](const QString&, const QString&) { return target; });
        QVERIFY(FileManager::exportFile(source, QStringLiteral("text/plain"), nullptr));
        QCOMPARE(readFile(target), QByteArray("new"));
    }

    void cancelledExportWritesNothing()
    {
        const QString source = path(QStringLiteral("log.txt"));
        QVERIFY(writeFile(source, "log"));
        FileManager::setSaveLocationChooser([](const QString&, const QString&) { return QString(); });
        QVERIFY(!FileManager::exportFile(source, QStringLiteral("text/plain"), nullptr));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList({"log.txt"}));
    }

    void exportToTheSameFileKeepsIt()
    {
        const QString source = path(QStringLiteral("same.txt"));
        QVERIFY(writeFile(source, "same"));
        FileManager::setSaveLocationChooser([&](const QString&, const QString&) { return source; });
        QVERIFY(FileManager::exportFile(source, QStringLiteral("text/plain"), nullptr));
        QCOMPARE(readFile(source), QByteArray("same"));
    }

    void failedExportIsReportedAndLeavesNoFile()
    {
        const QString source = path(QStringLiteral("log.txt"));
        QVERIFY(writeFile(source, "log"));
        const QString target = path(QStringLiteral("missing/folder/log.txt"));
        FileManager::setSaveLocationChooser([&](const QString&, const QString&) { return target; });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot write the exported file")));
        QVERIFY(!FileManager::exportFile(source, QStringLiteral("text/plain"), nullptr));
        QVERIFY(!QFile::exists(target));
    }

    void missingSourceIsReported()
    {
        bool asked = false;
        FileManager::setSaveLocationChooser([&](const QString&, const QString&) {
            asked = true;
            return path(QStringLiteral("x.txt"));
        });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no file to export")));
        QVERIFY(!FileManager::exportFile(path(QStringLiteral("absent.txt")), QStringLiteral("text/plain"), nullptr));
        QVERIFY(!asked);
    }

private:
    QString path(const QString& name) const { return QDir(folder->path()).filePath(name); }

    std::unique_ptr<QTemporaryDir> folder;
};

QTEST_MAIN(TestFileManager)
#include "tst_filemanager.moc"
