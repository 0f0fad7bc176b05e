#pragma once

#include "undolistmodel.h"

#include <QList>
#include <QSet>
#include <QUndoCommand>

#include <algorithm>
#include <utility>

// Removes a set of rows. The records are taken when the command is made and found again by
// identity at every redo; undo puts each back at the row it was taken from, lowest row first.
template <typename T>
class RemoveCommand : public QUndoCommand {
public:
    RemoveCommand(UndoListModel* model, QList<T>* list, const QSet<int>& rows, QUndoCommand* parent = nullptr)
        : QUndoCommand(QStringLiteral("RemoveCommand"), parent)
        , m_model(model)
        , m_list(list) {
        QList<int> sorted(rows.cbegin(), rows.cend());
        std::sort(sorted.begin(), sorted.end());
        for (int row : std::as_const(sorted)) {
            if (row >= 0 && row < m_list->size())
                m_items.append(m_list->at(row));
        }
    }

    void redo() override {
        QList<int> rows;
        for (const T& item : std::as_const(m_items)) {
            const int row = m_list->indexOf(item);
            if (row >= 0)
                rows.append(row);
        }
        std::sort(rows.begin(), rows.end(), std::greater<int>());
        m_removed.clear();
        if (rows.isEmpty())
            return;
        if (rows.size() == 1)
            m_model->beginRemoveRows(QModelIndex(), rows.first(), rows.first());
        else
            m_model->beginResetModel();
        for (int row : std::as_const(rows))
            m_removed.prepend({row, m_list->takeAt(row)});
        if (rows.size() == 1)
            m_model->endRemoveRows();
        else
            m_model->endResetModel();
        emit m_model->listUpdated();
    }

    void undo() override {
        if (m_removed.isEmpty())
            return;
        const bool single = m_removed.size() == 1;
        if (single) {
            const int row = std::min<int>(m_removed.first().first, m_list->size());
            m_model->beginInsertRows(QModelIndex(), row, row);
        } else {
            m_model->beginResetModel();
        }
        for (const auto& [row, item] : std::as_const(m_removed))
            m_list->insert(std::min<int>(row, m_list->size()), item);
        if (single)
            m_model->endInsertRows();
        else
            m_model->endResetModel();
        m_removed.clear();
        emit m_model->listUpdated();
    }

private:
    UndoListModel* m_model;
    QList<T>* m_list;
    QList<T> m_items;
    // (row, record) of the last redo, lowest row first.
    QList<std::pair<int, T>> m_removed;
};
