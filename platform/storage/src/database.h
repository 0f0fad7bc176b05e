#pragma once

#include "projectsnapshot.h"
#include "storage/project.h"

#include <QList>
#include <QMap>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <map>

namespace storage {

struct ProjectRecord;
class ProgramData;
class Program;

// The SQLite file of the stored projects (schema in docs/storage.md). One object is one
// connection; StorageService opens the program's own and makes it current, which the records use
// to store themselves and to read their content.
//
// Two programs may run on one file: it is in WAL mode with a busy timeout, every save is one
// IMMEDIATE transaction, and a save writes only the projects this program changed and of those
// only the rows that changed since its own last load or save (compared by value). Edits of
// different records in two programs therefore both survive; when both changed the same record,
// the later save wins. A project that another program removed stays removed unless it was changed
// here.
class Database {
public:
    static constexpr int SchemaVersion = 1;
    static constexpr int DefaultBusyTimeoutMs = 5000;

    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens or creates the file. A file of a newer schema is refused and left untouched.
    bool open(const QString& path, int busyTimeoutMs = DefaultBusyTimeoutMs);
    bool isOpen() const { return m_db.isOpen(); }
    QString errorString() const { return m_error; }

    static Database* current() { return s_current; }
    void makeCurrent() { s_current = this; }

    // Every stored project with its settings; the switch times and date ranges are read on first
    // use (loadProgramData).
    QList<Project> loadProjects();
    // Writes the projects that changed in one transaction; new ones get their ids. False, with
    // nothing written, when the transaction fails.
    bool save(const QList<Project>& projects);
    bool removeProject(qint64 id);

    // Through the current database: content of a project, and the ids of new records.
    static void loadProgramData(ProjectRecord& record);
    static bool storeNew(SwitchTime& switchTime);
    static bool storeNew(DateRange& range);

    QMap<QString, QString> connectionCodes();
    bool setConnectionCode(const QString& device, const QString& code);
    bool removeConnectionCode(const QString& device);
    // Number of codes removed, -1 on failure.
    int clearConnectionCodes();

private:
    bool configure(int busyTimeoutMs);
    bool createSchema();
    bool exec(const QString& statement);
    bool fail(const QString& what, const QString& detail);
    bool readProgramData(ProjectRecord& record);
    template <typename Handle>
    bool readRecords(qint64 projectId, ProgramData& data, ProjectSnapshot& saved);
    bool saveProject(ProjectRecord& record);
    // Whether a switch time or date range of the project has no id yet (was never stored).
    static bool hasNewRecords(const ProjectRecord& record);
    bool writeProjectRow(ProjectRecord& record, const ProjectSnapshot& snapshot, bool exists);
    static void collectRows(const ProjectRecord& record, ProjectSnapshot& snapshot);
    template <typename Handle>
    static void collect(int channel, const Program& program, ProjectSnapshot& snapshot);
    // New records get their ids with their final rows, which go into written.
    bool giveIds(ProjectRecord& record, ProjectSnapshot& written);
    template <typename Handle>
    bool giveIdsIn(qint64 projectId, int channel, const Program& program, ProjectSnapshot& written);
    template <typename Handle>
    static bool storeAlone(Handle& record);
    template <typename Handle, typename Row>
    bool insertRecord(Handle& record, qint64 projectId, const Row& row);
    // Writes the rows that differ from saved; rows of records that left the project are deleted,
    // or kept detached while something still holds the record.
    template <typename Handle>
    bool writeRecords(qint64 projectId, ProjectSnapshot& saved, ProjectSnapshot& next);
    template <typename Row>
    bool upsertRow(const QString& table, qint64 id, qint64 projectId, const Row& row);
    void rollBackNewIds();

    QSqlDatabase m_db;
    QString m_connectionName;
    QString m_error;
    // Records that got an id inside the running transaction: a rollback takes it back.
    QList<StorableRecord*> m_newIds;
    // One prepared upsert per table, made on first use.
    std::map<QString, QSqlQuery> m_upserts;
    qint64 m_lastInsertId = 0;
    inline static Database* s_current = nullptr;
};

} // namespace storage
