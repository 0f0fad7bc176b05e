#pragma once

#include "undolistmodel.h"

#include <QList>
#include <QUndoCommand>

#include <algorithm>

// Appends one record to a model's list. Undo takes that record out again, found by identity, so
// the step holds even when the rows around it moved.
template <typename T>
class InsertCommand : public QUndoCommand {
public:
    InsertCommand(UndoListModel* model, QList<T>* list, const T& item, QUndoCommand* parent = nullptr)
        : QUndoCommand(QStringLiteral("InsertCommand"), parent)
        , m_model(model)
        , m_list(list)
        , m_item(item) {}

    void redo() override {
        const int row = m_row < 0 ? m_list->size() : std::min<int>(m_row, m_list->size());
        m_model->beginInsertRows(QModelIndex(), row, row);
        m_list->insert(row, m_item);
        m_model->endInsertRows();
        emit m_model->listUpdated();
    }

    void undo() override {
        const int row = m_list->indexOf(m_item);
        if (row < 0)
            return;
        m_model->beginRemoveRows(QModelIndex(), row, row);
        m_list->removeAt(row);
        m_model->endRemoveRows();
        m_row = row;
        emit m_model->listUpdated();
    }

private:
    UndoListModel* m_model;
    QList<T>* m_list;
    T m_item;
    // Where undo found the record; -1 (the end of the list) until then.
    int m_row = -1;
};
