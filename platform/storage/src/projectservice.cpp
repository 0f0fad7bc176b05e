#include "storage/projectservice.h"

#include "database.h"
#include "projectfileconverter.h"
#include "projectrecord.h"
#include "storage/astroproject.h"
#include "storage/storageservice.h"
#include "storagelogging.h"

#include <devices/ot2file.h>

#include <QPromise>

#include <algorithm>

namespace storage {

ProjectService::ProjectService(QObject* parent)
    : AbstractStorageService(parent)
{
}

ProjectService::~ProjectService()
{
    if (StorageService::hasInstance() && StorageService::instance().isDirty())
        StorageService::instance().save();
}

bool ProjectService::init()
{
    Database* db = database();
    if (!db)
        return false;
    m_projects = db->loadProjects();
    m_model.setProjects(m_projects);
    return true;
}

Project ProjectService::byId(qint64 id) const
{
    for (const Project& project : m_projects) {
        if (project.id() == id)
            return project;
    }
    return {};
}

bool ProjectService::updateProject(qint64 id)
{
    if (byId(id).isNull()) {
        qCWarning(storageLog) << "No project" << id << "to update";
        return false;
    }
    const bool saved = StorageService::hasInstance() && StorageService::instance().save();
    m_model.refresh(id);
    return saved;
}

QFuture<devices::Ot2File> ProjectService::exportProject(qint64 id, QString* name) const
{
    const Project project = byId(id);
    if (project.isNull()) {
        qCWarning(storageLog) << "No project" << id << "to export";
        QPromise<devices::Ot2File> none;
        none.start();
        none.future().cancel();
        none.finish();
        return none.future();
    }
    if (name)
        *name = project.name();
    return AstroProject(project).buildFile(false);
}

Project ProjectService::importOt2File(const QString& name, const devices::Ot2File& file)
{
    if (!file.isValid()) {
        qCWarning(storageLog) << "Cannot import project" << name << ": the file names no model";
        return {};
    }
    auto* record = new ProjectRecord;
    ProjectFileConverter::fromFile(file, *record);
    record->name = unusedName(name.isEmpty() ? file.name() : name);
    Project project(record);
    return project.store() ? project : Project();
}

QString ProjectService::unusedName(const QString& name) const
{
    const auto taken = [this](const QString& candidate) {
        return std::any_of(m_projects.cbegin(), m_projects.cend(),
                           [&](const Project& project) { return project.name() == candidate; });
    };
    QString candidate = name;
    for (int number = 2; taken(candidate); ++number)
        candidate = QStringLiteral("%1 (%2)").arg(name).arg(number);
    return candidate;
}

bool ProjectService::storeProject(const Project& project)
{
    if (!StorageService::hasInstance()) {
        qCWarning(storageLog) << "Cannot store project" << project.name() << ": no storage service";
        return false;
    }
    const bool isNew = !m_projects.contains(project);
    if (isNew)
        m_projects.append(project);
    if (!StorageService::instance().save()) {
        if (isNew)
            m_projects.removeOne(project);
        return false;
    }
    if (isNew)
        m_model.append(project);
    return true;
}

bool ProjectService::removeProject(const Project& project)
{
    Database* db = database();
    if (!db || (project.id() != 0 && !db->removeProject(project.id())))
        return false;
    m_projects.removeOne(project);
    m_model.remove(project.id());
    return true;
}

} // namespace storage
