#include "setdatacommand.h"

#include "undolistmodel.h"

SetDataCommand::SetDataCommand(UndoListModel* model, const QModelIndex& index, const QVariant& oldValue,
                               const QVariant& newValue, int role, QUndoCommand* parent)
    : RowEditCommand(model, index.row(), QStringLiteral("SetDataCommand"), parent)
    , m_oldValue(oldValue)
    , m_newValue(newValue)
    , m_role(role) {
}

bool SetDataCommand::apply() {
    return RowEditCommand::apply(
        [this] { return model()->setDataInternal(model()->index(currentRow()), m_newValue, m_role); });
}

// A model that keeps no fields of its rows gets its old and new values written back.
void SetDataCommand::writeBefore(int row) {
    if (hasFields())
        RowEditCommand::writeBefore(row);
    else
        model()->setDataInternal(model()->index(row), m_oldValue, m_role);
}

void SetDataCommand::writeAfter(int row) {
    if (hasFields())
        RowEditCommand::writeAfter(row);
    else
        model()->setDataInternal(model()->index(row), m_newValue, m_role);
}
