#include "holidays/holidaysetservice.h"

#include "holidayslogging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QQmlEngine>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtQml/qqml.h>
#include <core/settingsservice.h>

namespace holidays {

const QString HolidaySetService::SettingKey = QStringLiteral("holidaySetIndex");
const QString HolidaySetService::DefaultDataPath = QStringLiteral(":/holidays_data/holidays.json");

namespace {

struct HolidaySettingRegistration {
    HolidaySettingRegistration()
    {
        core::SettingsService::registerSetting(HolidaySetService::SettingKey, QStringLiteral("currentIndex"),
                                               0);
    }
};
const HolidaySettingRegistration holidaySettingRegistration;

QString dayKey(const QDateTime& date)
{
    return date.date().toString(QStringLiteral("dd.MM.yyyy"));
}

// A user's file that cannot be read would be replaced by the next save; keep a copy of it.
void keepUnreadableCopy(const QString& path)
{
    const QString backup = path + QStringLiteral(".bak");
    QFile::remove(backup);
    if (QFile::copy(path, backup))
        qCWarning(holidaysLog).noquote() << "The unreadable custom holiday sets were kept as" << backup;
    else
        qCWarning(holidaysLog).noquote()
            << "The unreadable custom holiday sets could not be kept as" << backup;
}

bool ruleFound(bool found, int holidayIndex)
{
    if (!found)
        qCWarning(holidaysLog) << "No holiday rule at row" << holidayIndex;
    return found;
}

bool isValidRule(const QJsonObject& holiday)
{
    if (Holiday(holiday).isValid())
        return true;
    qCWarning(holidaysLog) << "Not a holiday rule:" << holiday;
    return false;
}

} // namespace

HolidaySetService::HolidaySetService(QObject* parent)
    : QObject(parent)
    , m_filter(&m_sets)
    , m_applyUntilYear(QDate::currentDate().year())
{
    QQmlEngine::setObjectOwnership(&m_sets, QQmlEngine::CppOwnership);
    QQmlEngine::setObjectOwnership(&m_holidays, QQmlEngine::CppOwnership);
    QQmlEngine::setObjectOwnership(&m_filter, QQmlEngine::CppOwnership);
}

HolidaySetService::~HolidaySetService() = default;

void HolidaySetService::init()
{
    registerQmlTypes();
    m_loading.start(
        [] {
            QList<HolidaySet> sets;
            const QString customPath = customFilePath();
            if (QDir().mkpath(QFileInfo(customPath).absolutePath()) && QFile::exists(customPath))
                sets += readHolidaySets(customPath, true).value_or(QList<HolidaySet>());
            const std::optional<QList<HolidaySet>> shipped = readHolidaySets(DefaultDataPath, false);
            if (!shipped)
                qCWarning(holidaysLog) << "Couldn't load default holiday data!";
            return sets + shipped.value_or(QList<HolidaySet>());
        },
        this, [this] { ensureLoaded(); });
    connect(&m_filter, &HolidaySetFilter::showPredefinedHolidaysChanged, this, [this] {
        if (loadedCurrentIndex() >= loadedFilter().rowCount())
            setHolidayList(0, true);
    });
    setApplyUntilYear(QDate::currentDate().year());
}

void HolidaySetService::ensureLoaded() const
{
    if (!m_loading.pending())
        return;
    auto* self = const_cast<HolidaySetService*>(this);
    for (const HolidaySet& set : m_loading.take())
        self->m_sets.addSet(set);
    self->setHolidayList(storedCurrentIndex(), false);
}

void HolidaySetService::registerQmlTypes()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    const char* uri = "de.zorvik.holidaySets";
    const QString reason = QStringLiteral("Holiday types are provided by the holiday set service");
    qmlRegisterUncreatableType<HolidaySetService>(uri, 1, 0, "HolidaySetService", reason);
    qmlRegisterUncreatableType<HolidaySets>(uri, 1, 0, "HolidaySets", reason);
    qmlRegisterUncreatableType<Holidays>(uri, 1, 0, "Holidays", reason);
    qmlRegisterUncreatableType<HolidaySetFilter>(uri, 1, 0, "HolidaySetFilter", reason);
}

QString HolidaySetService::customFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/holidays/custom_holidays.json");
}

bool HolidaySetService::loadHolidays(const QString& path, bool custom)
{
    HolidaySets& loaded = loadedSets();
    const std::optional<QList<HolidaySet>> sets = readHolidaySets(path, custom);
    for (const HolidaySet& set : sets.value_or(QList<HolidaySet>()))
        loaded.addSet(set);
    return sets.has_value();
}

std::optional<QList<HolidaySet>> HolidaySetService::readHolidaySets(const QString& path, bool custom)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(holidaysLog).noquote() << "Cannot open" << path << ":" << file.errorString();
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    QList<HolidaySet> sets;
    if (!document.isArray()) {
        qCWarning(holidaysLog).noquote() << path << "holds no list of holiday sets:" << error.errorString();
        if (custom)
            keepUnreadableCopy(path);
        return sets;
    }
    const QJsonArray records = document.array();
    for (const QJsonValue& value : records) {
        if (!value.isObject()) {
            qCWarning(holidaysLog).noquote() << "Skipped an entry of" << path << "that is no holiday set";
            continue;
        }
        const QJsonObject record = value.toObject();
        sets.append(HolidaySet(record.value(QLatin1String("Name")).toString(),
                               record.value(QLatin1String("Holidays")).toArray(), custom));
    }
    return sets;
}

void HolidaySetService::setApplyUntilYear(int year)
{
    if (m_applyUntilYear == year)
        return;
    m_applyUntilYear = year;
    emit applyUntilYearChanged();
}

void HolidaySetService::setHolidayList(int index, bool filteredIndex)
{
    const int position = setPosition(index, filteredIndex);
    m_currentIndex = position;
    if (position >= 0)
        storeCurrentIndex();
    showRulesOf(position);
    invalidateRegistry();
}

int HolidaySetService::currentIndex(bool filteredIndex) const
{
    const int position = loadedCurrentIndex();
    const HolidaySets& sets = loadedSets();
    if (!filteredIndex || !sets.isValidIndex(position))
        return position;
    return loadedFilter().mapFromSource(sets.index(position)).row();
}

bool HolidaySetService::currentSetIsCustom() const
{
    const int position = loadedCurrentIndex();
    const HolidaySets& sets = loadedSets();
    return sets.isValidIndex(position) && sets.at(position).custom();
}

QString HolidaySetService::currentSetName() const
{
    const int position = loadedCurrentIndex();
    const HolidaySets& sets = loadedSets();
    return sets.isValidIndex(position) ? sets.at(position).name() : QString();
}

QJsonObject HolidaySetService::holiday(int index) const
{
    return isValidRuleRow(index) ? loadedRules().at(index).data() : QJsonObject();
}

QVariantMap HolidaySetService::holidayDataFromIndex(int holidayIndex) const
{
    QVariantMap fields;
    if (!isValidRuleRow(holidayIndex))
        return fields;
    const Holidays& rules = loadedRules();
    const QHash<int, QByteArray> names = rules.roleNames();
    const QModelIndex row = rules.index(holidayIndex);
    for (int role = Holidays::TypeRole; role <= Holidays::EndHourRole; ++role)
        fields.insert(QString::fromLatin1(names.value(role)), rules.data(row, role));
    return fields;
}

Holiday HolidaySetService::holidayFromIndex(int index) const
{
    return isValidRuleRow(index) ? loadedRules().at(index) : Holiday();
}

QList<Holiday> HolidaySetService::holidayListFromIndex(int index, bool filteredIndex) const
{
    const int position = setPosition(index, filteredIndex);
    return position >= 0 ? loadedSets().at(position).holidays() : QList<Holiday>();
}

QList<HolidaySet> HolidaySetService::holidaySetList() const
{
    return loadedSets().holidaySets();
}

HolidaySet HolidaySetService::holidaySetFromEepromIndex(int index) const
{
    const int position = setPosition(index + 1, false);
    return position >= 0 ? loadedSets().at(position) : HolidaySet();
}

bool HolidaySetService::addCustomHolidaySet(const QString& name)
{
    if (name.trimmed().isEmpty()) {
        qCWarning(holidaysLog) << "A holiday set needs a name";
        return false;
    }
    return insertCustomSet(HolidaySet(name, {}, true));
}

bool HolidaySetService::copyCustomHolidaySet(const QString& name, int index, bool filteredIndex)
{
    const int position = setPosition(index, filteredIndex);
    return position >= 0 &&
           insertCustomSet(loadedSets().at(position).copy(name.trimmed().isEmpty() ? QString() : name));
}

// New sets go right after the user's other sets, where the next start loads them, so the
// stored selection names the same set after a restart.
bool HolidaySetService::insertCustomSet(const HolidaySet& set)
{
    HolidaySets& sets = loadedSets();
    const int position = sets.customSetCount();
    sets.insertSet(position, set);
    setHolidayList(position, false);
    return saveCustomHolidaySets();
}

bool HolidaySetService::renameCustomHolidaySet(const QString& name, int index, bool filteredIndex)
{
    const int position = customSetPosition(index, filteredIndex);
    if (position < 0)
        return false;
    if (name.trimmed().isEmpty()) {
        qCWarning(holidaysLog) << "A holiday set needs a name";
        return false;
    }
    loadedSets().renameSet(position, name);
    return saveCustomHolidaySets();
}

bool HolidaySetService::removeCustomHolidaySet(int index, bool filteredIndex)
{
    const int position = customSetPosition(index, filteredIndex);
    if (position < 0)
        return false;
    loadedSets().removeSet(position);
    setHolidayList(0, true);
    return saveCustomHolidaySets();
}

bool HolidaySetService::addHoliday(int setIndex, const QJsonObject& holiday, bool filteredIndex)
{
    return editRules(setIndex, filteredIndex, [&](int position) {
        return isValidRule(holiday) && loadedSets().addHoliday(position, holiday);
    });
}

bool HolidaySetService::updateHoliday(int setIndex, int holidayIndex, const QJsonObject& holiday,
                                      bool filteredIndex)
{
    return editRules(setIndex, filteredIndex, [&](int position) {
        return isValidRule(holiday) &&
               ruleFound(loadedSets().updateHoliday(position, holidayIndex, holiday), holidayIndex);
    });
}

bool HolidaySetService::removeHoliday(int setIndex, int holidayIndex, bool filteredIndex)
{
    return editRules(setIndex, filteredIndex, [&](int position) {
        return ruleFound(loadedSets().removeHoliday(position, holidayIndex), holidayIndex);
    });
}

// A rule edit of a custom set; the set's rules are shown afterwards, as the editor expects.
// An edit of the current set renews the registry, so that the date pickers' marks and the
// day look-ups show the edited dates at once.
bool HolidaySetService::editRules(int setIndex, bool filteredIndex, const std::function<bool(int)>& edit)
{
    const int position = customSetPosition(setIndex, filteredIndex);
    if (position < 0 || !edit(position))
        return false;
    showRulesOf(position);
    if (position == loadedCurrentIndex())
        invalidateRegistry();
    return saveCustomHolidaySets();
}

// Written to a temporary file and renamed, so a failed save keeps the previous file whole.
// The explicit flush matters: commit() does not notice a write error of its final flush.
bool HolidaySetService::saveCustomHolidaySets()
{
    const QString path = customFilePath();
    const QByteArray content = QJsonDocument(loadedSets().exportCustomSets()).toJson(QJsonDocument::Indented);
    QSaveFile file(path);
    const bool saved = QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) &&
                       file.write(content) == content.size() && file.flush() && file.commit();
    if (!saved)
        qCWarning(holidaysLog).noquote() << "The custom holiday sets couldn't be saved" << file.errorString();
    return saved;
}

bool HolidaySetService::isHoliday(const QDateTime& date)
{
    const QString key = dayKey(date);
    const auto cached = m_isHolidayCache.constFind(key);
    if (cached != m_isHolidayCache.cend())
        return *cached;
    const bool holiday = firstMatchingEntry(date.date()) >= 0;
    m_isHolidayCache.insert(key, holiday);
    return holiday;
}

QString HolidaySetService::holidayName(const QDateTime& date)
{
    const QString key = dayKey(date);
    const auto cached = m_holidayNameCache.constFind(key);
    if (cached != m_holidayNameCache.cend())
        return *cached;
    const int entry = firstMatchingEntry(date.date());
    const QString name =
        entry >= 0 ? registry().at(entry).toObject().value(QLatin1String("name")).toString() : QString();
    m_holidayNameCache.insert(key, name);
    return name;
}

bool HolidaySetService::checkHoliday(const QDate& date, const QJsonObject& entry)
{
    const QDate entryDate = QDate::fromString(entry.value(QLatin1String("date")).toString(), Qt::ISODate);
    if (!date.isValid() || !entryDate.isValid())
        return false;
    if (entryDate.month() != date.month() || entryDate.day() != date.day())
        return false;
    return entry.value(QLatin1String("yearly")).toBool() || entryDate.year() == date.year();
}

int HolidaySetService::setPosition(int index, bool filteredIndex) const
{
    int position = index;
    if (filteredIndex) {
        const HolidaySetFilter& filter = loadedFilter();
        const QModelIndex row = filter.index(index, 0);
        position = row.isValid() ? filter.mapToSource(row).row() : -1;
    }
    if (loadedSets().isValidIndex(position))
        return position;
    qCWarning(holidaysLog) << "No holiday set at" << (filteredIndex ? "row" : "position") << index;
    return -1;
}

int HolidaySetService::customSetPosition(int index, bool filteredIndex) const
{
    const int position = setPosition(index, filteredIndex);
    if (position < 0 || loadedSets().at(position).custom())
        return position;
    qCWarning(holidaysLog).noquote() << "The shipped holiday set" << loadedSets().at(position).name()
                                     << "cannot be changed";
    return -1;
}

bool HolidaySetService::isValidRuleRow(int index) const
{
    if (loadedRules().isValidIndex(index))
        return true;
    qCWarning(holidaysLog) << "No holiday rule at row" << index;
    return false;
}

void HolidaySetService::storeCurrentIndex() const
{
    if (!core::SettingsService::hasInstance())
        return;
    core::SettingsService::instance().setSettingValueFromStringKey(SettingKey, loadedCurrentIndex(), true);
}

int HolidaySetService::storedCurrentIndex() const
{
    if (!core::SettingsService::hasInstance())
        return 0;
    return core::SettingsService::instance().settingValue(SettingKey).toInt();
}

void HolidaySetService::showRulesOf(int position)
{
    const HolidaySets& sets = loadedSets();
    loadedRules().updateModel(sets.isValidIndex(position) ? sets.at(position).holidays() : QList<Holiday>());
}

void HolidaySetService::invalidateRegistry()
{
    m_registry.reset();
    m_isHolidayCache.clear();
    m_holidayNameCache.clear();
    emit holidayRegistryChanged();
}

// Built from the current set itself: the rules model may show another set after an edit.
const QJsonArray& HolidaySetService::registry() const
{
    // Taken first: the load renews the registry.
    const int position = loadedCurrentIndex();
    if (m_registry)
        return *m_registry;
    const HolidaySets& sets = loadedSets();
    QJsonArray entries;
    const QList<Holiday> rules =
        sets.isValidIndex(position) ? sets.at(position).holidays() : QList<Holiday>();
    for (const Holiday& holiday : rules) {
        const QJsonArray dates = holiday.holidays();
        for (const QJsonValue& date : dates)
            entries.append(date);
    }
    m_registry = entries;
    return *m_registry;
}

int HolidaySetService::firstMatchingEntry(const QDate& date) const
{
    const QJsonArray& entries = registry();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (checkHoliday(date, entries.at(i).toObject()))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace holidays
