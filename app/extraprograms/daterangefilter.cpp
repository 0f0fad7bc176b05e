#include "daterangefilter.h"

#include "daterangelistmodel.h"

#include <storage/daterange.h>

#include <QDateTime>

#include <tuple>

using storage::DateRange;

namespace {

// A yearly range recurs every year: only month, day, hour and minute place it.
auto yearlyKey(const QDateTime& start) {
    return std::make_tuple(start.date().month(), start.date().day(), start.time().hour(),
                           start.time().minute());
}

bool isOffsetType(int type) {
    return type == DateRange::Easter || type == DateRange::ChineseNewYear;
}

} // namespace

DateRangeFilter::DateRangeFilter(DateRangeListModel* source)
    : QSortFilterProxyModel(source) {
    setSourceModel(source);
    connect(source, &QAbstractItemModel::dataChanged, this, &DateRangeFilter::dataChanged);
    setDynamicSortFilter(true);
    // Without a sort column the proxy would show the list unsorted until the first change.
    sort(0, Qt::AscendingOrder);
}

bool DateRangeFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QAbstractItemModel* source = sourceModel();
    const int leftType = source->data(left, DateRangeListModel::TypeRole).toInt();
    const int rightType = source->data(right, DateRangeListModel::TypeRole).toInt();
    if (leftType != rightType)
        return leftType < rightType;
    if (isOffsetType(leftType))
        return source->data(left, DateRangeListModel::StartDayRole).toInt() <
               source->data(right, DateRangeListModel::StartDayRole).toInt();
    const QDateTime leftStart = source->data(left, DateRangeListModel::StartDateRole).toDateTime();
    const QDateTime rightStart = source->data(right, DateRangeListModel::StartDateRole).toDateTime();
    if (leftType == DateRange::Yearly)
        return yearlyKey(leftStart) < yearlyKey(rightStart);
    return leftStart < rightStart;
}

void DateRangeFilter::dataChanged() {
    sort(0, Qt::AscendingOrder);
}
