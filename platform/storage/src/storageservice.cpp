#include "storage/storageservice.h"

#include "database.h"
#include "storage/connectioncodeservice.h"
#include "storage/projectservice.h"
#include "storagelogging.h"

#include <QDir>
#include <QStandardPaths>

namespace storage {

StorageService::StorageService(QObject* parent)
    : AbstractStorageService(parent)
{
    connect(this, &StorageService::saved, this, &StorageService::onSaved);
}

StorageService::~StorageService()
{
    if (m_dirty && m_database)
        write();
}

bool StorageService::init()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!QDir().mkpath(folder)) {
        qCWarning(storageLog) << "Cannot create the folder" << folder;
        setError(QStringLiteral("Cannot create the folder %1").arg(folder));
        return false;
    }
    return open(QDir(folder).filePath(QStringLiteral("projects.sqlite")));
}

bool StorageService::open(const QString& path)
{
    auto database = std::make_unique<Database>();
    if (!database->open(path)) {
        setError(database->errorString());
        return false;
    }
    m_database = std::move(database);
    m_database->makeCurrent();
    qCDebug(storageLog) << "Projects stored in" << path;
    return true;
}

bool StorageService::save()
{
    if (!write())
        return false;
    m_emitting = true;
    emit saved();
    m_emitting = false;
    return true;
}

bool StorageService::write()
{
    if (!m_database) {
        qCWarning(storageLog) << "No project database to save to";
        setError(QStringLiteral("The project database is not open"));
        emit saveFailed(m_error);
        return false;
    }
    setBusy(true);
    const bool written = !ProjectService::hasInstance() || m_database->save(ProjectService::instance().loadedProjects());
    setBusy(false);
    if (!written) {
        setError(m_database->errorString());
        emit saveFailed(m_error);
        return false;
    }
    setDirty(false);
    return true;
}

void StorageService::onSaved()
{
    // The program emits saved() when it counts the state as saved: pending changes are written
    // then. A save of our own has written them already.
    if (!m_emitting && m_dirty)
        write();
}

int StorageService::clearConnectionCodes()
{
    if (!m_database)
        return -1;
    const int removed = m_database->clearConnectionCodes();
    if (removed >= 0 && ConnectionCodeService::hasInstance())
        ConnectionCodeService::instance().init();
    return removed;
}

void StorageService::touch()
{
    setDirty(true);
}

void StorageService::setDirty(bool dirty)
{
    if (m_dirty == dirty)
        return;
    m_dirty = dirty;
    emit dirtyChanged(dirty);
}

void StorageService::setBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    emit busyChanged(busy);
}

void StorageService::setError(const QString& error)
{
    m_error = error;
    emit errorStringChanged();
}

} // namespace storage
