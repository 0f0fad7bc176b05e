#pragma once

#include <QPoint>
#include <QPointF>
#include <QRectF>

#include <optional>

// How the week grid lies on the screen: day rows by minute columns, the columns grouped into
// buckets of steps columns, visibleSteps buckets across the width, scrolled by offset buckets.
// Every mapping answers nothing for a grid without width, height, rows, columns, steps or visible
// steps, so that no size of zero is ever divided by.
struct SwitchGridGeometry {
    int rows = 7;
    int cols = 1440;
    int steps = 60;
    int visibleSteps = 24;
    double offset = 0;
    bool mirror = false;
    double width = 0;
    double height = 0;

    bool isUsable() const;
    // Buckets in a row; 0 when there are no steps.
    int buckets() const;
    // The largest offset that still fills the width; 0 when there are no steps.
    double maxOffset() const;
    // offset kept within 0..maxOffset() (0 when the grid has fewer buckets than the width shows).
    double bounded(double offset) const;
    // The cell (column, row) under a position in item pixels. Positions outside the item take the
    // nearest row and column; a cell is addressed by the first column of its bucket.
    std::optional<QPoint> cellAt(const QPointF& position) const;
    // The rectangle in item pixels of the buckets from fromCol to toCol in rows fromRow..toRow;
    // null while any bound is negative.
    QRectF area(int fromRow, int toRow, int fromCol, int toCol) const;
    // The offset that keeps the bucket in the middle of the width in place when steps and visible
    // steps change to the new values.
    double recentred(int newSteps, int newVisibleSteps) const;
};
