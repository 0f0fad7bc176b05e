#pragma once

#include "gridcell.h"
#include "iswitchgridcontroller.h"

#include <span>
#include <vector>

// The cells of a week grid, filled by a controller: decides which element a cell shows
// (priorities), counts elements that do not fit together (conflicts), carries the state that
// follows a switch on to later cells, and keeps the lines from a start to its end, including
// those that run over the end of the week.
class SwitchCellStore : public ISwitchGridController::GridModel {
public:
    // The priority of an element whose following state runs on over everything after it (an
    // endless cycle).
    static constexpr int EndlessPriority = 1000;

    explicit SwitchCellStore(int rows = 7, int cols = 1440);

    void addStartEnd(int element, std::shared_ptr<ISwitchGridController::CellModel> startModel,
                     std::shared_ptr<ISwitchGridController::CellModel> endModel, const QSet<int>& rows,
                     int startCol, int endCol, int priority,
                     std::shared_ptr<ISwitchGridController::CellModel> lineModel) override;
    void addElement(int element, std::shared_ptr<ISwitchGridController::CellModel> model,
                    const QSet<int>& rows, int col, int priority,
                    std::shared_ptr<ISwitchGridController::CellModel> followModel) override;
    void addRange(int element, std::shared_ptr<ISwitchGridController::CellModel> startModel,
                  std::shared_ptr<ISwitchGridController::CellModel> endModel, int startRow, int startCol,
                  int endRow, int endCol, int startPriority, int endPriority,
                  std::shared_ptr<ISwitchGridController::CellModel> lineModel) override;

    // Empties every cell.
    void clear();

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    // Positions outside the grid take the nearest end of the store.
    const GridCell& cellAt(int row, int col) const;
    // The cells of a row from column 0; a row outside the grid takes the nearest.
    std::span<const GridCell> rowCells(int row) const;
    // row × cols + col of the latest element cell, -1 when none.
    int followIndex() const { return m_followIndex; }
    // Lines that run past the end of the week, with end positions from column 0 of row 0.
    const GridLines& wrappedLines() const { return m_wrappedLines; }

private:
    GridCell& cell(int index);
    int indexOf(int row, int col) const { return row * m_cols + col; }
    size_t clamped(int index) const;
    // Places an element's model into a cell: counts it and shows it when its priority is high enough.
    static void enter(GridCell& cell, const std::shared_ptr<ISwitchGridController::CellModel>& model,
                      int priority);

    int m_rows;
    int m_cols;
    std::vector<GridCell> m_cells;
    int m_followIndex = -1;
    GridLines m_wrappedLines;
};
