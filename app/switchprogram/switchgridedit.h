#pragma once

#include "iswitchgridcontroller.h"

#include <memory>

// What the user is doing in the week grid: the mode with its tool cells, and the cells the press,
// drag or hover covers.
struct SwitchGridEdit {
    enum Mode { NoMode, SelectMode, SimpleEditMode, RangeEditMode };
    using CellPtr = std::shared_ptr<ISwitchGridController::CellModel>;

    Mode mode = NoMode;
    // The simple tool, or the start of a range.
    CellPtr model;
    CellPtr endModel;
    // What follows a simple tool, or what a range draws between its start and end.
    CellPtr followModel;
    int priority = 0;

    int fromCol = -1;
    int toCol = -1;
    int fromRow = -1;
    int toRow = -1;
    // The drag went towards earlier columns than where it began.
    bool reversed = false;
    // The selection is the hovered cell, showing what a click would draw.
    bool hoverPreview = false;

    bool hasSelection() const { return fromCol >= 0 && toCol >= 0 && fromRow >= 0 && toRow >= 0; }
    void clearSelection() { fromCol = toCol = fromRow = toRow = -1; }
    // The start tool draws a directed range that may wrap over the end of the week (a cycle).
    bool isDirected() const { return model && model->rangeMode() == 1; }
};
