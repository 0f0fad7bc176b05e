#pragma once

#include "switchcellstore.h"
#include "switchgridcontroller.h"
#include "switchgridedit.h"
#include "switchgridgeometry.h"
#include "switchgridpainter.h"

#include <QList>
#include <QPointer>
#include <QQuickPaintedItem>
#include <QTimer>

#include <optional>

class QEventPoint;

// The week of one program as a grid of day rows and minute columns, scrolled and zoomed
// horizontally. The user selects cells or draws switch times into it with the mouse or a finger,
// and zooms with two fingers. The grid knows no switch times: its controller fills its cells and
// receives what was drawn. The cells are kept between paints and rebuilt only when the controller
// asks for it, never while a press or pinch is under way.
class SwitchGrid : public QQuickPaintedItem {
    Q_OBJECT
    Q_PROPERTY(int rows READ rows WRITE setRows NOTIFY rowsChanged)
    Q_PROPERTY(int cols READ cols WRITE setCols NOTIFY colsChanged)
    Q_PROPERTY(int steps READ steps WRITE setSteps NOTIFY stepsChanged)
    Q_PROPERTY(int visibleSteps READ visibleSteps WRITE setVisibleSteps NOTIFY visibleStepsChanged)
    Q_PROPERTY(double offset READ offset WRITE setOffset NOTIFY offsetChanged)
    Q_PROPERTY(double maxOffset READ maxOffset NOTIFY maxOffsetChanged)
    Q_PROPERTY(SwitchGridController* controller READ controller WRITE setController NOTIFY controllerChanged)
    Q_PROPERTY(int minSolar READ minSolar WRITE setMinSolar NOTIFY minSolarChanged)
    Q_PROPERTY(int maxSolar READ maxSolar WRITE setMaxSolar NOTIFY maxSolarChanged)
    Q_PROPERTY(int minSolarLite READ minSolarLite WRITE setMinSolarLite NOTIFY minSolarLiteChanged)
    Q_PROPERTY(int maxSolarLite READ maxSolarLite WRITE setMaxSolarLite NOTIFY maxSolarLiteChanged)
    Q_PROPERTY(int reverseSolar READ reverseSolar WRITE setReverseSolar NOTIFY reverseSolarChanged)
    Q_PROPERTY(bool mirror READ mirror WRITE setMirror NOTIFY mirrorChanged)
    Q_PROPERTY(QList<int> posibleSteps READ posibleSteps WRITE setPosibleSteps NOTIFY posibleStepsChanged)
    Q_PROPERTY(QList<int> posibleVisibleSteps READ posibleVisibleSteps WRITE setPosibleVisibleSteps NOTIFY
                   posibleVisibleStepsChanged)

public:
    using CellPtr = std::shared_ptr<ISwitchGridController::CellModel>;
    // Milliseconds between two scroll steps while a drag stays at an edge.
    static constexpr int AutoScrollInterval = 200;

    explicit SwitchGrid(QQuickItem* parent = nullptr);

    int rows() const { return m_geometry.rows; }
    int cols() const { return m_geometry.cols; }
    int steps() const { return m_geometry.steps; }
    int visibleSteps() const { return m_geometry.visibleSteps; }
    double offset() const { return m_geometry.offset; }
    double maxOffset() const { return m_geometry.maxOffset(); }
    SwitchGridController* controller() const { return m_controller; }
    int minSolar() const { return m_bands.minSolar; }
    int maxSolar() const { return m_bands.maxSolar; }
    int minSolarLite() const { return m_bands.minSolarLite; }
    int maxSolarLite() const { return m_bands.maxSolarLite; }
    int reverseSolar() const { return m_bands.reverseSolar; }
    bool mirror() const { return m_geometry.mirror; }
    QList<int> posibleSteps() const { return m_posibleSteps; }
    QList<int> posibleVisibleSteps() const { return m_posibleVisibleSteps; }
    // The edit mode and its tool cells.
    const SwitchGridEdit& edit() const { return m_edit; }

    void paint(QPainter* painter) override;

public slots:
    void setRows(int rows);
    void setCols(int cols);
    void setSteps(int steps);
    void setVisibleSteps(int visibleSteps);
    void setOffset(double offset);
    void setController(SwitchGridController* controller);
    void setMinSolar(int minSolar);
    void setMaxSolar(int maxSolar);
    void setMinSolarLite(int minSolarLite);
    void setMaxSolarLite(int maxSolarLite);
    void setReverseSolar(int reverseSolar);
    void setMirror(bool mirror);
    void setPosibleSteps(const QList<int>& posibleSteps);
    void setPosibleVisibleSteps(const QList<int>& posibleVisibleSteps);

    void removeCurrentMode();
    void setupSelectMode();
    void setupSimpleEditMode(CellPtr model, int priority, CellPtr followModel);
    void setupSimpleEditMode(CellPtr model, int priority);
    void setupRangeEditMode(CellPtr startModel, CellPtr endModel, int priority, CellPtr innerModel);
    void setupRangeEditMode(CellPtr startModel, CellPtr endModel, int priority);
    void invertStartEndModel();
    // Selects the cell under pos alone, as a click in select mode would (for context menus).
    void forcedClick(QPointF pos);

signals:
    void rowsChanged(int rows);
    void colsChanged(int cols);
    void stepsChanged(int steps);
    void visibleStepsChanged(int visibleSteps);
    void offsetChanged(double offset);
    void maxOffsetChanged();
    void controllerChanged(SwitchGridController* controller);
    void minSolarChanged(int minSolar);
    void maxSolarChanged(int maxSolar);
    void minSolarLiteChanged(int minSolarLite);
    void maxSolarLiteChanged(int maxSolarLite);
    void reverseSolarChanged(int reverseSolar);
    void mirrorChanged(bool mirror);
    void posibleStepsChanged(QList<int> posibleSteps);
    void posibleVisibleStepsChanged(QList<int> posibleVisibleSteps);

    // A selection was made: the rows, the first column, the elements in it, its rectangle in item
    // pixels and how far the drag went in columns and rows.
    void selected(int fromRow, int toRow, int fromCol, QList<int> elements, QRectF area, QPoint delta);
    void hoveredElementsChanged(QPointF position, int row, int col, QList<int> indexes);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void touchEvent(QTouchEvent* event) override;
    void hoverEnterEvent(QHoverEvent* event) override;
    void hoverMoveEvent(QHoverEvent* event) override;
    void hoverLeaveEvent(QHoverEvent* event) override;

private slots:
    void autoScroll();

private:
    enum Pressed { Idle, Dragging, Pinching };

    // Where the two fingers of a pinch began, and the view they began on.
    struct Pinch {
        bool active = false;
        double distance = 0;
        double x0 = 0;
        double x1 = 0;
        double offset = 0;
        int steps = 0;
        int visibleSteps = 0;
    };

    SwitchGridGeometry geometry() const;
    const SwitchCellStore& cells();
    void refreshIfStale();
    void refreshCells();
    void dropCells();
    QList<int> elementsIn(int fromRow, int toRow, int fromCol, int toCol);
    bool hasArea();
    void setZoom(int steps, int visibleSteps);
    void moveOffset(double offset);

    void press(const QPointF& position);
    void dragTo(const QPointF& position);
    void dragToCell(const QPoint& cell);
    void spanSelection();
    void commit(bool cancelled);
    void applyEdit();
    void finish();
    void keepOrDropSelection();
    void hover(const QPointF& position);
    void leave();

    bool handleTouchPoints(const QList<QEventPoint>& points);
    void finishTouch(bool cancelled);
    void startPinch(const QPointF& p0, const QPointF& p1);
    void updatePinch(const QPointF& p0, const QPointF& p1);
    int nearestSteps(double target) const;

    SwitchGridGeometry m_geometry;
    SwitchGridPainter::Bands m_bands;
    QPointer<SwitchGridController> m_controller;
    QList<int> m_posibleSteps;
    QList<int> m_posibleVisibleSteps;
    // Empty until the first paint and after a change of rows, columns or controller.
    std::optional<SwitchCellStore> m_cells;
    SwitchGridPainter::KeptCells m_kept;

    SwitchGridEdit m_edit;
    Pressed m_pressed = Idle;
    QPoint m_anchor;
    QPoint m_current;
    int m_hoveredRow = -1;
    int m_hoveredCol = -1;
    QList<int> m_hoveredElements;
    Pinch m_pinch;
    bool m_pan = false;
    QTimer m_autoScrollTimer;
};
