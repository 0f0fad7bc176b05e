#include "switchgridgeometry.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// A position far outside the item still maps to the first or last cell; larger values would not
// fit an int.
constexpr double MaxIndex = std::numeric_limits<int>::max() / 2;

int truncated(double value) {
    return static_cast<int>(std::trunc(std::clamp(value, -MaxIndex, MaxIndex)));
}
} // namespace

bool SwitchGridGeometry::isUsable() const {
    return rows > 0 && cols > 0 && steps > 0 && visibleSteps > 0 && width > 0 && height > 0 &&
           std::isfinite(offset);
}

int SwitchGridGeometry::buckets() const {
    return steps > 0 ? cols / steps : 0;
}

double SwitchGridGeometry::maxOffset() const {
    return steps > 0 ? buckets() - visibleSteps : 0;
}

double SwitchGridGeometry::bounded(double value) const {
    return qBound(0.0, value, maxOffset());
}

std::optional<QPoint> SwitchGridGeometry::cellAt(const QPointF& position) const {
    if (!isUsable() || !std::isfinite(position.x()) || !std::isfinite(position.y()))
        return std::nullopt;
    int bucket = truncated(visibleSteps * position.x() / width + offset);
    if (mirror)
        bucket = (cols - 1) / steps - bucket;
    const int col = static_cast<int>(std::clamp<qint64>(qint64(steps) * bucket, 0, cols - 1));
    const int row = std::clamp(truncated(rows * position.y() / height), 0, rows - 1);
    return QPoint(col, row);
}

QRectF SwitchGridGeometry::area(int fromRow, int toRow, int fromCol, int toCol) const {
    if (!isUsable() || fromRow < 0 || toRow < 0 || fromCol < 0 || toCol < 0)
        return {};
    const double top = height * fromRow / rows;
    const double bottom = height * (toRow + 1) / rows;
    double left = fromCol / steps;
    double right = toCol / steps + 1;
    if (mirror) {
        left = (cols - toCol - 1) / steps;
        right = (cols - fromCol - 1) / steps + 1;
    }
    const double x = width * (left - offset) / visibleSteps;
    const double r = width * (right - offset) / visibleSteps;
    return QRectF(QPointF(x, top), QPointF(r, bottom));
}

double SwitchGridGeometry::recentred(int newSteps, int newVisibleSteps) const {
    if (steps <= 0 || newSteps <= 0)
        return offset;
    const double middle = visibleSteps / 2 + offset;
    const double moved = std::round(middle * steps / newSteps - newVisibleSteps / 2);
    return qBound(0.0, moved, double(cols / newSteps - newVisibleSteps));
}
