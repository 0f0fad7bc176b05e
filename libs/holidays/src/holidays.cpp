#include "holidays/holidays.h"

#include "holidayslogging.h"

#include <algorithm>
#include <array>

namespace holidays {

namespace {

// Field getters of the numeric roles, from TypeRole on.
constexpr std::array<int (Holiday::*)() const, 11> NumericFields{
    &Holiday::type,      &Holiday::startOffset, &Holiday::startDay,  &Holiday::startMonth,
    &Holiday::startYear, &Holiday::startHour,   &Holiday::endOffset, &Holiday::endDay,
    &Holiday::endMonth,  &Holiday::endYear,     &Holiday::endHour};

} // namespace

Holidays::Holidays(QObject* parent)
    : QAbstractListModel(parent)
{
}

int Holidays::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant Holidays::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !isValidIndex(index.row()))
        return {};
    const Holiday& holiday = m_holidays.at(index.row());
    if (role == NameRole)
        return holiday.name();
    const int field = role - TypeRole;
    if (field < 0 || field >= static_cast<int>(NumericFields.size()))
        return {};
    return (holiday.*NumericFields.at(field))();
}

QHash<int, QByteArray> Holidays::roleNames() const
{
    return {{NameRole, "name"},
            {TypeRole, "type"},
            {StartOffsetRole, "startOffset"},
            {StartDayRole, "startDay"},
            {StartMonthRole, "startMonth"},
            {StartYearRole, "startYear"},
            {StartHourRole, "startHour"},
            {EndOffsetRole, "endOffset"},
            {EndDayRole, "endDay"},
            {EndMonthRole, "endMonth"},
            {EndYearRole, "endYear"},
            {EndHourRole, "endHour"}};
}

bool Holidays::isValidIndex(int index) const
{
    return index >= 0 && index < m_holidays.size();
}

void Holidays::updateModel(const QList<Holiday>& holidays)
{
    beginResetModel();
    m_holidays = holidays;
    endResetModel();
    emit countChanged();
}

int Holidays::type(int index) const
{
    if (!isValidIndex(index)) {
        qCWarning(holidaysLog) << "No holiday rule at row" << index;
        return -1;
    }
    return m_holidays.at(index).type();
}

bool Holidays::hasFreeHoliday() const
{
    return std::any_of(m_holidays.cbegin(), m_holidays.cend(), [](const Holiday& holiday) {
        return holiday.type() == Holiday::FreeRule || holiday.type() == Holiday::WeekOfMonth;
    });
}

Holiday Holidays::at(int index) const
{
    return isValidIndex(index) ? m_holidays.at(index) : Holiday();
}

} // namespace holidays
