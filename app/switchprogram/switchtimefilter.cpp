#include "switchtimefilter.h"

#include "switchtimelistmodel.h"

#include <QDateTime>

namespace {
// Milliseconds since midnight; an invalid time comes before every valid one.
int timeKey(const QVariant& value) {
    const QTime time = value.toDateTime().time();
    return time.isValid() ? time.msecsSinceStartOfDay() : -1;
}
} // namespace

SwitchTimeFilter::SwitchTimeFilter(SwitchTimeListModel* source)
    : QSortFilterProxyModel(source) {
    setSourceModel(source);
    connect(source, &QAbstractItemModel::dataChanged, this, &SwitchTimeFilter::dataChanged);
    setDynamicSortFilter(true);
    // Without a sort column the proxy would leave rows inserted later unsorted.
    sort(0, Qt::AscendingOrder);
}

bool SwitchTimeFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    using Roles = SwitchTimeListModel::Roles;
    const int leftType = left.data(Roles::TypeRole).toInt();
    const int rightType = right.data(Roles::TypeRole).toInt();
    if (leftType != rightType)
        return leftType < rightType;
    const int leftStart = timeKey(left.data(Roles::StartTimeRole));
    const int rightStart = timeKey(right.data(Roles::StartTimeRole));
    if (leftStart != rightStart)
        return leftStart < rightStart;
    const int leftState = left.data(Roles::StateRole).toInt();
    const int rightState = right.data(Roles::StateRole).toInt();
    if (leftState != rightState)
        return leftState < rightState;
    return timeKey(left.data(Roles::PulsTimeRole)) < timeKey(right.data(Roles::PulsTimeRole));
}

void SwitchTimeFilter::dataChanged() {
    sort(0, Qt::AscendingOrder);
}
