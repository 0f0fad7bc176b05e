#pragma once

#include "storage/abstractstorageservice.h"

#include <utils/singleton.h>

#include <QString>

#include <memory>

namespace storage {

// Owns the project database ("projects.sqlite" in the application data location) and the
// unsaved-changes flag.
//
// Every real change of a record marks the storage unsaved (touch(); the flag is `dirty`). The
// changes stay in memory until a save writes every changed project in one transaction: save(),
// ProjectService::updateProject(), Project::store(), the end of the service, and any saved()
// that the program emits while changes are pending (the program emits it when the project list or
// the current project changed, and when the open project counts as saved). A successful save
// clears the flag and emits saved(); a failed one keeps the flag, writes nothing, emits
// saveFailed() and returns false, so that the previous state stays readable.
class StorageService : public AbstractStorageService, public utils::Singleton<StorageService> {
    Q_OBJECT
    Q_PROPERTY(bool dirty READ isDirty NOTIFY dirtyChanged)
    Q_PROPERTY(bool busy READ isBusy NOTIFY busyChanged)
    Q_PROPERTY(QString errorString READ errorString NOTIFY errorStringChanged)

public:
    inline static StorageService* m_instance = nullptr;

    explicit StorageService(QObject* parent = nullptr);
    ~StorageService() override;

    // Opens the program's database. False, with errorString() set, when it cannot be opened or was
    // written by a newer version (it is then left untouched).
    virtual bool init();
    // The same on a given file.
    bool open(const QString& path);

    bool isDirty() const { return m_dirty; }
    bool isBusy() const { return m_busy; }
    QString errorString() const { return m_error; }

    Q_INVOKABLE bool save();
    // Removes every stored connection code; the number removed, -1 on failure.
    Q_INVOKABLE int clearConnectionCodes();

public slots:
    void touch();

signals:
    void saved();
    void saveFailed(const QString& error);
    void dirtyChanged(bool dirty);
    void busyChanged(bool busy);
    void errorStringChanged();

private:
    void onSaved();
    bool write();
    void setDirty(bool dirty);
    void setBusy(bool busy);
    void setError(const QString& error);

    std::unique_ptr<Database> m_database;
    bool m_dirty = false;
    bool m_busy = false;
    bool m_emitting = false;
    QString m_error;
};

} // namespace storage
