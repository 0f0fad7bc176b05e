#include "switchcellstore.h"

#include <QList>

#include <algorithm>

using CellModelPtr = std::shared_ptr<ISwitchGridController::CellModel>;

namespace {
QList<int> ascending(const QSet<int>& rows) {
    QList<int> sorted(rows.cbegin(), rows.cend());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

void count(GridCell& cell, const CellModelPtr& model) {
    const bool fits = cell.model && model && model->accepts(cell.model->typeCode());
    if (!fits)
        ++cell.count;
}
} // namespace

SwitchCellStore::SwitchCellStore(int rows, int cols)
    : m_rows(std::max(rows, 1))
    , m_cols(std::max(cols, 1))
    , m_cells(static_cast<size_t>(m_rows * m_cols)) {
}

void SwitchCellStore::clear() {
    std::fill(m_cells.begin(), m_cells.end(), GridCell());
    m_followIndex = -1;
    m_wrappedLines.clear();
}

const GridCell& SwitchCellStore::cellAt(int row, int col) const {
    return m_cells[clamped(indexOf(row, col))];
}

std::span<const GridCell> SwitchCellStore::rowCells(int row) const {
    const auto first =
        m_cells.cbegin() + static_cast<std::ptrdiff_t>(indexOf(std::clamp(row, 0, m_rows - 1), 0));
    return {first, first + m_cols};
}

GridCell& SwitchCellStore::cell(int index) {
    return m_cells[clamped(index)];
}

size_t SwitchCellStore::clamped(int index) const {
    return static_cast<size_t>(std::clamp(index, 0, static_cast<int>(m_cells.size()) - 1));
}

void SwitchCellStore::enter(GridCell& cell, const CellModelPtr& model, int priority) {
    count(cell, model);
    if (cell.priority <= priority) {
        cell.model = model;
        cell.priority = priority;
    }
}

void SwitchCellStore::addElement(int element, CellModelPtr model, const QSet<int>& rows, int col,
                                 int priority, CellModelPtr followModel) {
    for (int row : ascending(rows)) {
        const int index = indexOf(row, col);
        GridCell& target = cell(index);
        target.elements.insert(element);
        count(target, model);
        if (target.priority > priority)
            continue;
        target.model = model;
        target.priority = priority;
        const bool followingEndless = m_followIndex != -1 && cell(m_followIndex).priority == EndlessPriority;
        target.followModel = followingEndless ? cell(m_followIndex).followModel : followModel;
        if (index > m_followIndex && !followingEndless)
            m_followIndex = index;
    }
}

void SwitchCellStore::addStartEnd(int element, CellModelPtr startModel, CellModelPtr endModel,
                                  const QSet<int>& rows, int startCol, int endCol, int priority,
                                  CellModelPtr lineModel) {
    const bool nextDay = endCol < startCol;
    for (int row : ascending(rows)) {
        GridCell& start = cell(indexOf(row, startCol));
        GridCell& end = cell(indexOf(nextDay ? (row + 1) % m_rows : row, endCol));
        start.elements.insert(element);
        enter(start, startModel, priority);
        enter(end, endModel, priority);
        if (startCol == endCol)
            continue;
        start.lines.insert({priority, nextDay ? endCol + m_cols : endCol}, lineModel);
        if (nextDay && row == m_rows - 1)
            m_wrappedLines.insert({priority, endCol}, lineModel);
    }
}

void SwitchCellStore::addRange(int element, CellModelPtr startModel, CellModelPtr endModel, int startRow,
                               int startCol, int endRow, int endCol, int startPriority, int endPriority,
                               CellModelPtr lineModel) {
    GridCell& start = cell(indexOf(startRow, startCol));
    GridCell& end = cell(indexOf(endRow, endCol));
    start.elements.insert(element);
    enter(start, startModel, startPriority);
    enter(end, endModel, endPriority);
    if (startRow == endRow && startCol == endCol)
        return;
    const bool wholeWeek = endRow == startRow && endCol < startCol;
    const int endPosition =
        ((m_rows - startRow + endRow) % m_rows) * m_cols + endCol + (wholeWeek ? m_rows * m_cols : 0);
    start.lines.insert({startPriority, endPosition}, lineModel);
    if (endRow < startRow || wholeWeek)
        m_wrappedLines.insert({startPriority, indexOf(endRow, endCol)}, lineModel);
}
