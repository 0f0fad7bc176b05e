#pragma once

#include <QSortFilterProxyModel>

class SwitchTimeListModel;

// The switch times in a fixed order: by type, then start time, state and pulse time.
class SwitchTimeFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    // The source is also the parent.
    explicit SwitchTimeFilter(SwitchTimeListModel* source);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private slots:
    void dataChanged();
};
