#pragma once

#include <QSortFilterProxyModel>

namespace holidays {

class HolidaySets;

// The holiday sets as the set chooser lists them: the user's sets first, then German sets,
// then by name; optionally the user's sets only.
class HolidaySetFilter : public QSortFilterProxyModel {
    Q_OBJECT
    Q_PROPERTY(bool showPredefinedHolidays READ showPredefinedHolidays WRITE setShowPredefinedHolidays NOTIFY
                   showPredefinedHolidaysChanged)

public:
    explicit HolidaySetFilter(HolidaySets* source, QObject* parent = nullptr);

    bool showPredefinedHolidays() const { return m_showPredefinedHolidays; }
    void setShowPredefinedHolidays(bool show);

signals:
    void showPredefinedHolidaysChanged();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private slots:
    // Dynamic sorting ignores changes of roles other than the sort role, so a rename
    // would not move the set.
    void sortAgain();

private:
    bool m_showPredefinedHolidays = true;
};

} // namespace holidays
