#include "database.h"

#include "changetracker.h"
#include "daterangerecord.h"
#include "projectrecord.h"
#include "projectsettingsjson.h"
#include "storagelogging.h"
#include "switchtimerecord.h"

#include <utils/wallclock.h>

#include <QDateTime>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <algorithm>

namespace storage {

namespace {
// Position of a record that left its program but is still held (an undo stack may put it back);
// such rows are not read with the project and are deleted once nothing holds them.
constexpr int DetachedChannel = -1;

template <typename Row>
QStringList columnsOf();

template <>
QStringList columnsOf<SwitchRow>()
{
    return { QStringLiteral("channel"),    QStringLiteral("program"),    QStringLiteral("position"),
             QStringLiteral("type"),       QStringLiteral("state"),      QStringLiteral("start_days"),
             QStringLiteral("end_day"),    QStringLiteral("start_time"), QStringLiteral("end_time"),
             QStringLiteral("puls_time"),  QStringLiteral("pause_time") };
}

template <>
QStringList columnsOf<RangeRow>()
{
    return { QStringLiteral("channel"),       QStringLiteral("program"),        QStringLiteral("position"),
             QStringLiteral("type"),          QStringLiteral("start_date"),     QStringLiteral("start_msecs"),
             QStringLiteral("end_date"),      QStringLiteral("end_msecs"),      QStringLiteral("start_day"),
             QStringLiteral("end_day"),       QStringLiteral("duration"),       QStringLiteral("repeat_days"),
             QStringLiteral("week_rule_day"), QStringLiteral("week_rule_week_day"), QStringLiteral("week_rule_month") };
}

QVariantList valuesOf(const SwitchRow& r)
{
    return { r.channel, r.program, r.position, r.type, r.state, r.startDays, r.endDay, r.startTime, r.endTime,
             r.pulsTime, r.pauseTime };
}

QVariantList valuesOf(const RangeRow& r)
{
    return { r.channel,  r.program,  r.position, r.type,        r.startJulianDay,  r.startMsecs,    r.endJulianDay,
             r.endMsecs, r.startDay, r.endDay,   r.duration,    r.repeat,          r.weekRuleDay,   r.weekRuleWeekDay,
             r.weekRuleMonth };
}

QDateTime dateTimeOf(qint64 julianDay, int msecs)
{
    return utils::WallClock::at(QDate::fromJulianDay(julianDay), QTime::fromMSecsSinceStartOfDay(msecs));
}

// What the database code needs to know of each kind of listed record.
template <typename Handle>
struct Kind;

template <>
struct Kind<SwitchTime> {
    using Row = SwitchRow;
    static QString table() { return QStringLiteral("switch_times"); }
    static QList<SwitchTime> listOf(const Program& program) { return program.switches(); }
    static void setList(Program& program, const QList<SwitchTime>& list) { program.setSwitches(list); }
    static QHash<qint64, Row>& rows(ProjectSnapshot& snapshot) { return snapshot.switches; }
    static QHash<qint64, SwitchTime>& handles(ProjectSnapshot& snapshot) { return snapshot.switchHandles; }

    static Row rowOf(const SwitchTime& s, int channel, int program, int position)
    {
        return { channel,    program,       position,     s.type(),      s.state(),    s.startDays(),
                 s.endDay(), s.startTime(), s.endTime(),  s.pulsTime(),  s.pauseTime() };
    }

    // The columns after id, channel and program, in the order of columnsOf.
    static void apply(SwitchTime& s, const QSqlQuery& q)
    {
        s.setType(q.value(4).toInt());
        s.setState(q.value(5).toInt());
        s.setStartDays(q.value(6).toInt());
        s.setEndDay(q.value(7).toInt());
        s.setStartTime(q.value(8).toInt());
        s.setEndTime(q.value(9).toInt());
        s.setPulsTime(q.value(10).toInt());
        s.setPauseTime(q.value(11).toInt());
    }
};

template <>
struct Kind<DateRange> {
    using Row = RangeRow;
    static QString table() { return QStringLiteral("date_ranges"); }
    static QList<DateRange> listOf(const Program& program) { return program.dateRanges(); }
    static void setList(Program& program, const QList<DateRange>& list) { program.setDateRanges(list); }
    static QHash<qint64, Row>& rows(ProjectSnapshot& snapshot) { return snapshot.ranges; }
    static QHash<qint64, DateRange>& handles(ProjectSnapshot& snapshot) { return snapshot.rangeHandles; }

    static Row rowOf(const DateRange& r, int channel, int program, int position)
    {
        return { channel,
                 program,
                 position,
                 r.type(),
                 r.startDate().date().toJulianDay(),
                 r.startDate().time().msecsSinceStartOfDay(),
                 r.endDate().date().toJulianDay(),
                 r.endDate().time().msecsSinceStartOfDay(),
                 r.startDay(),
                 r.endDay(),
                 r.duration(),
                 r.repeat(),
                 r.weekRuleDay(),
                 r.weekRuleWeekDay(),
                 r.weekRuleMonth() };
    }

    static void apply(DateRange& r, const QSqlQuery& q)
    {
        r.setType(q.value(4).toInt());
        r.setStartDate(dateTimeOf(q.value(5).toLongLong(), q.value(6).toInt()));
        r.setEndDate(dateTimeOf(q.value(7).toLongLong(), q.value(8).toInt()));
        r.setStartDay(q.value(9).toInt());
        r.setEndDay(q.value(10).toInt());
        r.setDuration(q.value(11).toInt());
        r.setRepeat(q.value(12).toInt());
        r.setWeekRuleDay(q.value(13).toInt());
        r.setWeekRuleWeekDay(q.value(14).toInt());
        r.setWeekRuleMonth(q.value(15).toInt());
    }
};

QString selectRowsOf(const QString& table, const QStringList& columns)
{
    return QStringLiteral("SELECT id, %1 FROM %2 WHERE project_id = ? AND channel >= 0 ORDER BY channel, program, position")
        .arg(columns.join(QLatin1StringView(", ")), table);
}
} // namespace

Database::Database()
    : m_connectionName(QStringLiteral("storage-%1").arg(QUuid::createUuid().toString(QUuid::WithoutBraces)))
{
}

Database::~Database()
{
    if (s_current == this)
        s_current = nullptr;
    m_upserts.clear();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool Database::open(const QString& path, int busyTimeoutMs)
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(path);
    if (!m_db.open())
        return fail(QStringLiteral("Cannot open %1").arg(path), m_db.lastError().text());
    if (!configure(busyTimeoutMs)) {
        m_db.close();
        return false;
    }
    return true;
}

bool Database::configure(int busyTimeoutMs)
{
    // Wait for another program's write before anything else, and read the version before any
    // statement that could change the file.
    if (!exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(busyTimeoutMs)))
        return false;
    QSqlQuery version(m_db);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next())
        return fail(QStringLiteral("Cannot read the schema version"), version.lastError().text());
    const int fileVersion = version.value(0).toInt();
    version.finish();
    if (fileVersion > SchemaVersion)
        return fail(QStringLiteral("The project database was written by a newer version of the program "
                                   "(schema %1; this version reads up to %2). It is left unchanged.")
                        .arg(fileVersion)
                        .arg(SchemaVersion),
                    {});
    if (!exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !exec(QStringLiteral("PRAGMA synchronous = NORMAL"))
        || !exec(QStringLiteral("PRAGMA foreign_keys = ON")))
        return false;
    if (fileVersion < SchemaVersion && !createSchema())
        return false;
    // Rows of records that were stored but never joined a project, or left it, while a program
    // ran: nothing can hold them any more in a program that starts now. Another running program
    // writes its own again when it saves them.
    return exec(QStringLiteral("DELETE FROM switch_times WHERE project_id IS NULL OR channel < 0"))
        && exec(QStringLiteral("DELETE FROM date_ranges WHERE project_id IS NULL OR channel < 0"));
}

bool Database::createSchema()
{
    const QStringList statements {
        QStringLiteral("BEGIN IMMEDIATE"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS projects (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "device INTEGER NOT NULL, name TEXT NOT NULL, settings TEXT NOT NULL, modified TEXT)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS switch_times (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "project_id INTEGER REFERENCES projects(id) ON DELETE CASCADE, %1)")
            .arg(columnsOf<SwitchRow>().join(QLatin1StringView(" INTEGER NOT NULL, ")) + QLatin1StringView(" INTEGER NOT NULL")),
        QStringLiteral("CREATE INDEX IF NOT EXISTS switch_times_project ON switch_times (project_id, channel, program, position)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS date_ranges (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "project_id INTEGER REFERENCES projects(id) ON DELETE CASCADE, %1)")
            .arg(columnsOf<RangeRow>().join(QLatin1StringView(" INTEGER NOT NULL, ")) + QLatin1StringView(" INTEGER NOT NULL")),
        QStringLiteral("CREATE INDEX IF NOT EXISTS date_ranges_project ON date_ranges (project_id, channel, program, position)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS connection_codes (device TEXT PRIMARY KEY, code TEXT NOT NULL)"),
        QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion),
        QStringLiteral("COMMIT"),
    };
    for (const QString& statement : statements) {
        if (!exec(statement)) {
            exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    return true;
}

bool Database::exec(const QString& statement)
{
    QSqlQuery query(m_db);
    if (!query.exec(statement))
        return fail(QStringLiteral("Statement failed: %1").arg(statement), query.lastError().text());
    return true;
}

bool Database::fail(const QString& what, const QString& detail)
{
    m_error = detail.isEmpty() ? what : QStringLiteral("%1: %2").arg(what, detail);
    qCWarning(storageLog).noquote() << m_error;
    return false;
}

QList<Project> Database::loadProjects()
{
    QList<Project> projects;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, device, name, settings FROM projects ORDER BY id"))) {
        fail(QStringLiteral("Cannot read the projects"), query.lastError().text());
        return projects;
    }
    while (query.next()) {
        auto* record = new ProjectRecord;
        record->m_id = query.value(0).toLongLong();
        record->device = query.value(1).toInt();
        record->name = query.value(2).toString();
        const QJsonObject settings = ProjectSettingsJson::parse(query.value(3).toByteArray());
        ProjectSettingsJson::read(settings, *record);
        record->saved.device = record->device;
        record->saved.name = record->name;
        record->saved.settings = settings;
        projects.append(Project(record));
    }
    return projects;
}

void Database::loadProgramData(ProjectRecord& record)
{
    if (record.id() == 0) {
        record.programData = StorableRef<ProgramData>(new ProgramData);
        return;
    }
    if (!s_current || !s_current->readProgramData(record))
        qCWarning(storageLog) << "The switch times of project" << record.id() << "cannot be read";
}

bool Database::readProgramData(ProjectRecord& record)
{
    const ChangeTracker::Pause reading;
    StorableRef<ProgramData> data(new ProgramData);
    ProjectSettingsJson::readChannels(record.storedChannels, *data);
    if (!readRecords<SwitchTime>(record.id(), *data, record.saved) || !readRecords<DateRange>(record.id(), *data, record.saved))
        return false;
    record.programData = data;
    return true;
}

template <typename Handle>
bool Database::readRecords(qint64 projectId, ProgramData& data, ProjectSnapshot& saved)
{
    using K = Kind<Handle>;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(selectRowsOf(K::table(), columnsOf<typename K::Row>()));
    query.addBindValue(projectId);
    if (!query.exec())
        return fail(QStringLiteral("Cannot read %1").arg(K::table()), query.lastError().text());
    QMap<std::pair<int, int>, QList<Handle>> lists;
    while (query.next()) {
        Handle record;
        record.d->m_id = query.value(0).toLongLong();
        K::apply(record, query);
        const int channel = query.value(1).toInt();
        const int program = query.value(2).toInt();
        QList<Handle>& list = lists[{ channel, program }];
        K::rows(saved).insert(record.id(), K::rowOf(record, channel, program, static_cast<int>(list.size())));
        K::handles(saved).insert(record.id(), record);
        list.append(record);
    }
    for (auto it = lists.cbegin(); it != lists.cend(); ++it)
        K::setList(*data.channel(it.key().first)->program(it.key().second), it.value());
    return true;
}

bool Database::storeNew(SwitchTime& switchTime)
{
    return storeAlone(switchTime);
}

bool Database::storeNew(DateRange& range)
{
    return storeAlone(range);
}

template <typename Handle>
bool Database::storeAlone(Handle& record)
{
    if (!s_current) {
        qCWarning(storageLog) << "Cannot store a record: no database";
        return false;
    }
    const bool stored = s_current->insertRecord(record, 0, Kind<Handle>::rowOf(record, DetachedChannel, 0, 0));
    s_current->m_newIds.clear();
    return stored;
}

template <typename Row>
bool Database::upsertRow(const QString& table, qint64 id, qint64 projectId, const Row& row)
{
    auto prepared = m_upserts.find(table);
    if (prepared == m_upserts.end()) {
        const QStringList columns = columnsOf<Row>();
        QStringList updates;
        for (const QString& column : columns)
            updates.append(QStringLiteral("%1 = excluded.%1").arg(column));
        prepared = m_upserts.emplace(table, QSqlQuery(m_db)).first;
        prepared->second.prepare(QStringLiteral("INSERT INTO %1 (id, project_id, %2) VALUES (?, ?%3) "
                                     "ON CONFLICT (id) DO UPDATE SET project_id = excluded.project_id, %4")
                          .arg(table, columns.join(QLatin1StringView(", ")), QStringLiteral(", ?").repeated(columns.size()),
                               updates.join(QLatin1StringView(", "))));
    }
    QSqlQuery& query = prepared->second;
    query.bindValue(0, id > 0 ? QVariant(id) : QVariant());
    query.bindValue(1, projectId > 0 ? QVariant(projectId) : QVariant());
    const QVariantList values = valuesOf(row);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i + 2, values.at(i));
    if (!query.exec())
        return fail(QStringLiteral("Cannot write to %1").arg(table), query.lastError().text());
    m_lastInsertId = query.lastInsertId().toLongLong();
    return true;
}

template <typename Handle, typename Row>
bool Database::insertRecord(Handle& record, qint64 projectId, const Row& row)
{
    if (!upsertRow(Kind<Handle>::table(), 0, projectId, row))
        return false;
    record.d->m_id = m_lastInsertId;
    m_newIds.append(record.d.data());
    return true;
}

void Database::collectRows(const ProjectRecord& record, ProjectSnapshot& snapshot)
{
    if (record.programData.isNull()) {
        // Content never read is content never changed.
        snapshot.switches = record.saved.switches;
        snapshot.switchHandles = record.saved.switchHandles;
        snapshot.ranges = record.saved.ranges;
        snapshot.rangeHandles = record.saved.rangeHandles;
        return;
    }
    record.programData->forEachProgram([&](int channel, const StorableRef<Program>& program) {
        collect<SwitchTime>(channel, *program, snapshot);
        collect<DateRange>(channel, *program, snapshot);
    });
}

template <typename Handle>
void Database::collect(int channel, const Program& program, ProjectSnapshot& snapshot)
{
    using K = Kind<Handle>;
    const QList<Handle> list = K::listOf(program);
    for (int i = 0; i < list.size(); ++i) {
        K::rows(snapshot).insert(list.at(i).id(), K::rowOf(list.at(i), channel, program.number(), i));
        K::handles(snapshot).insert(list.at(i).id(), list.at(i));
    }
}

bool Database::giveIds(ProjectRecord& record, ProjectSnapshot& written)
{
    if (record.programData.isNull())
        return true;
    bool given = true;
    record.programData->forEachProgram([&](int channel, const StorableRef<Program>& program) {
        given = given && giveIdsIn<SwitchTime>(record.id(), channel, *program, written)
            && giveIdsIn<DateRange>(record.id(), channel, *program, written);
    });
    return given;
}

template <typename Handle>
bool Database::giveIdsIn(qint64 projectId, int channel, const Program& program, ProjectSnapshot& written)
{
    using K = Kind<Handle>;
    const QList<Handle> list = K::listOf(program);
    for (int i = 0; i < list.size(); ++i) {
        Handle record = list.at(i);
        if (record.id() != 0)
            continue;
        const typename K::Row row = K::rowOf(record, channel, program.number(), i);
        if (!insertRecord(record, projectId, row))
            return false;
        K::rows(written).insert(record.id(), row);
    }
    return true;
}

template <typename Handle>
bool Database::writeRecords(qint64 projectId, ProjectSnapshot& saved, ProjectSnapshot& next)
{
    using K = Kind<Handle>;
    const QHash<qint64, typename K::Row>& savedRows = K::rows(saved);
    QHash<qint64, typename K::Row>& rows = K::rows(next);
    for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
        const auto before = savedRows.constFind(it.key());
        if ((before == savedRows.cend() || before.value() != it.value()) && !upsertRow(K::table(), it.key(), projectId, it.value()))
            return false;
    }
    QSqlQuery remove(m_db);
    remove.prepare(QStringLiteral("DELETE FROM %1 WHERE id = ?").arg(K::table()));
    const QHash<qint64, Handle>& savedHandles = K::handles(saved);
    for (auto it = savedHandles.cbegin(); it != savedHandles.cend(); ++it) {
        if (rows.contains(it.key()))
            continue;
        // The saved snapshot holds one reference; any other holder may still put the record back.
        if (it.value().d->ref.loadRelaxed() > 1) {
            typename K::Row detached = savedRows.value(it.key());
            detached.channel = DetachedChannel;
            if (detached != savedRows.value(it.key()) && !upsertRow(K::table(), it.key(), projectId, detached))
                return false;
            rows.insert(it.key(), detached);
            K::handles(next).insert(it.key(), it.value());
            continue;
        }
        remove.addBindValue(it.key());
        if (!remove.exec())
            return fail(QStringLiteral("Cannot delete from %1").arg(K::table()), remove.lastError().text());
    }
    return true;
}

bool Database::writeProjectRow(ProjectRecord& record, const ProjectSnapshot& snapshot, bool exists)
{
    QSqlQuery query(m_db);
    if (exists) {
        query.prepare(QStringLiteral("UPDATE projects SET device = ?, name = ?, settings = ?, modified = ? WHERE id = ?"));
    } else {
        query.prepare(QStringLiteral("INSERT INTO projects (device, name, settings, modified, id) VALUES (?, ?, ?, ?, ?)"));
    }
    query.addBindValue(snapshot.device);
    query.addBindValue(snapshot.name);
    query.addBindValue(QJsonDocument(snapshot.settings).toJson(QJsonDocument::Compact));
    query.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    query.addBindValue(record.id() > 0 ? QVariant(record.id()) : QVariant());
    if (!query.exec())
        return fail(QStringLiteral("Cannot write project %1").arg(record.name), query.lastError().text());
    if (record.id() == 0) {
        record.m_id = query.lastInsertId().toLongLong();
        m_newIds.append(&record);
    }
    return true;
}

bool Database::hasNewRecords(const ProjectRecord& record)
{
    if (record.programData.isNull())
        return false;
    bool found = false;
    record.programData->forEachProgram([&](int, const StorableRef<Program>& program) {
        const auto isNew = [](const auto& listed) { return listed.id() == 0; };
        const QList<SwitchTime> switches = program->switches();
        const QList<DateRange> ranges = program->dateRanges();
        found = found || std::any_of(switches.cbegin(), switches.cend(), isNew)
            || std::any_of(ranges.cbegin(), ranges.cend(), isNew);
    });
    return found;
}

bool Database::saveProject(ProjectRecord& record)
{
    ProjectSnapshot next;
    next.device = record.device;
    next.name = record.name;
    next.settings = ProjectSettingsJson::write(record);
    // A project that this program did not change is left alone: another program may have changed
    // it since (its save stays), or removed it (it stays removed).
    const bool fresh = record.id() == 0 || hasNewRecords(record);
    if (!fresh) {
        collectRows(record, next);
        if (next.holdsTheSameAs(record.saved))
            return true;
    }
    bool exists = false;
    if (record.id() != 0) {
        QSqlQuery query(m_db);
        query.prepare(QStringLiteral("SELECT 1 FROM projects WHERE id = ?"));
        query.addBindValue(record.id());
        if (!query.exec())
            return fail(QStringLiteral("Cannot look project %1 up").arg(record.id()), query.lastError().text());
        exists = query.next();
    }
    // A project changed here that another program removed meanwhile is written whole again, so the
    // changes made here are not lost. The copy shares the snapshot's handles, so it adds no
    // reference to the records (see writeRecords).
    ProjectSnapshot saved = exists ? record.saved : ProjectSnapshot {};
    const bool rowChanged = !exists || next.device != saved.device || next.name != saved.name
        || next.settings != saved.settings;
    if (rowChanged && !writeProjectRow(record, next, exists))
        return false;
    // New records get their ids with their final rows, which then count as written.
    if (!giveIds(record, saved))
        return false;
    if (fresh)
        collectRows(record, next);
    if (!writeRecords<SwitchTime>(record.id(), saved, next) || !writeRecords<DateRange>(record.id(), saved, next))
        return false;
    record.saved = next;
    return true;
}

bool Database::save(const QList<Project>& projects)
{
    if (!exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    QList<ProjectSnapshot> before;
    for (const Project& project : projects)
        before.append(project.d->saved);
    bool written = true;
    for (const Project& project : projects)
        written = written && saveProject(*project.d);
    if (written && exec(QStringLiteral("COMMIT"))) {
        m_newIds.clear();
        return true;
    }
    const QString error = m_error;
    exec(QStringLiteral("ROLLBACK"));
    rollBackNewIds();
    for (int i = 0; i < projects.size(); ++i)
        projects.at(i).d->saved = before.at(i);
    m_error = error;
    return false;
}

void Database::rollBackNewIds()
{
    for (StorableRecord* record : std::as_const(m_newIds))
        record->m_id = 0;
    m_newIds.clear();
}

bool Database::removeProject(qint64 id)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("DELETE FROM projects WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec())
        return fail(QStringLiteral("Cannot remove project %1").arg(id), query.lastError().text());
    return true;
}

QMap<QString, QString> Database::connectionCodes()
{
    QMap<QString, QString> codes;
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT device, code FROM connection_codes"))) {
        fail(QStringLiteral("Cannot read the connection codes"), query.lastError().text());
        return codes;
    }
    while (query.next())
        codes.insert(query.value(0).toString(), query.value(1).toString());
    return codes;
}

bool Database::setConnectionCode(const QString& device, const QString& code)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("INSERT INTO connection_codes (device, code) VALUES (?, ?) "
                                 "ON CONFLICT (device) DO UPDATE SET code = excluded.code"));
    query.addBindValue(device);
    query.addBindValue(code);
    if (!query.exec())
        return fail(QStringLiteral("Cannot store the connection code of %1").arg(device), query.lastError().text());
    return true;
}

bool Database::removeConnectionCode(const QString& device)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("DELETE FROM connection_codes WHERE device = ?"));
    query.addBindValue(device);
    if (!query.exec())
        return fail(QStringLiteral("Cannot remove the connection code of %1").arg(device), query.lastError().text());
    return true;
}

int Database::clearConnectionCodes()
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("DELETE FROM connection_codes"))) {
        fail(QStringLiteral("Cannot clear the connection codes"), query.lastError().text());
        return -1;
    }
    return query.numRowsAffected();
}

} // namespace storage
