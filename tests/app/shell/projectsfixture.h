#pragma once

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include <devices/deviceservice.h>
#include <storage/project.h>
#include <storage/projectservice.h>
#include <storage/storageservice.h>

#include "maincontroller.h"

// The device catalogue, an empty project store in a folder of its own and a main controller,
// made as the program's start-up makes them.
struct ProjectsFixture {
    ProjectsFixture()
        : ProjectsFixture(QString())
    {
    }

    // The store in databasePath, kept after the fixture ends; a folder of its own when empty.
    explicit ProjectsFixture(const QString& databasePath)
    {
        devices = std::make_unique<devices::DeviceService>();
        devices::DeviceService::m_instance = devices.get();
        devices->init(QStringLiteral(":/data/devices.json"));
        storageService = std::make_unique<storage::StorageService>();
        storage::StorageService::m_instance = storageService.get();
        storageService->open(databasePath.isEmpty() ? folder.filePath(QStringLiteral("projects.sqlite")) : databasePath);
        projectService = std::make_unique<storage::ProjectService>();
        storage::ProjectService::m_instance = projectService.get();
        projectService->init();
        mainController = std::make_unique<MainController>();
    }

    ~ProjectsFixture()
    {
        mainController.reset();
        projectService.reset();
        storageService.reset();
        devices.reset();
    }

    // A model of the catalogue and a stored project of it.
    int anyModel() const { return devices->devices().first().ot2Number(); }
    storage::Project create(const QString& name)
    {
        if (!mainController->createProject(anyModel(), name))
            return {};
        return projectService->projets().constLast();
    }
    int idOf(const storage::Project& project) const { return int(project.id()); }
    // A stored project of that model, not opened.
    static storage::Project stored(int model, const QString& name)
    {
        storage::Project project(model, name);
        project.store();
        return project;
    }

    QTemporaryDir folder;
    std::unique_ptr<devices::DeviceService> devices;
    std::unique_ptr<storage::StorageService> storageService;
    std::unique_ptr<storage::ProjectService> projectService;
    std::unique_ptr<MainController> mainController;
};
