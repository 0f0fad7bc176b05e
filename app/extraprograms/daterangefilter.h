#pragma once

#include <QSortFilterProxyModel>

class DateRangeListModel;

// The date ranges of an extra program in the order the views show them: by type, then by when
// they start. Nothing is filtered out.
class DateRangeFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    // The proxy is a child of the source model.
    explicit DateRangeFilter(DateRangeListModel* source);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private slots:
    void dataChanged();
};
