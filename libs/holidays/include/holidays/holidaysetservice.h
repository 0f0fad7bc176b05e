#pragma once

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QVariantMap>
#include <functional>
#include <optional>

#include <utils/backgroundload.h>
#include <utils/singleton.h>

#include "holidays/holidays.h"
#include "holidays/holidayset.h"
#include "holidays/holidaysetfilter.h"
#include "holidays/holidaysets.h"

namespace holidays {

// Owns every holiday set, the current selection (kept in the setting "holidaySetIndex"), the
// editing of the user's sets (saved to "custom_holidays.json") and the registry of concrete
// holiday dates of the current set that any day can be tested against.
//
// Set indexes are list positions, or rows of sortedHolidaySet when filteredIndex is true.
// An index that names no set or rule changes nothing, logs a warning and gives an empty
// result or false.
class HolidaySetService : public QObject, public utils::Singleton<HolidaySetService> {
    Q_OBJECT
    Q_PROPERTY(holidays::HolidaySets* holidaySets READ holidaySets CONSTANT)
    Q_PROPERTY(holidays::Holidays* holidays READ holidays CONSTANT)
    Q_PROPERTY(holidays::HolidaySetFilter* sortedHolidaySet READ sortedHolidaySet CONSTANT)
    Q_PROPERTY(int applyUntilYear READ applyUntilYear WRITE setApplyUntilYear NOTIFY applyUntilYearChanged)
    Q_PROPERTY(QJsonArray holidayRegistry READ holidayRegistry NOTIFY holidayRegistryChanged)

public:
    inline static HolidaySetService* m_instance = nullptr;

    static const QString SettingKey;
    static const QString DefaultDataPath;

    explicit HolidaySetService(QObject* parent = nullptr);
    ~HolidaySetService() override;

    // Registers the QML types and starts reading the user's and the shipped sets on a worker
    // thread; the stored set is selected once they are in. Every reader gets the complete sets.
    void init();

    HolidaySets* holidaySets() { return &loadedSets(); }
    Holidays* holidays() { return &loadedRules(); }
    HolidaySetFilter* sortedHolidaySet() { return &loadedFilter(); }
    QJsonArray holidayRegistry() const { return registry(); }
    int applyUntilYear() const { return m_applyUntilYear; }
    void setApplyUntilYear(int year);

    // The file that keeps the user's own sets.
    static QString customFilePath();

    // Appends the sets of a holiday data file; false when it cannot be opened.
    bool loadHolidays(const QString& path, bool custom);

    Q_INVOKABLE void setHolidayList(int index, bool filteredIndex = false);
    Q_INVOKABLE int currentIndex(bool filteredIndex = false) const;
    Q_INVOKABLE bool currentSetIsCustom() const;
    Q_INVOKABLE QString currentSetName() const;

    // Rules of the selected set by row.
    Q_INVOKABLE QJsonObject holiday(int index) const;
    Q_INVOKABLE QVariantMap holidayDataFromIndex(int holidayIndex) const;
    Holiday holidayFromIndex(int index) const;

    QList<Holiday> holidayListFromIndex(int index, bool filteredIndex = false) const;
    QList<HolidaySet> holidaySetList() const;
    // The set at list position index + 1.
    HolidaySet holidaySetFromEepromIndex(int index) const;

    // Editing of the user's sets. Each returns false when nothing was changed or the custom
    // file could not be written (the change then stays in memory). A rule edit of the current
    // set renews the registry.
    Q_INVOKABLE bool addCustomHolidaySet(const QString& name);
    Q_INVOKABLE bool copyCustomHolidaySet(const QString& name, int index, bool filteredIndex = false);
    Q_INVOKABLE bool renameCustomHolidaySet(const QString& name, int index, bool filteredIndex = false);
    Q_INVOKABLE bool removeCustomHolidaySet(int index, bool filteredIndex = false);
    Q_INVOKABLE bool addHoliday(int setIndex, const QJsonObject& holiday, bool filteredIndex = false);
    Q_INVOKABLE bool updateHoliday(int setIndex, int holidayIndex, const QJsonObject& holiday,
                                   bool filteredIndex = false);
    Q_INVOKABLE bool removeHoliday(int setIndex, int holidayIndex, bool filteredIndex = false);
    Q_INVOKABLE bool saveCustomHolidaySets();

    // Registry look-ups by day (the time is ignored), cached per day.
    Q_INVOKABLE bool isHoliday(const QDateTime& date);
    Q_INVOKABLE QString holidayName(const QDateTime& date);
    // Whether a registry entry falls on the day; yearly entries match by day and month only.
    static bool checkHoliday(const QDate& date, const QJsonObject& entry);

signals:
    void applyUntilYearChanged();
    void holidayRegistryChanged();

private:
    static void registerQmlTypes();
    // The sets of a holiday data file; none when it cannot be opened.
    static std::optional<QList<HolidaySet>> readHolidaySets(const QString& path, bool custom);
    // Takes the sets read by the worker, waiting for them when they are not read yet.
    void ensureLoaded() const;
    // The loaded state, taken first; every reader goes through these so that none sees it
    // before the sets and the stored selection are in.
    HolidaySets& loadedSets() { ensureLoaded(); return m_sets; }
    const HolidaySets& loadedSets() const { ensureLoaded(); return m_sets; }
    // The rules of the set shown by the editor.
    Holidays& loadedRules() { ensureLoaded(); return m_holidays; }
    const Holidays& loadedRules() const { ensureLoaded(); return m_holidays; }
    HolidaySetFilter& loadedFilter() { ensureLoaded(); return m_filter; }
    const HolidaySetFilter& loadedFilter() const { ensureLoaded(); return m_filter; }
    int loadedCurrentIndex() const { ensureLoaded(); return m_currentIndex; }
    int setPosition(int index, bool filteredIndex) const;
    int customSetPosition(int index, bool filteredIndex) const;
    bool isValidRuleRow(int index) const;
    void storeCurrentIndex() const;
    int storedCurrentIndex() const;
    void showRulesOf(int position);
    void invalidateRegistry();
    const QJsonArray& registry() const;
    int firstMatchingEntry(const QDate& date) const;
    bool insertCustomSet(const HolidaySet& set);
    bool editRules(int setIndex, bool filteredIndex, const std::function<bool(int)>& edit);

    mutable utils::BackgroundLoad<QList<HolidaySet>> m_loading;
    HolidaySets m_sets;
    Holidays m_holidays;
    HolidaySetFilter m_filter;
    int m_currentIndex = -1;
    int m_applyUntilYear;
    // Made at its first reader after each change: it spells out every date of every rule.
    mutable std::optional<QJsonArray> m_registry;
    // Filled from the registry only, so empty until the load.
    QHash<QString, bool> m_isHolidayCache;
    QHash<QString, QString> m_holidayNameCache;
};

} // namespace holidays
