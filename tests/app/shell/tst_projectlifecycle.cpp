#include "projectsfixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QTextStream>

#include "channelcontroller.h"
#include "exportfiles.h"
#include "metadatacontroller.h"
#include "projectcontroller.h"
#include "projectcontrollerfactory.h"
#include "projectcreationviewcontroller.h"
#include "projectfiles.h"

// A project's life in the program: created from the form, edited, saved to a project file, read
// back by a second run of the program, imported, duplicated and sent.
namespace {

constexpr int Rix3Weekly2 = 102;

// What the second run compares: the edited values of the project.
QString describe(ProjectController& project) {
    return QStringLiteral("%1 lcd=%2 wiSoHour=%3 title=%4 hours=%5 changeover=%6")
        .arg(project.name())
        .arg(project.lcdState())
        .arg(project.wiSoHour())
        .arg(project.metadataController()->projectTitle())
        .arg(project.channel(1)->operatingHour())
        .arg(project.channelChangeoverTime().time().toString(Qt::ISODate));
}

void edit(ProjectController& project) {
    project.setLcdState(2);
    project.setWiSoHour(3);
    project.metadataController()->setProjectTitle(QStringLiteral("Hall lights"));
    project.channel(1)->setOperatingHour(1234);
    project.setChannelChangeoverTime(QDateTime(QDate::currentDate(), QTime(5, 30)));
}

// The program's two runs: "create <folder>" makes, edits and saves a project; "<file> read
// <folder>" is started with the saved file on its command line, as the system opens a project
// file, and prints the stored project and the one imported from the file.
int runProgram(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const bool create = application.arguments().at(1) == QLatin1String("create");
    const QString folder = application.arguments().at(create ? 2 : 3);
    ProjectsFixture f(folder + QStringLiteral("/projects.sqlite"));
    QTextStream out(stdout);
    const QString file = folder + QStringLiteral("/Plant.ot2");
    if (create) {
        ProjectCreationViewController* form = f.mainController->openProjectCreationView();
        form->setProjectName(QStringLiteral("Plant draft"));
        form->setdeviceOt2Number(Rix3Weekly2);
        if (!form->createProject())
            return 2;
        delete form;
        edit(*f.mainController->currentProject());
        ExportFiles::setSaveFileChooser([&](const QString&) { return file; });
        if (!f.mainController->saveCurrentProject())
            return 3;
        return 0;
    }
    const QList<storage::Project> stored = f.projectService->projets();
    if (stored.size() != 1)
        return 4;
    out << describe(
               *std::unique_ptr<ProjectController>(ProjectControllerFactory::create(stored.first())))
        << '\n';
    if (!f.mainController->loadOpenedProject())
        return 5;
    out << describe(*f.mainController->currentProject()) << '\n';
    return 0;
}

} // namespace

class TestProjectLifecycle : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProjectsFixture> f;

    static QByteArray run(const QStringList& arguments) {
        const QString mode = arguments.join(u' ');
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QCoreApplication::applicationFilePath(), arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            return QByteArrayLiteral("run failed: ") + mode.toLatin1() + ' ' +
                   QByteArray::number(process.exitCode());
        return process.readAllStandardOutput();
    }

    ProjectController* createEdited(const QString& name) {
        if (!f->mainController->createProject(Rix3Weekly2, name))
            return nullptr;
        edit(*f->mainController->currentProject());
        return f->mainController->currentProject();
    }

private slots:
    void init() { f = std::make_unique<ProjectsFixture>(); }
    void cleanup() {
        ExportFiles::setSaveFileChooser({});
        f.reset();
    }

    void aSavedProjectReadsBackInTheNextRun() {
        QTemporaryDir folder;
        QCOMPARE(run({QStringLiteral("create"), folder.path()}), QByteArray());
        const QByteArray expected =
            "Plant lcd=2 wiSoHour=3 title=Hall lights hours=1234 changeover=05:30:00\n";
        QCOMPARE(run({folder.filePath(QStringLiteral("Plant.ot2")), QStringLiteral("read"), folder.path()}),
                 expected + expected);
    }

    void saveRenamesAfterTheFileAndCountsAsSaved() {
        QTemporaryDir folder;
        ProjectController* project = createEdited(QStringLiteral("Draft"));
        QVERIFY(project);
        QString suggested;
        ExportFiles::setSaveFileChooser([&](const QString& path) {
            suggested = path;
            return folder.filePath(QStringLiteral("Garden.ot2"));
        });
        QSignalSpy saved(f->storageService.get(), &storage::StorageService::saved);
        QVERIFY(f->mainController->saveCurrentProject());
        QVERIFY(suggested.endsWith(QStringLiteral("/Draft")));
        // The dialog opens in a folder that exists, here the home without a documents folder.
        QVERIFY(QFileInfo(suggested).dir().exists());
        QCOMPARE(project->name(), QStringLiteral("Garden"));
        QCOMPARE(project->filePath(), folder.filePath(QStringLiteral("Garden.ot2")));
        QVERIFY(saved.count() >= 1);
        QVERIFY(!f->storageService->isDirty());

        // The recorded path is used without asking again.
        suggested.clear();
        QVERIFY(f->mainController->saveCurrentProject());
        QVERIFY(suggested.isEmpty());
    }

    void aNameWithoutSuffixIsSavedAsProjectFile() {
        QTemporaryDir folder;
        ProjectController* project = createEdited(QStringLiteral("Draft"));
        QVERIFY(project);
        // The save dialog hands back the name as typed.
        ExportFiles::setSaveFileChooser([&](const QString&) { return folder.filePath(QStringLiteral("Garden")); });
        QVERIFY(f->mainController->saveCurrentProject());
        QCOMPARE(project->filePath(), folder.filePath(QStringLiteral("Garden.ot2")));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("Garden.ot2"))));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("Garden"))));
        QCOMPARE(project->name(), QStringLiteral("Garden"));
    }

    void aFailedSaveChangesNothing() {
        QTemporaryDir folder;
        ProjectController* project = createEdited(QStringLiteral("Draft"));
        QVERIFY(project);
        const QString unwritable = folder.filePath(QStringLiteral("missing/folder/Garden.ot2"));
        ExportFiles::setSaveFileChooser([&](const QString&) { return unwritable; });
        QSignalSpy saved(f->storageService.get(), &storage::StorageService::saved);
        QSignalSpy failed(f->mainController.get(), &MainController::writeFailed);
        QVERIFY(!f->mainController->saveCurrentProject());
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.first().first().toString(), unwritable);
        QCOMPARE(saved.count(), 0);
        QCOMPARE(project->name(), QStringLiteral("Draft"));
        QVERIFY(project->filePath().isEmpty());
        QVERIFY(!QFile::exists(unwritable));

        // A cancelled dialog writes nothing either.
        ExportFiles::setSaveFileChooser([](const QString&) { return QString(); });
        QVERIFY(!f->mainController->saveCurrentProject());
        QCOMPARE(project->name(), QStringLiteral("Draft"));
    }

    void importOpensTheProjectUnderTheFilesName() {
        QTemporaryDir folder;
        ProjectController* original = createEdited(QStringLiteral("Source"));
        QVERIFY(original);
        const QString expected =
            describe(*original).replace(QStringLiteral("Source"), QStringLiteral("Plant"));
        const QString path = folder.filePath(QStringLiteral("Plant.OT2"));
        QVERIFY(ProjectFiles::writeProjectFile(path, original->toOt2()));

        QSignalSpy display(f->mainController.get(), &MainController::displayOpenedProject);
        QSignalSpy current(f->mainController.get(), &MainController::currentProjectChanged);
        QVERIFY(f->mainController->importOt2File(path));
        ProjectController* imported = f->mainController->currentProject();
        QVERIFY(imported && imported != original);
        QCOMPARE(describe(*imported), expected);
        QCOMPARE(imported->filePath(), path);
        QCOMPARE(display.count(), 1);
        QCOMPARE(current.count(), 1);
        QCOMPARE(f->projectService->projets().size(), 2);
    }

    void duplicateOpensACopyWithTheSameContent() {
        ProjectController* original = createEdited(QStringLiteral("Lobby"));
        QVERIFY(original);
        const QString expected =
            describe(*original).replace(QStringLiteral("Lobby"), QStringLiteral("Lobby_Copy"));
        f->mainController->setSelectedProjectId(original->id());
        QSignalSpy display(f->mainController.get(), &MainController::displayOpenedProject);
        QVERIFY(f->mainController->duplicate(QStringLiteral("Lobby_Copy")));
        QCOMPARE(f->projectService->projets().size(), 2);
        QCOMPARE(describe(*f->mainController->currentProject()), expected);
        QCOMPARE(display.count(), 1);
    }

    void emailHandsTheProjectFileToTheMailProgram() {
        QTemporaryDir tools;
        QTemporaryDir captured;
        QFile script(tools.filePath(QStringLiteral("xdg-email")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\ncp \"$4\" \"%1/\"\necho \"$2\" > \"%1/subject\"\n")
                         .arg(captured.path())
                         .toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", tools.path().toUtf8() + ':' + path);

        ProjectController* project = createEdited(QStringLiteral("Mail me"));
        QVERIFY(project);
        const bool sent = f->mainController->sendViaEmail();
        qputenv("PATH", path);
        QVERIFY(sent);
        QTRY_VERIFY(QFile::exists(captured.filePath(QStringLiteral("subject"))));
        QFile attachment(captured.filePath(QStringLiteral("Mail me.ot2")));
        QVERIFY(attachment.open(QIODevice::ReadOnly));
        const QByteArray bytes = attachment.readAll();
        QCOMPARE(bytes, ProjectFiles::toBytes(project->toOt2()));
        devices::Ot2File file;
        QVERIFY(ProjectFiles::read(bytes, &file));
        QCOMPARE(file.ot2Number(), Rix3Weekly2);
    }

    void openingAndClosing() {
        QVERIFY(!f->mainController->sendViaEmail());
        QVERIFY(!f->mainController->saveCurrentProject());
        QString name = QStringLiteral("untouched");
        QFuture<devices::Ot2File> none = f->mainController->currentProjectFile(&name);
        QVERIFY(none.isFinished() && none.isCanceled());
        QCOMPARE(name, QStringLiteral("untouched"));
        QVERIFY(!f->mainController->projectController(4711));

        const storage::Project stored = f->create(QStringLiteral("Stored"));
        std::unique_ptr<ProjectController> loose(f->mainController->projectController(stored.id()));
        QVERIFY(loose && !loose->parent());
        QVERIFY(loose.get() != f->mainController->currentProject());

        f->mainController->setSelectedProjectId(int(stored.id()));
        QVERIFY(f->mainController->openProject());
        QCOMPARE(f->mainController->currentProject()->id(), int(stored.id()));
        QVERIFY(f->mainController->currentProjectFile(&name).result().isValid());
        QCOMPARE(name, QStringLiteral("Stored"));

        // Removing the open project closes it first.
        f->projectService->model()->setSelected(stored.id(), true);
        QSignalSpy current(f->mainController.get(), &MainController::currentProjectChanged);
        f->mainController->remove();
        QVERIFY(!f->mainController->currentProject());
        QCOMPARE(current.count(), 1);

        // A selected project that is gone: nothing open, false.
        QVERIFY(!f->mainController->openProject());

        // A project read from a device opens at once.
        QSignalSpy display(f->mainController.get(), &MainController::displayOpenedProject);
        QVERIFY(f->mainController->openReadProject(QStringLiteral("From device"), loose->toOt2()));
        QCOMPARE(f->mainController->currentProject()->name(), QStringLiteral("From device"));
        QCOMPARE(display.count(), 1);
    }

    // The open project's own remove closes it first: later edits and saves would go nowhere.
    void removingTheOpenProjectThroughItsControllerClosesIt() {
        ProjectController* open = createEdited(QStringLiteral("Doomed"));
        QVERIFY(open);
        const qint64 id = open->id();
        QPointer<ProjectController> watched(open);
        QSignalSpy current(f->mainController.get(), &MainController::currentProjectChanged);
        open->remove();
        QVERIFY(!f->mainController->currentProject());
        QCOMPARE(current.count(), 1);
        QVERIFY(f->projectService->byId(id).isNull());
        QVERIFY(!f->mainController->saveCurrentProject());
        QVERIFY(f->mainController->currentProjectFile(nullptr).isCanceled());
        QTRY_VERIFY(watched.isNull());

        // Another project's controller removes its project without touching the open one.
        ProjectController* kept = createEdited(QStringLiteral("Kept"));
        const storage::Project other = ProjectsFixture::stored(Rix3Weekly2, QStringLiteral("Other"));
        std::unique_ptr<ProjectController> loose(f->mainController->projectController(other.id()));
        QVERIFY(loose);
        loose->remove();
        QCOMPARE(f->mainController->currentProject(), kept);
    }
};

int main(int argc, char* argv[]) {
    if ((argc == 3 && qstrcmp(argv[1], "create") == 0) || (argc == 4 && qstrcmp(argv[2], "read") == 0))
        return runProgram(argc, argv);
    QApplication application(argc, argv);
    TestProjectLifecycle test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_projectlifecycle.moc"
