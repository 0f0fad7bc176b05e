#include "holidays/holidaysets.h"

#include <algorithm>

namespace holidays {

HolidaySets::HolidaySets(QObject* parent)
    : QAbstractListModel(parent)
{
}

int HolidaySets::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_sets.size());
}

QVariant HolidaySets::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !isValidIndex(index.row()))
        return {};
    const HolidaySet& set = m_sets.at(index.row());
    switch (role) {
    case NameRole:
        return set.name();
    case CustomHolidayRole:
        return set.custom();
    case HighlightedRole:
        return !set.custom();
    case IsGermanyRole:
        return set.isGermany();
    default:
        return {};
    }
}

QHash<int, QByteArray> HolidaySets::roleNames() const
{
    return {{NameRole, "name"},
            {CustomHolidayRole, "customHoliday"},
            {HighlightedRole, "highlighted"},
            {IsGermanyRole, "isGermany"}};
}

bool HolidaySets::isValidIndex(int index) const
{
    return index >= 0 && index < m_sets.size();
}

int HolidaySets::customSetCount() const
{
    return static_cast<int>(
        std::count_if(m_sets.cbegin(), m_sets.cend(), [](const HolidaySet& set) { return set.custom(); }));
}

void HolidaySets::addSet(const HolidaySet& set)
{
    insertSet(rowCount(), set);
}

void HolidaySets::insertSet(int index, const HolidaySet& set)
{
    beginInsertRows(QModelIndex(), index, index);
    m_sets.insert(index, set);
    endInsertRows();
}

void HolidaySets::removeSet(int index)
{
    beginRemoveRows(QModelIndex(), index, index);
    m_sets.removeAt(index);
    endRemoveRows();
}

void HolidaySets::renameSet(int index, const QString& name)
{
    m_sets[index].setName(name);
    emit dataChanged(this->index(index), this->index(index), {NameRole});
}

bool HolidaySets::addHoliday(int index, const QJsonObject& viewObject)
{
    if (!isValidIndex(index))
        return false;
    m_sets[index].addHoliday(viewObject);
    return true;
}

bool HolidaySets::updateHoliday(int index, int holidayIndex, const QJsonObject& viewObject)
{
    return isValidIndex(index) && m_sets[index].updateHoliday(holidayIndex, viewObject);
}

bool HolidaySets::removeHoliday(int index, int holidayIndex)
{
    return isValidIndex(index) && m_sets[index].removeHoliday(holidayIndex);
}

QJsonArray HolidaySets::exportCustomSets() const
{
    QJsonArray records;
    for (const HolidaySet& set : m_sets) {
        if (set.custom())
            records.append(set.json());
    }
    return records;
}

} // namespace holidays
