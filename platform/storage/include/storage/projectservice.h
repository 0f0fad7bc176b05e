#pragma once

#include "storage/abstractstorageservice.h"
#include "storage/project.h"
#include "storage/projectlistmodel.h"

#include <utils/singleton.h>

#include <QFuture>
#include <QList>

namespace devices {
class Ot2File;
}

namespace storage {

// The stored projects. Each project exists once in memory: byId() and projets() hand out handles
// on the same records, so that an edit made through one is seen through all, and a save writes it.
class ProjectService : public AbstractStorageService, public utils::Singleton<ProjectService> {
    Q_OBJECT

public:
    inline static ProjectService* m_instance = nullptr;

    explicit ProjectService(QObject* parent = nullptr);
    // Writes pending changes while the projects are still at hand.
    ~ProjectService() override;

    // Reads the project list from StorageService's database (opened before).
    bool init();

    // The project of that id, or a null project.
    Project byId(qint64 id) const;
    QList<Project> projets() const { return m_projects; }
    ProjectListModel* model() { return &m_model; }

    // Writes the project (and any other pending change) and shows its name in the list.
    bool updateProject(qint64 id);

    // The project as a project file record, with its location data; its name goes to name when
    // given. For an unknown id the future is finished and cancelled.
    QFuture<devices::Ot2File> exportProject(qint64 id, QString* name = nullptr) const;
    // Stores the file as a new project named name (the file's own name when name is empty), with
    // " (2)", " (3)" ... added when a stored project has that name already. A null project when
    // the file is no valid record or cannot be stored.
    Project importOt2File(const QString& name, const devices::Ot2File& file);

    // For Project::store() and Project::remove().
    bool storeProject(const Project& project);
    bool removeProject(const Project& project);
    // The projects that a save compares with the database.
    QList<Project> loadedProjects() const { return m_projects; }

private:
    QString unusedName(const QString& name) const;

    QList<Project> m_projects;
    ProjectListModel m_model;
};

} // namespace storage
