#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <devices/ot2file.h>
#include <filemanager/filemanager.h>

#include "exportfiles.h"
#include "projectfiles.h"
#include "projectsfixture.h"

namespace {

devices::Ot2File exported(qint64 id)
{
    QFuture<devices::Ot2File> file = storage::ProjectService::instance().exportProject(id);
    file.waitForFinished();
    return file.result();
}

// What a project file reads back as: the record in the shape of its model.
devices::Ot2File fitted(devices::Ot2File file)
{
    file.fitToDevice(devices::DeviceService::instance().deviceByOt2Number(file.ot2Number()));
    return file;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything in the export folder, hidden files included.
QStringList exportedFiles(const QString& folder)
{
    return QDir(ExportFiles::exportFolder(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

const QString NotAProjectFile = QStringLiteral(">> The file being imported isn't an ot2 file!");

} // namespace

class TestProjectFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Each offer is accepted into a folder of the test; offered holds the copies.
        filemanager::FileManager::setSaveLocationChooser([this](const QString& suggested, const QString&) {
            offered.append(QDir(target.path()).filePath(QFileInfo(suggested).fileName()));
            return offered.constLast();
        });
    }
    void cleanupTestCase() { filemanager::FileManager::setSaveLocationChooser({}); }

    void init()
    {
        f = std::make_unique<ProjectsFixture>();
        offered.clear();
        project = f->create(QStringLiteral("Barn"));
        QVERIFY(!project.isNull());
        project.setProjectTitle(QStringLiteral("Cow shed lights"));
        f->mainController->setSelectedProjectId(f->idOf(project));
        projectFile = ProjectFiles::toBytes(exported(project.id()));
    }
    void cleanup() { f.reset(); }

    void projectFilesAreRecognisedByTheirIdentification_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("as written") << QByteArray() << QByteArray() << true;
        QTest::newRow("capitals") << QByteArray("TARVINO project") << QByteArray("MY TARVINO FILE") << true;
        QTest::newRow("lower case") << QByteArray("TARVINO project") << QByteArray("tarvino") << true;
        QTest::newRow("word missing") << QByteArray("TARVINO project") << QByteArray("Some project") << false;
        QTest::newRow("no identification") << QByteArray("[Ident]") << QByteArray("[Other]") << false;
    }
    void projectFilesAreRecognisedByTheirIdentification()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(bool, accepted);
        QByteArray bytes = projectFile;
        if (!from.isEmpty()) {
            QVERIFY(bytes.contains(from));
            bytes.replace(from, to);
        }
        const devices::Ot2File before = f->mainController->heldFile();
        if (!accepted)
            QTest::ignoreMessage(QtWarningMsg, qPrintable(NotAProjectFile));
        QCOMPARE(f->mainController->readOt2Bytes(bytes), accepted);
        if (accepted)
            QCOMPARE(f->mainController->heldFile(), fitted(exported(project.id())));
        else
            QCOMPARE(f->mainController->heldFile(), before);
    }

    void importStoresTheFileUnderItsName()
    {
        const QString path = QDir(f->folder.path()).filePath(QStringLiteral("Plant.OT2"));
        QVERIFY(ExportFiles::writeFile(path, projectFile));
        QSignalSpy counted(f->mainController.get(), &MainController::nbProjectsChanged);
        QVERIFY(f->mainController->importOt2File(path));
        QCOMPARE(counted.size(), 1);
        QCOMPARE(f->mainController->nbProjects(), 2);
        const storage::Project imported = f->projectService->projets().constLast();
        QCOMPARE(imported.name(), QStringLiteral("Plant"));
        devices::Ot2File expected = fitted(exported(project.id()));
        expected.setName(QStringLiteral("Plant"));
        QCOMPARE(fitted(exported(imported.id())), expected);
        QCOMPARE(imported.projectTitle(), QStringLiteral("Cow shed lights"));
    }

    void importRefusesMissingAndForeignFiles()
    {
        QVERIFY(!f->mainController->importOt2File(QDir(f->folder.path()).filePath(QStringLiteral("none.ot2"))));
        const QString foreign = QDir(f->folder.path()).filePath(QStringLiteral("notes.ot2"));
        QVERIFY(ExportFiles::writeFile(foreign, "[General]\nText=hello\n"));
        QTest::ignoreMessage(QtWarningMsg, qPrintable(NotAProjectFile));
        QVERIFY(!f->mainController->importOt2File(foreign));
        QCOMPARE(f->mainController->nbProjects(), 1);
    }

    // A 99-byte file that claims 100,000 switch times is refused unread: nothing is stored.
    void importRefusesAFileOverTheEntryBound()
    {
        const QByteArray text = "[Ident]\nName=TARVINO project\nFormatVersion=1\nDevice=104\n"
                                "\n[Channel0.Program0]\nSwitches\\size=100000\n\n";
        QCOMPARE(text.size(), 99);
        const QString path = QDir(f->folder.path()).filePath(QStringLiteral("Huge.ot2"));
        QVERIFY(ExportFiles::writeFile(path, text));
        QSignalSpy counted(f->mainController.get(), &MainController::nbProjectsChanged);
        ProjectController* open = f->mainController->currentProject();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused: it holds 100000 .* more than 3200")));
        QVERIFY(!f->mainController->importOt2File(path));
        QCOMPARE(counted.size(), 0);
        QCOMPARE(f->mainController->nbProjects(), 1);
        QCOMPARE(f->mainController->currentProject(), open);
    }

    void nameFromFileName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("upper case ending") << "/data/Plant.OT2" << "Plant";
        QTest::newRow("every occurrence") << "a.ot2b.Ot2" << "ab";
        QTest::newRow("other ending") << "/x/Plant.txt" << "Plant.txt";
    }
    void nameFromFileName()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(ProjectFiles::nameFromFileName(path), name);
    }

    void exportedProjectFileReadsBackEqual()
    {
        QSignalSpy failed(f->mainController.get(), &MainController::writeFailed);
        f->mainController->setSelectionMode(MainController::Export);
        QVERIFY(f->mainController->exportOt2());
        QCOMPARE(f->mainController->selectionMode(), 0);
        QVERIFY(failed.isEmpty());
        QCOMPARE(offered.size(), 1);
        QCOMPARE(QFileInfo(offered.first()).fileName(), QStringLiteral("Barn.ot2"));
        QCOMPARE(exportedFiles(QStringLiteral("export_ot2")), QStringList({"Barn.ot2"}));
        devices::Ot2File readBack;
        QVERIFY(ProjectFiles::read(contentOf(offered.first()), &readBack));
        QCOMPARE(readBack, fitted(exported(project.id())));
    }

    void exportedNamesStayInTheExportFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("separators") << "Hall/Stairs\\Top" << "HallStairsTop.ot2";
        QTest::newRow("parent folders") << "../../etc/passwd" << "etcpasswd.ot2";
        QTest::newRow("parent folder") << "../x" << "x.ot2";
        QTest::newRow("hidden") << ". .profile" << "profile.ot2";
        QTest::newRow("only blanks") << "   " << "Projekt 1.ot2";
        // Names longer than a file system takes keep 200 bytes of UTF-8, whole characters.
        QTest::newRow("300 L") << QString(300, u'L') << QString(200, u'L') + ".ot2";
        QTest::newRow("200 ä") << QString(200, u'ä') << QString(100, u'ä') + ".ot2";
        QTest::newRow("lamp at the bound") << QString(199, u'L') + "💡" << QString(199, u'L') + ".ot2";
        QTest::newRow("line breaks") << "Line\r\nbreak\u2028here" << "Linebreakhere.ot2";
        QTest::newRow("URL characters") << "Pump #2 ?50%" << "Pump #2 ?50%.ot2";
        QTest::newRow("nothing left") << "/..\n" << "Projekt 1.ot2";
        QTest::newRow("only dots") << " ... " << "Projekt 1.ot2";
    }
    void exportedNamesStayInTheExportFolder()
    {
        QFETCH(QString, name);
        QFETCH(QString, fileName);
        project.rename(name);
        QVERIFY(f->mainController->exportOt2());
        QCOMPARE(offered.size(), 1);
        QCOMPARE(QFileInfo(offered.first()).fileName(), fileName);
        QCOMPARE(exportedFiles(QStringLiteral("export_ot2")), QStringList({fileName}));
        QVERIFY(QFileInfo(offered.first()).isFile());
    }

    void exportWithoutSelectedProjectFails()
    {
        f->mainController->setSelectedProjectId(f->idOf(project) + 100);
        QSignalSpy failed(f->mainController.get(), &MainController::writeFailed);
        QVERIFY(!f->mainController->exportOt2());
        QCOMPARE(failed.size(), 1);
        QVERIFY(offered.isEmpty());
    }

    void failedExportsAreReportedAndNothingIsOffered_data()
    {
        QTest::addColumn<bool>("projectFile");
        QTest::newRow("project file") << true;
        QTest::newRow("text") << false;
    }
    void failedExportsAreReportedAndNothingIsOffered()
    {
        QFETCH(bool, projectFile);
        // A regular file where the documents folder should be: nothing can be created below it.
        const QString documents = QStandardPaths::standardLocations(QStandardPaths::DocumentsLocation).constLast();
        const QString moved = documents + QStringLiteral(".moved");
        const bool hadFolder = QFileInfo(documents).isDir();
        QVERIFY(!hadFolder || QDir().rename(documents, moved));
        QVERIFY(ExportFiles::writeFile(documents, "not a folder"));

        QSignalSpy failed(f->mainController.get(), &MainController::writeFailed);
        const bool exportedFile = projectFile ? f->mainController->exportOt2()
                                              : f->mainController->exportText(QStringLiteral("Code"), QStringLiteral("1"));
        QFile::remove(documents);
        QVERIFY(!hadFolder || QDir().rename(moved, documents));

        QVERIFY(!exportedFile);
        QCOMPARE(failed.size(), 1);
        QVERIFY(offered.isEmpty());
    }

    void textExportWritesEachLine()
    {
        QVERIFY(f->mainController->exportText(QStringLiteral("Code für 123/4"), QStringLiteral("A1\nB2\n\nC3")));
        QCOMPARE(offered.size(), 1);
        QCOMPARE(QFileInfo(offered.first()).fileName(), QStringLiteral("Code für 1234.txt"));
        QCOMPARE(exportedFiles(QStringLiteral("export_code")), QStringList({"Code für 1234.txt"}));
        QCOMPARE(contentOf(offered.first()), QByteArray("A1\nB2\n\nC3\n"));
    }

    void receivedFileIsAnnouncedAndImportedByItsName()
    {
        QSignalSpy announced(f->mainController.get(), &MainController::ot2Received);
        QVERIFY(QMetaObject::invokeMethod(f->mainController.get(), "receivedOt2File", Q_ARG(QString, QString()),
                                          Q_ARG(QString, QStringLiteral("content://files/Plant%20%231.OT2")),
                                          Q_ARG(QByteArray, projectFile)));
        QCOMPARE(announced.size(), 1);
        QCOMPARE(announced.first().first().toString(), QStringLiteral("Plant #1"));
        QVERIFY(f->mainController->importOt2File(QStringLiteral("Plant #1")));
        QCOMPARE(f->projectService->projets().constLast().name(), QStringLiteral("Plant #1"));
        // Announced once, imported once.
        QVERIFY(!f->mainController->importOt2File(QStringLiteral("Plant #1")));

        QTest::ignoreMessage(QtWarningMsg, qPrintable(NotAProjectFile));
        QVERIFY(QMetaObject::invokeMethod(f->mainController.get(), "receivedOt2File",
                                          Q_ARG(QString, QStringLiteral("Bad")), Q_ARG(QString, QString()),
                                          Q_ARG(QByteArray, QByteArray("junk"))));
        QCOMPARE(announced.size(), 1);
    }

    void duplicateStoresACopyUnderTheNewName()
    {
        QSignalSpy counted(f->mainController.get(), &MainController::nbProjectsChanged);
        QVERIFY(f->mainController->duplicate(QStringLiteral("Barn_Copy")));
        QCOMPARE(counted.size(), 1);
        QCOMPARE(f->mainController->nbProjects(), 2);
        const storage::Project copy = f->projectService->projets().constLast();
        QCOMPARE(copy.name(), QStringLiteral("Barn_Copy"));
        QVERIFY(copy.id() != project.id());
        devices::Ot2File expected = exported(project.id());
        expected.setName(QStringLiteral("Barn_Copy"));
        QCOMPARE(exported(copy.id()), expected);

        f->mainController->setSelectedProjectId(-1);
        QVERIFY(!f->mainController->duplicate(QStringLiteral("None")));
        QCOMPARE(f->mainController->nbProjects(), 2);
    }

    void deviceReadsAndLinkImagesAreStored()
    {
        QVERIFY(f->mainController->openReadProject(QStringLiteral("Read"), exported(project.id())));
        QCOMPARE(f->projectService->projets().constLast().name(), QStringLiteral("Read"));
        QVERIFY(!f->mainController->openReadProject(QStringLiteral("Invalid"), devices::Ot2File()));
        f->mainController->openProjectFromBytes(QByteArray(), f->anyModel());
        QCOMPARE(f->mainController->nbProjects(), 2);
    }

    void commandLineWithoutFileOpensNothing()
    {
        QCOMPARE(QCoreApplication::arguments().size(), 1);
        QVERIFY(!f->mainController->loadOpenedProject());
    }

private:
    std::unique_ptr<ProjectsFixture> f;
    storage::Project project;
    QByteArray projectFile;
    QTemporaryDir target;
    QStringList offered;
};

QTEST_MAIN(TestProjectFiles)
#include "tst_projectfiles.moc"
