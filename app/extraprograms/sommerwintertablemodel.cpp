#include "sommerwintertablemodel.h"

#include "extraprogramslogging.h"

#include <clipboarddocument.h>
#include <utils/helpers.h>

#include <QJsonArray>

#include <algorithm>
#include <array>

namespace {

const QString DateTimesKey = QStringLiteral("dateTimes");

// The Israeli switches, 2008 to 2099: summer time begins on the Friday before the last Sunday of
// March (on the Saturday in 2044 and 2045) and ends on the last Sunday of October. Kept as the
// published days rather than computed, so that the exceptions stay exact.
constexpr std::array<int, SommerWinterTableModel::YearCount> IsraelMarchDays{
    28, 27, 26, 25, 23, 29, 28, 27, 25, 24, 23, 29, 27, 26, 25, 24, 29, 28, 27, 26, 24, 23, 29,
    28, 26, 25, 24, 23, 28, 27, 26, 25, 23, 29, 28, 27, 26, 25, 23, 29, 27, 26, 25, 24, 29, 28,
    27, 26, 24, 23, 29, 28, 26, 25, 24, 23, 28, 27, 26, 25, 23, 29, 28, 27, 25, 24, 23, 29, 27,
    26, 25, 24, 29, 28, 27, 26, 24, 23, 29, 28, 26, 25, 24, 23, 28, 27, 26, 25, 23, 29, 28, 27,
};
constexpr std::array<int, SommerWinterTableModel::YearCount> IsraelOctoberDays{
    26, 25, 31, 30, 28, 27, 26, 25, 30, 29, 28, 27, 25, 31, 30, 29, 27, 26, 25, 31, 29, 28, 27,
    26, 31, 30, 29, 28, 26, 25, 31, 30, 28, 27, 26, 25, 30, 29, 28, 27, 25, 31, 30, 29, 27, 26,
    25, 31, 29, 28, 27, 26, 31, 30, 29, 28, 26, 25, 31, 30, 28, 27, 26, 25, 30, 29, 28, 27, 25,
    31, 30, 29, 27, 26, 25, 31, 29, 28, 27, 26, 31, 30, 29, 28, 26, 25, 31, 30, 28, 27, 26, 25,
};
constexpr int IsraelHour = 2;

SoWiDateTime israelRow(int row) {
    const int year = SommerWinterTableModel::FirstYear + row;
    return {year,       QDate(year, 3, IsraelMarchDays[row]),
            IsraelHour, QDate(year, 10, IsraelOctoberDays[row]),
            IsraelHour, true};
}

QStringList hourTexts(int fromOffset, int toOffset) {
    QStringList texts;
    for (int hour = 0; hour < SoWiDateTime::HourCount; ++hour)
        texts.append(QStringLiteral("%1h > %2h")
                         .arg(hour + fromOffset, 0, 10, QLatin1Char(' '))
                         .arg(hour + toOffset, 0, 10, QLatin1Char(' ')));
    return texts;
}

} // namespace

SommerWinterTableModel::SommerWinterTableModel(QObject* parent)
    : QAbstractListModel(parent)
    , m_soWiList(hourTexts(1, 0))
    , m_wiSoList(hourTexts(0, 1)) {
    for (int row = 0; row < YearCount; ++row)
        m_table.append(SoWiDateTime::blank(FirstYear + row));
}

int SommerWinterTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : YearCount;
}

QVariant SommerWinterTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !isRow(index.row()))
        return {};
    const SoWiDateTime& row = m_table.at(index.row());
    switch (role) {
    case WiSoDateRole:
        return row.wiSoDate;
    case WiSoHourRole:
        return row.wiSoHour;
    case SoWiDateRole:
        return row.soWiDate;
    case SoWiHourRole:
        return row.soWiHour;
    case EnabledRole:
        return row.enabled;
    case SelectedRole:
        return m_selection.contains(index.row());
    default:
        return {};
    }
}

QHash<int, QByteArray> SommerWinterTableModel::roleNames() const {
    return {
        {WiSoDateRole, "wiSoDate"}, {WiSoHourRole, "wiSoHour"}, {SoWiDateRole, "soWiDate"},
        {SoWiHourRole, "soWiHour"}, {EnabledRole, "enabled"},   {SelectedRole, "selected"},
    };
}

bool SommerWinterTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !isRow(index.row()))
        return false;
    if (role == SelectedRole) {
        const bool selected = value.toBool();
        if (m_selection.contains(index.row()) == selected)
            return true;
        if (selected) {
            select(index.row(), false);
        } else {
            m_selection.remove(index.row());
            emitSelectionChanged();
        }
        return true;
    }
    return writeField(index.row(), value, role);
}

bool SommerWinterTableModel::writeField(int row, const QVariant& value, int role) {
    SoWiDateTime changed = m_table.at(row);
    switch (role) {
    case WiSoDateRole:
        changed.wiSoDate = SoWiDateTime::dateInYear(value.toDate(), changed.year);
        break;
    case WiSoHourRole:
        changed.wiSoHour = value.toInt();
        break;
    case SoWiDateRole:
        changed.soWiDate = SoWiDateTime::dateInYear(value.toDate(), changed.year);
        break;
    case SoWiHourRole:
        changed.soWiHour = value.toInt();
        break;
    case EnabledRole:
        changed.enabled = value.toBool();
        break;
    default:
        return false;
    }
    const bool dateRole = role == WiSoDateRole || role == SoWiDateRole;
    if ((dateRole && !value.toDate().isValid()) || !changed.isValid()) {
        qCWarning(extraProgramsLog) << ">> Refused summer/winter value" << value << "at row" << row;
        return false;
    }
    if (changed == m_table.at(row))
        return true;
    m_table[row] = changed;
    emit dataChanged(index(row), index(row), {role});
    emitAllRowsChanged();
    return true;
}

void SommerWinterTableModel::clearAll() {
    beginResetModel();
    for (int row = 0; row < YearCount; ++row)
        m_table[row] = SoWiDateTime::blank(FirstYear + row);
    endResetModel();
}

bool SommerWinterTableModel::clampYears(int& firstYear, int& lastYear) {
    firstYear = std::max(firstYear, FirstYear);
    lastYear = std::min(lastYear, LastYear);
    return firstYear <= lastYear;
}

QDate SommerWinterTableModel::ruleDate(int week, const QDate& date, int weekDay, int year) {
    if (!date.isValid())
        return {};
    if (week == FixedDateWeek)
        return SoWiDateTime::dateInYear(date, year);
    return utils::Helpers::getWeekDay(week, year, date.month(), weekDay);
}

bool SommerWinterTableModel::automaticFill(int firstYear, int lastYear, int newWiSoWeek, QDate newWiSoMonth,
                                           int newWiSoHour, int newWiSoDay, int newSoWiWeek,
                                           QDate newSoWiMonth, int newSoWiHour, int newSoWiDay) {
    if (!clampYears(firstYear, lastYear)) {
        qCWarning(extraProgramsLog) << ">> No year of the table to fill";
        return false;
    }
    QList<SoWiDateTime> rows;
    for (int year = firstYear; year <= lastYear; ++year) {
        const SoWiDateTime row{year,        ruleDate(newWiSoWeek, newWiSoMonth, newWiSoDay, year),
                               newWiSoHour, ruleDate(newSoWiWeek, newSoWiMonth, newSoWiDay, year),
                               newSoWiHour, true};
        if (!row.isValid()) {
            qCWarning(extraProgramsLog) << ">> No summer/winter rule fill for year" << year;
            return false;
        }
        rows.append(row);
    }
    std::copy(rows.cbegin(), rows.cend(), m_table.begin() + (firstYear - FirstYear));
    emitAllRowsChanged();
    return true;
}

bool SommerWinterTableModel::automaticFillIsrael(int firstYear, int lastYear) {
    if (!clampYears(firstYear, lastYear)) {
        qCWarning(extraProgramsLog) << ">> No year of the table to fill";
        return false;
    }
    for (int year = firstYear; year <= lastYear; ++year)
        m_table[year - FirstYear] = israelRow(year - FirstYear);
    emitAllRowsChanged();
    return true;
}

QDate SommerWinterTableModel::getWeekDay(int week, int year, int month, int day) const {
    return utils::Helpers::getWeekDay(week, year, month, day);
}

void SommerWinterTableModel::select(int index, bool multiple) {
    if (!isRow(index))
        return;
    if (!multiple)
        m_selection.clear();
    if (!m_selection.remove(index))
        m_selection.insert(index);
    emitSelectionChanged();
}

void SommerWinterTableModel::selectRange(int startIndex, int endIndex) {
    m_selection.clear();
    const int first = std::max(std::min(startIndex, endIndex), 0);
    const int last = std::min(std::max(startIndex, endIndex), YearCount - 1);
    for (int row = first; row <= last; ++row)
        m_selection.insert(row);
    emitSelectionChanged();
}

void SommerWinterTableModel::selectAll() {
    selectRange(0, YearCount - 1);
}

void SommerWinterTableModel::clearSelected() {
    m_selection.clear();
    emitSelectionChanged();
}

void SommerWinterTableModel::copySelected() {
    // Copying nothing would only wipe what the user had on the clipboard.
    if (m_selection.isEmpty())
        return;
    QList<int> rows(m_selection.cbegin(), m_selection.cend());
    std::sort(rows.begin(), rows.end());
    QJsonArray dateTimes;
    for (int row : std::as_const(rows))
        dateTimes.append(m_table.at(row).toJsonObject());
    ClipboardDocument::place(ClipboardDocument::wrap(DateTimesKey, dateTimes));
    emit hasCopyChanged();
}

bool SommerWinterTableModel::canPaste() const {
    return ClipboardDocument::listOnClipboard(DateTimesKey).has_value();
}

int SommerWinterTableModel::paste(int startIndex) {
    const std::optional<QJsonArray> dateTimes = ClipboardDocument::listOnClipboard(DateTimesKey);
    if (!dateTimes || !isRow(startIndex))
        return 0;
    int row = startIndex;
    int written = 0;
    for (const QJsonValue& element : *dateTimes) {
        if (!isRow(row))
            break;
        if (!element.isObject())
            continue;
        const SoWiDateTime pasted = SoWiDateTime::fromJsonObject(element.toObject(), FirstYear + row);
        if (pasted.isValid()) {
            m_table[row] = pasted;
            ++written;
        } else {
            qCWarning(extraProgramsLog) << ">> Skipped a pasted summer/winter row for year" << pasted.year;
        }
        ++row;
    }
    if (written > 0)
        emitAllRowsChanged();
    return written;
}

void SommerWinterTableModel::removeSelected() {
    for (int row : std::as_const(m_selection))
        m_table[row] = SoWiDateTime::blank(m_table.at(row).year);
    m_selection.clear();
    emit hasSelectionChanged();
    emitAllRowsChanged();
}

SoWiDateTime SommerWinterTableModel::at(int i) const {
    return isRow(i) ? m_table.at(i) : SoWiDateTime();
}

bool SommerWinterTableModel::set(int index, int year, QDate wiSoDate, int wiSoHour, QDate soWiDate,
                                 int soWiHour, bool enabled) {
    const SoWiDateTime row{year, wiSoDate, wiSoHour, soWiDate, soWiHour, enabled};
    if (!isRow(index) || year != FirstYear + index || !row.isValid()) {
        qCWarning(extraProgramsLog) << ">> Refused summer/winter row" << index << "of year" << year;
        return false;
    }
    m_table[index] = row;
    return true;
}

void SommerWinterTableModel::emitAllRowsChanged() {
    emit dataChanged(index(0), index(YearCount - 1), {});
}

void SommerWinterTableModel::emitSelectionChanged() {
    emit hasSelectionChanged();
    emit dataChanged(index(0), index(YearCount - 1), {SelectedRole});
}
