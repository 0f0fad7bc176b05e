#include "ownastrotablemodel.h"

#include "astrolocationlogging.h"
#include "astropreset.h"

#include <optional>

namespace {

constexpr int SecondsPerMinute = 60;
constexpr int SecondsPerHour = 3600;
// Hour of a computed time that marks a day without sunrise or sunset.
constexpr int NoSunHour = 24;
// Day of the year of 29 February in a leap year.
constexpr int LeapDay = 60;
const QTime DefaultSunrise(7, 0);
const QTime DefaultSunset(18, 0);

// A computed time in standard time moved by an offset; none for a day without that event.
std::optional<QTime> standardTime(const AstroTimeOfDay& time, int offsetMinutes) {
    if (time.hour >= NoSunHour || time.hour < 0)
        return std::nullopt;
    const int summerShift = time.summerTime ? -SecondsPerHour : 0;
    return QTime(time.hour, time.minute, time.second).addSecs(summerShift + offsetMinutes * SecondsPerMinute);
}

// A time of the table as the device stores it; zeros for a missing time.
void split(const QTime& time, int& hour, int& minute, int& second) {
    if (!time.isValid()) {
        hour = minute = second = 0;
        return;
    }
    hour = time.hour();
    minute = time.minute();
    second = time.second();
}

} // namespace

OwnAstroTableModel::OwnAstroTableModel(storage::OwnAstroTable* table, QObject* parent)
    : QAbstractTableModel(parent)
    , m_table(table) {
    updateAstroTab();
}

int OwnAstroTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : entryCount();
}

int OwnAstroTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant OwnAstroTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !isRow(index.row()))
        return {};
    switch (index.column()) {
    case SunriseColumn:
        return m_table->sunriseTime(index.row());
    case SunsetColumn:
        return m_table->sunsetTime(index.row());
    default:
        return {};
    }
}

QVariant OwnAstroTableModel::headerData(int section, Qt::Orientation, int role) const {
    return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
}

QHash<int, QByteArray> OwnAstroTableModel::roleNames() const {
    return {{Qt::DisplayRole, QByteArrayLiteral("display")}};
}

void OwnAstroTableModel::setName(const QString& name) {
    if (m_table->name() == name)
        return;
    m_table->setName(name);
    emit nameChanged();
}

void OwnAstroTableModel::setTimezone(int timezone) {
    if (m_table->timezone() == timezone)
        return;
    m_table->setTimezone(timezone);
    emit timezoneChanged();
}

void OwnAstroTableModel::setEnabled(bool enabled) {
    if (m_table->enabled() == enabled)
        return;
    m_table->setEnabled(enabled);
    emit enabledChanged();
    updateAstroTab();
}

void OwnAstroTableModel::setCell(Column column, const QTime& time, int row, bool visualUpdate) {
    if (!isRow(row))
        return;
    if (column == SunriseColumn)
        m_table->setSunriseTime(time, row);
    else
        m_table->setSunsetTime(time, row);
    if (visualUpdate)
        emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

void OwnAstroTableModel::setSunrise(const QTime& sunrise, int row, bool visualUpdate) {
    setCell(SunriseColumn, sunrise, row, visualUpdate);
}

void OwnAstroTableModel::setSunset(const QTime& sunset, int row, bool visualUpdate) {
    setCell(SunsetColumn, sunset, row, visualUpdate);
}

void OwnAstroTableModel::setAstroTimes(const TJAstro& astroValues, int year) {
    m_astroValues = astroValues;
    m_astroYear = year;
}

// The table's days are those of a leap year; in other years 29 February takes the times of
// 28 February and later days those of the same date.
void OwnAstroTableModel::applyOffset(const QDate& startDate, const QDate& endDate, int sunriseOffset,
                                     int sunsetOffset) {
    const int start = startDate.dayOfYear();
    const int end = endDate.dayOfYear();
    if (start < 1 || start > end)
        return;
    const bool leapValues = QDate::isLeapYear(m_astroYear);
    for (int day = start; day <= std::min(end, int(OwnAstroDayTable::DayCount) - 1); ++day) {
        const int computedDay = leapValues || day < LeapDay ? day : day - 1;
        const AstroDay& computed = m_astroValues.days.at(computedDay);
        if (const std::optional<QTime> sunrise = standardTime(computed.sunrise, sunriseOffset))
            setSunrise(*sunrise, day - 1, true);
        else
            qCWarning(astroLocationLog) << ">> No sunrise on day" << computedDay << "; row" << day - 1 << "kept";
        if (const std::optional<QTime> sunset = standardTime(computed.sunset, sunsetOffset))
            setSunset(*sunset, day - 1, true);
        else
            qCWarning(astroLocationLog) << ">> No sunset on day" << computedDay << "; row" << day - 1 << "kept";
    }
}

void OwnAstroTableModel::setPreset(const AstroPreset& preset) {
    for (int row = 0; row < storage::OwnAstroTable::DayCount; ++row) {
        setSunrise(preset.sunrise(row), row, true);
        setSunset(preset.sunset(row), row, true);
    }
}

void OwnAstroTableModel::setMETTime() {
    setPreset(AstroPreset::met());
}

void OwnAstroTableModel::setNBNTime() {
    setPreset(AstroPreset::nbn());
}

void OwnAstroTableModel::updateAstroTab() {
    m_dayTable = {};
    if (m_table->enabled()) {
        const int rows = std::min(entryCount(), int(OwnAstroDayTable::DayCount) - 1);
        for (int row = 0; row < rows; ++row) {
            OwnAstroDayEntry& entry = m_dayTable.days.at(row + 1);
            split(m_table->sunriseTime(row), entry.sunriseHour, entry.sunriseMinute, entry.sunriseSecond);
            split(m_table->sunsetTime(row), entry.sunsetHour, entry.sunsetMinute, entry.sunsetSecond);
        }
    }
    emit astroTabChanged();
}

void OwnAstroTableModel::resetTable() {
    setName(QString());
    setTimezone(DefaultTimezone);
    setEnabled(false);
    for (int row = 0; row < entryCount(); ++row) {
        setSunrise(DefaultSunrise, row, true);
        setSunset(DefaultSunset, row, true);
    }
}
