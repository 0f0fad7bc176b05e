#pragma once

#include "roweditcommand.h"

#include <QModelIndex>

// A write of one role of one row through the model's setData().
class SetDataCommand : public RowEditCommand {
public:
    SetDataCommand(UndoListModel* model, const QModelIndex& index, const QVariant& oldValue,
                   const QVariant& newValue, int role, QUndoCommand* parent = nullptr);

    // Writes the new value; false when the model refuses it.
    bool apply();

protected:
    void writeBefore(int row) override;
    void writeAfter(int row) override;

private:
    QVariant m_oldValue;
    QVariant m_newValue;
    int m_role;
};
