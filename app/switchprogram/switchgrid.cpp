#include "switchgrid.h"

#include "paintedproperty.h"

#include <QLineF>
#include <QMouseEvent>
#include <QSet>
#include <QTouchEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// A pinch that moves its fingers further than this many pixels together also pans.
constexpr double PanThreshold = 5.0;
} // namespace

SwitchGrid::SwitchGrid(QQuickItem* parent)
    : QQuickPaintedItem(parent) {
    setFillColor(Qt::white);
    setOpaquePainting(true);
    setAcceptedMouseButtons(Qt::LeftButton);
    setAcceptHoverEvents(true);
    setAcceptTouchEvents(true);
    m_autoScrollTimer.setSingleShot(true);
    m_autoScrollTimer.setInterval(AutoScrollInterval);
    connect(&m_autoScrollTimer, &QTimer::timeout, this, &SwitchGrid::autoScroll);
}

SwitchGridGeometry SwitchGrid::geometry() const {
    SwitchGridGeometry g = m_geometry;
    g.width = width();
    g.height = height();
    return g;
}

void SwitchGrid::setRows(int rows) {
    if (setPaintedProperty(this, m_geometry.rows, rows, &SwitchGrid::rowsChanged))
        dropCells();
}

void SwitchGrid::setCols(int cols) {
    if (!setPaintedProperty(this, m_geometry.cols, cols, &SwitchGrid::colsChanged))
        return;
    emit maxOffsetChanged();
    dropCells();
}

void SwitchGrid::setSteps(int steps) {
    if (steps != m_geometry.steps)
        setZoom(steps, m_geometry.visibleSteps);
}

void SwitchGrid::setVisibleSteps(int visibleSteps) {
    if (visibleSteps != m_geometry.visibleSteps)
        setZoom(m_geometry.steps, visibleSteps);
}

// Keeps the bucket in the middle of the width in place.
void SwitchGrid::setZoom(int steps, int visibleSteps) {
    setOffset(m_geometry.recentred(steps, visibleSteps));
    if (steps != m_geometry.steps) {
        m_geometry.steps = steps;
        emit stepsChanged(steps);
    }
    if (visibleSteps != m_geometry.visibleSteps) {
        m_geometry.visibleSteps = visibleSteps;
        emit visibleStepsChanged(visibleSteps);
    }
    emit maxOffsetChanged();
    update();
}

void SwitchGrid::setOffset(double offset) {
    setPaintedProperty(this, m_geometry.offset, offset, &SwitchGrid::offsetChanged);
}

void SwitchGrid::setController(SwitchGridController* controller) {
    if (m_controller == controller)
        return;
    m_controller = controller;
    dropCells();
    emit controllerChanged(controller);
    update();
}

void SwitchGrid::setMinSolar(int minSolar) {
    setPaintedProperty(this, m_bands.minSolar, minSolar, &SwitchGrid::minSolarChanged);
}

void SwitchGrid::setMaxSolar(int maxSolar) {
    setPaintedProperty(this, m_bands.maxSolar, maxSolar, &SwitchGrid::maxSolarChanged);
}

void SwitchGrid::setMinSolarLite(int minSolarLite) {
    setPaintedProperty(this, m_bands.minSolarLite, minSolarLite, &SwitchGrid::minSolarLiteChanged);
}

void SwitchGrid::setMaxSolarLite(int maxSolarLite) {
    setPaintedProperty(this, m_bands.maxSolarLite, maxSolarLite, &SwitchGrid::maxSolarLiteChanged);
}

void SwitchGrid::setReverseSolar(int reverseSolar) {
    setPaintedProperty(this, m_bands.reverseSolar, reverseSolar, &SwitchGrid::reverseSolarChanged);
}

void SwitchGrid::setMirror(bool mirror) {
    setPaintedProperty(this, m_geometry.mirror, mirror, &SwitchGrid::mirrorChanged);
}

void SwitchGrid::setPosibleSteps(const QList<int>& posibleSteps) {
    setPaintedProperty(this, m_posibleSteps, posibleSteps, &SwitchGrid::posibleStepsChanged);
}

void SwitchGrid::setPosibleVisibleSteps(const QList<int>& posibleVisibleSteps) {
    setPaintedProperty(this, m_posibleVisibleSteps, posibleVisibleSteps,
                       &SwitchGrid::posibleVisibleStepsChanged);
}

// ---- cells

void SwitchGrid::paint(QPainter* painter) {
    const SwitchGridGeometry g = geometry();
    if (!g.isUsable())
        return;
    refreshIfStale();
    SwitchGridPainter(*m_cells, m_kept, g, m_bands, m_edit).paint(painter);
}

const SwitchCellStore& SwitchGrid::cells() {
    if (!m_cells)
        refreshCells();
    return *m_cells;
}

// Not while a drag runs: its cells stay as they were when it started.
void SwitchGrid::refreshIfStale() {
    if (!m_cells || (m_pressed == Idle && m_controller && m_controller->needsRefresh()))
        refreshCells();
}

void SwitchGrid::refreshCells() {
    if (m_cells)
        m_cells->clear();
    else
        m_cells.emplace(m_geometry.rows, m_geometry.cols);
    if (m_controller)
        m_controller->fillGrid(*m_cells);
    m_kept = SwitchGridPainter::keep(*m_cells);
}

void SwitchGrid::dropCells() {
    m_cells.reset();
    m_kept = {};
}

// The elements of the cells with an element in the rows and the buckets from fromCol to toCol.
QList<int> SwitchGrid::elementsIn(int fromRow, int toRow, int fromCol, int toCol) {
    if (!geometry().isUsable() || fromRow < 0 || toRow < 0 || fromCol < 0 || toCol < 0 || fromRow > toRow)
        return {};
    const SwitchCellStore& store = cells();
    const int lastRow = std::min(toRow, m_geometry.rows - 1);
    const int lastCol = static_cast<int>(std::min<qint64>(qint64(toCol) + steps() - 1, cols() - 1));
    QSet<int> found;
    for (int row = fromRow; row <= lastRow; ++row) {
        for (int col = fromCol; col <= lastCol; ++col) {
            const GridCell& cell = store.cellAt(row, col);
            if (cell.count > 0)
                found.unite(cell.elements);
        }
    }
    QList<int> elements(found.cbegin(), found.cend());
    std::sort(elements.begin(), elements.end());
    return elements;
}

bool SwitchGrid::hasArea() {
    return !elementsIn(m_edit.fromRow, m_edit.toRow, m_edit.fromCol, m_edit.toCol).isEmpty();
}

// ---- modes

void SwitchGrid::removeCurrentMode() {
    m_edit = SwitchGridEdit();
    update();
}

void SwitchGrid::setupSelectMode() {
    m_edit = SwitchGridEdit();
    m_edit.mode = SwitchGridEdit::SelectMode;
}

void SwitchGrid::setupSimpleEditMode(CellPtr model, int priority, CellPtr followModel) {
    m_edit = SwitchGridEdit();
    m_edit.mode = SwitchGridEdit::SimpleEditMode;
    m_edit.model = std::move(model);
    m_edit.followModel = std::move(followModel);
    m_edit.priority = priority;
    update();
}

void SwitchGrid::setupSimpleEditMode(CellPtr model, int priority) {
    setupSimpleEditMode(std::move(model), priority, nullptr);
}

void SwitchGrid::setupRangeEditMode(CellPtr startModel, CellPtr endModel, int priority, CellPtr innerModel) {
    m_edit = SwitchGridEdit();
    m_edit.mode = SwitchGridEdit::RangeEditMode;
    m_edit.model = std::move(startModel);
    m_edit.endModel = std::move(endModel);
    m_edit.followModel = std::move(innerModel);
    m_edit.priority = priority;
    update();
}

void SwitchGrid::setupRangeEditMode(CellPtr startModel, CellPtr endModel, int priority) {
    setupRangeEditMode(std::move(startModel), std::move(endModel), priority, nullptr);
}

void SwitchGrid::invertStartEndModel() {
    std::swap(m_edit.model, m_edit.endModel);
    update();
}

// ---- press, drag and release

void SwitchGrid::press(const QPointF& position) {
    if (m_pressed != Idle)
        finish();
    const std::optional<QPoint> cell = geometry().cellAt(position);
    if (!cell)
        return;
    // A change since the last paint counts for the drag that starts now.
    refreshIfStale();
    setKeepMouseGrab(true);
    setKeepTouchGrab(true);
    m_pressed = Dragging;
    grabMouse();
    m_anchor = m_current = *cell;
    m_edit.fromCol = m_edit.toCol = cell->x();
    m_edit.fromRow = m_edit.toRow = cell->y();
    m_edit.reversed = false;
    m_edit.hoverPreview = false;
    update();
}

void SwitchGrid::dragTo(const QPointF& position) {
    const std::optional<QPoint> cell = geometry().cellAt(position);
    if (!cell || *cell == m_current)
        return;
    dragToCell(*cell);
    autoScroll();
}

void SwitchGrid::dragToCell(const QPoint& cell) {
    if (cell == m_current)
        return;
    m_current = cell;
    spanSelection();
    update();
}

// The selection from the anchor to the current cell. A directed range (a cycle) dragged upwards
// keeps the anchor's row first.
void SwitchGrid::spanSelection() {
    if (m_edit.mode == SwitchGridEdit::SimpleEditMode) {
        m_edit.fromCol = m_edit.toCol = m_current.x();
    } else {
        m_edit.reversed = m_anchor.x() > m_current.x();
        m_edit.fromCol = std::min(m_anchor.x(), m_current.x());
        m_edit.toCol = std::max(m_anchor.x(), m_current.x());
    }
    m_edit.fromRow = std::min(m_anchor.y(), m_current.y());
    m_edit.toRow = std::max(m_anchor.y(), m_current.y());
    if (m_edit.isDirected() && m_anchor.y() > m_current.y())
        std::swap(m_edit.fromRow, m_edit.toRow);
}

// While a drag stays at an edge of the width, the view scrolls by one bucket every interval and
// the drag follows, so the dragged cell stays the one at the edge.
void SwitchGrid::autoScroll() {
    if (m_pressed != Dragging || m_autoScrollTimer.isActive())
        return;
    const SwitchGridGeometry g = geometry();
    const std::optional<QPoint> left = g.cellAt(QPointF(0, 0));
    const std::optional<QPoint> right = g.cellAt(QPointF(g.width, 0));
    if (!left || !right)
        return;
    const int col = m_current.x();
    int direction = 0;
    if (g.mirror ? col >= left->x() : col <= left->x())
        direction = -1;
    else if (g.mirror ? col <= right->x() : col >= right->x())
        direction = 1;
    if (direction == 0)
        return;
    const double offsetBefore = offset();
    const QPoint cellBefore = m_current;
    setOffset(g.bounded(offset() + direction));
    const qint64 next = qint64(col) + qint64(g.steps) * direction * (g.mirror ? -1 : 1);
    dragToCell(QPoint(static_cast<int>(std::clamp<qint64>(next, 0, g.cols - 1)), m_current.y()));
    // At the end of the week there is nothing left to scroll to.
    if (offset() != offsetBefore || m_current != cellBefore)
        m_autoScrollTimer.start();
}

void SwitchGrid::commit(bool cancelled) {
    spanSelection();
    if (!cancelled && geometry().isUsable())
        applyEdit();
    ungrabTouchPoints();
    ungrabMouse();
    update();
}

void SwitchGrid::applyEdit() {
    // The controller may change the list at once, and the views the grid with it.
    const SwitchGridEdit e = m_edit;
    const QPoint anchor = m_anchor;
    const QPoint current = m_current;
    switch (e.mode) {
    case SwitchGridEdit::SelectMode:
        emit selected(e.fromRow, e.toRow, std::min(current.x(), anchor.x()),
                      elementsIn(e.fromRow, e.toRow, e.fromCol, e.toCol),
                      geometry().area(e.fromRow, e.toRow, e.fromCol, e.toCol), current - anchor);
        break;
    case SwitchGridEdit::SimpleEditMode:
        if (m_controller)
            m_controller->applySimpleEdit(e.model, e.fromRow, e.toRow, e.fromCol, e.followModel);
        break;
    case SwitchGridEdit::RangeEditMode:
        if (m_controller)
            m_controller->applyRangeEdit(e.model, e.endModel, e.fromRow, e.toRow, anchor.x(), current.x(),
                                         e.followModel);
        break;
    case SwitchGridEdit::NoMode:
        break;
    }
}

void SwitchGrid::finish() {
    if (m_pressed == Dragging)
        commit(false);
    m_pressed = Idle;
    keepOrDropSelection();
    m_hoveredElements.clear();
    update();
}

// A selection over elements stays after the release; anything else is gone with it.
void SwitchGrid::keepOrDropSelection() {
    if (m_edit.mode != SwitchGridEdit::SelectMode || !hasArea())
        m_edit.clearSelection();
}

void SwitchGrid::forcedClick(QPointF pos) {
    const std::optional<QPoint> cell = geometry().cellAt(pos);
    if (!cell)
        return;
    m_edit.fromCol = m_edit.toCol = cell->x();
    m_edit.fromRow = m_edit.toRow = cell->y();
    emit selected(cell->y(), cell->y(), cell->x(), elementsIn(cell->y(), cell->y(), cell->x(), cell->x()),
                  geometry().area(cell->y(), cell->y(), cell->x(), cell->x()), QPoint(1, 1));
    update();
}

void SwitchGrid::mousePressEvent(QMouseEvent* event) {
    press(event->position());
    event->accept();
}

void SwitchGrid::mouseMoveEvent(QMouseEvent* event) {
    if (m_pressed == Dragging) {
        dragTo(event->position());
        if (acceptHoverEvents())
            hover(event->position());
    }
    event->accept();
}

void SwitchGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (m_pressed == Dragging)
        finish();
    event->accept();
}

// ---- hover

void SwitchGrid::hover(const QPointF& position) {
    const std::optional<QPoint> cell = geometry().cellAt(position);
    if (!cell)
        return;
    const int row = cell->y();
    const int col = cell->x();
    m_edit.hoverPreview = false;
    const bool rowChanged = row != m_hoveredRow;
    const bool cellChanged = rowChanged || col != m_hoveredCol;
    m_hoveredRow = row;
    m_hoveredCol = col;
    if (m_pressed != Idle) {
        const bool editing =
            m_edit.mode == SwitchGridEdit::SimpleEditMode || m_edit.mode == SwitchGridEdit::RangeEditMode;
        if (editing && cellChanged)
            emit hoveredElementsChanged(position, row, col, {});
        return;
    }
    if (m_edit.model) {
        // What a click here would draw.
        m_edit.hoverPreview = true;
        const bool moved =
            m_edit.fromCol != col || m_edit.toCol != col || m_edit.fromRow != row || m_edit.toRow != row;
        m_edit.fromCol = m_edit.toCol = col;
        m_edit.fromRow = m_edit.toRow = row;
        if (moved) {
            update();
            emit hoveredElementsChanged(position, row, col, {});
        }
        return;
    }
    const QList<int> elements = elementsIn(row, row, col, col);
    if (elements != m_hoveredElements || rowChanged) {
        m_hoveredElements = elements;
        emit hoveredElementsChanged(position, row, col, elements);
    }
}

void SwitchGrid::leave() {
    m_edit.hoverPreview = false;
    m_hoveredElements.clear();
    m_hoveredRow = m_hoveredCol = -1;
    emit hoveredElementsChanged(QPointF(), -1, -1, {});
    if (m_pressed == Idle && m_edit.model) {
        m_edit.clearSelection();
        update();
    }
}

void SwitchGrid::hoverEnterEvent(QHoverEvent* event) {
    event->accept();
}

void SwitchGrid::hoverMoveEvent(QHoverEvent* event) {
    hover(event->position());
    event->accept();
}

void SwitchGrid::hoverLeaveEvent(QHoverEvent* event) {
    if (acceptHoverEvents())
        leave();
    event->accept();
}

// ---- touch

void SwitchGrid::touchEvent(QTouchEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
        event->setAccepted(handleTouchPoints(event->points()));
        return;
    case QEvent::TouchEnd: {
        const bool handled = handleTouchPoints(event->points());
        event->setAccepted(handled || m_pressed != Idle);
        finishTouch(false);
        return;
    }
    case QEvent::TouchCancel:
        event->setAccepted(m_pressed != Idle);
        finishTouch(true);
        return;
    default:
        QQuickPaintedItem::touchEvent(event);
    }
}

// One finger draws as the mouse does; two fingers zoom. A second finger ends a drag without an
// edit.
bool SwitchGrid::handleTouchPoints(const QList<QEventPoint>& points) {
    if (points.isEmpty())
        return false;
    setKeepMouseGrab(true);
    setKeepTouchGrab(true);
    const qsizetype fingers = points.size();
    switch (m_pressed) {
    case Idle:
        if (fingers == 1 && !m_pan) {
            press(points.at(0).position());
        } else if (fingers == 2) {
            m_pressed = Pinching;
            startPinch(points.at(0).position(), points.at(1).position());
        }
        break;
    case Dragging:
        if (fingers == 1) {
            dragTo(points.at(0).position());
            break;
        }
        commit(true);
        m_pressed = Pinching;
        m_pinch.active = false;
        if (fingers == 2)
            startPinch(points.at(0).position(), points.at(1).position());
        break;
    case Pinching:
        if (fingers != 2)
            m_pinch.active = false;
        else if (!m_pinch.active)
            startPinch(points.at(0).position(), points.at(1).position());
        else
            updatePinch(points.at(0).position(), points.at(1).position());
        break;
    }
    QList<int> ids;
    for (const QEventPoint& point : points)
        ids.append(point.id());
    grabTouchPoints(ids);
    return true;
}

void SwitchGrid::finishTouch(bool cancelled) {
    setKeepMouseGrab(false);
    setKeepTouchGrab(false);
    ungrabTouchPoints();
    if (m_pressed == Dragging)
        commit(cancelled);
    m_pressed = Idle;
    m_pan = false;
    m_pinch.active = false;
    keepOrDropSelection();
    update();
}

// Two fingers on one point give no distance to zoom by: the pinch begins once they part.
void SwitchGrid::startPinch(const QPointF& p0, const QPointF& p1) {
    m_edit.clearSelection();
    const double distance = QLineF(p0, p1).length();
    m_pinch = {
        distance > 0 && std::isfinite(distance), distance, p0.x(), p1.x(), offset(), steps(), visibleSteps()};
    update();
}

void SwitchGrid::updatePinch(const QPointF& p0, const QPointF& p1) {
    const SwitchGridGeometry g = geometry();
    const double scale = QLineF(p0, p1).length() / m_pinch.distance;
    if (!g.isUsable() || !(scale > 0) || !std::isfinite(scale))
        return;
    const double startMiddle = (m_pinch.x0 + m_pinch.x1) / 2;
    const double pan = (p0.x() + p1.x()) / 2 - startMiddle;
    if (pan > PanThreshold)
        m_pan = true;
    const int newSteps = nearestSteps(m_pinch.steps / scale);
    if (newSteps != g.steps) {
        const qsizetype index = m_posibleSteps.indexOf(newSteps);
        const int listed = index < m_posibleVisibleSteps.size() ? m_posibleVisibleSteps.at(index) : 0;
        const int newVisible = listed > 0 ? listed : g.visibleSteps;
        // The bucket under the fingers stays where it is.
        const double m = startMiddle / g.width;
        m_pinch.offset = ((g.visibleSteps * m + m_pinch.offset) * g.steps) / newSteps - newVisible * m;
        m_geometry.steps = newSteps;
        emit stepsChanged(newSteps);
        if (newVisible != g.visibleSteps) {
            m_geometry.visibleSteps = newVisible;
            emit visibleStepsChanged(newVisible);
        }
        emit maxOffsetChanged();
    }
    const SwitchGridGeometry zoomed = geometry();
    setOffset(zoomed.bounded(m_pinch.offset - zoomed.visibleSteps * pan / zoomed.width));
    update();
}

// The zoom level nearest to target among those a pinch may choose; of two as near, the first.
int SwitchGrid::nearestSteps(double target) const {
    int best = m_pinch.steps;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int candidate : m_posibleSteps) {
        const double distance = std::abs(candidate - target);
        if (candidate > 0 && distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}
