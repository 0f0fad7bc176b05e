// The saving side of tst_killsave, in a process of its own. Each kind of save writes numbered
// generations of its data, every generation changing every row:
//
//   savechild save  <kind>   saves generation after generation and reports each one that
//                            completed as "saved <n>" on standard output;
//   savechild check <kind>   reads what is there and prints "generation <n>", or "damaged <why>";
//   savechild full  <kind>   saves one generation with the file size limited, as on a full disk,
//                            and prints "failed" or "saved".
//
// Kinds: project (the database), saveas (the project file), holidays (custom_holidays.json),
// settings (the settings store). The data lives where XDG_DATA_HOME and XDG_CONFIG_HOME point.

#include <core/settingsservice.h>
#include <devices/ot2file.h>
#include <holidays/holidaysetservice.h>
#include <projectfiles.h>
#include <storage/projectservice.h>
#include <storage/storageservice.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <optional>
#include <sys/resource.h>

namespace {

constexpr int Model = 104;
constexpr int Channels = 4;
constexpr int SwitchesPerChannel = 200;
constexpr int ExtraPrograms = 10;
constexpr int RangesPerProgram = 20;
constexpr int SettingRows = 64;
const QDateTime RangeBase(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);

// Row i of generation g: every row changes from one generation to the next, and the generation
// can be read back from any row.
int switchStart(int generation, int i)
{
    return (generation + i) % devices::Ot2File::SecondsPerDay;
}
int generationOfSwitch(int start, int i)
{
    return (start - i % devices::Ot2File::SecondsPerDay + devices::Ot2File::SecondsPerDay) %
           devices::Ot2File::SecondsPerDay;
}
QDateTime rangeStart(int generation, int i)
{
    return RangeBase.addSecs(qint64(generation) * 60 + i);
}

void report(const char* text, int generation = -1)
{
    if (generation >= 0)
        std::printf("%s %d\n", text, generation);
    else
        std::printf("%s\n", text);
    std::fflush(stdout);
}

// One of the four kinds of save.
class SaveKind {
public:
    virtual ~SaveKind() = default;
    // The generation stored now, creating generation 0 when there is nothing yet.
    virtual int prepare() = 0;
    virtual bool save(int generation) = 0;
    // The generation found by a fresh reader, or an error text.
    virtual QString check(int* generation) = 0;
};

// ---- the project in the database ----

class ProjectSave : public SaveKind {
public:
    ProjectSave()
    {
        storage::StorageService::m_instance = &m_storage;
        storage::ProjectService::m_instance = &m_projects;
    }

    int prepare() override
    {
        if (!open())
            return -1;
        if (m_projects.projets().isEmpty()) {
            storage::Project project(Model, QStringLiteral("Kill during save"));
            fill(project, 0, true);
            if (!project.store() || !m_storage.save())
                return -1;
        }
        m_project = m_projects.projets().first();
        int generation = -1;
        return check(&generation).isEmpty() ? generation : -1;
    }

    bool save(int generation) override
    {
        fill(m_project, generation, false);
        return m_storage.save();
    }

    QString check(int* generation) override
    {
        const QString integrity = integrityOf(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                                              QStringLiteral("/projects.sqlite"));
        if (integrity != QLatin1String("ok"))
            return QStringLiteral("integrity check: ") + integrity;
        if (!open())
            return QStringLiteral("database does not open");
        if (m_projects.projets().size() != 1)
            return QStringLiteral("%1 projects").arg(m_projects.projets().size());
        return generationOf(m_projects.projets().first(), generation);
    }

private:
    bool open()
    {
        if (!m_open)
            m_open = m_storage.init() && m_projects.init();
        return m_open;
    }

    static QString integrityOf(const QString& path)
    {
        QString result;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("integrity"));
            db.setDatabaseName(path);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            QSqlQuery query(db);
            result = db.open() && query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next()
                         ? query.value(0).toString()
                         : QStringLiteral("cannot run");
        }
        QSqlDatabase::removeDatabase(QStringLiteral("integrity"));
        return result;
    }

    static void fill(storage::Project& project, int generation, bool create)
    {
        const storage::StorableRef<storage::ProgramData> data = project.data();
        for (int channel = 0; channel < Channels; ++channel) {
            QList<storage::SwitchTime> switches =
                create ? QList<storage::SwitchTime>(SwitchesPerChannel)
                       : data->channel(channel)->program(0)->switches();
            for (int i = 0; i < SwitchesPerChannel; ++i) {
                const int row = channel * SwitchesPerChannel + i;
                if (create) {
                    switches[i] = storage::SwitchTime(storage::SwitchTime::Switch, storage::SwitchTime::On, 0, 254);
                    switches[i].store();
                }
                switches[i].setStartTime(switchStart(generation, row));
            }
            if (create)
                data->channel(channel)->program(0)->setSwitches(switches);
        }
        for (int number = 1; number <= ExtraPrograms; ++number) {
            const auto program = data->channel(number % Channels)->program(number);
            QList<storage::DateRange> ranges = create ? QList<storage::DateRange>(RangesPerProgram) : program->dateRanges();
            for (int i = 0; i < RangesPerProgram; ++i) {
                if (create) {
                    ranges[i] = storage::DateRange(storage::DateRange::FixYear);
                    ranges[i].store();
                }
                const int row = number * RangesPerProgram + i;
                ranges[i].setStartDate(rangeStart(generation, row));
                ranges[i].setEndDate(rangeStart(generation, row).addDays(1));
            }
            if (create)
                program->setDateRanges(ranges);
        }
    }

    static QString generationOf(const storage::Project& project, int* generation)
    {
        QSet<int> found;
        int rows = 0;
        const auto data = project.constData();
        for (int channel = 0; channel < Channels; ++channel) {
            const QList<storage::SwitchTime> switches = data->constChannel(channel)->constProgram(0)->switches();
            for (int i = 0; i < switches.size(); ++i, ++rows)
                found.insert(generationOfSwitch(switches[i].startTime(), channel * SwitchesPerChannel + i));
        }
        for (int number = 1; number <= ExtraPrograms; ++number) {
            const QList<storage::DateRange> ranges = data->constChannel(number % Channels)->constProgram(number)->dateRanges();
            for (int i = 0; i < ranges.size(); ++i, ++rows)
                found.insert(int((RangeBase.secsTo(ranges[i].startDate()) - (number * RangesPerProgram + i)) / 60));
        }
        if (rows != Channels * SwitchesPerChannel + ExtraPrograms * RangesPerProgram)
            return QStringLiteral("%1 rows").arg(rows);
        if (found.size() != 1)
            return QStringLiteral("rows of %1 generations").arg(found.size());
        *generation = *found.cbegin();
        return {};
    }

    storage::StorageService m_storage;
    storage::ProjectService m_projects;
    storage::Project m_project;
    bool m_open = false;
};

// ---- a file whose whole content is known for each generation ----

class FileSave : public SaveKind {
public:
    int prepare() override
    {
        int generation = -1;
        if (!QFile::exists(path()))
            return save(0) ? 0 : -1;
        return check(&generation).isEmpty() ? generation : -1;
    }

    QString check(int* generation) override
    {
        QFile file(path());
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("file does not open");
        const QByteArray bytes = file.readAll();
        const std::optional<int> found = generationIn(bytes);
        if (!found)
            return QStringLiteral("content of no generation");
        if (bytes != contentOf(*found))
            return QStringLiteral("content is not that of generation %1").arg(*found);
        *generation = *found;
        return {};
    }

protected:
    virtual QString path() const = 0;
    virtual std::optional<int> generationIn(const QByteArray& bytes) const = 0;
    virtual QByteArray contentOf(int generation) const = 0;
};

// The project file written by "Speichern unter".
class SaveAsSave : public FileSave {
public:
    bool save(int generation) override { return ProjectFiles::writeProjectFile(path(), fileOf(generation)); }

protected:
    QString path() const override { return QDir(dataFolder()).filePath(QStringLiteral("Projekt.ot2")); }
    std::optional<int> generationIn(const QByteArray& bytes) const override
    {
        const qsizetype at = bytes.indexOf("Name=Generation ");
        if (at < 0)
            return std::nullopt;
        return bytes.mid(at + 16, bytes.indexOf('\n', at) - at - 16).trimmed().toInt();
    }
    QByteArray contentOf(int generation) const override { return ProjectFiles::toBytes(fileOf(generation)); }

private:
    static QString dataFolder() { return qEnvironmentVariable("XDG_DATA_HOME"); }

    static devices::Ot2File fileOf(int generation)
    {
        devices::Ot2File file(Model);
        file.setName(QStringLiteral("Generation %1").arg(generation));
        for (int channel = 0; channel < Channels; ++channel) {
            auto& switches = file.channels()[channel].programs[0].switches;
            for (int i = 0; i < SwitchesPerChannel; ++i) {
                devices::Ot2File::SwitchTime s;
                s.startDays = 254;
                s.state = 1;
                s.startTime = switchStart(generation, channel * SwitchesPerChannel + i);
                switches.append(s);
            }
        }
        for (int number = 1; number <= ExtraPrograms; ++number) {
            auto& ranges = file.channels()[number % Channels].programs[number].dateRanges;
            for (int i = 0; i < RangesPerProgram; ++i) {
                devices::Ot2File::DateRange r;
                r.startDate = rangeStart(generation, number * RangesPerProgram + i);
                r.endDate = r.startDate.addDays(1);
                ranges.append(r);
            }
        }
        return file;
    }
};

// The user's holiday sets: one set, renamed with every generation, holding the rules of a
// shipped set.
class HolidaysSave : public FileSave {
public:
    HolidaysSave()
    {
        m_service.loadHolidays(holidays::HolidaySetService::customFilePath(), true);
        m_service.loadHolidays(holidays::HolidaySetService::DefaultDataPath, false);
    }

    int prepare() override
    {
        if (!QFile::exists(path()) && !m_service.copyCustomHolidaySet(nameOf(0), 0))
            return -1;
        return FileSave::prepare();
    }

    bool save(int generation) override { return m_service.renameCustomHolidaySet(nameOf(generation), 0); }

protected:
    QString path() const override { return holidays::HolidaySetService::customFilePath(); }
    std::optional<int> generationIn(const QByteArray& bytes) const override
    {
        const QString name = QJsonDocument::fromJson(bytes).array().at(0).toObject().value(QLatin1String("Name")).toString();
        if (!name.startsWith(QLatin1String("Generation ")))
            return std::nullopt;
        return name.mid(11).toInt();
    }
    QByteArray contentOf(int generation) const override
    {
        QJsonArray sets = m_service.holidaySets()->exportCustomSets();
        QJsonObject set = sets.at(0).toObject();
        set.insert(QStringLiteral("Name"), nameOf(generation));
        sets.replace(0, set);
        return QJsonDocument(sets).toJson(QJsonDocument::Indented);
    }

private:
    static QString nameOf(int generation) { return QStringLiteral("Generation %1").arg(generation); }

    mutable holidays::HolidaySetService m_service;
};

// The settings store: a run of settings that all carry the generation.
class SettingsSave : public SaveKind {
public:
    SettingsSave()
    {
        for (int row = 0; row < SettingRows; ++row)
            core::SettingsService::registerSetting(key(row), key(row));
        core::SettingsService::m_instance = &m_settings;
        m_settings.initialize();
    }

    int prepare() override
    {
        int generation = -1;
        if (!check(&generation).isEmpty())
            return save(0) ? 0 : -1;
        return generation;
    }

    bool save(int generation) override
    {
        for (int row = 0; row < SettingRows; ++row)
            m_settings.setSettingValueFromStringKey(key(row), valueOf(generation, row), true);
        return m_settings.sync();
    }

    QString check(int* generation) override
    {
        QSet<QString> generations;
        for (int row = 0; row < SettingRows; ++row) {
            const QString value = m_settings.settingValue(key(row)).toString();
            generations.insert(value.section(u' ', 0, 0));
            if (value != valueOf(value.section(u' ', 0, 0).toInt(), row))
                return QStringLiteral("setting %1 reads %2").arg(row).arg(value);
        }
        if (generations.size() != 1)
            return QStringLiteral("settings of %1 generations").arg(generations.size());
        *generation = generations.cbegin()->toInt();
        return {};
    }

private:
    static QString key(int row) { return QStringLiteral("killsave/row%1").arg(row, 2, 10, QLatin1Char('0')); }
    static QString valueOf(int generation, int row)
    {
        return QStringLiteral("%1 of row %2, long enough to fill a page of the file").arg(generation).arg(row);
    }

    core::SettingsService m_settings;
};

std::unique_ptr<SaveKind> kindNamed(const QString& name)
{
    if (name == QLatin1String("project"))
        return std::make_unique<ProjectSave>();
    if (name == QLatin1String("saveas"))
        return std::make_unique<SaveAsSave>();
    if (name == QLatin1String("holidays"))
        return std::make_unique<HolidaysSave>();
    if (name == QLatin1String("settings"))
        return std::make_unique<SettingsSave>();
    return nullptr;
}

// Writes beyond this many bytes of any file fail with EFBIG, as on a full disk.
void limitFileSize()
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{512, 512};
    setrlimit(RLIMIT_FSIZE, &limit);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Zorvik"));
    QCoreApplication::setApplicationName(QStringLiteral("KillSave"));
    const QStringList args = app.arguments();
    std::unique_ptr<SaveKind> kind = args.size() == 3 ? kindNamed(args.at(2)) : nullptr;
    if (!kind)
        return 2;
    const QString mode = args.at(1);
    if (mode == QLatin1String("check")) {
        int generation = -1;
        const QString error = kind->check(&generation);
        if (error.isEmpty())
            report("generation", generation);
        else
            report(qPrintable(QStringLiteral("damaged ") + error));
        return 0;
    }
    const int stored = kind->prepare();
    if (stored < 0)
        return 3;
    if (mode == QLatin1String("full")) {
        limitFileSize();
        report(kind->save(stored + 1) ? "saved" : "failed");
        return 0;
    }
    for (int generation = stored + 1;; ++generation) {
        if (kind->save(generation))
            report("saved", generation);
    }
}
