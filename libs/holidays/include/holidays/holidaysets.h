#pragma once

#include <QAbstractListModel>
#include <QJsonArray>
#include <QList>

#include "holidays/holidayset.h"

namespace holidays {

// Every holiday set of the program, in list order: the user's sets first, then the shipped ones.
class HolidaySets : public QAbstractListModel {
    Q_OBJECT

public:
    enum Roles {
        NameRole = Qt::UserRole + 1,
        CustomHolidayRole,
        HighlightedRole,
        IsGermanyRole,
    };

    explicit HolidaySets(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    bool isValidIndex(int index) const;
    const HolidaySet& at(int index) const { return m_sets.at(index); }
    // Number of sets made by the user; they all come before the shipped ones.
    int customSetCount() const;

    void addSet(const HolidaySet& set);
    void insertSet(int index, const HolidaySet& set);
    void removeSet(int index);
    void renameSet(int index, const QString& name);

    // Rule edits of the set at a list position; false when a position or rule index is invalid.
    bool addHoliday(int index, const QJsonObject& viewObject);
    bool updateHoliday(int index, int holidayIndex, const QJsonObject& viewObject);
    bool removeHoliday(int index, int holidayIndex);

    // Set records of the custom sets, in list order.
    QJsonArray exportCustomSets() const;
    const QList<HolidaySet>& holidaySets() const { return m_sets; }

private:
    QList<HolidaySet> m_sets;
};

} // namespace holidays
