#pragma once

#include "undolistmodel.h"

#include <QList>
#include <QSet>
#include <QVariant>

#include <algorithm>

// An undoable list whose rows are records of type T: handles that compare equal when they name
// the same record. Fields is a value type that takes all editable fields of a record
// (Fields::of(record)) and puts back those that differ from another such value
// (fields.writeChangesTo(record, other)), so that the commands find a record by identity and
// restore what their step changed. The selection holds records too, so that it survives
// insertions and removals; T needs a qHash consistent with its operator==.
template <typename T, typename Fields>
class RecordListModel : public UndoListModel {
public:
    using UndoListModel::UndoListModel;

    int count() const { return static_cast<int>(m_records.size()); }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : count();
    }
    // Null for a row outside the list.
    T* at(int row) { return isRowValid(row) ? &m_records[row] : nullptr; }

    int selectionCount() const { return static_cast<int>(m_selection.size()); }
    bool isAllSelected() const {
        if (m_allSelectedDirty) {
            m_allSelectedDirty = false;
            m_allSelected = m_selection.size() == m_records.size() &&
                            std::all_of(m_records.cbegin(), m_records.cend(),
                                        [this](const T& record) { return isSelected(record); });
        }
        return m_allSelected;
    }

    QVariant recordAt(int row) const override {
        return isRowValid(row) ? QVariant::fromValue(m_records.at(row)) : QVariant();
    }

    int rowOfRecord(const QVariant& record) const override {
        if (!record.canConvert<T>())
            return -1;
        return static_cast<int>(m_records.indexOf(record.value<T>()));
    }

    QVariant fieldsAt(int row) const override {
        return isRowValid(row) ? QVariant::fromValue(Fields::of(m_records.at(row))) : QVariant();
    }

    void restoreFields(int row, const QVariant& fields, const QVariant& other) override {
        if (!isRowValid(row) || !fields.canConvert<Fields>() || !other.canConvert<Fields>())
            return;
        T record = m_records.at(row);
        fields.template value<Fields>().writeChangesTo(record, other.template value<Fields>());
        fieldsRestored(row);
    }

protected:
    // A row got its fields back from an undo or redo: announce it.
    virtual void fieldsRestored(int row) = 0;

    // Puts another list in place of the rows, with a fresh undo history.
    void replaceRecords(const QList<T>& records) {
        clear();
        if (!m_records.isEmpty()) {
            beginRemoveRows(QModelIndex(), 0, count() - 1);
            m_records.clear();
            endRemoveRows();
        }
        if (!records.isEmpty()) {
            beginInsertRows(QModelIndex(), 0, static_cast<int>(records.size()) - 1);
            m_records = records;
            endInsertRows();
        }
    }

    bool isSelected(const T& record) const { return m_selection.contains(record); }

    // A removed record leaves the selection; an undo brings it back unselected.
    void forgetRemovedSelection() {
        const QSet<T> present(m_records.cbegin(), m_records.cend());
        m_selection.removeIf([&present](const T& record) { return !present.contains(record); });
        m_allSelectedDirty = true;
    }

    QSet<int> selectedRows() const {
        QSet<int> rows;
        for (int row = 0; row < count(); ++row) {
            if (isSelected(m_records.at(row)))
                rows.insert(row);
        }
        return rows;
    }

    QList<T> m_records;
    QSet<T> m_selection;
    // Whether every row is selected, worked out again when dirty.
    mutable bool m_allSelected = false;
    mutable bool m_allSelectedDirty = true;
};
