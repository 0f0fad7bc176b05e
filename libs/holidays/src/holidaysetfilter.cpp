#include "holidays/holidaysetfilter.h"

#include "holidays/holidaysets.h"

namespace holidays {

HolidaySetFilter::HolidaySetFilter(HolidaySets* source, QObject* parent)
    : QSortFilterProxyModel(parent)
{
    setSourceModel(source);
    setDynamicSortFilter(true);
    sort(0, Qt::AscendingOrder);
    connect(source, &QAbstractItemModel::dataChanged, this, &HolidaySetFilter::sortAgain);
}

void HolidaySetFilter::setShowPredefinedHolidays(bool show)
{
    if (m_showPredefinedHolidays == show)
        return;
    m_showPredefinedHolidays = show;
    invalidateFilter();
    emit showPredefinedHolidaysChanged();
}

bool HolidaySetFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (m_showPredefinedHolidays)
        return true;
    return sourceModel()->index(sourceRow, 0, sourceParent).data(HolidaySets::CustomHolidayRole).toBool();
}

bool HolidaySetFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const bool leftCustom = left.data(HolidaySets::CustomHolidayRole).toBool();
    if (leftCustom != right.data(HolidaySets::CustomHolidayRole).toBool())
        return leftCustom;
    const bool leftGermany = left.data(HolidaySets::IsGermanyRole).toBool();
    if (leftGermany != right.data(HolidaySets::IsGermanyRole).toBool())
        return leftGermany;
    return left.data(HolidaySets::NameRole).toString() < right.data(HolidaySets::NameRole).toString();
}

void HolidaySetFilter::sortAgain()
{
    sort(0, Qt::AscendingOrder);
}

} // namespace holidays
