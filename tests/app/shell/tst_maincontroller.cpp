#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "projectcontrollerfactory.h"
#include "projectcreationviewcontroller.h"
#include "projectsfixture.h"

using Kind = ProjectControllerFactory::ControllerKind;
Q_DECLARE_METATYPE(ProjectControllerFactory::ControllerKind)

class TestMainController : public QObject {
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<ProjectsFixture>(); }
    void cleanup() { f.reset(); }

    void theControllerRecordsItselfAndAnswersAsTrFunctions()
    {
        QCOMPARE(MainController::m_instance, f->mainController.get());
        QVERIFY(qobject_cast<TrFunctions*>(f->mainController.get()));
        QCOMPARE(f->mainController->projects(), f->projectService->model());
        QCOMPARE(f->mainController->selectedProjectId(), -1);
        QCOMPARE(f->mainController->selectionMode(), 0);
        QVERIFY(f->mainController->screenWatcher());
        f->mainController.reset();
        QVERIFY(!MainController::hasInstance());
    }

    // Made without the program's start-up, the main controller still has its cloud controller.
    void cloudControllerExistsWithoutTheProgramsNetworkService()
    {
        CloudController* cloud = f->mainController->cloud();
        QVERIFY(cloud);
        QCOMPARE(cloud->parent(), static_cast<QObject*>(f->mainController.get()));
        QVERIFY(!cloud->busy());
    }

    void createdProjectsAreListedAndNamedByTheirCount()
    {
        QSignalSpy counted(f->mainController.get(), &MainController::nbProjectsChanged);
        for (int number = 1; number <= 3; ++number) {
            std::unique_ptr<ProjectCreationViewController> form(f->mainController->openProjectCreationView());
            QVERIFY(!form->parent());
            QVERIFY(qobject_cast<TrFunctions*>(form.get()));
            QCOMPARE(form->projectName(), QStringLiteral("Projekt %1").arg(number));
            QCOMPARE(form->channelNumber(), 1);
            QCOMPARE(form->programType(), ProjectCreationViewController::Zeitschaltprogramm);
            form->setdeviceOt2Number(f->anyModel());
            QVERIFY(form->createProject());
        }
        QCOMPARE(f->mainController->nbProjects(), 3);
        QCOMPARE(counted.size(), 3);
        QCOMPARE(counted.last().first().toInt(), 3);
        const auto* list = f->projectService->model();
        QCOMPARE(list->rowCount(), 3);
        QCOMPARE(list->index(2).data(storage::ProjectListModel::NameRole).toString(), QStringLiteral("Projekt 3"));
        QCOMPARE(list->index(2).data(storage::ProjectListModel::DeviceRole).toInt(), f->anyModel());

        std::unique_ptr<ProjectCreationViewController> form(f->mainController->openProjectCreationView());
        QCOMPARE(form->projectName(), QStringLiteral("Projekt 4"));
    }

    void creationFormSignalsOnlyChanges()
    {
        std::unique_ptr<ProjectCreationViewController> form(f->mainController->openProjectCreationView());
        QSignalSpy device(form.get(), &ProjectCreationViewController::deviceOt2NumberChanged);
        QSignalSpy name(form.get(), &ProjectCreationViewController::projectNameChanged);
        QSignalSpy type(form.get(), &ProjectCreationViewController::programTypeChanged);
        form->setdeviceOt2Number(0);
        form->setProjectName(form->projectName());
        form->setProgramType(ProjectCreationViewController::Zeitschaltprogramm);
        QVERIFY(device.isEmpty() && name.isEmpty() && type.isEmpty());
        form->setdeviceOt2Number(42);
        form->setProgramType(ProjectCreationViewController::Noctaprogramm);
        QCOMPARE(device.size(), 1);
        QCOMPARE(device.first().first().toInt(), 42);
        QCOMPARE(type.size(), 1);
    }

    void creationRefusesUnknownModelsAndEmptyNames_data()
    {
        QTest::addColumn<bool>("knownModel");
        QTest::addColumn<QString>("name");
        QTest::newRow("unknown model") << false << "Garden";
        QTest::newRow("empty name") << true << "";
        QTest::newRow("blank name") << true << "  \t";
    }
    void creationRefusesUnknownModelsAndEmptyNames()
    {
        QFETCH(bool, knownModel);
        QFETCH(QString, name);
        QSignalSpy counted(f->mainController.get(), &MainController::nbProjectsChanged);
        QVERIFY(!f->mainController->createProject(knownModel ? f->anyModel() : 999999, name));
        QCOMPARE(f->mainController->nbProjects(), 0);
        QVERIFY(counted.isEmpty());
    }

    void selectionModeSignalsChangesAndActionsResetIt()
    {
        QSignalSpy mode(f->mainController.get(), &MainController::selectionModeChanged);
        f->mainController->setSelectionMode(MainController::Normal);
        QVERIFY(mode.isEmpty());
        f->mainController->setSelectionMode(MainController::Delete);
        QCOMPARE(mode.size(), 1);
        f->mainController->remove();
        QCOMPARE(f->mainController->selectionMode(), 0);
        QCOMPARE(mode.size(), 2);
        // The reset is signalled even when the mode was Normal already.
        f->mainController->edit(QStringLiteral("x"));
        QCOMPARE(mode.size(), 3);
        QCOMPARE(mode.last().first().toInt(), 0);
        f->mainController->setSelectionMode(MainController::Copy);
        const std::unique_ptr<DeviceScanController> scan(f->mainController->scanForDevices());
        QCOMPARE(f->mainController->selectionMode(), 0);
        QVERIFY(!scan->parent());
        QCOMPARE(scan->selectedDeviceIndex(), -1);

        QSignalSpy selected(f->mainController.get(), &MainController::selectedProjectChanged);
        f->mainController->setSelectedProjectId(-1);
        QVERIFY(selected.isEmpty());
        f->mainController->setSelectedProjectId(7);
        QCOMPARE(selected.size(), 1);
    }

    void removeDeletesTheSelectedProjects()
    {
        const storage::Project first = f->create(QStringLiteral("First"));
        const storage::Project second = f->create(QStringLiteral("Second"));
        const storage::Project third = f->create(QStringLiteral("Third"));
        f->mainController->setSelectedProjectId(f->idOf(second));
        f->projectService->model()->setSelected(first.id(), true);
        f->projectService->model()->setSelected(second.id(), true);
        QSignalSpy counted(f->mainController.get(), &MainController::nbProjectsChanged);

        f->mainController->remove();
        QCOMPARE(f->mainController->nbProjects(), 1);
        QCOMPARE(counted.size(), 1);
        QCOMPARE(counted.first().first().toInt(), 1);
        QVERIFY(f->projectService->byId(first.id()).isNull());
        QVERIFY(f->projectService->byId(second.id()).isNull());
        QCOMPARE(f->projectService->byId(third.id()).name(), QStringLiteral("Third"));
        QVERIFY(f->projectService->model()->selectedIds().isEmpty());
        // The removed project can no longer be the selected one.
        QCOMPARE(f->mainController->selectedProjectId(), -1);

        // Reopening the store shows the same list.
        f->projectService->init();
        QCOMPARE(f->projectService->projets().size(), 1);
    }

    void removeWithoutSelectionStillSignalsTheCount()
    {
        f->create(QStringLiteral("Kept"));
        QSignalSpy counted(f->mainController.get(), &MainController::nbProjectsChanged);
        f->mainController->remove();
        QCOMPARE(f->mainController->nbProjects(), 1);
        QCOMPARE(counted.size(), 1);
    }

    void editRenamesTheSelectedProject_data()
    {
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain") << "Greenhouse" << "Greenhouse";
        QTest::newRow("surrounding blanks") << "  Stable " << "Stable";
        QTest::newRow("empty is ignored") << "" << "Barn";
        QTest::newRow("blank is ignored") << " \n " << "Barn";
        QTest::newRow("special characters kept") << "A/B #1" << "A/B #1";
    }
    void editRenamesTheSelectedProject()
    {
        QFETCH(QString, newName);
        QFETCH(QString, stored);
        f->create(QStringLiteral("Other"));
        const storage::Project project = f->create(QStringLiteral("Barn"));
        f->mainController->setSelectedProjectId(f->idOf(project));
        f->mainController->edit(newName);
        QCOMPARE(project.name(), stored);
        QVERIFY(!f->mainController->dirty());
        const int row = f->mainController->nbProjects() - 1;
        QCOMPARE(f->projectService->model()->index(row).data(storage::ProjectListModel::NameRole).toString(), stored);
        f->projectService->init();
        QCOMPARE(f->projectService->byId(project.id()).name(), stored);
    }

    void editWithoutSelectedProjectChangesNothing()
    {
        const storage::Project project = f->create(QStringLiteral("Barn"));
        f->mainController->setSelectedProjectId(f->idOf(project) + 100);
        f->mainController->edit(QStringLiteral("Other"));
        QCOMPARE(project.name(), QStringLiteral("Barn"));
    }

    void dirtyFollowsTheStorage()
    {
        const storage::Project project = f->create(QStringLiteral("Barn"));
        QVERIFY(!f->mainController->dirty());
        storage::Project edited = project;
        edited.setProjectTitle(QStringLiteral("Title"));
        QVERIFY(f->mainController->dirty());
        f->mainController->setDirty(false);
        QVERIFY(!f->mainController->dirty());
        f->projectService->init();
        QCOMPARE(f->projectService->byId(project.id()).projectTitle(), QStringLiteral("Title"));
        f->mainController->setDirty(true);
        QVERIFY(f->mainController->dirty());
    }

    // The expected class comes from the model's name in the shipped catalogue.
    void everyModelGetsItsControllerKind_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<Kind>("kind");
        QFile catalogue(QStringLiteral(":/data/devices.json"));
        QVERIFY(catalogue.open(QIODevice::ReadOnly));
        const QJsonArray entries = QJsonDocument::fromJson(catalogue.readAll()).object().value("devices").toArray();
        QVERIFY(entries.size() > 10);
        for (const QJsonValue& entry : entries) {
            const QString name = entry[QLatin1String("name")].toString();
            Kind kind = Kind::Project;
            if (name.contains(QLatin1String("Astro")))
                kind = Kind::Astro;
            else if (name.contains(QLatin1String("Lumen")))
                kind = Kind::Nocta;
            else if (name.contains(QLatin1String("Control")))
                kind = Kind::Controls;
            else if (name.contains(QLatin1String("Hybrid")))
                kind = Kind::Hybrid;
            QTest::newRow(qPrintable(name)) << entry[QLatin1String("ot2_number")].toInt() << kind;
        }
    }
    void everyModelGetsItsControllerKind()
    {
        QFETCH(int, model);
        QFETCH(Kind, kind);
        QVERIFY(f->devices->exists(model));
        QCOMPARE(ProjectControllerFactory::controllerKind(model), kind);
    }

    void controlsModelsStayControlsThoughTheyCanChooseChannelTypes()
    {
        int controls = 0;
        for (const devices::Device& model : f->devices->devices()) {
            if (model.type() != 3)
                continue;
            ++controls;
            QVERIFY(model.canSelectChannelType());
            QCOMPARE(ProjectControllerFactory::controllerKind(model.ot2Number()), Kind::Controls);
        }
        QVERIFY(controls > 0);
    }

private:
    std::unique_ptr<ProjectsFixture> f;
};

QTEST_MAIN(TestMainController)
#include "tst_maincontroller.moc"
