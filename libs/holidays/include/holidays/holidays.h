#pragma once

#include <QAbstractListModel>
#include <QList>

#include "holidays/holiday.h"

namespace holidays {

// The rules of the selected holiday set; each role is the rule field of the same name.
class Holidays : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Roles {
        NameRole = Qt::UserRole + 1,
        TypeRole,
        StartOffsetRole,
        StartDayRole,
        StartMonthRole,
        StartYearRole,
        StartHourRole,
        EndOffsetRole,
        EndDayRole,
        EndMonthRole,
        EndYearRole,
        EndHourRole,
    };

    explicit Holidays(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return static_cast<int>(m_holidays.size()); }
    bool isValidIndex(int index) const;

    // Replaces every rule at once.
    void updateModel(const QList<Holiday>& holidays);

    // Type of the rule at a row; -1 with a warning for a row outside the list.
    Q_INVOKABLE int type(int index) const;
    // Whether any rule is a weekday rule (types 1 and 5).
    Q_INVOKABLE bool hasFreeHoliday() const;

    // The rule at a row; a rule of no type for a row outside the list.
    Holiday at(int index) const;
    const QList<Holiday>& holidays() const { return m_holidays; }

signals:
    void countChanged();

private:
    QList<Holiday> m_holidays;
};

} // namespace holidays
