#pragma once

#include <QUndoCommand>
#include <QVariant>

#include <functional>

class UndoListModel;

// One change of one row's fields. It is applied once before it goes on the history (so that a
// refused change never becomes a step); afterwards undo and redo put back the fields the change
// touched (those that differ between before and after), found by its record wherever the row
// moved meanwhile. Fields written behind the model, or in the window after an undo, stay.
class RowEditCommand : public QUndoCommand {
public:
    RowEditCommand(UndoListModel* model, int row, const QString& text, QUndoCommand* parent = nullptr);

    // Runs the change; false when it was refused (the command must then not be pushed).
    bool apply(const std::function<bool()>& edit);
    // False when the applied change left every field as it was: there is nothing to undo.
    bool changesRow() const { return !m_before.isValid() || m_before != m_after; }
    bool isApplied() const { return m_applied; }

    void undo() override;
    void redo() override;

protected:
    UndoListModel* model() const { return m_model; }
    // The row of the record now, -1 when the list no longer holds it.
    int currentRow() const;
    virtual void writeBefore(int row);
    virtual void writeAfter(int row);
    bool hasFields() const { return m_before.isValid(); }

private:
    UndoListModel* m_model;
    QVariant m_record;
    QVariant m_before;
    QVariant m_after;
    bool m_applied = false;
    bool m_pushedApplied = false;
};
