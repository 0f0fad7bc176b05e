#include "roweditcommand.h"

#include "undolistmodel.h"

RowEditCommand::RowEditCommand(UndoListModel* model, int row, const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent)
    , m_model(model)
    , m_record(model ? model->recordAt(row) : QVariant())
    , m_before(model ? model->fieldsAt(row) : QVariant()) {
}

bool RowEditCommand::apply(const std::function<bool()>& edit) {
    const int row = currentRow();
    if (row < 0 || !edit())
        return false;
    m_after = m_model->fieldsAt(row);
    m_applied = true;
    m_pushedApplied = true;
    return true;
}

void RowEditCommand::undo() {
    const int row = currentRow();
    if (row >= 0)
        writeBefore(row);
}

void RowEditCommand::redo() {
    // Pushing runs redo once more; the change is already in place then.
    if (m_pushedApplied) {
        m_pushedApplied = false;
        return;
    }
    const int row = currentRow();
    if (row >= 0)
        writeAfter(row);
}

int RowEditCommand::currentRow() const {
    return m_model ? m_model->rowOfRecord(m_record) : -1;
}

void RowEditCommand::writeBefore(int row) {
    m_model->restoreFields(row, m_before, m_after);
}

void RowEditCommand::writeAfter(int row) {
    m_model->restoreFields(row, m_after, m_before);
}
