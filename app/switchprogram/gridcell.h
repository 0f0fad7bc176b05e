#pragma once

#include "iswitchgridcontroller.h"

#include <QHash>
#include <QPair>
#include <QSet>

#include <memory>

// Lines from a cell to an end position, keyed by (priority, end position in columns).
using GridLines = QHash<QPair<int, int>, std::shared_ptr<ISwitchGridController::CellModel>>;

// One place of the week grid and the elements placed into it.
struct GridCell {
    // Elements in the cell that do not fit together; 2 or more is a conflict.
    int count = 0;
    // Priority of the model shown, -1 when empty.
    int priority = -1;
    QSet<int> elements;
    std::shared_ptr<ISwitchGridController::CellModel> model;
    // The state shown after this cell until the next element.
    std::shared_ptr<ISwitchGridController::CellModel> followModel;
    // End positions count columns from column 0 of this cell's row; the next row adds the columns of a row.
    GridLines lines;
};
