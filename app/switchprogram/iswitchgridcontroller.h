#pragma once

#include <QSet>
#include <QtGlobal>

#include <memory>

class QPainter;

// What the week grid talks to: the controller fills the grid with cells and receives what the user
// drew. Rows are day rows, columns minute columns.
class ISwitchGridController {
public:
    // How one element looks in a cell. One model object is shared by all cells of one element.
    class CellModel {
    public:
        virtual ~CellModel() = default;
        // 1: a directed range that may wrap over the end of the week; 2: sets the state that
        // follows it; 0 and -1: neither.
        virtual int rangeMode() const { return 2; }
        // Paints one cell whose upper left corner is the painter's origin; the base paints the
        // selection overlay only.
        virtual void paint(QPainter* painter, qreal width, qreal height, bool mirrored, bool standalone);
        virtual int typeCode() const = 0;
        // Whether this element may share a cell with one of model code without a conflict.
        virtual bool accepts(int code) const {
            Q_UNUSED(code)
            return false;
        }

        bool selected = false;
    };

    // Where the controller puts its elements; element is the element's row in the controller's list.
    class GridModel {
    public:
        virtual void addStartEnd(int element, std::shared_ptr<CellModel> startModel,
                                 std::shared_ptr<CellModel> endModel, const QSet<int>& rows, int startCol,
                                 int endCol, int priority, std::shared_ptr<CellModel> lineModel) = 0;
        virtual void addElement(int element, std::shared_ptr<CellModel> model, const QSet<int>& rows, int col,
                                int priority, std::shared_ptr<CellModel> followModel) = 0;
        virtual void addRange(int element, std::shared_ptr<CellModel> startModel,
                              std::shared_ptr<CellModel> endModel, int startRow, int startCol, int endRow,
                              int endCol, int startPriority, int endPriority,
                              std::shared_ptr<CellModel> lineModel) = 0;
        virtual ~GridModel() = default;
    };

    virtual ~ISwitchGridController() = default;
    // Asked before every paint: true makes the grid rebuild its cells from fillGrid().
    virtual bool needsRefresh() { return true; }
    virtual void fillGrid(GridModel& grid) = 0;
    virtual void applySimpleEdit(std::shared_ptr<CellModel> model, int fromRow, int toRow, int col,
                                 std::shared_ptr<CellModel> followModel) = 0;
    virtual void applyRangeEdit(std::shared_ptr<CellModel> startModel, std::shared_ptr<CellModel> endModel,
                                int fromRow, int toRow, int startCol, int endCol,
                                std::shared_ptr<CellModel> innerModel) = 0;
};
