#pragma once

#include "iswitchgridcontroller.h"

#include <storage/switchtime.h>

#include <memory>

// The cells a switch time is drawn with in the week grid, chosen by its type and state, with the
// priority that decides which of several elements in one cell is shown.
struct SwitchTimeCells {
    using CellPtr = std::shared_ptr<ISwitchGridController::CellModel>;

    CellPtr main;
    // Only switch times that run from a start to an end have one.
    CellPtr end;
    // The state that follows the switch time.
    CellPtr dot;
    int priority = 0;
    // Priority of the end cell.
    int followMarker = 0;

    // Without a main cell the switch time is not drawn.
    static SwitchTimeCells of(const storage::SwitchTime& switchTime, bool selected);
};
